// How the window and its dialogs present themselves: captions as designed
// with nothing appended, the application title as the window class, Qt's
// standard buttons in Czech, every caption whole on its designed control and
// the group's frame above the controls at its top.
#include "caption_fit.h"
#include "czech_qt_texts.h"
#include "gl_libraries.h"
#include "gui_test_main.h"
#include "test_files.h"
#include "webU.h"
#include "window_layout.h"
#include "x11_window_properties.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using zef::TForm1;

namespace {

enum class Dialog { ResetQuestion, CloseRefusal, StartUpError };

// Answers every message box shown while it lives and records its caption as
// the window system shows it.
class ShownDialogs : public QObject {
public:
    explicit ShownDialogs(QMessageBox::StandardButton answer) : answer_(answer)
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible()) {
                return;
            }
            captions_.append(zef::test::ShownCaption(*box));
            classes_.append(zef::test::WindowClass(*box));
            QAbstractButton* button = box->button(answer_);
            button != nullptr ? button->click() : box->reject();
        });
        timer_.start(5);
    }
    QStringList captions_;
    QStringList classes_;

private:
    QMessageBox::StandardButton answer_;
    QTimer timer_;
};

}  // namespace

Q_DECLARE_METATYPE(Dialog)

class WindowLookTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void windowCaptionHasNothingAppended();
    void dialogCaptions_data();
    void dialogCaptions();
    void czechStandardButtons_data();
    void czechStandardButtons();
    void captionsFitTheirControls_data();
    void captionsFitTheirControls();
    void fitCaption_data();
    void fitCaption();
    void groupFrameRunsAboveTheControls();

private:
    std::unique_ptr<zef::test::WindowFolders> folders_;
    bool czech_ = false;
};

// The program loads Qt's Czech texts before its window exists; so does this
// test. Without a GL library the window opens on the calculator at once.
void WindowLookTest::initTestCase()
{
    czech_ = zef::InstallCzechQtTexts(*qApp);
    zef::SetGLLibraryNames("libzef-no-gl.so.1", "libzef-no-glu.so.1");
}

void WindowLookTest::init()
{
    folders_ = std::make_unique<zef::test::WindowFolders>();
    QVERIFY(folders_->isValid());
}

void WindowLookTest::cleanup() { folders_.reset(); }

void WindowLookTest::windowCaptionHasNothingAppended()
{
    if (!zef::test::TestX11Connection()) {
        QSKIP("the shown caption is read from X11");
    }
    TForm1 window(folders_->settingsFolder());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY2(window.windowTitle().startsWith(QStringLiteral("ZeF v.3 – autor: ")), qPrintable(window.windowTitle()));
    QCOMPARE(zef::test::ShownCaption(window), window.windowTitle());
    QCOMPARE(zef::test::WindowClass(window), QStringLiteral("q71_brouzdac"));
}

void WindowLookTest::dialogCaptions_data()
{
    QTest::addColumn<Dialog>("dialog");
    QTest::addColumn<QString>("caption");
    QTest::newRow("reset question") << Dialog::ResetQuestion << QStringLiteral("ZeF");
    QTest::newRow("close refusal") << Dialog::CloseRefusal << QStringLiteral("q71_brouzdac");
    QTest::newRow("error while the window is created") << Dialog::StartUpError << QStringLiteral("q71_brouzdac");
}

void WindowLookTest::dialogCaptions()
{
    QFETCH(Dialog, dialog);
    QFETCH(QString, caption);
    if (!zef::test::TestX11Connection()) {
        QSKIP("the shown caption is read from X11");
    }
    if (dialog == Dialog::StartUpError) {
        // A folder in the plan file's place cannot be read as a file.
        QVERIFY(QDir().mkdir(QStringLiteral("rekrut.txt")));
    }
    ShownDialogs shown(QMessageBox::No);
    TForm1 window(folders_->settingsFolder());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (dialog == Dialog::ResetQuestion) {
        QTest::mouseClick(window.Button6, Qt::LeftButton);
    } else if (dialog == Dialog::CloseRefusal) {
        window.WMHotKey(window.model().HotKeyAtom);
        QVERIFY(!window.close());
        window.WMHotKey(window.model().HotKeyAtom);
    }
    QVERIFY(!shown.captions_.isEmpty());
    for (qsizetype i = 0; i < shown.captions_.size(); ++i) {
        QCOMPARE(shown.captions_.at(i), caption);
        QCOMPARE(shown.classes_.at(i), QStringLiteral("q71_brouzdac"));
    }
}

