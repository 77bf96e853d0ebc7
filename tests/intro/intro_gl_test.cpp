// Draws the intro through a real OpenGL context on an IntroSurface: the
// library loader, the GL set-up, the texture, the scene and the render thread
// together, as the main window will drive them. Needs a display with OpenGL
// (CTest runs it under xvfb-run) and is skipped without one.
#include "frame_rate.h"
#include "gl_libraries.h"
#include "gl_setup.h"
#include "intro_picture.h"
#include "intro_scene.h"
#include "intro_surface.h"
#include "render_thread.h"

#include <QImage>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QTest>

#include <memory>

namespace zef {
namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;

class IntroGLTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void drawsTheSpinningBox();
    void cleanupTestCase();

private:
    // One frame as the window draws it: make current, draw, swap, release.
    bool RenderFrame();
    QImage ReadFrame();

    IntroSurface surface_;
    QOpenGLContext context_;
    std::unique_ptr<TMyThread> thread_;
    IntroScene scene_;
    FrameRateMeter meter_;
    int frames_ = 0;
};

void IntroGLTest::initTestCase()
{
    if (!LoadGLLibraries()) {
        QSKIP("libGL.so.1 or libGLU.so.1 is not installed");
    }
    surface_.resize(kWidth, kHeight);
    surface_.show();
    context_.setFormat(IntroSurfaceFormat());
    if (!context_.create() || !context_.makeCurrent(&surface_)) {
        QSKIP("no OpenGL context on this display");
    }
    InitGLState([] { UploadIntroTexture(IntroPicture()); });
    SetGLProjection(kWidth, kHeight, kWidth, kHeight);
    context_.doneCurrent();
    QVERIFY(QTest::qWaitForWindowExposed(&surface_));
}

bool IntroGLTest::RenderFrame()
{
    if (!surface_.isExposed()) {
        return false;
    }
    context_.makeCurrent(&surface_);
    RenderIntroFrame([this] {
        DrawIntroScene(scene_, meter_.FrameRate);
        UpdateFrameRate(meter_);
    });
    context_.swapBuffers(&surface_);
    context_.doneCurrent();
    ++frames_;
    return true;
}

QImage IntroGLTest::ReadFrame()
{
    context_.makeCurrent(&surface_);
    RenderIntroFrame([this] { DrawIntroScene(scene_, meter_.FrameRate); });
    QImage frame(kWidth, kHeight, QImage::Format_RGBA8888);
    context_.functions()->glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, frame.bits());
    context_.doneCurrent();
    return frame.mirrored();
}

void IntroGLTest::drawsTheSpinningBox()
{
    thread_ = StartRenderThread(this, [this] { return RenderFrame(); });
    QVERIFY(QTest::qWaitFor([this] { return frames_ >= 30; }, 10000));
    StopRenderThread(thread_);
    QVERIFY(meter_.FrameRate >= 1);
    QVERIFY(scene_.spinAngle > 0.0L);

    // The picture's yellow letters face the viewer near the middle at first.
    scene_ = IntroScene{};
    const QImage frame = ReadFrame();
    int yellow = 0;
    for (int y = kHeight / 4; y < 3 * kHeight / 4; ++y) {
        for (int x = kWidth / 4; x < 3 * kWidth / 4; ++x) {
            const QRgb c = frame.pixel(x, y);
            yellow += qRed(c) > 180 && qGreen(c) > 140 && qBlue(c) < 90 ? 1 : 0;
        }
    }
    QVERIFY2(yellow > 500, qPrintable(QStringLiteral("%1 yellow pixels").arg(yellow)));
}

void IntroGLTest::cleanupTestCase()
{
    StopRenderThread(thread_);
    UnloadGLLibraries();
}

}  // namespace
}  // namespace zef

QTEST_MAIN(zef::IntroGLTest)
#include "intro_gl_test.moc"
