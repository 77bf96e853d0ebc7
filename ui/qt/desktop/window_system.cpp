#include "window_system.h"

#include <QGuiApplication>

namespace zef {

WindowSystem WindowSystemOf(QStringView platformName)
{
    if (platformName == u"xcb") {
        return WindowSystem::X11;
    }
    // Qt names its Wayland plugins after the buffer integration they use.
    if (platformName == u"wayland" || platformName.startsWith(u"wayland-")) {
        return WindowSystem::Wayland;
    }
    return WindowSystem::Other;
}

WindowSystem CurrentWindowSystem() { return WindowSystemOf(QGuiApplication::platformName()); }

bool CanPlaceWindows(WindowSystem system) { return system != WindowSystem::Wayland; }

}  // namespace zef
