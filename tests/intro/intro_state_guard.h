// The intro keeps its state in process-wide variables. A test that changes
// them holds an IntroStateGuard, which puts everything back afterwards, so
// tests stay independent in whatever order they run.
#pragma once

#include "frame_rate.h"
#include "intro_scene.h"
#include "intro_texture.h"
#include "tick_counter.h"

#include <cstdint>

namespace zef::test {

class IntroStateGuard {
public:
    IntroStateGuard() = default;
    ~IntroStateGuard()
    {
        tickRing = ring_;
        FrameRate = frameRate_;
        SpinAngle = spinAngle_;
        PulseScale = pulseScale_;
        IntroTexture = introTexture_;
        SetTickSource(nullptr);
    }
    IntroStateGuard(const IntroStateGuard&) = delete;
    IntroStateGuard& operator=(const IntroStateGuard&) = delete;

private:
    TickRing ring_ = tickRing;
    std::int32_t frameRate_ = FrameRate;
    long double spinAngle_ = SpinAngle;
    long double pulseScale_ = PulseScale;
    GLuint introTexture_ = IntroTexture;
};

}  // namespace zef::test
