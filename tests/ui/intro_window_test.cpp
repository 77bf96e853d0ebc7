// The intro in the real window: it hides the calculator and fades in, a key
// or a click ends it, a close during it tears it down, a resize re-applies the
// projection, and without a GL library the window starts without it. Needs a
// display with OpenGL; where there is none the tests are skipped.
#include "gl_libraries.h"
#include "gui_test_main.h"
#include "intro_player.h"
#include "intro_surface.h"
#include "render_thread.h"
#include "test_files.h"
#include "webU.h"

#include <QGroupBox>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QtTest>

#include <array>

using zef::TForm1;

namespace {

enum class Input { KeyOnSurface, KeyOnWindow, ClickOnSurface };

}  // namespace

Q_DECLARE_METATYPE(Input)

class IntroWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void cleanupTestCase();

    void endsOnKeyOrClick_data();
    void endsOnKeyOrClick();
    void closeDuringIntroTearsDown();
    void resizeReappliesProjection();
    void missingLibraryStartsWithoutIntro();

private:
    // Starts and shows the window with the intro switch on; with waitForFadeIn
    // also waits until it is opaque and the scene turns. Leaves `window`
    // empty, and skips the test, where the intro cannot run.
    void startIntro(std::unique_ptr<TForm1>& window, bool waitForFadeIn);

    std::unique_ptr<zef::test::WindowFolders> folders_;
};

void IntroWindowTest::init()
{
    folders_ = std::make_unique<zef::test::WindowFolders>();
    QVERIFY(folders_->isValid());
    QFile ini(folders_->settings.filePath(QStringLiteral("zeF.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[FormOptions]\r\nintro=1\r\n");
}

void IntroWindowTest::cleanup() { folders_.reset(); }

void IntroWindowTest::cleanupTestCase() { zef::UnloadGLLibraries(); }

void IntroWindowTest::startIntro(std::unique_ptr<TForm1>& window, bool waitForFadeIn)
{
    window = std::make_unique<TForm1>(folders_->settingsFolder());
    if (!window->introPlayer().GLContext()) {
        window.reset();
        QSKIP("the intro cannot run here (no OpenGL display)");
    }
    // Before the first frame the window is transparent and the calculator hidden.
    QCOMPARE(window->windowOpacity(), 0.0);
    QVERIFY(!window->GroupBox3->isVisibleTo(window.get()));
    QVERIFY(window->introPlayer().renderThread());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    if (waitForFadeIn) {
        // Five frames raise the opacity to 1; the scene turns in every frame.
        const long double spin = window->introPlayer().scene().spinAngle;
        QVERIFY(QTest::qWaitFor(
            [&] { return window->windowOpacity() == 1.0 && window->introPlayer().scene().spinAngle > spin; }, 5000));
    }
}

// Stops the test when the start failed or was skipped.
#define START_INTRO(window, waitForFadeIn)       \
    std::unique_ptr<TForm1> window;              \
    startIntro(window, waitForFadeIn);           \
    if (!window || QTest::currentTestFailed()) { \
        return;                                  \
    }

void IntroWindowTest::endsOnKeyOrClick_data()
{
    QTest::addColumn<Input>("input");
    QTest::addColumn<bool>("waitForFadeIn");
    QTest::newRow("key on the GL surface") << Input::KeyOnSurface << true;
    QTest::newRow("key on the window") << Input::KeyOnWindow << true;
    QTest::newRow("click on the GL surface") << Input::ClickOnSurface << true;
    QTest::newRow("key during the fade") << Input::KeyOnSurface << false;
}

void IntroWindowTest::endsOnKeyOrClick()
{
    QFETCH(Input, input);
    QFETCH(bool, waitForFadeIn);
    START_INTRO(window, waitForFadeIn);
    switch (input) {
    case Input::KeyOnSurface:
        // One press without modifiers: the surface goes with the first key event.
        QTest::keyPress(window->introPlayer().GLSurface(), Qt::Key_A);
        break;
    case Input::KeyOnWindow: QTest::keyClick(window.get(), Qt::Key_Escape); break;
    case Input::ClickOnSurface:
        QTest::mouseClick(window->introPlayer().GLSurface(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        break;
    }
    QVERIFY(window->GroupBox3->isVisible());
    QCOMPARE(window->windowOpacity(), 1.0);
    QVERIFY(!window->introPlayer().GLContext());
    QVERIFY(!window->introPlayer().renderThread());
    QVERIFY(!window->introPlayer().GLSurface());
    // The scene stops with the intro.
    const long double spin = window->introPlayer().scene().spinAngle;
    QTest::qWait(100);
    QCOMPARE(window->introPlayer().scene().spinAngle, spin);
}

void IntroWindowTest::closeDuringIntroTearsDown()
{
    START_INTRO(window, true);
    const QPointer<const QThread> thread = window->introPlayer().renderThread();
    QVERIFY(window->close());
    QElapsedTimer clock;
    clock.start();
    window.reset();
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QStringLiteral("%1 ms").arg(clock.elapsed())));
    QVERIFY(thread.isNull());
    QFile ini(folders_->settings.filePath(QStringLiteral("zeF.ini")));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QVERIFY(ini.readAll().contains("spusteni=1"));
}

void IntroWindowTest::resizeReappliesProjection()
{
    START_INTRO(window, true);
    window->resize(400, 300);
    QTRY_COMPARE(window->size(), QSize(400, 300));
    QVERIFY(window->introPlayer().GLContext()->makeCurrent(window->introPlayer().GLSurface()));
    std::array<GLint, 4> viewport{};
    window->introPlayer().GLContext()->functions()->glGetIntegerv(GL_VIEWPORT, viewport.data());
    window->introPlayer().GLContext()->doneCurrent();
    const qreal ratio = window->devicePixelRatio();
    QCOMPARE(viewport, (std::array<GLint, 4>{0, 0, qRound(400 * ratio), qRound(300 * ratio)}));
}

void IntroWindowTest::missingLibraryStartsWithoutIntro()
{
    zef::UnloadGLLibraries();
    zef::SetGLLibraryNames("libzef-missing-gl.so.1", nullptr);
    auto window = std::make_unique<TForm1>(folders_->settingsFolder());
    zef::SetGLLibraryNames(nullptr, nullptr);
    QVERIFY(window->GroupBox3->isVisibleTo(window.get()));
    QCOMPARE(window->windowOpacity(), 1.0);
    QVERIFY(!window->introPlayer().GLContext());
    QVERIFY(!window->introPlayer().GLSurface());
    QVERIFY(!window->introPlayer().renderThread());
}

ZEF_GUI_TEST_MAIN(IntroWindowTest)
#include "intro_window_test.moc"
