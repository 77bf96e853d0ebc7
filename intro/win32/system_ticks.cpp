#include "system_ticks.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace zef {

// The counter the design names: milliseconds since the system started,
// wrapping after about 49.7 days exactly as the meter expects.
std::uint32_t SystemTickCount() { return GetTickCount(); }

}  // namespace zef
