// One planning run from the window: the engine runs on the user-interface
// thread, and a run that lasts longer than a moment shows a progress dialog
// with Cancel while the window keeps repainting.
#pragma once

#include "planning_state.h"
#include "turn_recorder.h"

#include <QString>

#include <chrono>

class QWidget;

namespace zef {

enum class PlanRunResult { Completed, Cancelled, Failed };

struct PlanRunOutcome {
    PlanRunResult result = PlanRunResult::Completed;
    QString error;  // for Failed: the file and the reason
    // For Completed: the run's treasury turn by turn, for the chart.
    TurnRecording recording;
};

class PlanRunner {
public:
    explicit PlanRunner(QWidget* window);

    // Runs the engine once on `state`, recording its turns; its reportText
    // grows, and a recording is handed back, only for a completed run.
    PlanRunOutcome run(PlanningState& state);

    // True while a run is in progress, so that no second run starts meanwhile.
    bool running() const { return running_; }

    void setProgressDelay(std::chrono::milliseconds delay) { progressDelay_ = delay; }

private:
    QWidget* window_;
    bool running_ = false;
    std::chrono::milliseconds progressDelay_{500};
};

}  // namespace zef
