#include "gl_libraries.h"

#include "gl_entry_point_names.h"

#include <dlfcn.h>

namespace zef {

namespace {

constexpr const char* kGLLibraryName = "libGL.so.1";
constexpr const char* kGLULibraryName = "libGLU.so.1";

void* glLibrary = nullptr;
void* gluLibrary = nullptr;
const char* glLibraryName = kGLLibraryName;
const char* gluLibraryName = kGLULibraryName;

// POSIX guarantees that a data pointer from dlsym converts to a function
// pointer of the right type.
void ResolveEntryPoints()
{
    ForEachEntryPoint(gl, [](auto& entry, const char* name, GLLibrary library) {
        entry = reinterpret_cast<std::remove_reference_t<decltype(entry)>>(
            dlsym(library == GLLibrary::GL ? glLibrary : gluLibrary, name));
    });
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
