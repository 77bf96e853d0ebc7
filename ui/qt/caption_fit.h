// Keeps a button's or check box's caption whole on a control of fixed,
// designed size when the designed face is missing and a wider one stands in.
#pragma once

#include <QStyle>

class QAbstractButton;

namespace zef {

// The width the control's style leaves for its caption; `contents` names the
// caption's part of the control (SE_PushButtonContents, SE_CheckBoxContents).
int CaptionRoom(const QAbstractButton& control, QStyle::SubElement contents);

// Shrinks the control's font a pixel at a time until its caption fits its
// room, down to kSmallestCaptionPixels. A caption that fits keeps its font.
void FitCaption(QAbstractButton& control, QStyle::SubElement contents);

}  // namespace zef
