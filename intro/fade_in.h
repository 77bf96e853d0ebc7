// The fade-in of the intro window: each frame raises the window's opacity by
// 55 until it would pass 255; then the window becomes opaque and whole-window
// blending is switched off. From 0 the opacities are 55, 110, 165, 220, then
// 255 with blending off in the fifth frame.
#pragma once

#include <cstdint>
#include <optional>

namespace zef {

inline constexpr std::int32_t kFadeStep = 55;
inline constexpr std::int32_t kOpaque = 255;

// What one fade step asks of the window.
struct FadeStep {
    std::int32_t alpha;  // the new fade value and window opacity
    bool blending;       // false: switch whole-window blending off
    bool operator==(const FadeStep&) const = default;
};

// The step that follows fadeAlpha, the current opacity of the fade from 0
// (transparent) to 255 (opaque); nothing once the window is opaque.
std::optional<FadeStep> NextFadeStep(std::int32_t fadeAlpha);

}  // namespace zef
