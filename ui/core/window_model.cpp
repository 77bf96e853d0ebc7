#include "window_model.h"

#include "plan_reset.h"
#include "utf8_path.h"
#include "window_texts.h"

#include <utility>

namespace zef {

namespace {

constexpr LockKey kLockKey{'M', kHotKeyAtomName, kHotKeyDescription};

// A plan text with its lines ending in LF: the Windows edit control ends
// them in CR LF, the answer of a search and the Qt editor in LF.
std::string WithLineFeeds(std::string_view text)
{
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            lines += text[i];
        }
    }
    return lines;
}

// The lines of the editor with a warning, from 1.
std::vector<std::int32_t> WarningLines(const PlanPreview& preview)
{
    std::vector<std::int32_t> lines;
    for (const PlanLineReading& reading : preview.readings) {
        if (!reading.warnings.empty()) {
            lines.push_back(reading.fileLine);
        }
    }
    return lines;
}

}  // namespace

WindowModel::WindowModel(WindowView& view, WindowDialogs& dialogs,
                         const std::optional<std::filesystem::path>& recoveryFolder)
    : view_(view), dialogs_(dialogs), core_(dialogs, recoveryFolder),
      previewWorker_([this](PlanPreview preview) { view_.deliverPreview(std::move(preview)); })
{
}

// The order matters: the start-up refresh runs before the settings are read,
// so it does not count, and the intro decision needs the restored switch.
void WindowModel::FormCreate(const std::optional<std::filesystem::path>& settingsFolder,
                             const std::optional<std::filesystem::path>& movedTo)
{
    core_.createDataFiles();
    view_.setCaption(movedTo ? WorkingFolderCaption(Utf8Name(*movedTo)) : std::string(kWindowCaption));
    view_.setApplicationTitle(kApplicationTitle);
    core_.offerInterruptedSave();
    // An editor that never received the plan must not be saved over it.
    if (const std::optional<std::string> plan = core_.loadPlan()) {
        view_.setEditorText(*plan);
        Button3Click();
    }
    HotKeyAtom = view_.registerLockKey(kLockKey);
    ApplySettings(settingsFolder);
    // Without a GL library or a context the intro cannot run; the window
    // then starts as if the switch were off, and the switch is still kept.
    if (!view_.introSwitch() || !view_.startIntro()) {
        view_.showCalculator();
        view_.setOpaque();
    }
}

void WindowModel::ApplySettings(const std::optional<std::filesystem::path>& settingsFolder)
{
    const StoredSettings stored = core_.openSettings(settingsFolder);
    settingsOpened_ = true;
    if (view_.frame()) {
        view_.moveFrame({stored.left, stored.top});
    }
    view_.setIntroSwitch(stored.intro);
}

void WindowModel::FormDestroy()
{
    previewWorker_.cancel();
    // Closed during the intro: tear it down without showing the calculator.
    if (view_.introRunning()) {
        view_.endIntro();
    }
    view_.unregisterLockKey();
    WriteSettingsOnce();
}

// Settings not yet read (the session ends during the start-up refresh) are
// written by the close that follows the window's creation.
void WindowModel::WriteSettingsOnce()
{
    if (!settingsOpened_ || std::exchange(settingsWritten_, true)) {
        return;
    }
    const std::optional<ScreenRect> frame = view_.frame();
    core_.closeSettings({frame ? frame->left : 0, frame ? frame->top : 0, view_.introSwitch(), frame.has_value()});
}

void WindowModel::Button3Click()
{
    if (core_.refresh(view_.editorText())) {
        view_.showReport(core_.planningState().reportText);
        chartFollowsPreview_ = false;
        if (view_.hasChartWindow() && view_.chartWindow().visible()) {
            ShowInChart();
        }
    }
    CloseIfAsked();
}

// Asked without an owner, as designed; the new text waits for the next refresh.
void WindowModel::Button6Click()
{
    if (!view_.askWithoutOwner(kResetQuestion) || dialogs_.ending()) {
        return;
    }
    view_.setEditorText(ResetDirectives(view_.editorText()));
}

void WindowModel::Button7Click()
{
    ShowInChart();
    ShowBeside(view_.chartWindow());
}

void WindowModel::Memo4KeyDown(WindowKey key)
{
    if (key == WindowKey::F5) {
        Button3Click();
    } else if (key == WindowKey::F7) {
        Memo4Catalogue();
    }
}

void WindowModel::GroupKeyDown(WindowKey key)
{
    if (key == WindowKey::F6) {
        Button7Click();
    } else if (key == WindowKey::F8) {
        BestPlanClick();
    }
}

void WindowModel::BestPlanClick()
{
    if (const std::optional<std::string> refusal = bestPlan().open(view_.editorText())) {
        dialogs_.showError(*refusal);
        return;
    }
    ShowBeside(view_.bestPlanWindow());
}

BestPlanDialog& WindowModel::bestPlan()
{
    if (!bestPlan_) {
        bestPlan_ = std::make_unique<BestPlanDialog>(view_.bestPlanWindow());
    }
    return *bestPlan_;
}

