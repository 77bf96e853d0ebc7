#include "tick_counter.h"

#include <chrono>

namespace zef {

namespace {

std::uint32_t SystemTickCount()
{
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    // Keeping the low 32 bits is the wrap of the counter.
    return static_cast<std::uint32_t>(ms);
}

TickSource tickSource = SystemTickCount;

}  // namespace

std::uint32_t TickCount() { return tickSource(); }

void SetTickSource(TickSource source) { tickSource = source != nullptr ? source : SystemTickCount; }

}  // namespace zef
