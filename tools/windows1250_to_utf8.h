#pragma once

#include <string>
#include <string_view>

namespace zef {

// Windows-1250 report text to UTF-8 for a terminal: CR LF becomes LF, and a
// byte that Windows-1250 leaves undefined becomes U+FFFD.
std::string Windows1250ToUtf8(std::string_view text);

}  // namespace zef
