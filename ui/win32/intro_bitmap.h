// The intro picture on Windows: resources/intro.bmp embedded as a bitmap
// resource of the program (zef.rc), loaded into the hidden picture Image1
// when an intro starts, and read pixel by pixel into the intro texture
// through the toolkit-free ConvertIntroPicture.
#pragma once

#include "intro_texture.h"
#include "win_handles.h"

namespace zef {

// The embedded 256 x 256 picture as a device-independent bitmap; empty when
// the program holds no such resource.
BitmapHandle LoadIntroBitmap();

// Reads the bitmap's pixels as 0x00BBGGRR colours, x from the left and y
// from the top; pixels outside a smaller bitmap read as black.
IntroImage ConvertIntroBitmap(HBITMAP bitmap);

}  // namespace zef
