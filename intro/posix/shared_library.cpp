#include "shared_library.h"

#include <dlfcn.h>

namespace zef {

const char* const kGLLibraryName = "libGL.so.1";
const char* const kGLULibraryName = "libGLU.so.1";

SharedLibrary::SharedLibrary(const char* name) : handle_(dlopen(name, RTLD_NOW | RTLD_LOCAL)) {}

SharedLibrary::~SharedLibrary()
{
    if (handle_ != nullptr) {
        dlclose(handle_);
    }
}

void* SharedLibrary::symbol(const char* name) const { return handle_ != nullptr ? dlsym(handle_, name) : nullptr; }

// GLX, which the window system's side uses, is Qt's business here.
void ResolvePlatformEntryPoints(const SharedLibrary&) {}
void ClearPlatformEntryPoints() {}

}  // namespace zef
