// The frame-rate meter: every frame pushes its tick stamp into a ring of the
// latest 500 stamps, then FrameRate becomes the number of stamps younger than
// 500 ms, that is the frames drawn in the last half second. The scene divides
// its per-frame motion by FrameRate.
#pragma once

#include <array>
#include <cstdint>

namespace zef {

inline constexpr std::int32_t kTickSlots = 500;
inline constexpr std::uint32_t kFrameRateWindowMs = 500;

struct TickRing {
    std::int32_t head = 1;                          // 1-based slot of the oldest stamp
    std::int32_t tail = 0;                          // 1-based slot of the newest stamp; 0 while the ring is empty
    std::array<std::uint32_t, kTickSlots> slots{};  // slot n (1..500) is stored at index n - 1
};

extern TickRing tickRing;

// Frames counted at the end of the previous frame; 85 until the first count.
extern std::int32_t FrameRate;

void InitTickRing(TickRing& ring);
bool TickRingFull(const TickRing& ring);

// Appends a stamp, giving up the oldest one when the ring is full.
void PushTick(TickRing& ring, std::uint32_t stamp);

// Stamps the current frame into tickRing and recounts FrameRate.
void UpdateFrameRate();

}  // namespace zef
