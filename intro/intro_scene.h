// The intro scene: a tilted box of four textured walls spinning about its
// vertical axis, wrapped in a larger translucent copy that grows out of it and
// fades away, over and over. Both motions advance by amounts divided by the
// measured FrameRate, so their speed hardly depends on how fast frames come.
#pragma once

#include "frame_rate.h"

#include <cstdint>

namespace zef {

// The animation's state; the intro player owns the one scene.
struct IntroScene {
    // Rotation of the box in degrees; grows without bound and is never reduced.
    long double spinAngle = 0.0L;
    // Half-size of the translucent walls; runs from 1.0 up to 2.0, then restarts.
    long double pulseScale = 1.0L;
};

// Draws one frame into the current GL context, then advances the animation by
// amounts divided by frameRate. Relies on the state the intro's GL set-up
// leaves: projection, model-view as the current matrix, depth test, 2D
// texturing with the intro texture bound.
void DrawIntroScene(IntroScene& scene, std::int32_t frameRate);

}  // namespace zef
