// The window's work without the window: what its creation, a refresh, the
// reset and its closing do with the files, the planning state and the
// settings. A front end (the Qt window, the Windows window) owns one, shows
// what it hands back and puts to the player the questions it asks.
//
// Data flow of a refresh: editor text (UTF-8) -> Windows-1250 bytes ->
// rekrut.txt -> RunPlan(planning state) -> its reportText -> the report view.
#pragma once

#include "catalogue_rows.h"
#include "ini_file.h"
#include "plan_on_disk.h"
#include "plan_progress.h"
#include "plan_recovery.h"
#include "planning_state.h"
#include "settings.h"
#include "turn_recorder.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zef {

// What the core asks of the front end; texts are Czech, in UTF-8.
// Once the window is ending (a TERM, the end of the session) no new box is
// shown: a question gets its safe answer, No, and a message goes to standard
// error, where it may still be read.
class WindowDialogs {
public:
    virtual ~WindowDialogs() = default;
    // A question captioned "ZeF" with Yes and No, No the default; true for Yes.
    bool askYesNo(const std::string& question) { return !ending_ && showQuestion(question); }
    // An error with one OK button; `details` is shown below it when not empty.
    void showError(const std::string& message, const std::string& details = {});
    // The progress hook of one planning run: it may show the run's progress
    // and returns false when the player cancels.
    virtual PlanProgress runProgress() = 0;

    // From now on nothing waits for the player.
    void endWithoutAsking() { ending_ = true; }
    bool ending() const { return ending_; }

protected:
    // The front end's boxes.
    virtual bool showQuestion(const std::string& question) = 0;
    virtual void showMessage(const std::string& message, const std::string& details) = 0;

private:
    bool ending_ = false;
};

// What the window shows and stores of its own: its position and switch.
struct WindowPlacement {
    std::int32_t left = 0;
    std::int32_t top = 0;
    bool intro = true;
    bool positionKnown = true;  // false where windows cannot be placed: the stored one stays
};

class WindowCore {
public:
    // `recoveryFolder` keeps the plan's old bytes while it is rewritten in place.
    explicit WindowCore(WindowDialogs& dialogs,
                        const std::optional<std::filesystem::path>& recoveryFolder = UserRecoveryFolder());
    ~WindowCore();

    // Creation, in the window's order: the data files are made when missing,
    // a save of the plan that was cut off is offered back, and the plan is
    // loaded. loadPlan gives the editor's text, or nothing when the file
    // could not be read (the message is shown, and the editor must not be
    // saved over the plan without asking).
    void createDataFiles();
    void offerInterruptedSave();
    std::optional<std::string> loadPlan();

    // The refresh: counts it, saves the editor's text (UTF-8) when that loses
    // nothing, runs the plan and records its turns. True when a new report
    // was appended to planningState().reportText.
    bool refresh(std::string_view editorText);
    bool running() const { return running_; }
    // Ends a run in progress at its next progress report: the window closes.
    void cancelRun() { cancelled_ = true; }

    // The unit types of arm.txt for the catalogue list; none, after a
    // message, when it cannot be read.
    std::vector<CatalogueRow> catalogueRows();

    // Reads the settings file in `folder` (nothing: there is no folder for
    // it) and counts this start; the window applies what it returns.
    StoredSettings openSettings(const std::optional<std::filesystem::path>& folder);
    // Writes the settings: position and switch as given, each counter as the
    // file holds it now plus what this run added. A failure is shown.
    void closeSettings(const WindowPlacement& now);

    const PlanningState& planningState() const { return planningState_; }
    // The turns of the last completed refresh, for the chart.
    const TurnRecording& lastRecording() const { return lastRecording_; }

    // Settings and statistics, from openSettings to closeSettings; the names
    // are the window design's.
    std::unique_ptr<IniFile> SettingsIni;
    std::int32_t StartCount = 0;
    std::int32_t DesignCount = 0;
    std::int32_t RecruitCount = 0;

private:
    bool savePlan(const std::string& bytes);
    bool run();
    // A copy or mark in the state folder that could not be written or
    // removed is said once a run of the program, naming the folder.
    void ReportRecoveryFailure();

    WindowDialogs& dialogs_;
    PlanOnDisk planOnDisk_;
    PlanRecovery recovery_;
    // The program's one planning state, for as long as the window lives: every
    // refresh runs on it, and only its report carries over to the next one.
    PlanningState planningState_;
    TurnRecording lastRecording_;
    // The counters as read at start; at close only this run's increments are
    // added to what the file then holds.
    StoredSettings settingsAtStart_;
    std::optional<std::filesystem::path> settingsFolder_;
    bool running_ = false;
    bool cancelled_ = false;
    // The plan was loaded into the editor: the refresh of the start-up follows.
    bool startUpRefresh_ = false;
    bool recoveryFailureShown_ = false;
    // The settings file was found damaged at start: it is left as it is.
    bool settingsUnusable_ = false;
};

}  // namespace zef