void WindowLookTest::czechStandardButtons_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("Yes") << int(QMessageBox::Yes) << QStringLiteral("Ano");
    QTest::newRow("No") << int(QMessageBox::No) << QStringLiteral("Ne");
    QTest::newRow("OK") << int(QMessageBox::Ok) << QStringLiteral("OK");
    QTest::newRow("Cancel") << int(QMessageBox::Cancel) << QStringLiteral("Zrušit");
}

void WindowLookTest::czechStandardButtons()
{
    QFETCH(int, button);
    QFETCH(QString, text);
    if (!czech_) {
        QSKIP("Qt's Czech translation (qtbase_cs) is not installed");
    }
    QMessageBox box;
    box.setStandardButtons(QMessageBox::StandardButton(button));
    QString shown = box.button(QMessageBox::StandardButton(button))->text();
    shown.remove(u'&');
    QCOMPARE(shown, text);
}

void WindowLookTest::captionsFitTheirControls_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("Reset") << QStringLiteral("Button6");
    QTest::newRow("Obnovit (F5)") << QStringLiteral("Button3");
    QTest::newRow("Intro při startu") << QStringLiteral("chbIntro");
}

void WindowLookTest::captionsFitTheirControls()
{
    QFETCH(QString, control);
    TForm1 window(folders_->settingsFolder());
    const bool checkBox = control == u"chbIntro";
    QAbstractButton* button = checkBox                ? static_cast<QAbstractButton*>(window.chbIntro)
                              : control == u"Button3" ? static_cast<QAbstractButton*>(window.Button3)
                                                      : static_cast<QAbstractButton*>(window.Button6);
    const int room = zef::CaptionRoom(*button, checkBox ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents);
    const int width = QFontMetrics(button->font()).horizontalAdvance(button->text());
    QVERIFY2(width <= room, qPrintable(QStringLiteral("%1 px in %2 px").arg(width).arg(room)));
}

void WindowLookTest::fitCaption_data()
{
    QTest::addColumn<int>("buttonWidth");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<bool>("shrunk");
    QTest::newRow("room enough: the font stays") << 200 << true << false;
    QTest::newRow("too narrow: the font shrinks") << 55 << true << true;
    QTest::newRow("far too narrow: stops at the smallest size") << 10 << false << true;
}

void WindowLookTest::fitCaption()
{
    QFETCH(int, buttonWidth);
    QFETCH(bool, fits);
    QFETCH(bool, shrunk);
    QPushButton button(QStringLiteral("Obnovit (F5)"));
    QFont wide(QStringLiteral("DejaVu Sans"));
    wide.setPixelSize(11);
    button.setFont(wide);
    button.setGeometry(0, 0, buttonWidth, 16);
    zef::FitCaption(button, QStyle::SE_PushButtonContents);
    const int room = zef::CaptionRoom(button, QStyle::SE_PushButtonContents);
    QCOMPARE(QFontMetrics(button.font()).horizontalAdvance(button.text()) <= room, fits);
    QCOMPARE(button.font().pixelSize() < 11, shrunk);
    QVERIFY(button.font().pixelSize() >= zef::layout::kSmallestCaptionPixels);
}

// The check box starts 13 pixels below the group's top edge, the buttons 15.
void WindowLookTest::groupFrameRunsAboveTheControls()
{
    TForm1 window(folders_->settingsFolder());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QGroupBox& group = *window.GroupBox3;
    // The frame alone: no background and no controls.
    QImage image(group.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    group.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    const int column = window.chbIntro->geometry().center().x();
    int frameTop = -1;
    for (int y = 0; y < image.height() && frameTop < 0; ++y) {
        if (qAlpha(image.pixel(column, y)) != 0) {
            frameTop = y;
        }
    }
    QVERIFY2(frameTop >= 0, "no frame drawn");
    QVERIFY2(frameTop + 2 <= window.chbIntro->geometry().top(), qPrintable(QString::number(frameTop)));
}

ZEF_GUI_TEST_MAIN(WindowLookTest)
#include "window_look_test.moc"
