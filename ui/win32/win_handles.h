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
inline void CloseKernelHandle(HANDLE handle) { CloseHandle(handle); }

using FontHandle = Owned<HFONT, DeleteGdiObject>;
using BitmapHandle = Owned<HBITMAP, DeleteGdiObject>;
using PenHandle = Owned<HPEN, DeleteGdiObject>;
using BrushHandle = Owned<HBRUSH, DeleteGdiObject>;
using KernelHandle = Owned<HANDLE, CloseKernelHandle>;

// A device context of a window, from GetDC, given back with ReleaseDC.
class WindowDC {
public:
    WindowDC() = default;
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() { release(); }
    WindowDC(WindowDC&& other) noexcept
        : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr))
    {
    }
    WindowDC& operator=(WindowDC&& other) noexcept
    {
        if (this != &other) {
            release();
            window_ = std::exchange(other.window_, nullptr);
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }

    HDC get() const { return dc_; }
    void release()
    {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
            dc_ = nullptr;
        }
    }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
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

// A system-wide hot key registered for a window, unregistered again.
class HotKeyRegistration {
public:
    HotKeyRegistration() = default;
    HotKeyRegistration(HWND window, int id, UINT modifiers, UINT key)
        : window_(window), id_(id), registered_(RegisterHotKey(window, id, modifiers, key) != FALSE)
    {
    }
    ~HotKeyRegistration() { reset(); }
    HotKeyRegistration(const HotKeyRegistration&) = delete;
    HotKeyRegistration& operator=(const HotKeyRegistration&) = delete;
    HotKeyRegistration& operator=(HotKeyRegistration&& other) noexcept
    {
        reset();
        window_ = other.window_;
        id_ = other.id_;
        registered_ = std::exchange(other.registered_, false);
        return *this;
    }

    bool registered() const { return registered_; }
    void reset()
    {
        if (registered_) {
            UnregisterHotKey(window_, id_);
            registered_ = false;
        }
    }

private:
    HWND window_ = nullptr;
    int id_ = 0;
    bool registered_ = false;
};

}  // namespace zef
