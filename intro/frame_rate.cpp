#include "frame_rate.h"

#include "tick_counter.h"

namespace zef {

namespace {

std::int32_t NextSlot(std::int32_t slot) { return slot >= kTickSlots ? 1 : slot + 1; }

}  // namespace

bool TickRingFull(const TickRing& ring)
{
    // An empty ring is never full, since head is never 0.
    const std::int32_t afterTail = ring.tail == 0 ? 0 : NextSlot(ring.tail);
    return ring.head == afterTail;
}

void PushTick(TickRing& ring, std::uint32_t stamp)
{
    if (TickRingFull(ring)) {
        ring.head = NextSlot(ring.head);
    }
    ring.tail = ring.tail == 0 ? ring.head : NextSlot(ring.tail);
    ring.stamps[static_cast<std::size_t>(ring.tail - 1)] = stamp;
}

void UpdateFrameRate(FrameRateMeter& meter)
{
    PushTick(meter.tickRing, TickCount());
    meter.FrameRate = 0;
    for (const std::uint32_t stamp : meter.tickRing.stamps) {
        // Unsigned arithmetic wraps modulo 2^32 like the counter itself. While
        // the counter is below 500, t - 500 lies near 2^32 and nothing counts;
        // slots never written hold 0 and never count.
        const std::uint32_t t = TickCount();
        if (t - kFrameRateWindowMs < stamp) {
            ++meter.FrameRate;
        }
    }
}

}  // namespace zef
