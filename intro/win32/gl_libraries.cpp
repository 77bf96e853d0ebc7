#include "gl_libraries.h"

#include "gl_entry_point_names.h"
#include "wgl_entry_points.h"

#include <memory>
#include <string>
#include <type_traits>

namespace zef {

WglEntryPoints wgl{};

namespace {

constexpr const char* kGLLibraryName = "opengl32.dll";
constexpr const char* kGLULibraryName = "glu32.dll";

struct FreeModule {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using Module = std::unique_ptr<std::remove_pointer_t<HMODULE>, FreeModule>;

Module glLibrary;
Module gluLibrary;
const char* glLibraryName = kGLLibraryName;
const char* gluLibraryName = kGLULibraryName;

// The names are ASCII; the W function takes them without any code page.
Module Load(const char* name)
{
    const std::wstring wide(name, name + std::char_traits<char>::length(name));
    return Module(LoadLibraryW(wide.c_str()));
}

template <typename Entry>
void Resolve(HMODULE library, Entry& entry, const char* name)
{
    entry = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

void ResolveEntryPoints()
{
    ForEachEntryPoint(gl, [](auto& entry, const char* name, GLLibrary library) {
        Resolve(library == GLLibrary::GL ? glLibrary.get() : gluLibrary.get(), entry, name);
    });
    Resolve(glLibrary.get(), wgl.wglCreateContext, "wglCreateContext");
    Resolve(glLibrary.get(), wgl.wglMakeCurrent, "wglMakeCurrent");
    Resolve(glLibrary.get(), wgl.wglDeleteContext, "wglDeleteContext");
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
    glLibrary = Load(glName);
    gluLibrary = Load(gluName);
    if (!glLibrary || !gluLibrary) {
        UnloadGLLibraries();
        return false;
    }
    ResolveEntryPoints();
    return true;
}

void UnloadGLLibraries()
{
    // The table first: nothing may call into a library while it goes.
    gl = GLEntryPoints{};
    wgl = WglEntryPoints{};
    gluLibrary.reset();
    glLibrary.reset();
}

}  // namespace zef
