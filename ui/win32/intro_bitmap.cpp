#include "intro_bitmap.h"

#include "dib_picture.h"
#include "resource_ids.h"
#include "window.h"

#include <cstdint>
#include <vector>

namespace zef {

BitmapHandle LoadIntroBitmap()
{
    return BitmapHandle(static_cast<HBITMAP>(
        LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(ZEF_INTRO_BITMAP), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

IntroImage ConvertIntroBitmap(HBITMAP bitmap)
{
    BITMAP size{};
    GetObjectW(bitmap, sizeof size, &size);
    const int width = size.bmWidth;
    const int height = size.bmHeight > 0 ? size.bmHeight : -size.bmHeight;

    // Whatever the bitmap's own format, GetDIBits hands its pixels over as
    // 32-bit blue, green, red, unused, top row first.
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    BITMAPINFO format = TopDownFormat(width, height);
    const WindowDC screen(nullptr);
    const int rows = pixels.empty() ? 0
                                    : GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(height), pixels.data(),
                                                &format, DIB_RGB_COLORS);

    return ConvertIntroPicture([&](int x, int y) -> std::uint32_t {
        if (x >= width || y >= rows) {
            return 0;
        }
        const std::uint8_t* pixel = &pixels[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + x) * 4];
        return static_cast<std::uint32_t>(pixel[2]) | static_cast<std::uint32_t>(pixel[1]) << 8 |
               static_cast<std::uint32_t>(pixel[0]) << 16;
    });
}

}  // namespace zef
