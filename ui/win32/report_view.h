// Keeps the report view (a multi-line edit control) equal to the accumulated
// report followed by one line break. The report only grows, so a refresh
// appends just the new part at the end (EM_REPLACESEL; setting the whole text
// of a megabyte's report costs more than a second) while the view still
// holds what was put there last; anything else (the player edited the view)
// reloads it whole.
#pragma once

#include "win32_api.h"

#include <cstddef>
#include <string>

namespace zef {

class ReportView {
public:
    explicit ReportView(HWND view);

    // Shows `report` (Windows-1250, CR LF) and scrolls to its end.
    void show(const std::string& report);
    // The view's text changed (EN_CHANGE); unless show() changed it, the
    // next show() reloads.
    void changed();

private:
    void reload(const std::string& report);
    void append(const std::string& report);

    HWND view_;
    std::size_t shownBytes_ = 0;
    std::size_t shownCharacters_ = 0;  // UTF-16 units of the report in the view, CR LF counting two
    bool inSync_ = false;
    bool updating_ = false;
};

}  // namespace zef
