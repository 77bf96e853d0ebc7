#include "intro_player.h"

#include "fade_in.h"
#include "gl_libraries.h"
#include "gl_setup.h"
#include "intro_picture.h"
#include "intro_surface.h"
#include "render_thread.h"
#include "x11_connection.h"

#include <QImage>
#include <QKeyEvent>
#include <QOpenGLContext>
#include <QWidget>
#include <QWindow>

#include <cmath>

namespace zef {

namespace {

// Whole-window opacity as Qt takes it, from a fade value of 0 to 255.
qreal Opacity(std::int32_t alpha) { return static_cast<qreal>(alpha) / kOpaque; }

}  // namespace

IntroPlayer::IntroPlayer(QWidget& window, IntroWindowHooks hooks) : window_(window), hooks_(std::move(hooks)) {}

IntroPlayer::~IntroPlayer() { end(); }

bool IntroPlayer::start()
{
    if (!LoadGLLibraries()) {
        return false;
    }
    if (!initContext()) {
        end();
        return false;
    }
    project();
    renderThread_ = StartRenderThread(&window_, [this] { return requestFrame(); });
    startFade();
    return true;
}

bool IntroPlayer::initContext()
{
    surface_ = new IntroSurface;
    surface_->onKeyPress = hooks_.keyPressed;
    surface_->onClick = hooks_.clicked;
    container_ = QWidget::createWindowContainer(surface_, &window_);
    container_->setGeometry(window_.rect());
    surface_->create();
    context_ = std::make_unique<QOpenGLContext>();
    context_->setFormat(IntroSurfaceFormat());
    if (!context_->create() || !context_->makeCurrent(surface_)) {
        return false;
    }
    InitGLState(hooks_.loadTexture);
    context_->doneCurrent();
    return true;
}

void IntroPlayer::uploadTexture(const QImage& picture) { texture_ = UploadIntroTexture(picture); }

bool IntroPlayer::makeCurrent() { return context_->makeCurrent(surface_); }

void IntroPlayer::doneCurrent() { context_->doneCurrent(); }

void IntroPlayer::swapBuffers() { context_->swapBuffers(surface_); }

// The viewport counts device pixels; the aspect is the outer frame's.
IntroSize IntroPlayer::viewportSize() const
{
    const qreal ratio = window_.devicePixelRatio();
    return {static_cast<int>(std::lround(window_.width() * ratio)),
            static_cast<int>(std::lround(window_.height() * ratio))};
}

IntroSize IntroPlayer::outerFrameSize() const
{
    const QSize frame = window_.frameGeometry().size();
    return {frame.width(), frame.height()};
}

// Qt drops whole-window blending by itself once the opacity is 1. Frames
// follow each other without a pause, so the change would wait in the
// connection's buffer instead of showing now.
void IntroPlayer::setOpacity(std::int32_t alpha, bool)
{
    window_.setWindowOpacity(Opacity(alpha));
    FlushX11();
}

// A request still pending while the intro is torn down finds no context and
// touches no GL. Nothing is drawn while the window cannot be seen, so the
// render thread pauses instead of spinning a core: a minimised or unmapped
// window leaves its GL child looking exposed to Qt, hence both tests.
bool IntroPlayer::requestFrame()
{
    const QWindow* window = window_.windowHandle();
    if (!context_ || !surface_->isExposed() || window == nullptr || !window->isExposed()) {
        return false;
    }
    return renderFrame();
}

void IntroPlayer::resize()
{
    if (!context_) {
        return;
    }
    container_->setGeometry(window_.rect());
    project();
}

void IntroPlayer::end()
{
    if (context_) {
        context_->doneCurrent();
        context_.reset();
    }
    StopRenderThread(renderThread_);
    if (container_ != nullptr) {
        // A key on the surface is still being delivered to it; delete later.
        container_->hide();
        container_->deleteLater();
        container_ = nullptr;
        surface_ = nullptr;
    }
}

}  // namespace zef
