#include "frame_position.h"

#include "window_beside.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace zef {

void MoveFrame(QWidget& window, QPoint position)
{
    window.move(position);
    // Before its native window exists, a move places the frame. A message box
    // shown during start-up makes the native window early, and a move then
    // places the client area instead, so the window would creep by the size
    // of its frame at every start.
    QWindow* handle = window.windowHandle();
    if (handle != nullptr && handle->handle() != nullptr) {
        handle->setFramePosition(position);
    }
}

void ShowBeside(QWidget& window, const QWidget& main)
{
    if (!window.isVisible() && !window.testAttribute(Qt::WA_Moved)) {
        // A window not yet shown has no frame: it gets one as wide as main's.
        const QRect frame = main.frameGeometry();
        const QSize frameSize = window.size() + frame.size() - main.size();
        const QRect screen = main.screen()->availableGeometry();
        const ScreenPoint at =
            PlaceBeside({frame.left(), frame.top(), frame.width(), frame.height()}, frameSize.width(),
                        frameSize.height(), {screen.left(), screen.top(), screen.width(), screen.height()});
        MoveFrame(window, {at.left, at.top});
    }
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace zef
