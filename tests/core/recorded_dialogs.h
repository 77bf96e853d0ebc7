// A front end for the core's tests: it answers every question alike and
// records what it was asked and told.
#pragma once

#include "window_core.h"

#include <string>
#include <vector>

namespace zef::testing {

class RecordedDialogs : public WindowDialogs {
public:
    bool showQuestion(const std::string& question) override
    {
        questions.push_back(question);
        return answer;
    }
    void showMessage(const std::string& message, const std::string& details) override
    {
        errors.push_back(details.empty() ? message : message + " / " + details);
    }
    PlanProgress runProgress() override { return progress; }

    bool answer = false;
    PlanProgress progress;
    std::vector<std::string> questions;
    std::vector<std::string> errors;
};

// The window's start, in its order: data files, an interrupted save, the
// plan into the editor and the first refresh, then the settings.
inline std::string OpenWindow(WindowCore& core, const std::filesystem::path& settingsFolder)
{
    core.createDataFiles();
    core.offerInterruptedSave();
    const std::optional<std::string> editor = core.loadPlan();
    if (editor) {
        core.refresh(*editor);
    }
    core.openSettings(settingsFolder);
    return editor.value_or("");
}

}  // namespace zef::testing
