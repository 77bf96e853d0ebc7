#include "intro_player.h"

#include "gl_libraries.h"
#include "gl_setup.h"
#include "intro_thread.h"
#include "wgl_entry_points.h"

namespace zef {

namespace {

const WindowClass& SurfaceClass()
{
    // CS_OWNDC: the device context, and with it the pixel format, stays the
    // surface's own for its whole life.
    static const WindowClass windowClass(L"ZeF.GLSurface", CS_OWNDC, -1);
    return windowClass;
}

RECT ClientArea(HWND window)
{
    RECT area{};
    GetClientRect(window, &area);
    return area;
}

// The client area in screen coordinates, where the surface stands.
RECT ScreenClientArea(HWND window)
{
    RECT area = ClientArea(window);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

// Double-buffered RGBA with 24-bit colour and a 32-bit depth buffer (flags
// 0x25); neither result is examined.
void SetGLPixelFormat(HDC dc)
{
    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = 24;
    format.cDepthBits = 32;
    format.iLayerType = PFD_MAIN_PLANE;
    SetPixelFormat(dc, ChoosePixelFormat(dc, &format), &format);
}

void MakeCurrent(HDC dc, HGLRC context)
{
    if (wgl.wglMakeCurrent != nullptr) {
        wgl.wglMakeCurrent(dc, context);
    }
}

}  // namespace

static_assert(sizeof(PIXELFORMATDESCRIPTOR) == 40);

void SetWindowOpacity(HWND window, std::int32_t alpha, bool blending)
{
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    if (blending) {
        if ((exStyle & WS_EX_LAYERED) == 0) {
            SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
        }
        SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
        return;
    }
    if ((exStyle & WS_EX_LAYERED) != 0) {
        SetLayeredWindowAttributes(window, 0, 255, LWA_ALPHA);
        SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
        // A window that stops being layered must be painted anew.
        RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    }
}

// Shown only once the main window is (it may not be yet while it is made).
IntroSurface::IntroSurface(HWND owner, const IntroWindowHooks& hooks) : hooks_(hooks)
{
    create(SurfaceClass(), 0, L"", WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, ScreenClientArea(owner), owner);
}

void IntroSurface::cover(HWND owner)
{
    const RECT area = ScreenClientArea(owner);
    SetWindowPos(hwnd(), nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (IsWindowVisible(owner) && !IsIconic(owner) && !IsWindowVisible(hwnd())) {
        ShowWindow(hwnd(), SW_SHOW);
    }
}

IntroSurface::~IntroSurface() { destroy(); }

LRESULT IntroSurface::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE:
        // Every key ends the intro, Tab and Escape included.
        return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONUP: hooks_.keyOrClick(); return 0;
    case WM_CLOSE:
        // A close meant for the intro is the main window's.
        PostMessageW(GetWindow(hwnd(), GW_OWNER), WM_CLOSE, 0, 0);
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT:
        // The render thread's frames paint it.
        ValidateRect(hwnd(), nullptr);
        return 0;
    default: return defaultHandling(message, wParam, lParam);
    }
}

void DeleteGLContext(HGLRC context)
{
    if (wgl.wglDeleteContext != nullptr) {
        wgl.wglDeleteContext(context);
    }
}

IntroPlayer::IntroPlayer(IntroWindowHooks hooks) : hooks_(std::move(hooks)) {}

IntroPlayer::~IntroPlayer() { end(); }

bool IntroPlayer::start(HWND window)
{
    window_ = window;
    if (!LoadGLLibraries()) {
        return false;
    }
    if (!initContext()) {
        end();
        return false;
    }
    project();
    renderThread_ = std::make_unique<TMyThread>(window_, kFrameMessage);
    startFade();
    return true;
}

bool IntroPlayer::initContext()
{
    surface_ = std::make_unique<IntroSurface>(window_, hooks_);
    if (surface_->hwnd() == nullptr) {
        return false;
    }
    dc_.emplace(surface_->hwnd());
    SetGLPixelFormat(dc_->get());
    context_ = GLContext(wgl.wglCreateContext != nullptr ? wgl.wglCreateContext(dc_->get()) : nullptr);
    if (!context_) {
        return false;
    }
    if (!makeCurrent()) {
        return false;
    }
    InitGLState(hooks_.loadTexture);
    doneCurrent();
    return true;
}

void IntroPlayer::uploadTexture(const IntroImage& picture) { texture_ = UploadIntroTexture(picture); }

bool IntroPlayer::makeCurrent()
{
    return dc_ && wgl.wglMakeCurrent != nullptr && wgl.wglMakeCurrent(dc_->get(), context_.get()) != FALSE;
}

void IntroPlayer::doneCurrent() { MakeCurrent(nullptr, nullptr); }

// The viewport is the surface, that is the window's client area; the aspect
// is the window's outer frame.
IntroSize IntroPlayer::viewportSize() const
{
    const RECT client = ClientArea(window_);
    return {client.right - client.left, client.bottom - client.top};
}

IntroSize IntroPlayer::outerFrameSize() const
{
    RECT frame{};
    GetWindowRect(window_, &frame);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

// A request still pending while the intro is torn down finds no context and
// touches no GL. Nothing is drawn while the window cannot be seen, so the
// render thread pauses instead of spinning a core.
LRESULT IntroPlayer::requestFrame()
{
    if (!context_ || !surface_ || surface_->hwnd() == nullptr || IsIconic(window_) || !IsWindowVisible(window_)) {
        return 0;
    }
    // The main window was not shown yet when the surface was made.
    if (!IsWindowVisible(surface_->hwnd())) {
        surface_->cover(window_);
    }
    return renderFrame() ? 1 : 0;
}

// The main window's frame and the surface over its client area fade together.
void IntroPlayer::setOpacity(std::int32_t alpha, bool blending)
{
    SetWindowOpacity(window_, alpha, blending);
    if (surface_) {
        SetWindowOpacity(surface_->hwnd(), alpha, blending);
    }
}

void IntroPlayer::resize()
{
    if (!context_) {
        return;
    }
    surface_->cover(window_);
    project();
}

void IntroPlayer::moved()
{
    if (context_) {
        surface_->cover(window_);
    }
}

// In the design's order: the device context, no current context, the
// context, the thread; then the surface goes. A key on the surface may still
// be in its handler, so the surface is only hidden here and freed once that
// has returned.
void IntroPlayer::end()
{
    dc_.reset();
    MakeCurrent(nullptr, nullptr);
    context_.reset();
    renderThread_.reset();
    if (surface_) {
        ShowWindow(surface_->hwnd(), SW_HIDE);
        retired_ = std::move(surface_);
        if (window_ != nullptr && IsWindow(window_)) {
            PostMessageW(window_, kFreeSurfaceMessage, 0, 0);
        }
    }
}

void IntroPlayer::freeSurface() { retired_.reset(); }

}  // namespace zef
