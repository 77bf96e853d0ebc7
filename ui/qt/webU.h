// The main window on Qt: the plan editor, the report view, the buttons, the
// preview line, the lock key and the intro's GL surface, as widgets. Every
// rule of the window is the core's window model (WindowModel); this class
// turns the widgets' events into the model's handlers and does what the
// model tells its WindowView, nothing more.
#pragma once

#include "global_hot_key.h"
#include "intro_player.h"
#include "window_dialogs.h"
#include "window_model.h"
#include "window_view.h"

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

class BestPlanWindow;
class CatalogueList;
class ReportView;
class TreasuryChart;

class TForm1 : public QWidget, private WindowView {
    Q_OBJECT

public:
    // `settingsFolder` holds "zeF.ini" (ProgramSettingsFolder() in the
    // program); nothing when there is no folder for it. `movedTo` is the
    // folder the program works in when it left its installation folder.
    explicit TForm1(std::optional<std::filesystem::path> settingsFolder,
                    std::optional<std::filesystem::path> movedTo = std::nullopt, QWidget* parent = nullptr);
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

    // Shows the calculator when `value` is true; the name is the window design's.
    void viditelnost(bool value);
    // Uploads Image1's picture as the intro texture; the context is current.
    void LoadGLTextures();

    // The handlers the window design names, as the controls and keys reach them.
    void Button3Click() { model_.Button3Click(); }
    void Button6Click() { model_.Button6Click(); }
    void Button7Click() { model_.Button7Click(); }
    void BestPlanClick() { model_.BestPlanClick(); }
    void Memo4Catalogue() { model_.Memo4Catalogue(); }
    void WMHotKey(std::uint32_t id) { model_.WMHotKey(id); }
    void FormClick() { model_.FormKeyDown(); }
    void FormResize();

    WindowModel& model() { return model_; }
    const WindowModel& model() const { return model_; }
    const PlanningState& planningState() const { return model_.core().planningState(); }
    const IntroPlayer& introPlayer() const { return introPlayer_; }
    TreasuryChart* treasuryChart() const { return treasuryChart_; }
    BestPlanWindow* bestPlanWindowShown() const { return bestPlanWindow_; }
    // The session or the system ends the program (a TERM signal).
    void CloseOnTermination();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    void ConnectControls();
    void Memo4ContextMenu(const QPoint& at);

    // WindowView.
    void setCaption(std::string_view caption) override;
    void setApplicationTitle(std::string_view title) override;
    void showCalculator() override { viditelnost(true); }
    bool introRunning() const override;
    bool startIntro() override;
    void endIntro() override;
    void setOpaque() override;
    void setLocked(bool locked) override;
    void closeSoon() override;
    std::optional<ScreenRect> frame() const override;
    void moveFrame(ScreenPoint at) override;
    ScreenRect workArea() const override;
    bool introSwitch() const override;
    void setIntroSwitch(bool on) override;
    std::uint32_t registerLockKey(const LockKey& key) override;
    void unregisterLockKey() override;
    std::string editorText() const override;
    void setEditorText(const std::string& text) override;
    std::int32_t caretLine() const override;
    void insertAtCaret(const std::string& text) override;
    void underlineLines(const std::vector<std::int32_t>& lines) override;
    void showReport(const std::string& report) override;
    void showPreviewLine(const PreviewLabel& label) override;
    void setPreviewLineCurrent(bool current) override;
    void startPreviewTimer(std::chrono::milliseconds pause) override;
    void deliverPreview(PlanPreview preview) override;
    bool askWithoutOwner(std::string_view question) override;
    void tellWithoutOwner(std::string_view message) override;
    void answerOpenDialogs() override;
    ChartWindowView& chartWindow() override;
    bool hasChartWindow() const override { return treasuryChart_ != nullptr; }
    UnitListView& unitList() override;
    BestPlanWindowView& bestPlanWindow() override;

    WindowMessages messages_;
    GlobalHotKey hotKey_;
    ReportView* reportView_ = nullptr;
    TreasuryChart* treasuryChart_ = nullptr;
    CatalogueList* catalogueList_ = nullptr;
    BestPlanWindow* bestPlanWindow_ = nullptr;
    QTimer* previewTimer_ = nullptr;
    IntroPlayer introPlayer_;
    // Last, so that the preview's thread has ended before anything it hands over to goes.
    WindowModel model_;
};

// The one main window, set while it exists.
extern TForm1* Form1;

}  // namespace zef
