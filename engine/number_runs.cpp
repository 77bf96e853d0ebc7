#include "number_runs.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace zef {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t CountDigits(std::string_view line)
{
    return static_cast<std::size_t>(std::count_if(line.begin(), line.end(), IsDigit));
}

double ParseDecimal(std::string_view run)
{
    double value = 0;
    const auto [end, error] = std::from_chars(run.data(), run.data() + run.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Out of range either way: a whole part other than zero overflowed,
        // anything else was too small to be told from zero.
        const bool negative = !run.empty() && run.front() == '-';
        const std::string_view whole = run.substr(negative ? 1 : 0, run.find('.'));
        const bool overflow = whole.find_first_not_of('0') != std::string_view::npos;
        const double magnitude = overflow ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -magnitude : magnitude;
    }
    return error == std::errc{} ? value : 0.0;
}

double ParseNumberRun(std::string_view run)
{
    const std::size_t firstPoint = run.find('.');
    if (firstPoint != std::string_view::npos) {
        run = run.substr(0, run.find('.', firstPoint + 1));
    }
    return ParseDecimal(run);
}

std::string_view NextNumberRun(std::string_view line, std::size_t& pos)
{
    while (pos < line.size() && !IsDigit(line[pos])) {
        ++pos;
    }
    const std::size_t start = pos;
    while (pos < line.size() && (IsDigit(line[pos]) || line[pos] == '.')) {
        ++pos;
    }
    return line.substr(start, pos - start);
}

std::vector<double> ScanNumbers(std::string_view line, std::size_t limit)
{
    std::vector<double> values;
    std::size_t pos = 0;
    while (values.size() < limit) {
        const std::string_view run = NextNumberRun(line, pos);
        if (run.empty()) {
            break;
        }
        values.push_back(ParseNumberRun(run));
    }
    return values;
}

}  // namespace zef
