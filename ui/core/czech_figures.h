// Amounts as the player reads them in the window's Czech texts.
#pragma once

#include <string>

namespace zef {

// Whole amounts in Czech digit groups ("-1 500", with no-break spaces); a
// value that is not finite in words; amounts too large for whole digits keep
// their exponent.
std::string CzechAmount(double value);

}  // namespace zef
