#include "control_group.h"

namespace zef {

namespace {

const WindowClass& GroupClass()
{
    static const WindowClass windowClass(L"ZeF.ControlGroup", 0, COLOR_BTNFACE);
    return windowClass;
}

}  // namespace

ControlGroup::ControlGroup(HWND parent, const RECT& frame)
{
    // WS_EX_CONTROLPARENT: Tab walks into the group's controls.
    create(GroupClass(), WS_EX_CONTROLPARENT, L"", WS_CHILD | WS_CLIPSIBLINGS, frame, parent);
}

ControlGroup::~ControlGroup() { destroy(); }

LRESULT ControlGroup::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC: return SendMessageW(GetParent(hwnd()), message, wParam, lParam);
    default: return defaultHandling(message, wParam, lParam);
    }
}

}  // namespace zef
