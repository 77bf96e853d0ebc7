// Which window system Qt runs the program on, and what that allows. X11 lets
// a program grab a key on the root window and place its windows; Wayland does
// neither: global shortcuts go through the desktop portal and the compositor
// alone decides where a window appears.
#pragma once

#include <QStringView>

namespace zef {

enum class WindowSystem { X11, Wayland, Other };

// The window system of a Qt platform plugin name ("xcb", "wayland",
// "wayland-egl", "offscreen", ...).
WindowSystem WindowSystemOf(QStringView platformName);

// The window system of the running application.
WindowSystem CurrentWindowSystem();

// Whether a window's position can be read and set. Where it cannot, the
// position reads as 0, 0 and a move is ignored.
bool CanPlaceWindows(WindowSystem system);

}  // namespace zef
