// The window's side of the intro: the player on its GL surface, and the
// calculator shown again, which the model decides about.
#include "webU.h"

#include "intro_bitmap.h"

namespace zef {

bool TForm1::introRunning() const
{
    // The group's own style, not IsWindowVisible: the window itself is not
    // visible yet while it is being created.
    return (GetWindowLongPtrW(GroupBox3, GWL_STYLE) & WS_VISIBLE) == 0;
}

bool TForm1::startIntro() { return introPlayer_.start(hwnd()); }

// The GL surface held the keyboard; the editor takes it back once the
// calculator shows.
void TForm1::endIntro()
{
    introPlayer_.end();
    if (!introRunning()) {
        SetActiveWindow(hwnd());
        SetFocus(Memo4);
    }
}

void TForm1::setOpaque()
{
    SetWindowOpacity(hwnd(), 255, false);
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TForm1::LoadGLTextures()
{
    // Only an intro needs the picture; a start without one does not load it.
    introPicture_ = LoadIntroBitmap();
    SendMessageW(Image1, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(introPicture_.get()));
    introPlayer_.uploadTexture(ConvertIntroBitmap(introPicture_.get()));
}

}  // namespace zef
