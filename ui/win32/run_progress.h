// A planning run on the window's thread: one that lasts longer than a moment
// shows a small progress window with Cancel, and the window keeps repainting.
#pragma once

#include "plan_progress.h"
#include "win32_api.h"

#include <chrono>

namespace zef {

// The progress hook of one run, for the core to call. Until `delay` has
// passed it only serves the messages that are not the player's input
// (repaints, the hot key, a close request), so keys and clicks wait for the
// run's end; then a small window owned by `owner` shows the turns done and
// offers "Zrušit", and input meant for any other window of the program is
// dropped, as under a modal dialog. The window goes with the last copy of
// the hook.
PlanProgress ProgressDialogHook(HWND owner, std::chrono::milliseconds delay = std::chrono::milliseconds(500));

}  // namespace zef
