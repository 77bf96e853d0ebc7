// The intro as the Windows window plays it: a window made for the intro over
// the main window's whole client area, the one WGL context that draws on it,
// the render thread and the fade-in through layered alpha; the frames
// themselves are the core's IntroPlayback. The player owns all of it; the window
// only starts it, says whether the intro still runs (its calculator is
// hidden) and ends it. The context is current only inside one of the
// player's operations, all on the window's thread.
//
// The surface is a borderless popup owned by the main window and kept over
// its client area, not a child: GL drawn on the main window itself left its
// controls invisible for good (its pixel format stays), and Wine shows
// nothing that GL draws in a child window (measured with Wine 8: a child
// stays black, a popup shows every frame).
#pragma once

#include "intro_playback.h"
#include "intro_texture.h"
#include "win_handles.h"
#include "window.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace zef {

class TMyThread;

// What the player asks of the window it plays on.
struct IntroWindowHooks {
    std::function<bool()> running;      // false: frames skip the scene
    std::function<void()> loadTexture;  // calls uploadTexture; the context is current
    std::function<void()> keyOrClick;   // a key or a left click on the GL surface
};

// The window the intro draws on; keys and clicks that land on it go on to
// the main window through the hooks, as if they had reached it.
class IntroSurface : public Window {
public:
    IntroSurface(HWND owner, const IntroWindowHooks& hooks);
    // Over the owner's client area again, after it moved or changed size.
    void cover(HWND owner);
    ~IntroSurface() override;

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

    const IntroWindowHooks& hooks_;
};

// The intro's rendering context, deleted again.
void DeleteGLContext(HGLRC context);
using GLContext = Owned<HGLRC, DeleteGLContext>;

class IntroPlayer : public IntroPlayback {
public:
    // The private message with which the render thread hands over a frame;
    // the window answers it with requestFrame().
    static constexpr UINT kFrameMessage = WM_APP + 1;
    // Posted to the window once a surface has been taken away, to free it.
    static constexpr UINT kFreeSurfaceMessage = WM_APP + 2;

    explicit IntroPlayer(IntroWindowHooks hooks);
    ~IntroPlayer();

    // Loads the GL libraries, covers `window` with the surface, makes the
    // context, projects, starts the render thread and makes the window
    // transparent. False when the intro cannot run; nothing is left behind.
    bool start(HWND window);
    // Deletes the context, stops the render thread and takes the surface
    // away. Never called from inside a frame: the stop serves pending frames.
    void end();
    // Fits the surface, viewport and projection to the window's new size.
    void resize();
    // Keeps the surface over the window's client area when the window moves.
    void moved();
    // Uploads `picture` as the intro texture; the context is current.
    void uploadTexture(const IntroImage& picture);
    // One frame, asked for by the render thread: 1 when drawn, 0 when not.
    LRESULT requestFrame();
    // Frees a surface taken away by end() (kFreeSurfaceMessage).
    void freeSurface();

    // The surface keeps the window design's name; it exists only while the intro runs.
    HWND GLSurface() const { return surface_ ? surface_->hwnd() : nullptr; }

private:
    bool initContext();
    bool makeCurrent() override;
    void doneCurrent() override;
    void swapBuffers() override { SwapBuffers(dc_->get()); }
    IntroSize viewportSize() const override;
    IntroSize outerFrameSize() const override;
    // The main window's frame and the surface over its client area fade together.
    void setOpacity(std::int32_t alpha, bool blending) override;
    bool sceneShown() const override { return hooks_.running(); }

    IntroWindowHooks hooks_;
    HWND window_ = nullptr;
    std::unique_ptr<IntroSurface> surface_;
    // A surface taken away while a key on it was still being handled.
    std::unique_ptr<IntroSurface> retired_;
    std::optional<WindowDC> dc_;
    GLContext context_;
    std::unique_ptr<TMyThread> renderThread_;
};

// Whole-window opacity through the layered style: `alpha` from 0
// (transparent) to 255 (opaque); without blending the window is opaque and
// no longer layered.
void SetWindowOpacity(HWND window, std::int32_t alpha, bool blending);

}  // namespace zef
