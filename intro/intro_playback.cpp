#include "intro_playback.h"

#include "fade_in.h"
#include "gl_setup.h"

namespace zef {

void IntroPlayback::startFade()
{
    fadeAlpha_ = 0;
    setOpacity(fadeAlpha_, true);
}

void IntroPlayback::project()
{
    if (makeCurrent()) {
        setProjection();
        doneCurrent();
    }
}

void IntroPlayback::setProjection()
{
    const IntroSize viewport = viewportSize();
    projectedFrame_ = outerFrameSize();
    SetGLProjection(viewport.width, viewport.height, projectedFrame_.width, projectedFrame_.height);
}

bool IntroPlayback::renderFrame()
{
    if (!makeCurrent()) {
        return false;
    }
    if (outerFrameSize() != projectedFrame_) {
        setProjection();
    }
    RenderIntroFrame([this] { advance(); });
    swapBuffers();
    doneCurrent();
    return true;
}

void IntroPlayback::advance()
{
    if (const std::optional<FadeStep> step = NextFadeStep(fadeAlpha_)) {
        fadeAlpha_ = step->alpha;
        setOpacity(fadeAlpha_, step->blending);
    }
    if (sceneShown()) {
        DrawIntroScene(scene_, meter_.FrameRate);
        UpdateFrameRate(meter_);
    }
}

}  // namespace zef
