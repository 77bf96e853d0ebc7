#include "rounding.h"

#include <cmath>
#include <limits>

namespace zef {

std::int64_t RoundHalfEven(long double x)
{
    const long double r = roundevenl(x);
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
