// A planning run on the window's thread: one that lasts longer than a moment
// shows a progress dialog with Cancel, and the window keeps repainting.
#pragma once

#include "plan_progress.h"

#include <chrono>

class QWidget;

namespace zef {

// The progress hook of one run, for the core to call. Until `delay` has
// passed it only repaints (keys and clicks wait for the run's end); then a
// window-modal dialog shows the turns done and offers Cancel. The dialog goes
// with the last copy of the hook.
PlanProgress ProgressDialogHook(QWidget* window, std::chrono::milliseconds delay = std::chrono::milliseconds(500));

}  // namespace zef
