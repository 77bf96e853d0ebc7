// The window's side of the intro: the handlers the window design names, each
// a thin forward to the intro player, and the events that reach them.
#include "webU.h"

#include "intro_bitmap.h"

namespace zef {

bool TForm1::IntroRunning() const
{
    // The group's own style, not IsWindowVisible: the window itself is not
    // visible yet while it is being created.
    return (GetWindowLongPtrW(GroupBox3, GWL_STYLE) & WS_VISIBLE) == 0;
}

void TForm1::LoadGLTextures()
{
    // Only an intro needs the picture; a start without one does not load it.
    introPicture_ = LoadIntroBitmap();
    SendMessageW(Image1, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(introPicture_.get()));
    introPlayer_.uploadTexture(ConvertIntroBitmap(introPicture_.get()));
}

void TForm1::FormResize()
{
    if (IntroRunning()) {
        introPlayer_.resize();
    }
}

// The calculator is shown first, so a frame served while the thread stops
// skips the scene; the opacity is restored only once no frame can follow.
void TForm1::FormKeyDown(WPARAM key)
{
    (void)key;
    if (!IntroRunning()) {
        return;
    }
    viditelnost(true);
    introPlayer_.end();
    SetWindowOpacity(hwnd(), 255, false);
    // The GL surface held the keyboard; give it back to the editor.
    SetActiveWindow(hwnd());
    SetFocus(Memo4);
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TForm1::FormClick() { FormKeyDown(VK_SPACE); }

}  // namespace zef
