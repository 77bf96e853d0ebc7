// The faces the program's windows draw their controls in, at the DPI of the
// monitor they stand on.
#pragma once

#include "win_handles.h"

#include <string_view>

namespace zef {

// `face` at `pixels` designed at 96 dpi.
FontHandle PixelFont(std::wstring_view face, int pixels, UINT dpi, BYTE pitch = DEFAULT_PITCH | FF_SWISS);

// The system's face for dialogs at `pixels` designed at 96 dpi.
FontHandle MessageFont(int pixels, UINT dpi);

// Gives each of `controls` `font`.
void SetFont(std::initializer_list<HWND> controls, const FontHandle& font);

}  // namespace zef
