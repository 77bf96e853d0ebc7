#include "gl_setup.h"

#include "gl_constants.h"
#include "gl_entry_points.h"

namespace zef {

void InitGLState(const std::function<void()>& uploadTexture)
{
    CallGL(gl.glClearColor, 0.0f, 0.0f, 0.0f, 0.0f);
    uploadTexture();
    CallGL(gl.glClearDepth, 1.0);
    CallGL(gl.glEnable, kGlDepthTest);
    CallGL(gl.glDepthFunc, kGlLequal);
    CallGL(gl.glEnable, kGlTexture2D);
}

void SetGLProjection(int clientWidth, int clientHeight, int outerWidth, int outerHeight)
{
    // An outer height includes the frame and is never 0 for a real window; an
    // empty one gets a square aspect rather than a division by zero.
    const double aspect = outerHeight != 0 ? static_cast<double>(outerWidth) / static_cast<double>(outerHeight) : 1.0;
    CallGL(gl.glViewport, 0, 0, clientWidth, clientHeight);
    CallGL(gl.glMatrixMode, kGlProjection);
    CallGL(gl.glLoadIdentity);
    CallGL(gl.gluPerspective, 50.0, aspect, 1.0, 100.0);
    CallGL(gl.glMatrixMode, kGlModelView);
    CallGL(gl.glLoadIdentity);
}

void RenderIntroFrame(const std::function<void()>& advanceIntro)
{
    CallGL(gl.glClear, kGlColorBufferBit | kGlDepthBufferBit);
    advanceIntro();
    CallGL(gl.glFlush);
}

}  // namespace zef
