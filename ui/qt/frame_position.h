// Placing a top-level window by the top-left corner of its frame, as the
// settings file stores it, and a second window beside the main one.
#pragma once

#include <QPoint>

class QWidget;

namespace zef {

// Moves `window` so that its frame, not its client area, starts at
// `position`, whether or not its native window exists yet.
void MoveFrame(QWidget& window, QPoint position);

// Shows `window`, the first time beside `main` on main's screen (see
// PlaceBeside), later where the player left it, and brings it to the front.
void ShowBeside(QWidget& window, const QWidget& main);

}  // namespace zef
