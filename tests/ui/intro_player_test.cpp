// The intro player on a plain widget, driven only through its hooks: what a
// new player holds, a start that loads the texture through the window, frames
// that fade in and turn the scene only while the window says the intro runs,
// input on the surface handed to the window, and an end that leaves nothing.
// Needs a display with OpenGL for everything after the first test.
#include "intro_player.h"
#include "gl_libraries.h"
#include "gui_test_main.h"
#include "intro_surface.h"
#include "render_thread.h"

#include <QImage>
#include <QOpenGLContext>
#include <QWidget>
#include <QtTest>

#include <memory>

using zef::IntroPlayer;

class IntroPlayerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void cleanupTestCase();

    void newPlayerHoldsTheStartState();
    void startLoadsTheTextureThroughTheWindow();
    void sceneTurnsOnlyWhileTheWindowSaysItRuns();
    void inputOnTheSurfaceReachesTheWindow();

private:
    // Starts the player on a shown widget; skips the test where GL is missing.
    bool start();

    std::unique_ptr<QWidget> widget_;
    std::unique_ptr<IntroPlayer> player_;
    bool running_ = true;
    int textureLoads_ = 0;
    int keys_ = 0;
    int clicks_ = 0;
};

void IntroPlayerTest::init()
{
    running_ = true;
    textureLoads_ = keys_ = clicks_ = 0;
    widget_ = std::make_unique<QWidget>();
    widget_->resize(320, 240);
    player_ = std::make_unique<IntroPlayer>(
        *widget_, zef::IntroWindowHooks{[this] { return running_; },
                                        [this] {
                                            ++textureLoads_;
                                            QImage picture(4, 4, QImage::Format_RGB32);
                                            picture.fill(Qt::red);
                                            player_->uploadTexture(picture);
                                        },
                                        [this](const QKeyEvent&) { ++keys_; }, [this] { ++clicks_; }});
}

void IntroPlayerTest::cleanup()
{
    player_.reset();
    widget_.reset();
}

void IntroPlayerTest::cleanupTestCase() { zef::UnloadGLLibraries(); }

bool IntroPlayerTest::start()
{
    if (!player_->start()) {
        return false;
    }
    widget_->show();
    return QTest::qWaitForWindowExposed(widget_.get());
}

#define START_OR_SKIP()                                         \
    if (!start()) {                                             \
        QSKIP("the intro cannot run here (no OpenGL display)"); \
    }

void IntroPlayerTest::newPlayerHoldsTheStartState()
{
    QCOMPARE(player_->fadeAlpha(), 0);
    QCOMPARE(player_->scene().spinAngle, 0.0L);
    QCOMPARE(player_->scene().pulseScale, 1.0L);
    QCOMPARE(player_->texture(), 0u);
    QVERIFY(!player_->GLSurface() && !player_->GLContext() && !player_->renderThread());
}

void IntroPlayerTest::startLoadsTheTextureThroughTheWindow()
{
    START_OR_SKIP();
    QCOMPARE(textureLoads_, 1);
    QVERIFY(player_->GLSurface() && player_->GLContext() && player_->renderThread());
    player_->end();
    QVERIFY(!player_->GLSurface() && !player_->GLContext() && !player_->renderThread());
}

void IntroPlayerTest::sceneTurnsOnlyWhileTheWindowSaysItRuns()
{
    START_OR_SKIP();
    QVERIFY(QTest::qWaitFor([this] { return player_->fadeAlpha() == 255 && player_->scene().spinAngle > 0.0L; }, 5000));
    running_ = false;
    const long double spin = player_->scene().spinAngle;
    QTest::qWait(100);
    QCOMPARE(player_->scene().spinAngle, spin);
    QVERIFY(player_->renderThread());
}

void IntroPlayerTest::inputOnTheSurfaceReachesTheWindow()
{
    START_OR_SKIP();
    QTest::keyPress(player_->GLSurface(), Qt::Key_A);
    QTest::mouseClick(player_->GLSurface(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    QCOMPARE(keys_, 1);
    QCOMPARE(clicks_, 1);
}

ZEF_GUI_TEST_MAIN(IntroPlayerTest)
#include "intro_player_test.moc"
