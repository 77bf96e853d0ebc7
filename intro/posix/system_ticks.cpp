#include "system_ticks.h"

#include <chrono>

namespace zef {

std::uint32_t SystemTickCount()
{
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    // Keeping the low 32 bits is the wrap of the counter.
    return static_cast<std::uint32_t>(ms);
}

}  // namespace zef
