#include "frame_position.h"

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

}  // namespace zef
