// The intro as the main window plays it: the GL surface over the window's
// client area and its container, the one context that draws on it, the render
// thread and the fade-in; the frames themselves are the core's IntroPlayback.
// The player owns all of it; the window only starts it, says whether the intro
// still runs (its calculator is hidden) and ends it. The context is current
// only inside one of the player's operations, all on the user-interface thread.
#pragma once

#include "intro_playback.h"

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

class IntroPlayer : public IntroPlayback {
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

private:
    bool initContext();
    bool requestFrame();
    bool makeCurrent() override;
    void doneCurrent() override;
    void swapBuffers() override;
    IntroSize viewportSize() const override;
    IntroSize outerFrameSize() const override;
    void setOpacity(std::int32_t alpha, bool blending) override;
    bool sceneShown() const override { return hooks_.running(); }

    QWidget& window_;
    IntroWindowHooks hooks_;
    QWidget* container_ = nullptr;  // a child of the window; holds surface_
    IntroSurface* surface_ = nullptr;
    std::unique_ptr<QOpenGLContext> context_;
    std::unique_ptr<TMyThread> renderThread_;
};

}  // namespace zef
