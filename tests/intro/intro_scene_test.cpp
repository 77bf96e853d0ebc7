#include "intro_scene.h"

#include "fake_gl.h"
#include "frame_rate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace zef {
namespace {

using test::CallText;
using test::FakeGL;
using Calls = std::vector<std::string>;

class IntroSceneTest : public ::testing::Test {
protected:
    // One frame as the player draws it, with the meter's count.
    void Draw() { DrawIntroScene(scene_, meter_.FrameRate); }

    IntroScene scene_;
    FrameRateMeter meter_;
};

void Append(Calls& calls, const Calls& more) { calls.insert(calls.end(), more.begin(), more.end()); }

Calls Wall(float h)
{
    return {CallText("glBegin", 0x0007u),      CallText("glTexCoord2f", 0.0f, 0.0f),
            CallText("glVertex3f", -h, -h, h), CallText("glTexCoord2f", 1.0f, 0.0f),
            CallText("glVertex3f", h, -h, h),  CallText("glTexCoord2f", 1.0f, 1.0f),
            CallText("glVertex3f", h, h, h),   CallText("glTexCoord2f", 0.0f, 1.0f),
            CallText("glVertex3f", -h, h, h),  CallText("glEnd")};
}

Calls ExpectedFrame(float spinAngle, float pulseScale, float outerAlpha)
{
    Calls calls = {
        CallText("glLoadIdentity"),
        CallText("glBlendFunc", 0x0302u, 0x0303u),
        CallText("glEnable", 0x0BE2u),
        CallText("glRotatef", 15.0f, 0.0f, 0.0f, 1.0f),
        CallText("glRotatef", 17.0f, 1.0f, 0.0f, 0.0f),
        CallText("glTranslatef", 0.0f, -1.2f, -4.0f),
        CallText("glRotatef", spinAngle, 0.0f, 1.0f, 0.0f),
        CallText("glColor4f", 1.0f, 1.0f, 1.0f, 1.0f),
    };
    for (int wall = 0; wall < 4; ++wall) {
        calls.push_back(CallText("glRotatef", 90.0f, 0.0f, 1.0f, 0.0f));
        Append(calls, Wall(1.0f));
    }
    for (int wall = 0; wall < 4; ++wall) {
        calls.push_back(CallText("glRotatef", 90.0f, 0.0f, 1.0f, 0.0f));
        calls.push_back(CallText("glColor4f", 0.9f, 0.9f, 0.9f, outerAlpha));
        Append(calls, Wall(pulseScale));
    }
    return calls;
}

TEST_F(IntroSceneTest, NewSceneAndMeterStartFromTheBeginning)
{
    EXPECT_EQ(scene_.spinAngle, 0.0L);
    EXPECT_EQ(scene_.pulseScale, 1.0L);
    EXPECT_EQ(meter_.tickRing.head, 1);
    EXPECT_EQ(meter_.tickRing.tail, 0);
    EXPECT_EQ(meter_.tickRing.stamps[0], 0u);
}

TEST_F(IntroSceneTest, FrameCallsInOrder)
{
    scene_.spinAngle = 400.0L;  // past a full turn: passed on unreduced
    scene_.pulseScale = 1.5L;
    FakeGL fake;
    Draw();
    EXPECT_EQ(FakeGL::Calls(), ExpectedFrame(400.0f, 1.5f, 0.25f));
}

TEST_F(IntroSceneTest, FirstFrameAfterAResetStartsOnTheInnerWalls)
{
    FakeGL fake;
    Draw();
    EXPECT_EQ(FakeGL::Calls(), ExpectedFrame(0.0f, 1.0f, 0.5f));
}

TEST_F(IntroSceneTest, ArgumentsAreRoundedToSinglePrecision)
{
    scene_.spinAngle = 10.0L / 3.0L;
    scene_.pulseScale = 1.0L + 0.1L / 3.0L;
    FakeGL fake;
    Draw();
    const Calls& calls = FakeGL::Calls();
    ASSERT_EQ(calls.size(), 100u);
    EXPECT_EQ(calls[6], CallText("glRotatef", static_cast<float>(10.0L / 3.0L), 0.0f, 1.0f, 0.0f));
    const long double pulse = 1.0L + 0.1L / 3.0L;
    EXPECT_EQ(calls[53], CallText("glColor4f", 0.9f, 0.9f, 0.9f, static_cast<float>((2.0L - pulse) / 2.0L)));
    EXPECT_EQ(calls[56], CallText("glVertex3f", -static_cast<float>(pulse), -static_cast<float>(pulse),
                                  static_cast<float>(pulse)));
}

TEST_F(IntroSceneTest, FirstFrameUsesTheLoadFrameRateOf85)
{
    ASSERT_EQ(meter_.FrameRate, 85) << "a new meter counts from 85";
    FakeGL fake;
    Draw();
    EXPECT_EQ(scene_.spinAngle, 10.0L / 85.0L);
    EXPECT_EQ(scene_.pulseScale, 1.0L + 0.1L / 85.0L);
}

TEST_F(IntroSceneTest, StepIsDividedByTheFrameRate)
{
    meter_.FrameRate = 250;
    scene_.spinAngle = 719.5L;
    scene_.pulseScale = 1.25L;
    FakeGL fake;
    Draw();
    EXPECT_EQ(scene_.spinAngle, 719.5L + 10.0L / 250.0L);  // keeps growing past 720
    EXPECT_EQ(scene_.pulseScale, 1.25L + 0.1L / 250.0L);
}

// The start value whose step lands exactly on 2.0 at 85 frames.
long double StartReachingTwoExactly()
{
    const long double step = 0.1L / 85.0L;
    long double start = 2.0L - step;
    while (start + step < 2.0L) {
        start = std::nextafter(start, 3.0L);
    }
    while (start + step > 2.0L) {
        start = std::nextafter(start, 0.0L);
    }
    return start;
}

TEST_F(IntroSceneTest, PulseRestartsAtExactlyTwo)
{
    const long double start = StartReachingTwoExactly();
    ASSERT_EQ(start + 0.1L / 85.0L, 2.0L);
    scene_.pulseScale = start;
    FakeGL fake;
    Draw();
    EXPECT_EQ(scene_.pulseScale, 1.0L);
}

TEST_F(IntroSceneTest, PulseRestartsAtOneWhateverTheOvershoot)
{
    meter_.FrameRate = 1;
    scene_.pulseScale = 1.95L;
    FakeGL fake;
    Draw();
    EXPECT_EQ(scene_.pulseScale, 1.0L);
}

TEST_F(IntroSceneTest, PulseJustBelowTwoGoesOn)
{
    const long double start = std::nextafter(StartReachingTwoExactly(), 0.0L);
    scene_.pulseScale = start;
    FakeGL fake;
    Draw();
    EXPECT_LT(scene_.pulseScale, 2.0L);
    EXPECT_EQ(scene_.pulseScale, start + 0.1L / 85.0L);
}

TEST_F(IntroSceneTest, FrameAfterARestartCoincidesWithTheInnerWalls)
{
    meter_.FrameRate = 1;
    scene_.pulseScale = 1.95L;
    FakeGL fake;
    Draw();
    FakeGL::Calls().clear();
    Draw();
    const Calls& calls = FakeGL::Calls();
    ASSERT_EQ(calls.size(), 100u);
    EXPECT_EQ(calls[53], CallText("glColor4f", 0.9f, 0.9f, 0.9f, 0.5f));
    EXPECT_EQ(calls[56], CallText("glVertex3f", -1.0f, -1.0f, 1.0f));
}

TEST_F(IntroSceneTest, ZeroFrameRateDrawsButHoldsTheAnimation)
{
    meter_.FrameRate = 0;
    scene_.spinAngle = 30.0L;
    scene_.pulseScale = 1.5L;
    FakeGL fake;
    Draw();
    EXPECT_EQ(FakeGL::Calls().size(), 100u);
    EXPECT_EQ(scene_.spinAngle, 30.0L);
    EXPECT_EQ(scene_.pulseScale, 1.5L);
}

TEST_F(IntroSceneTest, MissingEntryPointsAreSkipped)
{
    GLEntryPoints onlyBeginEnd{};
    onlyBeginEnd.glBegin = FakeGL::RecordingTable().glBegin;
    onlyBeginEnd.glEnd = FakeGL::RecordingTable().glEnd;
    FakeGL fake(onlyBeginEnd);
    Draw();
    Calls expected;
    for (int wall = 0; wall < 8; ++wall) {
        Append(expected, {CallText("glBegin", 0x0007u), CallText("glEnd")});
    }
    EXPECT_EQ(FakeGL::Calls(), expected);
    EXPECT_EQ(scene_.spinAngle, 10.0L / 85.0L);
}

TEST_F(IntroSceneTest, EmptyTableDrawsNothingAndStillAnimates)
{
    FakeGL fake(GLEntryPoints{});
    Draw();
    EXPECT_TRUE(FakeGL::Calls().empty());
    EXPECT_EQ(scene_.pulseScale, 1.0L + 0.1L / 85.0L);
}

}  // namespace
}  // namespace zef
