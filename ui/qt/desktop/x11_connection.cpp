#include "x11_connection.h"

#include <QGuiApplication>

#ifdef ZEF_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#endif

namespace zef {

#ifdef ZEF_HAVE_XCB
xcb_connection_t* X11Connection()
{
    auto* app = qGuiApp;
    if (!app) {
        return nullptr;
    }
    auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}
#endif

void FlushX11()
{
#ifdef ZEF_HAVE_XCB
    if (xcb_connection_t* connection = X11Connection()) {
        xcb_flush(connection);
    }
#endif
}

}  // namespace zef
