#include "webU.h"

#include "application_title.h"
#include "plan_reset.h"
#include "treasury_chart.h"
#include "win_text.h"
#include "window_texts.h"

#include <commctrl.h>

#include <string>

namespace zef {

TForm1* Form1 = nullptr;

namespace {

// Posted by a refused log-off, to explain the refusal once it has been given.
constexpr UINT kExplainLockMessage = WM_APP + 10;
constexpr UINT kHotKeyModifiers = MOD_ALT | MOD_CONTROL | MOD_SHIFT;
constexpr UINT kHotKeyKey = 'M';

// The editor's text as UTF-8 with its CR LF line breaks, for the core.
std::string EditorText(HWND editor) { return WindowTextUtf8(editor); }

// The same with '\n' line breaks, for the reset.
std::string EditorLines(HWND editor)
{
    std::string text = EditorText(editor);
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        lines += text[i];
    }
    return lines;
}

// Where the frame's top-left corner stands when the window is neither
// minimised nor maximised: that is what the settings keep.
POINT FramePosition(HWND window)
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if ((IsIconic(window) || IsZoomed(window)) && GetWindowPlacement(window, &placement)) {
        // The normal position counts from the work area, not the screen.
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromRect(&placement.rcNormalPosition, MONITOR_DEFAULTTONEAREST), &monitor);
        return {placement.rcNormalPosition.left + monitor.rcWork.left - monitor.rcMonitor.left,
                placement.rcNormalPosition.top + monitor.rcWork.top - monitor.rcMonitor.top};
    }
    RECT frame{};
    GetWindowRect(window, &frame);
    return {frame.left, frame.top};
}

// Windows shows this while a locked window holds off the end of the session.
void BlockShutdown(HWND window, bool block)
{
    if (block) {
        ShutdownBlockReasonCreate(window, EditText(kLockedText).c_str());
    } else {
        ShutdownBlockReasonDestroy(window);
    }
}

}  // namespace

TForm1::TForm1(std::optional<std::filesystem::path> settingsFolder)
    : settingsFolder_(std::move(settingsFolder)), messages_([this] { return hwnd(); }), core_(messages_),
      introPlayer_({[this] { return IntroRunning(); }, [this] { LoadGLTextures(); },
                    [this](WPARAM key) { FormKeyDown(key); }, [this] { FormClick(); }}),
      previewWorker_([this](PlanPreview preview) {
          // To the window's thread; a preview the window can no longer take is dropped.
          auto delivered = std::make_unique<PlanPreview>(std::move(preview));
          if (PostMessageW(hwnd(), kPreviewMessage, 0, reinterpret_cast<LPARAM>(delivered.get()))) {
              delivered.release();
          }
      })
{
    Form1 = this;
    // WM_CREATE builds the controls; the rest of the creation follows here,
    // once the window exists whole.
    if (!createMainWindow()) {
        return;
    }
    FormCreate();
}

TForm1::~TForm1()
{
    destroy();
    Form1 = nullptr;
}

// The order matters: the start-up refresh runs before the settings are read,
// so it does not count, and the intro decision needs the restored switch.
void TForm1::FormCreate()
{
    core_.createDataFiles();
    SetWindowTextW(hwnd(), Wide(kWindowCaption).c_str());
    SetApplicationTitle(Wide(kApplicationTitle));
    core_.offerInterruptedSave();
    // An editor that never received the plan must not be saved over it.
    if (const std::optional<std::string> plan = core_.loadPlan()) {
        SetWindowTextW(Memo4, EditText(*plan).c_str());
        Button3Click();
    }
    // Added and never deleted: the atom names the hot key for as long as the
    // system runs, whichever copy of the program registered it.
    HotKeyAtom = GlobalAddAtomW(Wide(kHotKeyAtomName).c_str());
    hotKey_ = HotKeyRegistration(hwnd(), HotKeyAtom, kHotKeyModifiers, kHotKeyKey);
    ApplySettings();
    // Without a GL library or a context the intro cannot run; the window
    // then starts as if the switch were off, and the switch is still kept.
    if (!IntroSwitchOn() || !introPlayer_.start(hwnd())) {
        viditelnost(true);
        SetWindowOpacity(hwnd(), 255, false);
    }
}

void TForm1::show(int showCommand)
{
    ShowWindow(hwnd(), showCommand);
    UpdateWindow(hwnd());
}

