// The window's designed layout: fixed positions and sizes in pixels; the
// controls do not follow resizing.
#include "webU.h"

#include "intro_picture.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zef {

namespace {

// The designed outer size is 579 x 385; Qt sizes the client area, which is
// that less a 4-pixel frame and a 30-pixel caption.
constexpr QSize kClientSize(571, 351);

// The designed fonts are rarely installed on Linux; the style hint picks the
// nearest one of the same pixel size.
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
    setWindowTitle(QStringLiteral("ZeF"));
    resize(kClientSize);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setFont(PixelFont({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif")}, QFont::SansSerif, 11));

    Image1 = new QLabel(this);
    Image1->setGeometry(80, 74, 256, 256);
    Image1->setPixmap(QPixmap::fromImage(IntroPicture()));
    Image1->hide();

    GroupBox3 = new QGroupBox(QStringLiteral("-"), this);
    GroupBox3->setGeometry(9, 9, 551, 336);
    GroupBox3->hide();

    Button6 = new QPushButton(QStringLiteral("Reset"), GroupBox3);
    Button6->setGeometry(5, 15, 56, 16);

    Button3 = new QPushButton(QStringLiteral("Obnovit (F5)"), GroupBox3);
    Button3->setGeometry(65, 15, 71, 16);
    Button3->setFont(PixelFont({QStringLiteral("MS Sans Serif")}, QFont::SansSerif, 5));

    chbIntro = new QCheckBox(QStringLiteral("Intro při startu"), GroupBox3);
    chbIntro->setGeometry(150, 13, 97, 17);

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
}

}  // namespace zef
