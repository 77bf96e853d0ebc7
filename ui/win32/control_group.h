// A plain child window that holds a group of controls, so that they show and
// hide together (the calculator group GroupBox3). The notifications of its
// controls and their colours go on to its parent, the main window, which
// handles them as if the controls were its own.
#pragma once

#include "window.h"

namespace zef {

class ControlGroup : public Window {
public:
    // Hidden until shown; `frame` in the parent's client coordinates.
    ControlGroup(HWND parent, const RECT& frame);
    ~ControlGroup() override;

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace zef
