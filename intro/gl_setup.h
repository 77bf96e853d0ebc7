// The GL work of the intro's frame set-up, as free functions the intro player
// calls with its context current: the fixed state after context creation,
// viewport and projection, and the body of one frame.
#pragma once

#include <functional>

namespace zef {

// The fixed state of a new context: black clear colour, the texture (by
// calling uploadTexture, which leaves it bound for the life of the context),
// clear depth 1, depth test with GL_LEQUAL, 2D texturing.
void InitGLState(const std::function<void()>& uploadTexture);

// Viewport over the whole client area. The perspective's aspect is the
// window's outer width over its outer height, frame included, not the
// client-area ratio of the viewport.
void SetGLProjection(int clientWidth, int clientHeight, int outerWidth, int outerHeight);

// Clears colour and depth, runs the frame's work (the fade step, the scene and
// the frame-rate meter), then flushes. The caller swaps the buffers.
void RenderIntroFrame(const std::function<void()>& advanceIntro);

}  // namespace zef
