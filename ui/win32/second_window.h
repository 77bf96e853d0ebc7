// A window of its own beside the main one (the chart, the unit list, the
// search for the best plan), owned by it, as the window model places and
// shows it; closing it only hides it.
#pragma once

#include "window.h"
#include "window_view.h"

namespace zef {

// `View` is the window's interface (ChartWindowView, UnitListView).
template <typename View>
class SecondWindow : public Window, public View {
public:
    bool visible() const override { return hwnd() != nullptr && IsWindowVisible(hwnd()); }
    bool shownBefore() const override { return shownBefore_; }
    ScreenSize frameSize() const override
    {
        RECT frame{};
        GetWindowRect(hwnd(), &frame);
        return {frame.right - frame.left, frame.bottom - frame.top};
    }
    void moveFrame(ScreenPoint at) override
    {
        SetWindowPos(hwnd(), nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void showInFront() override
    {
        ShowWindow(hwnd(), IsIconic(hwnd()) ? SW_RESTORE : SW_SHOW);
        SetForegroundWindow(hwnd());
        SetActiveWindow(hwnd());
        shownBefore_ = true;
    }
    // Tab between its controls; true when the message is done.
    bool preTranslateMessage(MSG& message)
    {
        if (hwnd() == nullptr || GetAncestor(message.hwnd, GA_ROOT) != hwnd()) {
            return false;
        }
        return IsDialogMessageW(hwnd(), &message) != FALSE;
    }

protected:
    // Its fonts and controls again at dpi_, once it stands on a monitor of
    // another DPI and has taken the size Windows suggests there.
    virtual void rescale() {}

    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CLOSE) {
            ShowWindow(hwnd(), SW_HIDE);
            return 0;
        }
        if (message == WM_DPICHANGED) {
            dpi_ = HIWORD(wParam);
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                         suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
            rescale();
            return 0;
        }
        return defaultHandling(message, wParam, lParam);
    }

    UINT dpi_ = 96;  // of the monitor it stands on

private:
    bool shownBefore_ = false;
};

}  // namespace zef
