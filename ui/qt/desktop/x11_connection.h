// Qt's own connection to the X server, for the few requests Qt offers no
// call for. On other platforms (offscreen, Wayland) there is none.
#pragma once

#ifdef ZEF_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace zef {

#ifdef ZEF_HAVE_XCB
// The connection, or nullptr where the application does not run on X11.
xcb_connection_t* X11Connection();
#endif

// Sends the requests queued on the connection to the server at once instead
// of when the event loop next goes idle. Does nothing without X11.
void FlushX11();

}  // namespace zef
