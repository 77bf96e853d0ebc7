// The main window on Windows: the plan editor, the report view, the buttons,
// the preview line, the lock key and the intro's GL surface, as plain Win32
// controls. Every rule of the window is the core's window model
// (WindowModel); this class turns the controls' messages into the model's
// handlers and does what the model tells its WindowView, nothing more.
//
// With the intro switch on, the window first plays the OpenGL intro on a
// surface over its whole client area (IntroPlayer; webU_intro.cpp); the
// calculator group stays hidden until a key or a click ends the intro.
#pragma once

#include "application_title.h"
#include "control_group.h"
#include "intro_player.h"
#include "plan_editor.h"
#include "report_view.h"
#include "win_handles.h"
#include "win_text.h"
#include "window.h"
#include "window_dialogs.h"
#include "window_model.h"
#include "window_view.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

namespace zef {

class BestPlanWindow;
class TreasuryChart;
class UnitList;

class TForm1 : public Window, private WindowView {
public:
    // A preview handed over from the preview's thread, and the pause in
    // typing that starts one.
    static constexpr UINT kPreviewMessage = WM_APP + 20;
    static constexpr UINT_PTR kPreviewTimer = 1;

    // `settingsFolder` holds "zeF.ini" (ProgramSettingsFolder() in the
    // program); nothing when there is no folder for it. `movedTo` is the
    // folder the program works in when it left its installation folder.
    // Creates the window and runs the model's FormCreate; show() shows it.
    explicit TForm1(std::optional<std::filesystem::path> settingsFolder,
                    std::optional<std::filesystem::path> movedTo = std::nullopt);
    ~TForm1() override;

    void show(int showCommand);
    // For the message loop, before a message is dispatched: the keys the
    // window takes before its controls do (F5 and F7 in the editor, F6 and F8
    // in the calculator) and the dialog keys (Tab). True when the message is done.
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

    // Shows the calculator when `value` is true; the name is the window design's.
    void viditelnost(bool value);
    // Uploads Image1's picture as the intro texture; the context is current.
    void LoadGLTextures();

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

    bool createMainWindow();
    void BuildLayout();
    void ApplyLayout();
    void MakeFonts();
    void DpiChanged(UINT dpi, const RECT& suggested);
    void Command(HWND control, WORD code);
    void FormCloseRequest();
    void KeepFocus(UINT activation);
    void RestoreFocus();

    // WindowView.
    void setCaption(std::string_view caption) override { SetWindowTextW(hwnd(), Wide(caption).c_str()); }
    void setApplicationTitle(std::string_view title) override { SetApplicationTitle(Wide(title)); }
    void showCalculator() override { viditelnost(true); }
    bool introRunning() const override;
    bool startIntro() override;
    void endIntro() override;
    void setOpaque() override;
    void setLocked(bool locked) override;
    void closeSoon() override { PostMessageW(hwnd(), WM_CLOSE, 0, 0); }
    std::optional<ScreenRect> frame() const override;
    void moveFrame(ScreenPoint at) override;
    ScreenRect workArea() const override;
    bool introSwitch() const override { return SendMessageW(chbIntro, BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void setIntroSwitch(bool on) override { SendMessageW(chbIntro, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }
    std::uint32_t registerLockKey(const LockKey& key) override;
    void unregisterLockKey() override { UnregisterHotKey(hwnd(), static_cast<int>(model_.HotKeyAtom)); }
    // UTF-8 with the control's CR LF line breaks, as the core takes it.
    std::string editorText() const override { return WindowTextUtf8(Memo4); }
    void setEditorText(const std::string& text) override { SetWindowTextW(Memo4, EditText(text).c_str()); }
    std::int32_t caretLine() const override;
    void insertAtCaret(const std::string& text) override;
    void underlineLines(const std::vector<std::int32_t>& lines) override { editor_->underline(lines); }
    void showReport(const std::string& report) override { reportView_->show(report); }
    void showPreviewLine(const PreviewLabel& label) override;
    // Greyed while its text is older than the editor's.
    void setPreviewLineCurrent(bool current) override { EnableWindow(Label1, current ? TRUE : FALSE); }
    void startPreviewTimer(std::chrono::milliseconds pause) override;
    void deliverPreview(PlanPreview preview) override;
    bool askWithoutOwner(std::string_view question) override;
    void tellWithoutOwner(std::string_view message) override;
    void answerOpenDialogs() override { AnswerOpenDialogsSafely(); }
    ChartWindowView& chartWindow() override;
    bool hasChartWindow() const override { return treasuryChart_ != nullptr; }
    UnitListView& unitList() override;
    BestPlanWindowView& bestPlanWindow() override;

    WindowMessages messages_;
    UINT dpi_ = 96;
    std::unique_ptr<ControlGroup> group_;
    FontHandle windowFont_;
    FontHandle reportFont_;
    std::vector<FontHandle> fittedFonts_;  // smaller faces for captions that would not fit
    std::unique_ptr<ReportView> reportView_;
    std::unique_ptr<PlanEditor> editor_;
    HWND previewTip_ = nullptr;  // the preview line's tooltip, owned by the window
    bool previewWarning_ = false;
    std::unique_ptr<TreasuryChart> treasuryChart_;
    std::unique_ptr<UnitList> unitList_;
    std::unique_ptr<BestPlanWindow> bestPlanWindow_;
    BitmapHandle introPicture_;  // Image1's picture, loaded when an intro starts
    IntroPlayer introPlayer_;
    HWND focus_ = nullptr;  // the control that had the keyboard when the window was left
    // Last, so that the preview's thread has ended before anything it posts to goes.
    WindowModel model_;
};

}  // namespace zef
