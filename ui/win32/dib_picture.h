// A 32-bit bitmap, top row first, with its pixels at hand: what the chart is
// drawn into for the window and for a PNG, and the form in which the intro
// picture's pixels are read.
#pragma once

#include "win_handles.h"

#include <cstdint>

namespace zef {

// The format of such a bitmap of `width` x `height` pixels.
BITMAPINFO TopDownFormat(int width, int height);

struct DibPicture {
    BitmapHandle bitmap;
    std::uint8_t* pixels = nullptr;  // blue, green, red, unused; null when none could be made
};

// A new one, compatible with the device context `like`.
DibPicture MakeDibPicture(HDC like, int width, int height);

}  // namespace zef