void WindowModel::bestPlanApply()
{
    const std::optional<std::string>& answer = bestPlan().answerText();
    const std::string editor = WithLineFeeds(view_.editorText());
    // An editor that already holds the answer (Použít pressed again) has
    // nothing to be asked about.
    if (!answer || editor == *answer ||
        (editor != WithLineFeeds(bestPlan().searchedText()) &&
         !dialogs_.askYesNo(std::string(kBestPlanEditorChanged)))) {
        return;
    }
    view_.setEditorText(*answer);
}

void WindowModel::bestPlanChart()
{
    ChartWindowView& chart = view_.chartWindow();
    chart.showRecording(bestPlan().answerRecording(), ChartSource::BestPlan);
    ShowBeside(chart);
}

void WindowModel::Memo4Catalogue()
{
    UnitListView& list = view_.unitList();
    list.showRows(core_.catalogueRows());
    ShowBeside(list);
}

void WindowModel::unitChosen(int number) { view_.insertAtCaret(std::to_string(number)); }

void WindowModel::WMHotKey(std::uint32_t id)
{
    if (id == HotKeyAtom) {
        locked_ = !locked_;
        view_.setLocked(locked_);
    }
}

bool WindowModel::FormCloseQuery()
{
    if (locked_) {
        explainLock();
        return false;
    }
    // A close during a planning run ends the run; the window closes once it has.
    if (core_.running()) {
        closeAsked_ = true;
        core_.cancelRun();
        return false;
    }
    return true;
}

void WindowModel::explainLock() { view_.tellWithoutOwner(kLockedText); }

// The session ends for good: the process may end as soon as this returns,
// so the settings are written now, locked or not. A locked window refused
// the end and stays, if the process does.
void WindowModel::FormEndSession()
{
    if (!locked_) {
        dialogs_.endWithoutAsking();
        view_.answerOpenDialogs();
        core_.cancelRun();
    }
    WriteSettingsOnce();
    if (!locked_) {
        closeAsked_ = true;
        CloseIfAsked();
    }
}

void WindowModel::CloseIfAsked()
{
    if (closeAsked_ && !core_.running()) {
        closeAsked_ = false;
        view_.closeSoon();
    }
}

// The calculator is shown first, so a frame served while the intro's thread
// stops skips the scene; the opacity is restored only once no frame can follow.
void WindowModel::FormKeyDown()
{
    if (!view_.introRunning()) {
        return;
    }
    view_.showCalculator();
    view_.endIntro();
    view_.setOpaque();
}

void WindowModel::Memo4Change()
{
    previewWorker_.cancel();
    view_.startPreviewTimer(kPreviewPause);
    // Grey until the preview of the text as it now stands comes.
    view_.setPreviewLineCurrent(false);
    chartFollowsPreview_ = true;
}

void WindowModel::previewPause()
{
    // The turns of a run are recorded only for a chart that shows them.
    const bool chartShown = view_.hasChartWindow() && view_.chartWindow().visible();
    previewWorker_.request(view_.editorText(), chartShown ? ChartRecording::Wanted : ChartRecording::NotWanted);
}

void WindowModel::previewArrived(PlanPreview preview)
{
    if (!previewWorker_.current(preview)) {
        return;
    }
    if (preview_) {
        previewWorker_.handBack(std::move(*preview_));
    }
    preview_ = std::move(preview);
    view_.setPreviewLineCurrent(true);
    view_.underlineLines(WarningLines(*preview_));
    ShowPreviewLine();
    if (view_.hasChartWindow() && view_.chartWindow().visible()) {
        ShowInChart();
    }
}

void WindowModel::caretMoved() { ShowPreviewLine(); }

void WindowModel::ShowPreviewLine()
{
    if (preview_) {
        view_.showPreviewLine(PreviewLabelFor(*preview_, view_.caretLine()));
    }
}

void WindowModel::ShowInChart()
{
    ChartWindowView& chart = view_.chartWindow();
    const bool previewShown = chartFollowsPreview_ && preview_ && preview_->summary.hasFigures();
    // A preview made while the chart was closed recorded no turns: the chart
    // shows the last refresh until the preview comes again, recorded.
    if (previewShown && preview_->recording.empty() && preview_->summary.turns > 0) {
        chart.showRecording(core_.lastRecording(), ChartSource::Refresh);
        previewWorker_.request(view_.editorText(), ChartRecording::Wanted);
    } else if (previewShown) {
        chart.showRecording(preview_->recording, ChartSource::Preview);
    } else {
        chart.showRecording(core_.lastRecording(), ChartSource::Refresh);
    }
}

// The first time beside the main window and inside the screen; later where
// the player left it.
void WindowModel::ShowBeside(SecondWindowView& window)
{
    const std::optional<ScreenRect> main = view_.frame();
    if (main && !window.visible() && !window.shownBefore()) {
        const ScreenSize size = window.frameSize();
        window.moveFrame(PlaceBeside(*main, size.width, size.height, view_.workArea()));
    }
    window.showInFront();
}

}  // namespace zef
