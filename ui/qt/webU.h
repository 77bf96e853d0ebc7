// The main window: the plan editor, the report view and their commands, the
// hot-key lock and the close guard. What these do with the files, the
// planning state and the settings is the core's (WindowCore); this class
// holds the widgets and hands the core what the player typed and clicked.
//
// With the intro switch on, the window first plays the OpenGL intro over its
// whole client area (IntroPlayer; the window's handlers in webU_intro.cpp);
// the calculator group stays hidden until a key or a click ends the intro.
//
// While the player types, a preview of the editor's text runs off the
// window's thread (webU_preview.cpp): its summary stands in the top row, the
// lines with a warning are underlined, and an open chart follows it until
// the next refresh.
#pragma once

#include "global_hot_key.h"
#include "intro_player.h"
#include "plan_preview.h"
#include "planning_state.h"
#include "preview_worker.h"
#include "window_core.h"
#include "window_dialogs.h"

#include <QWidget>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace zef {

class CatalogueList;
class ReportView;
class SessionGuard;
class TreasuryChart;

class TForm1 : public QWidget {
    Q_OBJECT

public:
    // `settingsFolder` holds "zeF.ini" (ProgramSettingsFolder() in the
    // program); nothing when there is no folder for it.
    explicit TForm1(std::optional<std::filesystem::path> settingsFolder, QWidget* parent = nullptr);
    ~TForm1() override;

    // Controls, named as in the window's layout.
    QLabel* Image1;
    QGroupBox* GroupBox3;
    QPushButton* Button6;
    QPushButton* Button3;
    QPushButton* Button7;  // the treasury chart
    QCheckBox* chbIntro;
    QPlainTextEdit* Memo4;
    QPlainTextEdit* Memo3;
    QLabel* Label1;  // the preview's line, in the top row

    // The lock: the identifier under which the hot key is registered.
    std::uint32_t HotKeyAtom = 0;

    // Shows the calculator when `value` is true; the name is the window design's.
    void viditelnost(bool value);

    // Each ends the intro; the key and its modifiers are not looked at.
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);
    void FormClick();
    // Re-applies viewport and projection while the intro runs.
    void FormResize();
    // Uploads Image1's picture as the intro texture; the context is current.
    void LoadGLTextures();

    const IntroPlayer& introPlayer() const { return introPlayer_; }

    void Button3Click();
    void Button6Click();
    // Opens the treasury chart of the last completed refresh, or of the
    // preview once the text has changed since (also F6).
    void Button7Click();
    TreasuryChart* treasuryChart() const { return treasuryChart_; }
    // Opens the list of the unit types of arm.txt (F7 in the editor, or its
    // context menu); choosing one writes its number at the editor's cursor.
    void Memo4Catalogue();
    // The last preview shown, if any has come yet.
    const std::optional<PlanPreview>& preview() const { return preview_; }
    void WMHotKey(std::uint32_t id);
    // Whether the window may close now; explains the refusal when locked.
    bool FormCloseQuery();
    // The session or the system ends the program (a TERM signal): open
    // questions and messages get their safe answers and the window closes as
    // its close button would; a locked window refuses, as it refuses any close.
    void CloseOnTermination();

    const WindowCore& core() const { return core_; }
    const PlanningState& planningState() const { return core_.planningState(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    void FormCreate(const std::optional<std::filesystem::path>& settingsFolder);
    void FormDestroy();
    void Memo4KeyDown(const QKeyEvent& event);
    // The editor's text, UTF-8 with '\n' line breaks.
    std::string Memo4Text() const;
    // The preview's timer, the editor's signals and its keys and menu.
    void ConnectPreview();
    // The editor's text changes: the preview in progress is void, and a new
    // one starts once the player pauses.
    void Memo4Change();
    void ShowPreview(PlanPreview preview);
    void ShowPreviewLabel();
    void MarkWarningLines();
    // The preview from the first change after a refresh until the next
    // refresh; the last refresh otherwise.
    void ShowInChart();
    void Memo4ContextMenu(const QPoint& at);
    void InsertUnitNumber(int number);
    void ApplySettings(const std::optional<std::filesystem::path>& settingsFolder);
    void ShowLockedMessage();
    // A close asked for during a refresh happens once the refresh is over.
    void CloseIfAsked();

    // The intro runs exactly while the calculator group is hidden.
    bool IntroRunning() const;

    WindowMessages messages_;
    WindowCore core_;
    GlobalHotKey hotKey_;
    ReportView* reportView_ = nullptr;
    TreasuryChart* treasuryChart_ = nullptr;
    SessionGuard* sessionGuard_ = nullptr;
    bool closeAsked_ = false;
    IntroPlayer introPlayer_;
    QTimer* previewTimer_ = nullptr;
    std::optional<PlanPreview> preview_;
    bool chartFollowsPreview_ = false;
    CatalogueList* catalogueList_ = nullptr;
    // Last, so that its thread has ended before anything it hands over to goes.
    PreviewWorker previewWorker_;
};

// The one main window, set while it exists.
extern TForm1* Form1;

}  // namespace zef
