// Text crossing to and from Windows' W functions, which speak UTF-16, while
// the program speaks UTF-8: never through the machine's ANSI code page, which
// folds or loses every letter it lacks. Windows only (utf16_windows.cpp).
#pragma once

#include <string>
#include <string_view>

namespace zef {

std::wstring Wide(std::string_view utf8);
// A lone surrogate becomes U+FFFD.
std::string Utf8(std::wstring_view wide);

}  // namespace zef
