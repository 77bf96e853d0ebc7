// Owners of the Windows handles the window holds, each released in one
// place: its destructor. Handles of controls are not owned here; a control
// goes with the window it is a child of.
#pragma once

#include "win32_api.h"

#include <utility>

namespace zef {

// A handle released by Release(handle) unless it is the null handle.
template <typename Handle, auto Release>
class Owned {
public:
    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    ~Owned() { reset(); }
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    Owned& operator=(Owned&& other) noexcept
    {
        if (this != &other) {
            reset(std::exchange(other.handle_, Handle{}));
        }
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    void reset(Handle handle = Handle{})
    {
        if (handle_ != Handle{}) {
            Release(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_{};
};

inline void DeleteGdiObject(HGDIOBJ object) { DeleteObject(object); }

using FontHandle = Owned<HFONT, DeleteGdiObject>;
using BitmapHandle = Owned<HBITMAP, DeleteGdiObject>;
using PenHandle = Owned<HPEN, DeleteGdiObject>;
using BrushHandle = Owned<HBRUSH, DeleteGdiObject>;

// A device context of a window, from GetDC, given back with ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() { ReleaseDC(window_, dc_); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A memory device context (CreateCompatibleDC) with one bitmap selected into
// it; the old bitmap goes back before the context is deleted.
class MemoryDC {
public:
    MemoryDC(HDC like, HBITMAP bitmap) : dc_(CreateCompatibleDC(like)), old_(dc_ ? SelectObject(dc_, bitmap) : nullptr)
    {
    }
    ~MemoryDC()
    {
        if (dc_ != nullptr) {
            SelectObject(dc_, old_);
            DeleteDC(dc_);
        }
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    HDC get() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// An object selected into a device context for one scope.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~Selected() { SelectObject(dc_, old_); }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace zef
