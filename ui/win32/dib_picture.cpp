#include "dib_picture.h"

namespace zef {

BITMAPINFO TopDownFormat(int width, int height)
{
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    return format;
}

DibPicture MakeDibPicture(HDC like, int width, int height)
{
    const BITMAPINFO format = TopDownFormat(width, height);
    void* bits = nullptr;
    DibPicture picture;
    picture.bitmap.reset(CreateDIBSection(like, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    picture.pixels = static_cast<std::uint8_t*>(bits);
    return picture;
}

}  // namespace zef
