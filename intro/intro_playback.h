// What both windows' intro players do alike once they have a GL context on
// a surface over the window: the projection made for the window's outer
// frame, each frame's fade step, scene and frame-rate meter, and the
// texture. A player derives from it and supplies its context, its window's
// sizes and its opacity.
#pragma once

#include "frame_rate.h"
#include "gl_entry_points.h"
#include "intro_scene.h"

#include <cstdint>

namespace zef {

struct IntroSize {
    int width = 0;
    int height = 0;
    bool operator==(const IntroSize&) const = default;
};

class IntroPlayback {
public:
    IntroPlayback(const IntroPlayback&) = delete;
    IntroPlayback& operator=(const IntroPlayback&) = delete;

    std::int32_t fadeAlpha() const { return fadeAlpha_; }
    const IntroScene& scene() const { return scene_; }
    GLuint texture() const { return texture_; }

protected:
    IntroPlayback() = default;
    ~IntroPlayback() = default;

    // The fade starts from transparent.
    void startFade();
    // The projection for the window as it is now.
    void project();
    // One frame, projected anew when the outer frame changed since (the
    // window manager frames a window only once it is shown; a new DPI; a
    // maximised window whose resize came before the surface followed);
    // false when the context could not be made current.
    bool renderFrame();

    virtual bool makeCurrent() = 0;
    virtual void doneCurrent() = 0;
    virtual void swapBuffers() = 0;
    // The surface in device pixels, and the window with its frame.
    virtual IntroSize viewportSize() const = 0;
    virtual IntroSize outerFrameSize() const = 0;
    // The fade's step: the window's opacity from 0 to 255, and whether it still blends.
    virtual void setOpacity(std::int32_t alpha, bool blending) = 0;
    // False once the intro ends: frames skip the scene.
    virtual bool sceneShown() const = 0;

    GLuint texture_ = 0;

private:
    void setProjection();
    void advance();

    IntroSize projectedFrame_;
    std::int32_t fadeAlpha_ = 0;
    // Made with the window, not at each start of the intro.
    FrameRateMeter meter_;
    IntroScene scene_;
};

}  // namespace zef
