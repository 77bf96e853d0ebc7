// The window's side of the intro: the GL surface over the client area, its
// context, the frames the render thread asks for, the fade-in and the end of
// the intro. The context is current only inside one of these operations.
#include "webU.h"

#include "fade_in.h"
#include "frame_rate.h"
#include "gl_libraries.h"
#include "gl_setup.h"
#include "intro_picture.h"
#include "intro_scene.h"
#include "intro_surface.h"
#include "render_thread.h"
#include "x11_connection.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QPixmap>

#include <cmath>

namespace zef {

namespace {

// Whole-window opacity as Qt takes it, from a fade value of 0 to 255.
qreal Opacity(std::int32_t alpha) { return static_cast<qreal>(alpha) / kOpaque; }

}  // namespace

bool TForm1::IntroRunning() const { return GroupBox3->isHidden(); }

// Called at the end of FormCreate with the switch ticked. False when the
// intro cannot run; nothing of it is then left behind.
bool TForm1::StartIntro()
{
    if (!LoadGLLibraries()) {
        return false;
    }
    if (!InitGLContext()) {
        DropGLSurface();
        return false;
    }
    ApplyGLProjection();
    StartRenderThread(this, [this] { return RequestFrame(); });
    FadeAlpha = 0;
    setWindowOpacity(Opacity(FadeAlpha));
    return true;
}

bool TForm1::InitGLContext()
{
    GLSurface = new IntroSurface;
    GLSurface->onKeyPress = [this](const QKeyEvent& event) { FormKeyDown(event.key(), event.modifiers()); };
    GLSurface->onClick = [this] { FormClick(); };
    glContainer_ = QWidget::createWindowContainer(GLSurface, this);
    glContainer_->setGeometry(rect());
    GLSurface->create();
    GLContext = std::make_unique<QOpenGLContext>();
    GLContext->setFormat(IntroSurfaceFormat());
    if (!GLContext->create() || !GLContext->makeCurrent(GLSurface)) {
        return false;
    }
    InitGLState([this] { LoadGLTextures(); });
    GLContext->doneCurrent();
    return true;
}

void TForm1::LoadGLTextures()
{
    // Only an intro needs the picture; a start without one does not load it.
    Image1->setPixmap(QPixmap::fromImage(IntroPicture()));
    UploadIntroTexture(Image1->pixmap().toImage());
}

void TForm1::ApplyGLProjection()
{
    if (GLContext->makeCurrent(GLSurface)) {
        SetGLProjection();
        GLContext->doneCurrent();
    }
}

void TForm1::SetGLProjection()
{
    // The viewport counts device pixels; the aspect is the outer frame's.
    const qreal ratio = devicePixelRatio();
    projectedFrame_ = frameGeometry().size();
    zef::SetGLProjection(static_cast<int>(std::lround(width() * ratio)),
                         static_cast<int>(std::lround(height() * ratio)), projectedFrame_.width(),
                         projectedFrame_.height());
}

// A request still pending while the intro is torn down finds no context and
// touches no GL. Nothing is drawn while the window cannot be seen, so the
// render thread pauses instead of spinning a core: a minimised or unmapped
// window leaves its GL child looking exposed to Qt, hence both tests.
bool TForm1::RequestFrame()
{
    const QWindow* window = windowHandle();
    if (!GLContext || !GLSurface->isExposed() || window == nullptr || !window->isExposed()) {
        return false;
    }
    return RenderGLFrame();
}

bool TForm1::RenderGLFrame()
{
    if (!GLContext->makeCurrent(GLSurface)) {
        return false;
    }
    // The projection made at the start had no frame to go by: the window
    // manager frames the window only once it is shown. The first frame, and
    // any after a change of frame, gets the aspect a resize would give.
    if (frameGeometry().size() != projectedFrame_) {
        SetGLProjection();
    }
    RenderIntroFrame([this] { AdvanceIntro(); });
    GLContext->swapBuffers(GLSurface);
    GLContext->doneCurrent();
    return true;
}

void TForm1::AdvanceIntro()
{
    if (const std::optional<FadeStep> step = NextFadeStep(FadeAlpha)) {
        FadeAlpha = step->alpha;
        // Qt drops whole-window blending by itself once the opacity is 1.
        setWindowOpacity(Opacity(FadeAlpha));
        // Frames follow each other without a pause, so the change would wait
        // in the connection's buffer instead of showing now.
        FlushX11();
    }
    if (!IntroRunning()) {
        return;
    }
    DrawIntroScene();
    UpdateFrameRate();
}

void TForm1::FormResize()
{
    if (!IntroRunning() || !GLContext) {
        return;
    }
    glContainer_->setGeometry(rect());
    ApplyGLProjection();
}

// The calculator is shown first, so a frame served while the thread stops
// skips the scene; the opacity is restored only once no frame can follow.
void TForm1::FormKeyDown(int key, Qt::KeyboardModifiers shift)
{
    Q_UNUSED(key);
    Q_UNUSED(shift);
    if (!IntroRunning()) {
        return;
    }
    viditelnost(true);
    ReleaseIntro();
    setWindowOpacity(1.0);
    // The GL surface held the keyboard; give it back to the editor.
    activateWindow();
    repaint();
}

void TForm1::FormClick() { FormKeyDown(Qt::Key_Space, Qt::NoModifier); }

// Deletes the context, stops the render thread and takes the surface away.
// Never called from inside a frame: the stop serves pending frame requests.
void TForm1::ReleaseIntro()
{
    if (GLContext) {
        GLContext->doneCurrent();
        GLContext.reset();
    }
    StopRenderThread();
    if (glContainer_ != nullptr) {
        // A key on the surface is still being delivered to it; delete later.
        glContainer_->hide();
        glContainer_->deleteLater();
        glContainer_ = nullptr;
        GLSurface = nullptr;
    }
}

// Undoes a start that failed before the render thread ran.
void TForm1::DropGLSurface()
{
    GLContext.reset();
    delete glContainer_;  // deletes GLSurface with it
    glContainer_ = nullptr;
    GLSurface = nullptr;
}

void TForm1::keyPressEvent(QKeyEvent* event)
{
    FormKeyDown(event->key(), event->modifiers());
    QWidget::keyPressEvent(event);
}

void TForm1::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        FormClick();
    }
    QWidget::mouseReleaseEvent(event);
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

}  // namespace zef
