// Texts at the edge of the Windows window: the core speaks UTF-8 with '\n'
// line breaks, Windows' W functions UTF-16, and its edit controls want CR LF.
// Every text a control shows or gives back crosses here or through Wide and
// Utf8 (utf16.h), never through the machine's ANSI code page; the bytes of the files cross only in the core's
// Windows-1250 codec.
#pragma once

#include "utf16.h"
#include "win32_api.h"

#include <string>
#include <string_view>

namespace zef {

// For an edit control: each '\n' (that is not already after a '\r') becomes CR LF.
std::wstring EditText(std::string_view utf8);

// The text of a window or control, as UTF-8 with its line breaks as they are.
std::string WindowTextUtf8(HWND window);

}  // namespace zef
