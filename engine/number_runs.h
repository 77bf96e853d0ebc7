// The number syntax shared by the catalogue and the plan: a number is a run
// that begins with a digit and continues over digits and points. There is no
// sign, no exponent and no thousands separator.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace zef {

bool IsDigit(char c);
std::size_t CountDigits(std::string_view line);

// Decimal text ("-"? digits, at most one point) to the correctly rounded
// double, whatever the locale. A run too large for a double gives infinity.
double ParseDecimal(std::string_view run);

// A run of digits and points converts up to its second point: "1.2.3" is
// 1.2. An empty run is 0.
double ParseNumberRun(std::string_view run);

// The next number run at or after `pos`, which moves past it; empty when the
// line holds no further run.
std::string_view NextNumberRun(std::string_view line, std::size_t& pos);

// The values of the first `limit` number runs of the line, in order.
std::vector<double> ScanNumbers(std::string_view line, std::size_t limit);

}  // namespace zef
