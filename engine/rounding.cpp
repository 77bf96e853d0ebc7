#include "rounding.h"

#include <cmath>
#include <limits>

namespace zef {

// Exact whatever the rounding mode, and without roundevenl, which not every C
// library has: the part after the point is x - trunc(x) exactly, and decides
// alone.
std::int64_t RoundHalfEven(long double x)
{
    const long double whole = std::trunc(x);
    const long double fraction = x - whole;  // NaN for an infinity
    const long double half = whole / 2;
    const bool odd = std::trunc(half) != half;
    long double r = whole;
    if (fraction > 0.5L || (fraction == 0.5L && odd)) {
        r += 1;
    } else if (fraction < -0.5L || (fraction == -0.5L && odd)) {
        r -= 1;
    }
    if (!(r >= -kTwoTo63 && r < kTwoTo63)) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(r);
}

std::int32_t LowWord(std::int64_t x)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(x)));
}

}  // namespace zef
