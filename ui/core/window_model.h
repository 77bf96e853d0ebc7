// The main window's rules, apart from any toolkit: its creation in the
// designed order, the refresh and what follows it, the reset, the lock and
// the close guard, the intro's end, the preview while the player types, and
// the chart and the unit list beside the window. Each front end's TForm1
// turns its toolkit's events into calls of the handlers below, named as the
// window's design names them, and shows what the model tells its WindowView.
//
// Data flow of a refresh: the view's editor text -> WindowCore::refresh
// (rekrut.txt, RunPlan) -> reportText -> the view's report; the chart follows.
#pragma once

#include "preview_worker.h"
#include "window_core.h"
#include "window_view.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

namespace zef {

// Long enough that a preview waits for a pause in typing, short enough that
// it seems to follow every key.
inline constexpr std::chrono::milliseconds kPreviewPause{150};

// The keys the model hears of; a front end maps its own codes to them.
enum class WindowKey { F5, F6, F7, F8, Other };

class WindowModel {
public:
    // `recoveryFolder` keeps the plan's old bytes while it is rewritten in place.
    WindowModel(WindowView& view, WindowDialogs& dialogs,
                const std::optional<std::filesystem::path>& recoveryFolder = UserRecoveryFolder());

    // Creation and destruction: `settingsFolder` holds "zeF.ini" (nothing:
    // there is no folder for it); `movedTo` is the folder the program works
    // in when it left its installation folder, which the caption then names.
    void FormCreate(const std::optional<std::filesystem::path>& settingsFolder,
                    const std::optional<std::filesystem::path>& movedTo = std::nullopt);
    // Tears the intro down if it runs, gives the lock key back and writes
    // the settings, once.
    void FormDestroy();

    void Button3Click();  // refresh
    void Button6Click();  // reset
    void Button7Click();  // the chart, beside the window
    // A key pressed in the plan editor; it goes on to the editor unchanged.
    void Memo4KeyDown(WindowKey key);
    // A key anywhere in the calculator (F6 opens the chart).
    void GroupKeyDown(WindowKey key);
    // Opens the unit list beside the window (F7, or the editor's menu).
    void Memo4Catalogue();
    void unitChosen(int number);
    // Opens the search for the best plan beside the window (F8, or the
    // editor's menu), on the editor's text as it is now.
    void BestPlanClick();
    // The dialog's own rules, for its buttons.
    BestPlanDialog& bestPlan();
    // "Použít": the answer's plan lines into the editor, nothing saved until
    // the next refresh; asked first when the editor changed since the search.
    void bestPlanApply();
    // "Graf": the answer's turns in the chart.
    void bestPlanChart();

    // The lock key arrived with `id`.
    void WMHotKey(std::uint32_t id);
    bool locked() const { return locked_; }

    // A close was asked for: true when the window closes now. A locked
    // window refuses and says why; during a run, the run is cancelled and
    // the window closes once it has returned.
    bool FormCloseQuery();
    // Whether the session may end (log-off, shutdown, a TERM): not while
    // the window is locked. The view explains a refusal with explainLock()
    // once the session has its answer.
    bool FormQueryEndSession() const { return !locked_; }
    void explainLock();
    // The session ends: open boxes get their safe answers, a run is
    // cancelled, the settings are written at once and the window closes
    // once it can; a locked window stays.
    void FormEndSession();

    // A key or a click on the window during the intro ends it.
    void FormKeyDown();

    // The preview: the editor's text changed, the pause passed, the
    // preview came, the caret moved.
    void Memo4Change();
    void previewPause();
    void previewArrived(PlanPreview preview);
    void caretMoved();

    const WindowCore& core() const { return core_; }
    const std::optional<PlanPreview>& preview() const { return preview_; }
    // The identifier the lock key arrives with.
    std::uint32_t HotKeyAtom = 0;

private:
    void ApplySettings(const std::optional<std::filesystem::path>& settingsFolder);
    void WriteSettingsOnce();
    void ShowPreviewLine();
    // The preview from the first change after a refresh until the next
    // refresh; the last refresh otherwise.
    void ShowInChart();
    void ShowBeside(SecondWindowView& window);
    void CloseIfAsked();

    WindowView& view_;
    WindowDialogs& dialogs_;
    WindowCore core_;
    bool locked_ = false;
    bool closeAsked_ = false;
    bool settingsOpened_ = false;
    bool settingsWritten_ = false;
    bool chartFollowsPreview_ = false;
    std::optional<PlanPreview> preview_;
    std::unique_ptr<BestPlanDialog> bestPlan_;
    // Last, so that its thread has ended before anything it hands over to goes.
    PreviewWorker previewWorker_;
};

}  // namespace zef
