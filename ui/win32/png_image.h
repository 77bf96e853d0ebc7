// Encoding a picture as PNG with GDI+ (gdiplus.dll, on every Windows since
// XP), in memory, so that the file is written by the core's verified
// replacement like every other file.
#pragma once

#include "win32_api.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zef {

// The PNG bytes of `width` x `height` pixels of 32-bit blue, green, red,
// unused, top row first; nothing when GDI+ could not encode them.
std::optional<std::string> EncodePng(const std::uint8_t* pixels, int width, int height);

}  // namespace zef
