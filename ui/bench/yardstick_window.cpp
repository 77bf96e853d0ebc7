// The fair yardstick for zef's start-up time and memory: a bare Qt Widgets
// window with zef's controls, geometry, fonts and texts (the plan in a
// wrapping plain-text edit, the report in a fixed-width one) and none of its
// code. Whatever zef needs beyond this is the cost of its own work.
// Usage: yardstick_window PLAN.utf8 REPORT.utf8
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

namespace {

QString ReadText(const char* path)
{
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QFont PixelFont(const QStringList& families, QFont::StyleHint hint, int pixels)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPixelSize(pixels);
    return font;
}

QPlainTextEdit* Edit(QWidget* parent, const QRect& geometry, const QString& text)
{
    auto* edit = new QPlainTextEdit(parent);
    edit->setGeometry(geometry);
    edit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setPlainText(text);
    return edit;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 3) {
        return 2;
    }
    QWidget window;
    window.setWindowTitle(QStringLiteral("yardstick window – autor: q71, q71@example.org, https://zef.example.org"));
    window.resize(571, 351);
    window.setBackgroundRole(QPalette::Button);
    window.setAutoFillBackground(true);
    window.setFont(PixelFont({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                              QStringLiteral("DejaVu Sans Condensed")},
                             QFont::SansSerif, 11));

    auto* group = new QGroupBox(QStringLiteral("-"), &window);
    group->setGeometry(9, 9, 551, 336);
    QStyle* frameStyle = QStyleFactory::create(QStringLiteral("Windows"));
    frameStyle->setParent(group);
    group->setStyle(frameStyle);
    (new QPushButton(QStringLiteral("Reset"), group))->setGeometry(5, 15, 56, 16);
    (new QPushButton(QStringLiteral("Obnovit (F5)"), group))->setGeometry(65, 15, 71, 16);
    (new QCheckBox(QStringLiteral("Intro při startu"), group))->setGeometry(150, 13, 97, 17);
    Edit(group, QRect(5, 35, 131, 296), ReadText(argv[1]));
    QPlainTextEdit* report = Edit(group, QRect(145, 35, 401, 296), ReadText(argv[2]) + u'\n');
    const QString fixedFamily = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    QFont reportFont = PixelFont({QStringLiteral("Lucida Console"), fixedFamily}, QFont::Monospace, 13);
    reportFont.setFixedPitch(true);
    report->setFont(reportFont);

    window.show();
    return application.exec();
}
