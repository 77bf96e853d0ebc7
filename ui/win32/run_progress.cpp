#include "run_progress.h"

#include "dpi.h"
#include "win_handles.h"
#include "win_text.h"
#include "window.h"
#include "window_texts.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>

namespace zef {

namespace {

constexpr int kTextId = 101;
constexpr int kBarId = 102;

bool IsInput(UINT message)
{
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}

bool Dispatch(MSG& message)
{
    if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
        return false;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
    return true;
}

// "Počítám plán…" above a progress bar, and "Zrušit".
class ProgressWindow : public Window {
public:
    explicit ProgressWindow(HWND owner);
    ~ProgressWindow() override { destroy(); }

    void setValue(int value) { SendMessageW(bar_, PBM_SETPOS, static_cast<WPARAM>(value), 0); }
    bool cancelled() const { return cancelled_; }
    // Serves every waiting message; the player's input reaches only this window.
    void serveMessages();

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void place(HWND owner);

    HWND bar_ = nullptr;
    FontHandle font_;
    bool cancelled_ = false;
};

const WindowClass& ProgressClass()
{
    static const WindowClass windowClass(L"ZeF.Progress", 0, COLOR_BTNFACE);
    return windowClass;
}

ProgressWindow::ProgressWindow(HWND owner)
{
    create(ProgressClass(), WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, Wide(kQuestionCaption).c_str(),
           WS_POPUP | WS_CAPTION | WS_SYSMENU, RECT{0, 0, 0, 0}, owner);
    if (hwnd() == nullptr) {
        return;
    }
    const UINT dpi = WindowDpi(hwnd());
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfMessageFont.lfHeight = -Scaled(12, dpi);
    font_.reset(CreateFontIndirectW(&metrics.lfMessageFont));

    const auto control = [&](const wchar_t* className, const std::wstring& text, DWORD style, int x, int y, int width,
                             int height, int id) {
        const HWND made =
            CreateWindowExW(0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, Scaled(x, dpi), Scaled(y, dpi),
                            Scaled(width, dpi), Scaled(height, dpi), hwnd(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ProgramInstance(), nullptr);
        SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        return made;
    };
    control(L"STATIC", Wide(kProgressText), SS_LEFT, 12, 12, 276, 16, kTextId);
    bar_ = control(PROGRESS_CLASSW, L"", 0, 12, 34, 276, 16, kBarId);
    SendMessageW(bar_, PBM_SETRANGE32, 0, kProgressSteps);
    const HWND cancel =
        control(L"BUTTON", Wide(kCancelButton), WS_TABSTOP | BS_DEFPUSHBUTTON, 208, 60, 80, 24, IDCANCEL);
    place(owner);
    ShowWindow(hwnd(), SW_SHOW);
    SetFocus(cancel);
    UpdateWindow(hwnd());
}

// 300 x 96 client pixels at 96 dpi, centred on the owner.
void ProgressWindow::place(HWND owner)
{
    const UINT dpi = WindowDpi(hwnd());
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_EXSTYLE));
    const SIZE size = FrameSizeFor(Scaled(300, dpi), Scaled(96, dpi), style, exStyle, dpi);
    RECT around{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner != nullptr && IsWindowVisible(owner)) {
        GetWindowRect(owner, &around);
    }
    SetWindowPos(hwnd(), nullptr, around.left + (around.right - around.left - size.cx) / 2,
                 around.top + (around.bottom - around.top - size.cy) / 2, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void ProgressWindow::serveMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        const bool mine = hwnd() != nullptr && (message.hwnd == hwnd() || IsChild(hwnd(), message.hwnd));
        if (IsInput(message.message) && !mine) {
            continue;
        }
        if (mine && IsDialogMessageW(hwnd(), &message)) {
            continue;
        }
        if (!Dispatch(message)) {
            return;
        }
    }
}

LRESULT ProgressWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            cancelled_ = true;
        }
        return 0;
    case WM_CLOSE: cancelled_ = true; return 0;
    default: return defaultHandling(message, wParam, lParam);
    }
}

struct ProgressState {
    ULONGLONG started = GetTickCount64();
    std::unique_ptr<ProgressWindow> dialog;
};

// Serves every message waiting for this thread except keys and clicks, which
// stay queued. A WM_QUIT is put back for the message loop.
void ServeMessagesExceptInput()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE)) {
        if (!Dispatch(message)) {
            return;
        }
    }
}

}  // namespace

PlanProgress ProgressDialogHook(HWND owner, std::chrono::milliseconds delay)
{
    auto state = std::make_shared<ProgressState>();
    return [owner, delay, state](std::uint64_t turnsDone, std::uint64_t turnsTotal) {
        const auto elapsed = std::chrono::milliseconds(GetTickCount64() - state->started);
        if (!state->dialog && elapsed >= delay) {
            state->dialog = std::make_unique<ProgressWindow>(owner);
        }
        if (!state->dialog) {
            // Repaint, but keep clicks and keys for after the run.
            ServeMessagesExceptInput();
            return true;
        }
        state->dialog->setValue(ProgressStepsDone(turnsDone, turnsTotal));
        state->dialog->serveMessages();
        return !state->dialog->cancelled();
    };
}

}  // namespace zef
