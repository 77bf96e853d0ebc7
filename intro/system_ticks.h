// The operating system's millisecond tick counter, which TickCount reads
// unless a test has put another clock in its place. One file per platform:
// posix/ (a monotonic clock) and win32/ (GetTickCount).
#pragma once

#include <cstdint>

namespace zef {

// Milliseconds as an unsigned 32-bit number that wraps to 0 every 2^32 ms.
std::uint32_t SystemTickCount();

}  // namespace zef
