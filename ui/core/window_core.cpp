#include "window_core.h"

#include "catalogue.h"
#include "data_file.h"
#include "file_messages.h"
#include "plan_file.h"
#include "run_plan.h"
#include "turn_budget.h"
#include "whole_file.h"
#include "windows1250.h"

#include <cstdio>
#include <utility>

namespace zef {

namespace {

// Created in this order when missing.
constexpr const char* kDataFiles[] = {kPlanFileName, kCatalogueFileName};

}  // namespace

void WindowDialogs::showError(const std::string& message, const std::string& details)
{
    if (ending_) {
        std::fprintf(stderr, "zef: %s %s\n", message.c_str(), details.c_str());
        return;
    }
    showMessage(message, details);
}

WindowCore::WindowCore(WindowDialogs& dialogs, const std::optional<std::filesystem::path>& recoveryFolder)
    : dialogs_(dialogs), planOnDisk_(kPlanFileName), recovery_(recoveryFolder, kPlanFileName)
{
}

WindowCore::~WindowCore() = default;

void WindowCore::createDataFiles()
{
    for (const char* name : kDataFiles) {
        if (const std::optional<FileFailure> failure = CreateIfMissing(name)) {
            dialogs_.showError(CannotCreateMessage(name, *failure));
        }
    }
}

void WindowCore::offerInterruptedSave()
{
    const FileRead plan = ReadWholeFile(planOnDisk_.path());
    if (plan.failure) {
        return;
    }
    const PlanRecovery::Finding found = recovery_.lastSave(plan.bytes);
    if (found.lastSave == PlanRecovery::LastSave::TornNoCopy) {
        dialogs_.showError(TornPlanWithoutCopyMessage(kPlanFileName, *recovery_.folder()));
    } else if (found.lastSave == PlanRecovery::LastSave::Torn &&
               dialogs_.askYesNo(InterruptedSaveQuestion(kPlanFileName, recovery_.keptCopy()))) {
        // No copy of the torn file: the one kept must survive this write.
        if (const std::optional<FileFailure> failure = ReplaceFileVerified(planOnDisk_.path(), found.before)) {
            dialogs_.showError(PlanNotSavedMessage(kPlanFileName, *failure));
            return;
        }
    }
    if (found.lastSave != PlanRecovery::LastSave::Whole) {
        recovery_.settle();
    }
    ReportRecoveryFailure();
}

std::optional<std::string> WindowCore::loadPlan()
{
    const FileRead plan = ReadWholeFile(planOnDisk_.path());
    if (plan.failure) {
        dialogs_.showError(UnreadablePlanMessage(kPlanFileName, *plan.failure));
        return std::nullopt;
    }
    if (!plan.missing) {
        planOnDisk_.remember(plan.bytes);
    }
    startUpRefresh_ = true;
    return DecodeWindows1250(plan.bytes);
}

bool WindowCore::refresh(std::string_view editorText)
{
    if (running_) {
        return false;
    }
    ++DesignCount;
    const bool byPlayer = !std::exchange(startUpRefresh_, false);
    const Windows1250Text plan = EncodeWindows1250(editorText);
    if (plan.failure) {
        dialogs_.showError(UnencodableCharacterMessage(kPlanFileName, *plan.failure));
        return false;
    }
    if (!savePlan(plan.bytes)) {
        return false;
    }
    // The copy set aside at start stays until the player saves; the start-up
    // refresh, which may rewrite the plan only to end its lines in CR LF, is
    // not the player's.
    if (byPlayer) {
        recovery_.saved();
    }
    ReportRecoveryFailure();
    return run();
}

bool WindowCore::savePlan(const std::string& bytes)
{
    const PlanOnDisk::Write write = planOnDisk_.whatWritingMeans(bytes);
    // Rewriting the same bytes changes nothing and would only cost a sync.
    if (write == PlanOnDisk::Write::Needless) {
        planOnDisk_.remember(bytes);
        return true;
    }
    if (write == PlanOnDisk::Write::Unseen && !dialogs_.askYesNo(OverwriteQuestion(kPlanFileName))) {
        return false;
    }
    const std::optional<FileFailure> failure = ReplaceFileVerified(planOnDisk_.path(), bytes, &recovery_);
    const bool copyNotKept = recovery_.takeKeepFailure();
    if (failure) {
        dialogs_.showError(copyNotKept ? PlanCopyNotKeptMessage(kPlanFileName, recovery_.folder(), *failure)
                                       : PlanNotSavedMessage(kPlanFileName, *failure));
        return false;
    }
    planOnDisk_.remember(bytes);
    return true;
}

void WindowCore::ReportRecoveryFailure()
{
    const std::optional<FileFailure> failure = recovery_.takeFailure();
    if (failure && !recoveryFailureShown_) {
        recoveryFailureShown_ = true;
        dialogs_.showError(RecoveryFolderMessage(*recovery_.folder(), *failure));
    }
}

bool WindowCore::run()
{
    running_ = true;
    cancelled_ = false;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{running_};

    const PlanProgress shown = dialogs_.runProgress();
    const PlanProgress progress = [&](std::uint64_t turnsDone, std::uint64_t turnsTotal) {
        return !cancelled_ && (!shown || shown(turnsDone, turnsTotal)) && !cancelled_;
    };
    TurnRecorder recorder;
    try {
        if (RunPlan(planningState_, progress, &recorder) == PlanOutcome::Cancelled) {
            return false;
        }
    } catch (const DataFileError& error) {
        dialogs_.showError(UnreadableDataFileMessage(error.fileName(), FailureOf(error.code())));
        return false;
    } catch (const PlanTooLong& refusal) {
        dialogs_.showError(PlanTooLongMessage(refusal));
        return false;
    } catch (const std::bad_alloc&) {
        dialogs_.showError(OutOfMemoryMessage());
        return false;
    } catch (const std::exception& error) {
        dialogs_.showError(error.what());
        return false;
    }
    lastRecording_ = recorder.recording();
    return true;
}

std::vector<CatalogueRow> WindowCore::catalogueRows()
{
    const FileRead catalogue = ReadWholeFile(kCatalogueFileName);
    if (catalogue.failure) {
        dialogs_.showError(UnreadableFileProblem(kCatalogueFileName, *catalogue.failure));
        return {};
    }
    return CatalogueRows(catalogue.bytes);
}

StoredSettings WindowCore::openSettings(const std::optional<std::filesystem::path>& folder)
{
    settingsFolder_ = folder;
    StoredSettings stored;
    if (folder) {
        SettingsIni = std::make_unique<IniFile>(*folder / kSettingsFileName);
        if (const std::optional<FileFailure> damage = SettingsIni->damage()) {
            dialogs_.showError(UnusableSettingsMessage(SettingsIni->path(), *damage));
            SettingsIni.reset();
            settingsUnusable_ = true;
        } else {
            stored = ReadSettings(*SettingsIni);
        }
    }
    settingsAtStart_ = stored;
    StartCount = stored.starts + 1;
    DesignCount = stored.designs;
    RecruitCount = stored.recruitments;
    return stored;
}

void WindowCore::closeSettings(const WindowPlacement& now)
{
    if (settingsUnusable_) {
        return;
    }
    if (!SettingsIni) {
        // No home folder to hold the file: say so rather than lose the counts silently.
        dialogs_.showError(SettingsNotSavedMessage(kSettingsFileName, {FileProblem::NoHomeFolder, {}}));
        return;
    }
    const StoredSettings onDisk = ReadSettings(*SettingsIni);
    StoredSettings current{now.left, now.top, StartCount, DesignCount, RecruitCount, now.intro};
    if (!now.positionKnown) {
        current.left = onDisk.left;
        current.top = onDisk.top;
    }
    try {
        WriteSettings(*SettingsIni, SettingsToStore(onDisk, settingsAtStart_, current));
    } catch (const IniWriteError& error) {
        dialogs_.showError(SettingsNotSavedMessage(SettingsIni->path(), error.failure()));
    }
    SettingsIni.reset();
}

}  // namespace zef
