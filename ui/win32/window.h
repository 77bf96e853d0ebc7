// One small window class for every window of the Windows front end. Its one
// static window procedure finds the C++ object that owns a window (stored in
// GWLP_USERDATA at WM_NCCREATE) and hands it the message; the object's
// handle() passes each message it knows to a handler named as the design
// names it and leaves the rest to DefWindowProcW.
//
// An object owns its window: destroying the object destroys the window. A
// derived class whose handlers must see the window's end (WM_DESTROY) calls
// destroy() in its own destructor, while it is still whole.
#pragma once

#include "win32_api.h"

namespace zef {

// A registered window class, unregistered again when it goes.
class WindowClass {
public:
    // `background` is a system colour index (COLOR_BTNFACE) or -1 for none.
    WindowClass(const wchar_t* name, UINT style, int background, HICON icon = nullptr);
    ~WindowClass();
    WindowClass(const WindowClass&) = delete;
    WindowClass& operator=(const WindowClass&) = delete;

    const wchar_t* name() const { return name_; }

private:
    const wchar_t* name_;
    ATOM atom_;
};

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Null before create() and once the window is gone.
    HWND hwnd() const { return hwnd_; }

protected:
    // Creates the window; from its WM_NCCREATE on, its messages reach handle().
    bool create(const WindowClass& windowClass, DWORD exStyle, const wchar_t* title, DWORD style, const RECT& frame,
                HWND parent, HMENU menuOrId = nullptr);
    void destroy();

    virtual LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend class WindowClass;
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};

// The program's module, for resources and window classes.
HINSTANCE ProgramInstance();

}  // namespace zef
