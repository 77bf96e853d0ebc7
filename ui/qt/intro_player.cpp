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
    applyProjection();
    renderThread_ = StartRenderThread(&window_, [this] { return requestFrame(); });
    fadeAlpha_ = 0;
    window_.setWindowOpacity(Opacity(fadeAlpha_));
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

void IntroPlayer::applyProjection()
{
    if (context_->makeCurrent(surface_)) {
        setProjection();
        context_->doneCurrent();
    }
}

void IntroPlayer::setProjection()
{
    // The viewport counts device pixels; the aspect is the outer frame's.
    const qreal ratio = window_.devicePixelRatio();
    projectedFrame_ = window_.frameGeometry().size();
    SetGLProjection(static_cast<int>(std::lround(window_.width() * ratio)),
                    static_cast<int>(std::lround(window_.height() * ratio)), projectedFrame_.width(),
                    projectedFrame_.height());
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

bool IntroPlayer::renderFrame()
{
    if (!context_->makeCurrent(surface_)) {
        return false;
    }
    // The projection made at the start had no frame to go by: the window
    // manager frames the window only once it is shown. The first frame, and
    // any after a change of frame, gets the aspect a resize would give.
    if (window_.frameGeometry().size() != projectedFrame_) {
        setProjection();
    }
    RenderIntroFrame([this] { advance(); });
    context_->swapBuffers(surface_);
    context_->doneCurrent();
    return true;
}

void IntroPlayer::advance()
{
    if (const std::optional<FadeStep> step = NextFadeStep(fadeAlpha_)) {
        fadeAlpha_ = step->alpha;
        // Qt drops whole-window blending by itself once the opacity is 1.
        window_.setWindowOpacity(Opacity(fadeAlpha_));
        // Frames follow each other without a pause, so the change would wait
        // in the connection's buffer instead of showing now.
        FlushX11();
    }
    if (!hooks_.running()) {
        return;
    }
    DrawIntroScene(scene_, meter_.FrameRate);
    UpdateFrameRate(meter_);
}

void IntroPlayer::resize()
{
    if (!context_) {
        return;
    }
    container_->setGeometry(window_.rect());
    applyProjection();
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
