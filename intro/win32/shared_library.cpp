#include "shared_library.h"

#include "wgl_entry_points.h"

#include <string>

namespace zef {

const char* const kGLLibraryName = "opengl32.dll";
const char* const kGLULibraryName = "glu32.dll";

WglEntryPoints wgl{};

namespace {

HMODULE Module(void* handle) { return static_cast<HMODULE>(handle); }

template <typename Entry>
void Resolve(const SharedLibrary& library, Entry& entry, const char* name)
{
    entry = reinterpret_cast<Entry>(library.symbol(name));
}

}  // namespace

// The names are ASCII; the W function takes them without any code page.
SharedLibrary::SharedLibrary(const char* name)
    : handle_(LoadLibraryW(std::wstring(name, name + std::char_traits<char>::length(name)).c_str()))
{
}

SharedLibrary::~SharedLibrary()
{
    if (handle_ != nullptr) {
        FreeLibrary(Module(handle_));
    }
}

void* SharedLibrary::symbol(const char* name) const
{
    return handle_ != nullptr ? reinterpret_cast<void*>(GetProcAddress(Module(handle_), name)) : nullptr;
}

void ResolvePlatformEntryPoints(const SharedLibrary& glLibrary)
{
    Resolve(glLibrary, wgl.wglCreateContext, "wglCreateContext");
    Resolve(glLibrary, wgl.wglMakeCurrent, "wglMakeCurrent");
    Resolve(glLibrary, wgl.wglDeleteContext, "wglDeleteContext");
}

void ClearPlatformEntryPoints() { wgl = WglEntryPoints{}; }

}  // namespace zef
