#include "caption_fit.h"

#include "window_layout.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QStyleOptionButton>

namespace zef {

namespace {

int CaptionWidth(const QAbstractButton& control)
{
    return QFontMetrics(control.font()).horizontalAdvance(control.text());
}

}  // namespace

int CaptionRoom(const QAbstractButton& control, QStyle::SubElement contents)
{
    QStyleOptionButton option;
    option.initFrom(&control);
    option.text = control.text();
    return control.style()->subElementRect(contents, &option, &control).width();
}

void FitCaption(QAbstractButton& control, QStyle::SubElement contents)
{
    const int room = CaptionRoom(control, contents);
    QFont font = control.font();
    while (CaptionWidth(control) > room && font.pixelSize() > layout::kSmallestCaptionPixels) {
        font.setPixelSize(font.pixelSize() - 1);
        control.setFont(font);
    }
}

}  // namespace zef
