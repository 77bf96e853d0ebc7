// Turns a TERM signal into a close request for the window. A desktop that
// ends a session without session management for the program (a Wayland
// session, or a systemd user session stopping its scopes) sends TERM; the
// window then closes as if its close button had been used, so its settings
// and counters are written, and a locked window refuses, as it refuses any
// other close.
#pragma once

class QWidget;

namespace zef {

// From now on a TERM signal asks `window` to close. Call once, after the
// application object exists and before the event loop runs.
void CloseOnTermination(QWidget* window);

}  // namespace zef
