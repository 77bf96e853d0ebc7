// The reset command's text work: the default treasury directives in place of
// the user's directives, the user's other plan lines kept.
#pragma once

#include <string>
#include <string_view>

namespace zef {

// The seven default directives, each ended by a line break ('\n').
inline constexpr std::string_view DefaultDirectives =
    "@zl 120000\n@zld 1000\n@mnt 5000\n@mna 20100\n@dmg 0\n@maxmn 198021\n@facktor 1\n";

// The editor text after a reset. `text` uses CR LF or LF line breaks; a break at the
// very end closes the last line and starts no further one. Each line loses its
// leading spaces (never its last character); lines that then begin with "@"
// are dropped and the others follow DefaultDirectives, each ended by a break.
// With no line left, one empty line follows.
std::string ResetDirectives(std::string_view text);

}  // namespace zef