void TForm1::FormDestroy()
{
    // Closed during the intro: tear it down without showing the calculator.
    if (IntroRunning()) {
        introPlayer_.end();
    }
    hotKey_.reset();
    WriteSettingsOnce();
    PostQuitMessage(0);
}

void TForm1::ApplySettings()
{
    const StoredSettings stored = core_.openSettings(settingsFolder_);
    SetWindowPos(hwnd(), nullptr, stored.left, stored.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(chbIntro, BM_SETCHECK, stored.intro ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TForm1::WriteSettingsOnce()
{
    if (settingsWritten_) {
        return;
    }
    settingsWritten_ = true;
    const POINT position = FramePosition(hwnd());
    core_.closeSettings({position.x, position.y, IntroSwitchOn(), true});
}

void TForm1::viditelnost(bool value)
{
    ShowWindow(GroupBox3, value ? SW_SHOW : SW_HIDE);
    if (value) {
        focus_ = Memo4;
        if (GetActiveWindow() == hwnd()) {
            SetFocus(Memo4);
        }
    }
}

void TForm1::Button3Click()
{
    if (core_.refresh(EditorText(Memo4))) {
        reportView_->show(core_.planningState().reportText);
        if (treasuryChart_ && treasuryChart_->visible()) {
            treasuryChart_->showRecording(core_.lastRecording());
        }
    }
    CloseIfAsked();
}

void TForm1::Button7Click()
{
    if (!treasuryChart_) {
        treasuryChart_ = std::make_unique<TreasuryChart>(hwnd());
    }
    treasuryChart_->showRecording(core_.lastRecording());
    treasuryChart_->showAndActivate();
}

// Asked without an owner, as designed (MB_YESNO | MB_ICONQUESTION |
// MB_DEFBUTTON2 = 0x124).
void TForm1::Button6Click()
{
    const int answer =
        ShowMessageBox(nullptr, kResetQuestion, kQuestionCaption, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    if (answer != IDYES || messages_.ending() || hwnd() == nullptr) {
        return;
    }
    SetWindowTextW(Memo4, EditText(ResetDirectives(EditorLines(Memo4))).c_str());
}

void TForm1::Memo4KeyDown(WPARAM key)
{
    if (key == VK_F5) {
        Button3Click();
    }
}

void TForm1::WMHotKey(WPARAM id)
{
    if (id != HotKeyAtom) {
        return;
    }
    locked_ = !locked_;
    EnableWindow(hwnd(), locked_ ? FALSE : TRUE);
    BlockShutdown(hwnd(), locked_);
}

bool TForm1::FormCloseQuery()
{
    if (!locked_) {
        return true;
    }
    ShowLockedMessage();
    return false;
}

void TForm1::ShowLockedMessage()
{
    // No owner: a box owned by the disabled window would enable it again.
    ShowMessageBox(nullptr, kLockedText, ApplicationTitle(), MB_OK);
}

void TForm1::FormCloseRequest()
{
    // A box waits for its answer first, as under a Qt modal dialog.
    if (ModalBox::open() || !FormCloseQuery()) {
        return;
    }
    // A close during a planning run ends the run; the window closes once it has.
    if (core_.running()) {
        closeAsked_ = true;
        core_.cancelRun();
        return;
    }
    destroy();
}

void TForm1::CloseIfAsked()
{
    if (closeAsked_ && !core_.running() && hwnd() != nullptr) {
        closeAsked_ = false;
        PostMessageW(hwnd(), WM_CLOSE, 0, 0);
    }
}

// A locked window refuses a log-off or shutdown as it refuses a close; the
// message comes once the refusal has been given, so that it does not hold up
// the session's question.
LRESULT TForm1::FormQueryEndSession()
{
    if (!locked_) {
        return TRUE;
    }
    PostMessageW(hwnd(), kExplainLockMessage, 0, 0);
    return FALSE;
}

// The session ends for good: Windows may end the process as soon as this
// returns, so the settings are written now, locked or not. Unlocked, a run in
// progress is cancelled and open boxes are answered with their safe
// defaults; once they have returned, the window closes as its close button
// would. A locked window refused the end and stays (if the process does).
void TForm1::FormEndSession()
{
    if (!locked_) {
        messages_.endWithoutAsking();
        core_.cancelRun();
        AnswerOpenDialogsSafely();
    }
    WriteSettingsOnce();
    if (!locked_) {
        closeAsked_ = true;
        CloseIfAsked();
    }
}

bool TForm1::IntroSwitchOn() const { return SendMessageW(chbIntro, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TForm1::Command(HWND control, WORD code)
{
    if (control == Button3 && code == BN_CLICKED) {
        Button3Click();
    } else if (control == Button6 && code == BN_CLICKED) {
        Button6Click();
    } else if (control == Button7 && code == BN_CLICKED) {
        Button7Click();
    } else if (control == Memo3 && code == EN_CHANGE) {
        reportView_->changed();
    } else if (control == Memo4 && code == EN_CHANGE) {
        Memo4Change();
    }
}

bool TForm1::preTranslateMessage(MSG& message)
{
    if (treasuryChart_ && treasuryChart_->preTranslateMessage(message)) {
        return true;
    }
    if (hwnd() == nullptr || GetAncestor(message.hwnd, GA_ROOT) != hwnd()) {
        return false;
    }
    const bool keyDown = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    // F5 in the editor, whatever the modifiers (Alt makes it a system key);
    // the key goes on to the editor unchanged.
    if (keyDown && message.hwnd == Memo4) {
        Memo4KeyDown(message.wParam);
        if (hwnd() == nullptr) {
            return true;
        }
    }
    // F6 anywhere in the calculator, so that it does nothing during the intro.
    if (message.message == WM_KEYDOWN && message.wParam == VK_F6 && IsChild(GroupBox3, message.hwnd) &&
        GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0) {
        Button7Click();
        return true;
    }
    return IsDialogMessageW(hwnd(), &message) != FALSE;
}

void TForm1::KeepFocus(UINT activation)
{
    if (activation == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd(), focus)) {
            focus_ = focus;
        }
    }
}

// During the intro the window keeps the focus itself: its keys end the
// intro as the surface's do.
void TForm1::RestoreFocus()
{
    if (IntroRunning()) {
        return;
    }
    SetFocus(focus_ != nullptr && IsWindow(focus_) && IsWindowVisible(focus_) ? focus_ : Memo4);
}

LRESULT TForm1::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: BuildLayout(); return 0;
    case WM_COMMAND: Command(reinterpret_cast<HWND>(lParam), HIWORD(wParam)); return 0;
    case WM_HOTKEY: WMHotKey(wParam); return 0;
    case WM_ENABLE:
        // A box that disabled the window for its time enables it again at
        // its end; the lock stays.
        if (wParam != FALSE && locked_) {
            EnableWindow(hwnd(), FALSE);
        }
        return 0;
    case WM_SYSCOMMAND:
        // The task bar's close reaches a locked window too, which
        // DefWindowProc would ignore as disabled: it gets its refusal.
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            FormCloseRequest();
            return 0;
        }
        return defaultHandling(message, wParam, lParam);
    case WM_CLOSE: FormCloseRequest(); return 0;
    case WM_QUERYENDSESSION: return FormQueryEndSession();
    case WM_ENDSESSION:
        if (wParam != FALSE) {
            FormEndSession();
        }
        return 0;
    case kExplainLockMessage: ShowLockedMessage(); return 0;
    case WM_DESTROY: FormDestroy(); return 0;
    case WM_SIZE: FormResize(); return 0;
    case WM_MOVE:
        if (IntroRunning()) {
            introPlayer_.moved();
        }
        return 0;
    case WM_KEYDOWN: FormKeyDown(wParam); return 0;
    case WM_LBUTTONUP: FormClick(); return 0;
    case WM_ACTIVATE: KeepFocus(LOWORD(wParam)); return defaultHandling(message, wParam, lParam);
    case WM_SETFOCUS: RestoreFocus(); return 0;
    case WM_DPICHANGED: DpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
    case IntroPlayer::kFrameMessage: return introPlayer_.requestFrame();
    case IntroPlayer::kFreeSurfaceMessage: introPlayer_.freeSurface(); return 0;
    case kPreviewMessage: ShowPreview(std::unique_ptr<PlanPreview>(reinterpret_cast<PlanPreview*>(lParam))); return 0;
    case WM_TIMER:
        if (wParam == kPreviewTimer) {
            RequestPreview();
        }
        return 0;
    default: return defaultHandling(message, wParam, lParam);
    }
}

}  // namespace zef
