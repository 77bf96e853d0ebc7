// The intro scene: a tilted box of four textured walls spinning about its
// vertical axis, wrapped in a larger translucent copy that grows out of it and
// fades away, over and over. Both motions advance by amounts divided by the
// measured FrameRate, so their speed hardly depends on how fast frames come.
#pragma once

namespace zef {

// Rotation of the box in degrees; grows without bound and is never reduced.
extern long double SpinAngle;

// Half-size of the translucent walls; runs from 1.0 up to 2.0, then restarts.
extern long double PulseScale;

// Resets the frame-rate meter and the scene; runs once at program start-up,
// not at each start of the intro.
void ResetIntroScene();

// Draws one frame into the current GL context, then advances the animation.
// Relies on the state the intro's GL set-up leaves: projection, model-view as
// the current matrix, depth test, 2D texturing with the intro texture bound.
void DrawIntroScene();

}  // namespace zef
