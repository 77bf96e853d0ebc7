// The frame-rate meter: every frame pushes its tick stamp into a ring of the
// latest 500 stamps, then FrameRate becomes the number of stamps younger than
// 500 ms, that is the frames drawn in the last half second. The scene divides
// its per-frame motion by FrameRate. The intro player owns the one meter.
#pragma once

#include <array>
#include <cstdint>

namespace zef {

inline constexpr std::int32_t kTickSlots = 500;
inline constexpr std::uint32_t kFrameRateWindowMs = 500;

struct TickRing {
    std::int32_t head = 1;  // 1-based slot of the oldest stamp
    std::int32_t tail = 0;  // 1-based slot of the newest stamp; 0 while the ring is empty
    // Slot n (1..500) is stored at index n - 1. Not named slots, which Qt
    // defines as a keyword.
    std::array<std::uint32_t, kTickSlots> stamps{};
};

struct FrameRateMeter {
    TickRing tickRing;
    // Frames counted at the end of the previous frame, 85 until the first
    // count. The one field whose name the window's design fixes.
    std::int32_t FrameRate = 85;
};

bool TickRingFull(const TickRing& ring);

// Appends a stamp, giving up the oldest one when the ring is full.
void PushTick(TickRing& ring, std::uint32_t stamp);

// Stamps the current frame into the meter's ring and recounts its FrameRate.
void UpdateFrameRate(FrameRateMeter& meter);

}  // namespace zef
