// Turns a TERM signal into a close request for the window. A desktop that
// ends a session without session management for the program (a Wayland
// session, or a systemd user session stopping its scopes) sends TERM; the
// window then closes as if its close button had been used, so its settings
// and counters are written, and a locked window refuses, as it refuses any
// other close.
#pragma once

#include <functional>

namespace zef {

// From now on a TERM signal calls `close` from the event loop (also from the
// loops of a dialog or of a long run's progress). Call once, after the
// application object exists and before the window is created, so that a TERM
// during the start-up refresh is heard too.
void CloseOnTermination(std::function<void()> close);

}  // namespace zef
