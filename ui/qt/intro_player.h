// The intro as the main window plays it: the GL surface over the window's
// client area and its container, the one context that draws on it, the render
// thread, the fade-in and the scene with its frame-rate meter and texture. The
// player owns all of it; the window only starts it, says whether the intro
// still runs (its calculator is hidden) and ends it. The context is current
// only inside one of the player's operations, all on the user-interface thread.
#pragma once

#include "frame_rate.h"
#include "gl_entry_points.h"
#include "intro_scene.h"

#include <QSize>

#include <cstdint>
#include <functional>
#include <memory>

class QImage;
class QKeyEvent;
class QOpenGLContext;
class QWidget;

namespace zef {

class IntroSurface;
class TMyThread;

// What the player asks of the window it plays on.
struct IntroWindowHooks {
    std::function<bool()> running;                           // false: frames skip the scene
    std::function<void()> loadTexture;                       // calls uploadTexture; the context is current
    std::function<void(const QKeyEvent& event)> keyPressed;  // on the GL surface
    std::function<void()> clicked;                           // a left click on the GL surface
};

class IntroPlayer {
public:
    IntroPlayer(QWidget& window, IntroWindowHooks hooks);
    ~IntroPlayer();

    // Loads the GL libraries, covers the window with the surface, makes the
    // context, projects, starts the render thread and makes the window
    // transparent. False when the intro cannot run; nothing is left behind.
    bool start();
    // Deletes the context, stops the render thread and takes the surface away.
    // Never called from inside a frame: the stop serves pending frame requests.
    void end();
    // Fits the surface, viewport and projection to the window's new size.
    void resize();
    // Uploads picture as the intro texture; the context is current.
    void uploadTexture(const QImage& picture);

    // The surface and the context keep the window design's names; both, and
    // the render thread, exist only while the intro runs.
    IntroSurface* GLSurface() const { return surface_; }
    QOpenGLContext* GLContext() const { return context_.get(); }
    const TMyThread* renderThread() const { return renderThread_.get(); }
    std::int32_t fadeAlpha() const { return fadeAlpha_; }
    const IntroScene& scene() const { return scene_; }
    GLuint texture() const { return texture_; }

private:
    bool initContext();
    void applyProjection();
    void setProjection();
    bool requestFrame();
    bool renderFrame();
    void advance();

    QWidget& window_;
    IntroWindowHooks hooks_;
    QWidget* container_ = nullptr;  // a child of the window; holds surface_
    IntroSurface* surface_ = nullptr;
    std::unique_ptr<QOpenGLContext> context_;
    std::unique_ptr<TMyThread> renderThread_;
    QSize projectedFrame_;  // the outer size the projection was made for
    std::int32_t fadeAlpha_ = 0;
    // Made with the window, not at each start of the intro.
    FrameRateMeter meter_;
    IntroScene scene_;
    GLuint texture_ = 0;
};

}  // namespace zef
