// The intro texture: the 256 x 256 intro picture copied into an RGB byte
// buffer, flipped so that its bottom row comes first (the row OpenGL takes
// for t = 0), and uploaded as the one texture of the intro's GL context.
#pragma once

#include "gl_entry_points.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace zef {

inline constexpr std::int32_t kIntroImageSide = 256;

struct IntroImage {
    std::int32_t width = kIntroImageSide;
    std::int32_t height = kIntroImageSide;
    std::vector<std::uint8_t> pixels;  // width * height texels of red, green, blue
};

// The colour of the picture's pixel (x, y), x from the left and y from the
// top, as 0x00BBGGRR: red in the lowest byte, green next, blue third.
using PixelColorAt = std::function<std::uint32_t(int x, int y)>;

// Reads all 256 x 256 pixels; the picture's own size is not consulted.
IntroImage ConvertIntroPicture(const PixelColorAt& colorAt);

// Generates the texture, binds it, sets linear filtering (no mipmaps, so
// level 0 alone is complete) and uploads the buffer with the OpenGL 1.1
// three-component internal format. Needs the intro's context to be current;
// the texture stays bound. Returns the texture's name, valid while the
// context lives (0 when no name could be generated).
GLuint UploadIntroTexture(const IntroImage& image);

}  // namespace zef
