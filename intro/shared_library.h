// A library loaded at run time, released with the object, and what else the
// platform's GL loading needs; posix/shared_library.cpp (dlopen) and
// win32/shared_library.cpp (LoadLibraryW, and the WGL entry points).
#pragma once

#include <utility>

namespace zef {

class SharedLibrary {
public:
    SharedLibrary() = default;
    // Loads the library of that name; empty when it cannot be loaded.
    explicit SharedLibrary(const char* name);
    ~SharedLibrary();
    SharedLibrary(SharedLibrary&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    SharedLibrary& operator=(SharedLibrary&& other) noexcept
    {
        std::swap(handle_, other.handle_);
        return *this;
    }
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    explicit operator bool() const { return handle_ != nullptr; }
    // The address of the entry point `name`; null when there is none.
    void* symbol(const char* name) const;

private:
    void* handle_ = nullptr;
};

// The platform's OpenGL and GLU libraries.
extern const char* const kGLLibraryName;
extern const char* const kGLULibraryName;

// The entry points the platform needs besides the GL table (WGL on Windows),
// resolved from the loaded OpenGL library, and cleared again.
void ResolvePlatformEntryPoints(const SharedLibrary& glLibrary);
void ClearPlatformEntryPoints();

}  // namespace zef
