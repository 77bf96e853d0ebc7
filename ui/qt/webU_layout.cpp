// The window's designed layout: fixed positions and sizes in pixels; the
// controls do not follow resizing.
#include "webU.h"

#include "caption_fit.h"
#include "qt_text.h"
#include "window_texts.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleFactory>

namespace zef {

namespace {

// The designed outer size is 579 x 385; Qt sizes the client area, which is
// that less a 4-pixel frame and a 30-pixel caption.
constexpr QSize kClientSize(571, 351);

// The designed faces are rarely installed on Linux. DejaVu Sans Condensed at
// the designed pixel size is as wide as the designed face, so every caption
// fits its control; without it the style hint picks the nearest face and
// FitCaption shrinks what would not fit.
const QStringList kWindowFamilies = {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                                     QStringLiteral("DejaVu Sans Condensed")};

QFont PixelFont(const QStringList& families, QFont::StyleHint hint, int pixels)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPixelSize(pixels);
    return font;
}

QPlainTextEdit* WrappingEdit(QWidget* parent, const QRect& geometry)
{
    auto* edit = new QPlainTextEdit(parent);
    edit->setGeometry(geometry);
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setTabChangesFocus(true);
    return edit;
}

}  // namespace

void TForm1::BuildLayout()
{
    setWindowTitle(FromUtf8(kDesignedCaption));
    resize(kClientSize);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setFont(PixelFont(kWindowFamilies, QFont::SansSerif, 11));

    // The picture itself is loaded only when an intro starts (LoadGLTextures).
    Image1 = new QLabel(this);
    Image1->setGeometry(80, 74, 256, 256);
    Image1->hide();

    GroupBox3 = new QGroupBox(FromUtf8(kGroupCaption), this);
    GroupBox3->setGeometry(9, 9, 551, 336);
    GroupBox3->hide();
    // Fusion draws a group's frame below its caption, right across the
    // controls designed just under the group's top edge; the Windows style
    // runs it through the middle of the caption, as designed. The controls
    // inside keep the application's style.
    if (QStyle* frameStyle = QStyleFactory::create(QStringLiteral("Windows"))) {
        frameStyle->setParent(GroupBox3);
        GroupBox3->setStyle(frameStyle);
    }

    Button6 = new QPushButton(FromUtf8(kResetButton), GroupBox3);
    Button6->setGeometry(5, 15, 56, 16);

    Button3 = new QPushButton(FromUtf8(kRefreshButton), GroupBox3);
    Button3->setGeometry(65, 15, 71, 16);
    // Designed with its own 5-pixel "MS Sans Serif". That face is a bitmap
    // face whose smallest size is the window's 11 pixels, so the caption was
    // seen at 11 pixels; a true 5-pixel font could not be read.

    chbIntro = new QCheckBox(FromUtf8(kIntroSwitch), GroupBox3);
    chbIntro->setGeometry(150, 13, 97, 17);
    // In the free end of the top row, flush with the report view's right edge.
    Button7 = new QPushButton(FromUtf8(kChartButton), GroupBox3);
    Button7->setGeometry(490, 15, 56, 16);
    // The preview's line, in the free part of the row between the switch and "Graf".
    Label1 = new QLabel(GroupBox3);
    Label1->setGeometry(251, 15, 235, 16);
    FitCaption(*Button6, QStyle::SE_PushButtonContents);
    FitCaption(*Button7, QStyle::SE_PushButtonContents);
    FitCaption(*Button3, QStyle::SE_PushButtonContents);
    FitCaption(*chbIntro, QStyle::SE_CheckBoxContents);

    Memo4 = WrappingEdit(GroupBox3, QRect(5, 35, 131, 296));

    Memo3 = WrappingEdit(GroupBox3, QRect(145, 35, 401, 296));
    const QString fixedFamily = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    QFont reportFont = PixelFont({QStringLiteral("Lucida Console"), fixedFamily}, QFont::Monospace, 13);
    reportFont.setFixedPitch(true);
    Memo3->setFont(reportFont);

    setTabOrder(Memo4, Memo3);
    setTabOrder(Memo3, Button3);
    setTabOrder(Button3, Button6);
    setTabOrder(Button6, chbIntro);
    setTabOrder(chbIntro, Button7);
}

}  // namespace zef
