// The reset command's text work: the default treasury directives in place of
// the user's directives, the user's other plan lines kept.
#pragma once

#include <QString>

namespace zef {

// The seven default directives, each ended by a line break.
extern const QString DefaultDirectives;

// The editor text after a reset. `text` uses '\n' line breaks; a break at the
// very end closes the last line and starts no further one. Each line loses its
// leading spaces (never its last character); lines that then begin with "@"
// are dropped and the others follow DefaultDirectives, each ended by a break.
// With no line left, one empty line follows.
QString ResetDirectives(const QString& text);

}  // namespace zef
