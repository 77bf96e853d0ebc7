#include "webU.h"

#include "best_plan_window.h"
#include "gdi_canvas.h"
#include "treasury_chart.h"
#include "unit_list.h"
#include "win_text.h"
#include "window_layout.h"
#include "window_texts.h"

namespace zef {

namespace {

// Posted by a refused log-off, to explain the refusal once it has been given.
constexpr UINT kExplainLockMessage = WM_APP + 10;

WindowKey KeyOf(WPARAM key) { return key == VK_F5 ? WindowKey::F5 : key == VK_F7 ? WindowKey::F7 : WindowKey::Other; }

}  // namespace

TForm1::TForm1(std::optional<std::filesystem::path> settingsFolder, std::optional<std::filesystem::path> movedTo)
    : messages_([this] { return hwnd(); }),
      introPlayer_({[this] { return introRunning(); }, [this] { LoadGLTextures(); }, [this] { model_.FormKeyDown(); }}),
      model_(*this, messages_)
{
    // WM_CREATE builds the controls; the model's creation follows once the
    // window exists whole.
    if (createMainWindow()) {
        model_.FormCreate(settingsFolder, movedTo);
    }
}

TForm1::~TForm1() { destroy(); }

void TForm1::show(int showCommand)
{
    ShowWindow(hwnd(), showCommand);
    UpdateWindow(hwnd());
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

void TForm1::Command(HWND control, WORD code)
{
    if (code == BN_CLICKED && control == Button3) {
        model_.Button3Click();
    } else if (code == BN_CLICKED && control == Button6) {
        model_.Button6Click();
    } else if (code == BN_CLICKED && control == Button7) {
        model_.Button7Click();
    } else if (code == EN_CHANGE && control == Memo3) {
        reportView_->changed();
    } else if (code == EN_CHANGE && control == Memo4) {
        model_.Memo4Change();
    }
}

// A box waits for its answer first, as under a Qt modal dialog.
void TForm1::FormCloseRequest()
{
    if (!ModalBox::open() && model_.FormCloseQuery()) {
        destroy();
    }
}

bool TForm1::preTranslateMessage(MSG& message)
{
    if ((treasuryChart_ && treasuryChart_->preTranslateMessage(message)) ||
        (bestPlanWindow_ && bestPlanWindow_->preTranslateMessage(message))) {
        return true;
    }
    if (hwnd() == nullptr || GetAncestor(message.hwnd, GA_ROOT) != hwnd()) {
        return false;
    }
    // Keys in the editor whatever the modifiers (Alt makes them system
    // keys); they go on to the editor unchanged. A key or a click moved the
    // caret once it is up.
    if (message.hwnd == Memo4 && (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN)) {
        model_.Memo4KeyDown(KeyOf(message.wParam));
    } else if (message.hwnd == Memo4 && (message.message == WM_KEYUP || message.message == WM_LBUTTONUP)) {
        model_.caretMoved();
    }
    // F6 and F8 anywhere in the calculator, so that they do nothing during the intro.
    if (message.message == WM_KEYDOWN && (message.wParam == VK_F6 || message.wParam == VK_F8) &&
        IsChild(GroupBox3, message.hwnd) && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0) {
        model_.GroupKeyDown(message.wParam == VK_F6 ? WindowKey::F6 : WindowKey::F8);
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
    if (introRunning()) {
        return;
    }
    SetFocus(focus_ != nullptr && IsWindow(focus_) && IsWindowVisible(focus_) ? focus_ : Memo4);
}

LRESULT TForm1::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: BuildLayout(); return 0;
    case WM_COMMAND: Command(reinterpret_cast<HWND>(lParam), HIWORD(wParam)); return 0;
    case WM_CTLCOLORSTATIC: {
        const LRESULT brush = defaultHandling(message, wParam, lParam);
        if (reinterpret_cast<HWND>(lParam) == Label1 && previewWarning_) {
            SetTextColor(reinterpret_cast<HDC>(wParam), Colour(layout::kWarningColour));
        }
        return brush;
    }
    case WM_HOTKEY: model_.WMHotKey(static_cast<std::uint32_t>(wParam)); return 0;
    case WM_ENABLE:
        // A box that disabled the window for its time enables it again at
        // its end; the lock stays.
        if (wParam != FALSE && model_.locked()) {
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
    case WM_QUERYENDSESSION:
        // The refusal is explained once it has been given, so that the
        // message does not hold up the session's question.
        if (model_.FormQueryEndSession()) {
            return TRUE;
        }
        PostMessageW(hwnd(), kExplainLockMessage, 0, 0);
        return FALSE;
    case WM_ENDSESSION:
        if (wParam != FALSE) {
            model_.FormEndSession();
        }
        return 0;
    case kExplainLockMessage: model_.explainLock(); return 0;
    case WM_DESTROY:
        model_.FormDestroy();
        PostQuitMessage(0);
        return 0;
    case WM_SIZE:
        if (introRunning()) {
            introPlayer_.resize();
        }
        return 0;
    case WM_MOVE:
        if (introRunning()) {
            introPlayer_.moved();
        }
        return 0;
    case WM_KEYDOWN:
    case WM_LBUTTONUP: model_.FormKeyDown(); return 0;
    case WM_ACTIVATE: KeepFocus(LOWORD(wParam)); return defaultHandling(message, wParam, lParam);
    case WM_SETFOCUS: RestoreFocus(); return 0;
    case WM_DPICHANGED: DpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
    case IntroPlayer::kFrameMessage: return introPlayer_.requestFrame();
    case IntroPlayer::kFreeSurfaceMessage: introPlayer_.freeSurface(); return 0;
    case kPreviewMessage:
        model_.previewArrived(std::move(*std::unique_ptr<PlanPreview>(reinterpret_cast<PlanPreview*>(lParam))));
        return 0;
    case WM_TIMER:
        if (wParam == kPreviewTimer) {
            KillTimer(hwnd(), kPreviewTimer);
            model_.previewPause();
        }
        return 0;
    default: return defaultHandling(message, wParam, lParam);
    }
}

// Windows shows the locked text while a locked window holds off the end of the session.
void TForm1::setLocked(bool locked)
{
    EnableWindow(hwnd(), locked ? FALSE : TRUE);
    if (locked) {
        ShutdownBlockReasonCreate(hwnd(), EditText(kLockedText).c_str());
    } else {
        ShutdownBlockReasonDestroy(hwnd());
    }
}

// Where the frame stands when the window is neither minimised nor
// maximised: that is what the settings keep.
std::optional<ScreenRect> TForm1::frame() const
{
    RECT frame{};
    GetWindowRect(hwnd(), &frame);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if ((IsIconic(hwnd()) || IsZoomed(hwnd())) && GetWindowPlacement(hwnd(), &placement)) {
        // The normal position counts from the work area, not the screen.
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromRect(&placement.rcNormalPosition, MONITOR_DEFAULTTONEAREST), &monitor);
        frame = placement.rcNormalPosition;
        OffsetRect(&frame, monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top);
    }
    return ScreenRect{frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top};
}

void TForm1::moveFrame(ScreenPoint at)
{
    SetWindowPos(hwnd(), nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

ScreenRect TForm1::workArea() const
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd(), MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    return {work.left, work.top, work.right - work.left, work.bottom - work.top};
}

// Added and never deleted: the atom names the hot key for as long as the
// system runs, whichever copy of the program registered it.
std::uint32_t TForm1::registerLockKey(const LockKey& key)
{
    const ATOM atom = GlobalAddAtomW(Wide(key.name).c_str());
    RegisterHotKey(hwnd(), atom, MOD_ALT | MOD_CONTROL | MOD_SHIFT, static_cast<UINT>(key.letter));
    return atom;
}

// Asked without an owner, as designed (MB_YESNO | MB_ICONQUESTION |
// MB_DEFBUTTON2 = 0x124).
bool TForm1::askWithoutOwner(std::string_view question)
{
    return ShowMessageBox(nullptr, question, Wide(kQuestionCaption), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) ==
           IDYES;
}

// No owner: a box owned by the disabled window would enable it again.
void TForm1::tellWithoutOwner(std::string_view message) { ShowMessageBox(nullptr, message, ApplicationTitle(), MB_OK); }

ChartWindowView& TForm1::chartWindow()
{
    if (!treasuryChart_) {
        treasuryChart_ = std::make_unique<TreasuryChart>(hwnd());
    }
    return *treasuryChart_;
}

UnitListView& TForm1::unitList()
{
    if (!unitList_) {
        unitList_ = std::make_unique<UnitList>(hwnd(), [this](int number) { model_.unitChosen(number); });
    }
    return *unitList_;
}

BestPlanWindowView& TForm1::bestPlanWindow()
{
    if (!bestPlanWindow_) {
        bestPlanWindow_ = std::make_unique<BestPlanWindow>(hwnd(), model_);
    }
    return *bestPlanWindow_;
}

}  // namespace zef
