#pragma once

#include <cstdint>

namespace zef {

// 2^63: the first value past the 64-bit integers.
inline constexpr long double kTwoTo63 = 9223372036854775808.0L;

// The engine's only conversion to an integer: to the nearest, ties to the even
// neighbour. A NaN, an infinity or a value outside the 64-bit range gives the
// most negative 64-bit integer, as the x87 store of the original did.
std::int64_t RoundHalfEven(long double x);

// The low 32 bits of a 64-bit count, read as a signed number.
std::int32_t LowWord(std::int64_t x);

}  // namespace zef
