// The main window: the plan editor, the report view and their commands, the
// hot-key lock, the close guard and the settings file.
//
// Data flow of a refresh: editor text -> Windows-1250 bytes -> rekrut.txt ->
// RunPlan(planning state) -> its reportText -> report view.
//
// With the intro switch on, the window first plays the OpenGL intro over its
// whole client area (IntroPlayer; the window's handlers in webU_intro.cpp);
// the calculator group stays hidden until a key or a click ends the intro.
#pragma once

#include "global_hot_key.h"
#include "intro_player.h"
#include "plan_on_disk.h"
#include "plan_runner.h"
#include "planning_state.h"
#include "settings.h"
#include "turn_recorder.h"

#include <QWidget>

#include <cstdint>
#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zef {

class IniFile;
class ReportView;
class SessionGuard;
class TreasuryChart;

class TForm1 : public QWidget {
    Q_OBJECT

public:
    // `settingsDirectory` holds "zeF.ini" (ProgramSettingsFolder() in the program).
    explicit TForm1(const QString& settingsDirectory, QWidget* parent = nullptr);
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

    // The lock: the identifier under which the hot key is registered.
    std::uint32_t HotKeyAtom = 0;

    // Settings and statistics, from the end of creation to destruction.
    std::unique_ptr<IniFile> SettingsIni;
    std::int32_t StartCount = 0;
    std::int32_t DesignCount = 0;
    std::int32_t RecruitCount = 0;

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
    // Opens the treasury chart of the last completed refresh (also F6).
    void Button7Click();
    TreasuryChart* treasuryChart() const { return treasuryChart_; }
    void WMHotKey(std::uint32_t id);
    // Whether the window may close now; explains the refusal when locked.
    bool FormCloseQuery();

    const PlanningState& planningState() const { return planningState_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    void FormCreate();
    void FormDestroy();
    void Memo4KeyDown(const QKeyEvent& event);
    bool LoadPlanEditor();
    bool SavePlan(const QByteArray& bytes);
    void ApplySettings();
    void StoreSettings();
    void ShowLockedMessage();
    void ShowError(const QString& text);

    // The intro runs exactly while the calculator group is hidden.
    bool IntroRunning() const;

    QString settingsDirectory_;
    // The counters as read at start; at close only this run's increments are
    // added to what the file then holds.
    StoredSettings settingsAtStart_;
    PlanOnDisk planOnDisk_;
    // The program's one planning state, for as long as the window lives: every
    // refresh runs on it, and only its report carries over to the next one.
    PlanningState planningState_;
    PlanRunner planRunner_;
    GlobalHotKey hotKey_;
    ReportView* reportView_ = nullptr;
    // The last completed refresh's turns, and the chart window once opened.
    TurnRecording lastRecording_;
    TreasuryChart* treasuryChart_ = nullptr;
    SessionGuard* sessionGuard_ = nullptr;
    IntroPlayer introPlayer_;
};

// The one main window, set while it exists.
extern TForm1* Form1;

}  // namespace zef
