#include "czech_figures.h"

#include "report_format.h"
#include "rounding.h"

#include <cmath>

namespace zef {

namespace {

// Beyond this a whole number has more digits than it has meaning.
constexpr double kLargestWholeAmount = 1e15;

}  // namespace

std::string CzechAmount(double value)
{
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "není číslo" : value > 0 ? "nekonečno" : "minus nekonečno";
    }
    if (std::fabs(value) >= kLargestWholeAmount) {
        return GeneralFigure(value);
    }
    const std::int64_t whole = RoundHalfEven(value);
    const std::string digits = FormatCount(whole < 0 ? -whole : whole);
    std::string grouped = whole < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += "\u00a0";
        }
        grouped += digits[i];
    }
    return grouped;
}

}  // namespace zef
