// Placing a top-level window by the top-left corner of its frame, as the
// settings file stores it.
#pragma once

#include <QPoint>

class QWidget;

namespace zef {

// Moves `window` so that its frame, not its client area, starts at
// `position`, whether or not its native window exists yet.
void MoveFrame(QWidget& window, QPoint position);

}  // namespace zef
