// What the plan editor, an edit control, shows beyond the control's own: a
// red wave under each line with a warning, painted over the control each
// time the control has drawn, so that Windows and Wine show it alike; and a
// context menu with the edit commands, the list of unit types and the search
// for the best plan.
#pragma once

#include "win32_api.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace zef {

class PlanEditor {
public:
    // `unitList` opens the list of unit types, `bestPlan` the search for the
    // best plan (the menu's last commands).
    PlanEditor(HWND editor, std::function<void()> unitList, std::function<void()> bestPlan);
    ~PlanEditor();
    PlanEditor(const PlanEditor&) = delete;
    PlanEditor& operator=(const PlanEditor&) = delete;

    // The lines (from 1, as CR LF ends them) with a wave under them.
    void underline(std::vector<std::int32_t> lines);

private:
    static LRESULT CALLBACK Procedure(HWND editor, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);
    void PaintWaves() const;
    void ContextMenu(LPARAM at);

    HWND editor_;
    std::function<void()> unitList_;
    std::function<void()> bestPlan_;
    std::vector<std::int32_t> lines_;
};

}  // namespace zef
