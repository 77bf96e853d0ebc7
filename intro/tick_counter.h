// The millisecond tick counter the frame-rate meter stamps frames with: a
// monotonic clock in milliseconds (GetTickCount on Windows), as an unsigned
// 32-bit number that wraps to 0 every 2^32 ms (about 49.7 days).
#pragma once

#include <cstdint>

namespace zef {

using TickSource = std::uint32_t (*)();

std::uint32_t TickCount();

// Replaces the clock that TickCount reads; nullptr restores the system clock.
// Tests use it to put the counter near 0 or across the wrap.
void SetTickSource(TickSource source);

}  // namespace zef
