#include "fade_in.h"

namespace zef {

std::optional<FadeStep> NextFadeStep(std::int32_t fadeAlpha)
{
    if (fadeAlpha >= kOpaque) {
        return std::nullopt;
    }
    const std::int32_t raised = fadeAlpha + kFadeStep;
    if (raised > kOpaque) {
        return FadeStep{kOpaque, false};
    }
    return FadeStep{raised, true};
}

}  // namespace zef
