#include "tick_counter.h"

#include "system_ticks.h"

namespace zef {

namespace {

TickSource tickSource = SystemTickCount;

}  // namespace

std::uint32_t TickCount() { return tickSource(); }

void SetTickSource(TickSource source) { tickSource = source != nullptr ? source : SystemTickCount; }

}  // namespace zef
