#include "gl_libraries.h"

#include "gl_entry_point_names.h"
#include "shared_library.h"

#include <type_traits>

namespace zef {

namespace {

SharedLibrary glLibrary;
SharedLibrary gluLibrary;
const char* glLibraryName = kGLLibraryName;
const char* gluLibraryName = kGLULibraryName;

// Both systems guarantee that the address of an entry point converts to a
// function pointer of the right type.
void ResolveEntryPoints()
{
    ForEachEntryPoint(gl, [](auto& entry, const char* name, GLLibrary library) {
        entry = reinterpret_cast<std::remove_reference_t<decltype(entry)>>(
            (library == GLLibrary::GL ? glLibrary : gluLibrary).symbol(name));
    });
    ResolvePlatformEntryPoints(glLibrary);
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
    if (glLibrary && gluLibrary) {
        return true;
    }
    UnloadGLLibraries();
    glLibrary = SharedLibrary(glName);
    gluLibrary = SharedLibrary(gluName);
    if (!glLibrary || !gluLibrary) {
        UnloadGLLibraries();
        return false;
    }
    ResolveEntryPoints();
    return true;
}

void UnloadGLLibraries()
{
    // The tables first: nothing may call into a library while it goes.
    gl = GLEntryPoints{};
    ClearPlatformEntryPoints();
    gluLibrary = SharedLibrary();
    glLibrary = SharedLibrary();
}

}  // namespace zef
