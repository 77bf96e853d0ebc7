#include "window.h"

namespace zef {

HINSTANCE ProgramInstance() { return GetModuleHandleW(nullptr); }

WindowClass::WindowClass(const wchar_t* name, UINT style, int background, HICON icon) : name_(name)
{
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    description.style = style;
    description.lpfnWndProc = Window::Procedure;
    description.hInstance = ProgramInstance();
    description.hIcon = icon;
    description.hIconSm = icon;
    description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    description.hbrBackground = background >= 0 ? GetSysColorBrush(background) : nullptr;
    description.lpszClassName = name;
    atom_ = RegisterClassExW(&description);
}

WindowClass::~WindowClass()
{
    if (atom_ != 0) {
        UnregisterClassW(name_, ProgramInstance());
    }
}

Window::~Window()
{
    // The derived part is gone already: no message may reach it any more.
    if (hwnd_ != nullptr) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
        hwnd_ = nullptr;
    }
}

bool Window::create(const WindowClass& windowClass, DWORD exStyle, const wchar_t* title, DWORD style, const RECT& frame,
                    HWND parent, HMENU menuOrId)
{
    // The class's procedure finds this object in the creation parameter.
    const HWND window =
        CreateWindowExW(exStyle, windowClass.name(), title, style, frame.left, frame.top, frame.right - frame.left,
                        frame.bottom - frame.top, parent, menuOrId, ProgramInstance(), this);
    return window != nullptr;
}

void Window::destroy()
{
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

LRESULT Window::handle(UINT message, WPARAM wParam, LPARAM lParam) { return defaultHandling(message, wParam, lParam); }

LRESULT Window::defaultHandling(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    // Messages before WM_NCCREATE (WM_GETMINMAXINFO) and after the object let go.
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        const LRESULT result = self->handle(message, wParam, lParam);
        self->hwnd_ = nullptr;
        return result;
    }
    return self->handle(message, wParam, lParam);
}

}  // namespace zef
