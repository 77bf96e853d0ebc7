// The WGL entry points of opengl32.dll the Windows intro uses, resolved by
// name with the GL ones when LoadGLLibraries loads the library, so that a
// program that never runs the intro never loads it. All null until then and
// after UnloadGLLibraries.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace zef {

struct WglEntryPoints {
    HGLRC(WINAPI* wglCreateContext)(HDC dc);
    BOOL(WINAPI* wglMakeCurrent)(HDC dc, HGLRC context);
    BOOL(WINAPI* wglDeleteContext)(HGLRC context);
};

extern WglEntryPoints wgl;

}  // namespace zef
