// The window framed by a real window manager (run it through
// under_window_manager.sh): the intro's aspect is the framed size's from the
// first frame on, and the stored position stays put across starts, even
// when a message box comes before the window. Without a frame around the
// window there is nothing to tell apart, and the tests are skipped.
#include "fade_in.h"
#include "gl_libraries.h"
#include "gui_test_main.h"
#include "intro_surface.h"
#include "modal_answer.h"
#include "test_files.h"
#include "webU.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QtTest>

#include <array>

using zef::TForm1;
using zef::test::ReadAll;
using zef::test::WriteAll;

namespace {

constexpr GLenum kProjectionMatrix = 0x0BA7;

// Waits until the window manager has framed the shown window.
bool Framed(const TForm1& window)
{
    return QTest::qWaitFor([&] { return window.frameGeometry().size() != window.size(); }, 3000);
}

}  // namespace

class FramedWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void cleanupTestCase();

    void introAspectFromTheFirstFrame();
    void positionStaysAcrossStarts_data();
    void positionStaysAcrossStarts();

private:
    std::unique_ptr<zef::test::WindowFolders> folders_;
};

void FramedWindowTest::init()
{
    folders_ = std::make_unique<zef::test::WindowFolders>();
    QVERIFY(folders_->isValid());
}

void FramedWindowTest::cleanup() { folders_.reset(); }

void FramedWindowTest::cleanupTestCase() { zef::UnloadGLLibraries(); }

void FramedWindowTest::introAspectFromTheFirstFrame()
{
    WriteAll(folders_->settings.filePath(QStringLiteral("zeF.ini")), "[FormOptions]\r\nintro=1\r\n");
    TForm1 window(folders_->settingsFolder());
    if (!window.introPlayer().GLContext()) {
        QSKIP("the intro cannot run here (no OpenGL display)");
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The first frames fade the window in; the projection is looked at
    // while the fade is still under way.
    QVERIFY(QTest::qWaitFor([&] { return window.introPlayer().fadeAlpha() > 0; }, 5000));
    QVERIFY(window.introPlayer().fadeAlpha() < zef::kOpaque);
    const QSize outer = window.frameGeometry().size();
    if (outer == window.size()) {
        QSKIP("no window manager frames the window");
    }
    QVERIFY(window.introPlayer().GLContext()->makeCurrent(window.introPlayer().GLSurface()));
    std::array<GLfloat, 16> projection{};
    window.introPlayer().GLContext()->functions()->glGetFloatv(kProjectionMatrix, projection.data());
    window.introPlayer().GLContext()->doneCurrent();
    // A perspective's matrix holds f / aspect and f on its diagonal.
    const double aspect = double(projection[5]) / double(projection[0]);
    const double framed = double(outer.width()) / double(outer.height());
    QVERIFY2(qAbs(aspect - framed) < 1e-4, qPrintable(QStringLiteral("aspect %1, framed %2, client %3")
                                                          .arg(aspect)
                                                          .arg(framed)
                                                          .arg(double(window.width()) / window.height())));
}

void FramedWindowTest::positionStaysAcrossStarts_data()
{
    QTest::addColumn<bool>("errorBeforeTheWindow");
    QTest::newRow("no message box") << false;
    QTest::newRow("an error box before the window shows") << true;
}

void FramedWindowTest::positionStaysAcrossStarts()
{
    QFETCH(bool, errorBeforeTheWindow);
    const QString ini = folders_->settings.filePath(QStringLiteral("zeF.ini"));
    WriteAll(ini, "[FormOptions]\r\nintro=0\r\nleft=100\r\ntop=100\r\n");
    if (errorBeforeTheWindow) {
        // A folder in the plan file's place cannot be read as a file.
        QVERIFY(QDir().mkdir(QStringLiteral("rekrut.txt")));
    }
    for (int start = 1; start <= 2; ++start) {
        zef::test::ModalAnswer answer;
        auto window = std::make_unique<TForm1>(folders_->settingsFolder());
        QCOMPARE(!answer.texts().isEmpty(), errorBeforeTheWindow);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        if (!Framed(*window)) {
            QSKIP("no window manager frames the window");
        }
        QTRY_COMPARE(window->frameGeometry().topLeft(), QPoint(100, 100));
        window.reset();
        const QByteArray stored = ReadAll(ini);
        QVERIFY2(stored.contains("left=100\r\ntop=100\r\n"), stored.constData());
    }
}

ZEF_GUI_TEST_MAIN(FramedWindowTest)
#include "framed_window_test.moc"
