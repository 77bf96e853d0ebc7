// The main window on Windows: the plan editor, the report view and their
// commands, the hot-key lock and the close guard, as plain Win32 controls.
// What these do with the files, the planning state and the settings is the
// core's (WindowCore); this class holds the controls and hands the core what
// the player typed and clicked, exactly as the Qt window does.
//
// With the intro switch on, the window first plays the OpenGL intro on a
// child window over its whole client area (IntroPlayer; the handlers in
// webU_intro.cpp); the calculator group stays hidden until a key or a click
// ends the intro.
#pragma once

#include "control_group.h"
#include "intro_player.h"
#include "preview_worker.h"
#include "report_view.h"
#include "win_handles.h"
#include "window.h"
#include "window_core.h"
#include "window_dialogs.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

namespace zef {

class TreasuryChart;

class TForm1 : public Window {
public:
    // A preview handed over from the preview's thread, and the pause in
    // typing that starts one.
    static constexpr UINT kPreviewMessage = WM_APP + 20;
    static constexpr UINT_PTR kPreviewTimer = 1;

    // `settingsFolder` holds "zeF.ini" (ProgramSettingsFolder() in the
    // program); nothing when there is no folder for it. Creates the window
    // and runs FormCreate; the window is shown by show().
    explicit TForm1(std::optional<std::filesystem::path> settingsFolder);
    ~TForm1() override;

    void show(int showCommand);
    // For the message loop, before a message is dispatched: the keys the
    // window takes before its controls do (F5 in the editor, F6 in the
    // calculator) and the dialog keys (Tab). True when the message is done.
    bool preTranslateMessage(MSG& message);

    // Controls, named as in the window's layout. GroupBox3 holds the others
    // but Image1; its frame is GroupBox3Frame.
    HWND Image1 = nullptr;
    HWND GroupBox3 = nullptr;
    HWND GroupBox3Frame = nullptr;
    HWND Button6 = nullptr;
    HWND Button3 = nullptr;
    HWND Button7 = nullptr;  // the treasury chart
    HWND chbIntro = nullptr;
    HWND Memo4 = nullptr;
    HWND Memo3 = nullptr;
    HWND Label1 = nullptr;  // the preview line

    // The lock: the identifier under which the hot key is registered.
    ATOM HotKeyAtom = 0;

    // Shows the calculator when `value` is true; the name is the window design's.
    void viditelnost(bool value);

    // Each ends the intro; the key and its modifiers are not looked at.
    void FormKeyDown(WPARAM key);
    void FormClick();
    // Re-applies viewport and projection while the intro runs.
    void FormResize();
    // Uploads Image1's picture as the intro texture; the context is current.
    void LoadGLTextures();

    void Button3Click();
    void Button6Click();
    // Opens the treasury chart of the last completed refresh (also F6).
    void Button7Click();
    void Memo4KeyDown(WPARAM key);
    void WMHotKey(WPARAM id);
    // Whether the window may close now; explains the refusal when locked.
    bool FormCloseQuery();

    bool locked() const { return locked_; }
    const WindowCore& core() const { return core_; }
    const IntroPlayer& introPlayer() const { return introPlayer_; }
    TreasuryChart* treasuryChart() const { return treasuryChart_.get(); }

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

    bool createMainWindow();
    void BuildLayout();
    void ApplyLayout();
    void MakeFonts();
    void DpiChanged(UINT dpi, const RECT& suggested);

    void FormCreate();
    void FormDestroy();
    void ApplySettings();
    void WriteSettingsOnce();
    void Command(HWND control, WORD code);
    bool IntroSwitchOn() const;
    void FormCloseRequest();
    LRESULT FormQueryEndSession();
    void FormEndSession();
    void ShowLockedMessage();
    // A close asked for during a refresh happens once the refresh is over.
    void CloseIfAsked();
    void KeepFocus(UINT activation);
    void RestoreFocus();

    // The intro runs exactly while the calculator group is hidden.
    bool IntroRunning() const;

    // The preview (webU_preview.cpp): the editor's changes start it after a
    // pause, and its result fills the preview line.
    void Memo4Change();
    void RequestPreview();
    void ShowPreview(std::unique_ptr<PlanPreview> preview);
    void ShowPreviewLabel();

    std::optional<std::filesystem::path> settingsFolder_;
    WindowMessages messages_;
    WindowCore core_;
    UINT dpi_ = 96;
    std::unique_ptr<ControlGroup> group_;
    FontHandle windowFont_;
    FontHandle reportFont_;
    std::vector<FontHandle> fittedFonts_;  // smaller faces for captions that would not fit
    std::unique_ptr<ReportView> reportView_;
    std::unique_ptr<TreasuryChart> treasuryChart_;
    HotKeyRegistration hotKey_;
    BitmapHandle introPicture_;  // Image1's picture, loaded when an intro starts
    IntroPlayer introPlayer_;
    HWND focus_ = nullptr;  // the control that had the keyboard when the window was left
    bool locked_ = false;
    bool closeAsked_ = false;
    bool settingsWritten_ = false;
    std::optional<PlanPreview> preview_;
    // Last, so that its thread has ended before anything it posts to goes.
    PreviewWorker previewWorker_;
};

// The one main window, set while it exists.
extern TForm1* Form1;

}  // namespace zef
