#include "gl_libraries.h"

#include "gl_entry_points.h"

#include <dlfcn.h>

namespace zef {

GLEntryPoints gl{};

namespace {

constexpr const char* kGLLibraryName = "libGL.so.1";
constexpr const char* kGLULibraryName = "libGLU.so.1";

void* glLibrary = nullptr;
void* gluLibrary = nullptr;
const char* glLibraryName = kGLLibraryName;
const char* gluLibraryName = kGLULibraryName;

// POSIX guarantees that a data pointer from dlsym converts to a function
// pointer of the right type.
template <typename Entry>
void Resolve(void* library, Entry& entry, const char* name)
{
    entry = reinterpret_cast<Entry>(dlsym(library, name));
}

void ResolveEntryPoints()
{
    Resolve(glLibrary, gl.glViewport, "glViewport");
    Resolve(glLibrary, gl.glMatrixMode, "glMatrixMode");
    Resolve(glLibrary, gl.glLoadIdentity, "glLoadIdentity");
    Resolve(glLibrary, gl.glClear, "glClear");
    Resolve(glLibrary, gl.glClearColor, "glClearColor");
    Resolve(glLibrary, gl.glClearDepth, "glClearDepth");
    Resolve(glLibrary, gl.glFlush, "glFlush");
    Resolve(glLibrary, gl.glEnable, "glEnable");
    Resolve(glLibrary, gl.glDepthFunc, "glDepthFunc");
    Resolve(glLibrary, gl.glBlendFunc, "glBlendFunc");
    Resolve(glLibrary, gl.glGenTextures, "glGenTextures");
    Resolve(glLibrary, gl.glBindTexture, "glBindTexture");
    Resolve(glLibrary, gl.glTexParameteri, "glTexParameteri");
    Resolve(glLibrary, gl.glTexImage2D, "glTexImage2D");
    Resolve(glLibrary, gl.glRotatef, "glRotatef");
    Resolve(glLibrary, gl.glTranslatef, "glTranslatef");
    Resolve(glLibrary, gl.glColor4f, "glColor4f");
    Resolve(glLibrary, gl.glBegin, "glBegin");
    Resolve(glLibrary, gl.glEnd, "glEnd");
    Resolve(glLibrary, gl.glTexCoord2f, "glTexCoord2f");
    Resolve(glLibrary, gl.glVertex3f, "glVertex3f");
    Resolve(gluLibrary, gl.gluPerspective, "gluPerspective");
}

void Release(void*& library)
{
    if (library != nullptr) {
        dlclose(library);
        library = nullptr;
    }
}

}  // namespace

bool LoadGLLibraries() { return LoadGLLibraries(glLibraryName, gluLibraryName); }

void SetGLLibraryNames(const char* glName, const char* gluName)
{
    glLibraryName = glName != nullptr ? glName : kGLLibraryName;
    gluLibraryName = gluName != nullptr ? gluName : kGLULibraryName;
}

bool LoadGLLibraries(const char* glName, const char* gluName)
{
    if (glLibrary != nullptr && gluLibrary != nullptr) {
        return true;
    }
    UnloadGLLibraries();
    glLibrary = dlopen(glName, RTLD_NOW | RTLD_LOCAL);
    gluLibrary = dlopen(gluName, RTLD_NOW | RTLD_LOCAL);
    if (glLibrary == nullptr || gluLibrary == nullptr) {
        UnloadGLLibraries();
        return false;
    }
    ResolveEntryPoints();
    return true;
}

void UnloadGLLibraries()
{
    Release(glLibrary);
    Release(gluLibrary);
    gl = GLEntryPoints{};
}

}  // namespace zef
