// Per-monitor DPI: the window's layout is designed in pixels at 96 dpi and
// scaled to the DPI of the monitor it stands on (the application manifest
// declares per-monitor awareness). The functions of Windows 10 that this
// needs are looked up at run time, so the program still starts on Windows 7,
// where the system's one DPI applies.
#pragma once

#include "win32_api.h"

namespace zef {

inline constexpr UINT kDesignDpi = 96;

// The DPI of the monitor `window` stands on (of the system before Windows 10).
UINT WindowDpi(HWND window);

// How much larger than designed things are drawn at `dpi`.
inline double ScaleOf(UINT dpi) { return static_cast<double>(dpi) / kDesignDpi; }

// A length designed at 96 dpi, at `dpi`.
inline int Scaled(int designed, UINT dpi) { return MulDiv(designed, static_cast<int>(dpi), kDesignDpi); }

// The outer size of a window whose client area is `clientWidth` x
// `clientHeight` at `dpi`, frame and caption included.
SIZE FrameSizeFor(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, UINT dpi);

}  // namespace zef
