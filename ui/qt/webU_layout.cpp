// The window's designed layout: fixed positions and sizes in pixels; the
// controls do not follow resizing.
#include "webU.h"

#include "caption_fit.h"
#include "qt_text.h"
#include "window_layout.h"
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

// The designed faces are rarely installed on Linux. DejaVu Sans Condensed at
// the designed pixel size is as wide as the designed face, so every caption
// fits its control; without it the style hint picks the nearest face and
// FitCaption shrinks what would not fit.
const QStringList kWindowFamilies = {FromUtf8(layout::kWindowFace), QStringLiteral("Microsoft Sans Serif"),
                                     QStringLiteral("DejaVu Sans Condensed")};

QRect Rect(const layout::DesignedRect& r) { return {r.left, r.top, r.width, r.height}; }

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
    // Qt sizes the client area.
    resize(layout::kClientWidth, layout::kClientHeight);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setFont(PixelFont(kWindowFamilies, QFont::SansSerif, layout::kWindowFontPixels));

    // The picture itself is loaded only when an intro starts (LoadGLTextures).
    Image1 = new QLabel(this);
    Image1->setGeometry(Rect(layout::kImage1));
    Image1->hide();

    GroupBox3 = new QGroupBox(FromUtf8(kGroupCaption), this);
    GroupBox3->setGeometry(Rect(layout::kGroupBox3));
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
    Button6->setGeometry(Rect(layout::kButton6));
    Button3 = new QPushButton(FromUtf8(kRefreshButton), GroupBox3);
    Button3->setGeometry(Rect(layout::kButton3));
    chbIntro = new QCheckBox(FromUtf8(kIntroSwitch), GroupBox3);
    chbIntro->setGeometry(Rect(layout::kIntroSwitch));
    Button7 = new QPushButton(FromUtf8(kChartButton), GroupBox3);
    Button7->setGeometry(Rect(layout::kButton7));
    Label1 = new QLabel(GroupBox3);
    Label1->setGeometry(Rect(layout::kLabel1));
    FitCaption(*Button6, QStyle::SE_PushButtonContents);
    FitCaption(*Button7, QStyle::SE_PushButtonContents);
    FitCaption(*Button3, QStyle::SE_PushButtonContents);
    FitCaption(*chbIntro, QStyle::SE_CheckBoxContents);

    Memo4 = WrappingEdit(GroupBox3, Rect(layout::kMemo4));

    Memo3 = WrappingEdit(GroupBox3, Rect(layout::kMemo3));
    const QString fixedFamily = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    QFont reportFont =
        PixelFont({FromUtf8(layout::kReportFace), fixedFamily}, QFont::Monospace, layout::kReportFontPixels);
    reportFont.setFixedPitch(true);
    Memo3->setFont(reportFont);

    setTabOrder(Memo4, Memo3);
    setTabOrder(Memo3, Button3);
    setTabOrder(Button3, Button6);
    setTabOrder(Button6, chbIntro);
    setTabOrder(chbIntro, Button7);
}

}  // namespace zef
