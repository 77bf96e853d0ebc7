// Loading and unloading the OpenGL and GLU libraries that fill the entry-point
// table `gl` (and on Windows the WGL table `wgl`, wgl_entry_points.h). How a
// library is loaded is the platform's (shared_library.h): posix/ (dlopen of
// libGL.so.1 and libGLU.so.1) and win32/ (LoadLibraryW of opengl32.dll and
// glu32.dll).
#pragma once

namespace zef {

// Loads the OpenGL and GLU libraries and resolves every entry point of the
// table by name; a name that is not found leaves its entry null. Returns true
// at once when both libraries are already loaded. When either library cannot
// be loaded, the other is released again, the table stays null and the result
// is false.
bool LoadGLLibraries();

// The same with other library names, so that a failing load can be tested.
bool LoadGLLibraries(const char* glLibrary, const char* gluLibrary);

// Replaces the names that LoadGLLibraries() loads, so that a test can see
// the window start without the intro when a library is missing; nullptr
// restores the platform's names. The names must outlive their use.
void SetGLLibraryNames(const char* glLibrary, const char* gluLibrary);

// Releases both libraries and clears every entry point, so that nothing can
// call into a library that is gone.
void UnloadGLLibraries();

}  // namespace zef
