#include "frame_rate.h"

#include "case_name.h"
#include "tick_counter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace zef {
namespace {

// A fake tick counter: returns now, then moves on by step at every read.
std::uint32_t fakeNow = 0;
std::uint32_t fakeStep = 0;

std::uint32_t FakeTickCount()
{
    const std::uint32_t t = fakeNow;
    fakeNow += fakeStep;
    return t;
}

class FrameRateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fakeNow = 0;
        fakeStep = 0;
        SetTickSource(FakeTickCount);
    }

    void TearDown() override { SetTickSource(nullptr); }

    void SetClock(std::uint32_t now, std::uint32_t step = 0)
    {
        fakeNow = now;
        fakeStep = step;
    }

    FrameRateMeter meter_;
};

TEST(NewMeter, HoldsFrameRate85) { EXPECT_EQ(FrameRateMeter{}.FrameRate, 85); }

TEST_F(FrameRateTest, NewRingIsEmpty)
{
    EXPECT_EQ(meter_.tickRing.head, 1);
    EXPECT_EQ(meter_.tickRing.tail, 0);
    EXPECT_EQ(meter_.tickRing.stamps, TickRing{}.stamps);
}

TEST_F(FrameRateTest, FillingKeepsHeadOnTheFirstSlot)
{
    for (std::uint32_t stamp = 1; stamp <= 500; ++stamp) {
        EXPECT_FALSE(TickRingFull(meter_.tickRing)) << "before push " << stamp;
        PushTick(meter_.tickRing, stamp);
        ASSERT_EQ(meter_.tickRing.head, 1);
        ASSERT_EQ(meter_.tickRing.tail, static_cast<std::int32_t>(stamp));
        ASSERT_EQ(meter_.tickRing.stamps[stamp - 1], stamp);
    }
    EXPECT_TRUE(TickRingFull(meter_.tickRing));
}

TEST_F(FrameRateTest, PushIntoAFullRingOverwritesTheOldestStamp)
{
    for (std::uint32_t stamp = 1; stamp <= 501; ++stamp) {
        PushTick(meter_.tickRing, stamp);
    }
    EXPECT_EQ(meter_.tickRing.head, 2);
    EXPECT_EQ(meter_.tickRing.tail, 1);
    EXPECT_EQ(meter_.tickRing.stamps[0], 501u);
    EXPECT_EQ(meter_.tickRing.stamps[1], 2u);

    PushTick(meter_.tickRing, 502);
    EXPECT_EQ(meter_.tickRing.head, 3);
    EXPECT_EQ(meter_.tickRing.tail, 2);
    EXPECT_EQ(meter_.tickRing.stamps[1], 502u);
}

TEST_F(FrameRateTest, HeadAndTailWrapTogether)
{
    for (std::uint32_t stamp = 1; stamp <= 1000; ++stamp) {
        PushTick(meter_.tickRing, stamp);
    }
    EXPECT_EQ(meter_.tickRing.head, 1);
    EXPECT_EQ(meter_.tickRing.tail, 500);
    EXPECT_EQ(meter_.tickRing.stamps[0], 501u);
    EXPECT_EQ(meter_.tickRing.stamps[499], 1000u);
    PushTick(meter_.tickRing, 1001);
    EXPECT_EQ(meter_.tickRing.head, 2);
    EXPECT_EQ(meter_.tickRing.tail, 1);
}

struct FullCase {
    const char* name;
    std::int32_t head;
    std::int32_t tail;
    bool full;
};

class TickRingFullTest : public ::testing::TestWithParam<FullCase> {};

TEST_P(TickRingFullTest, Decides)
{
    TickRing ring;
    ring.head = GetParam().head;
    ring.tail = GetParam().tail;
    EXPECT_EQ(TickRingFull(ring), GetParam().full);
}

INSTANTIATE_TEST_SUITE_P(
    Rings, TickRingFullTest,
    ::testing::Values(FullCase{"EmptyRing", 1, 0, false}, FullCase{"EmptyRingHeadElsewhere", 2, 0, false},
                      FullCase{"OneStamp", 1, 1, false}, FullCase{"HalfFilled", 1, 250, false},
                      FullCase{"TailOnLastSlotHeadOnFirst", 1, 500, true},
                      FullCase{"TailOnFirstSlotHeadOnSecond", 2, 1, true}, FullCase{"TailBeforeHead", 5, 4, true},
                      FullCase{"TailTwoBeforeHead", 5, 3, false}, FullCase{"TailOn499HeadOn500", 500, 499, true}),
    testing::CaseName<FullCase>);

TEST_F(FrameRateTest, OwnStampCountsOnAnEmptyRing)
{
    SetClock(10000);
    UpdateFrameRate(meter_);
    EXPECT_EQ(meter_.FrameRate, 1);
    EXPECT_EQ(meter_.tickRing.stamps[0], 10000u);
}

TEST_F(FrameRateTest, CapsAt500)
{
    SetClock(10000);
    for (int frame = 0; frame < 600; ++frame) {
        UpdateFrameRate(meter_);
    }
    EXPECT_EQ(meter_.FrameRate, 500);
}

TEST_F(FrameRateTest, EveryLaterFrameCountsAtLeastItsPredecessor)
{
    SetClock(5000);
    UpdateFrameRate(meter_);
    SetClock(5499);
    UpdateFrameRate(meter_);
    EXPECT_EQ(meter_.FrameRate, 2);
}

struct AgeCase {
    const char* name;
    std::uint32_t age;       // how long before the count the stamp was taken, in ms
    std::int32_t frameRate;  // the stamp and the frame's own stamp
};

class StampAgeTest : public FrameRateTest, public ::testing::WithParamInterface<AgeCase> {};

TEST_P(StampAgeTest, CountsOnlyStampsYoungerThanHalfASecond)
{
    const std::uint32_t now = 100000;
    PushTick(meter_.tickRing, now - GetParam().age);
    SetClock(now);
    UpdateFrameRate(meter_);
    EXPECT_EQ(meter_.FrameRate, GetParam().frameRate);
}

INSTANTIATE_TEST_SUITE_P(Ages, StampAgeTest,
                         ::testing::Values(AgeCase{"Now", 0, 2}, AgeCase{"Age499", 499, 2}, AgeCase{"Age500", 500, 1},
                                           AgeCase{"Age501", 501, 1}, AgeCase{"AgeOneMinute", 60000, 1}),
                         testing::CaseName<AgeCase>);

struct EarlyCase {
    const char* name;
    std::uint32_t now;
    std::int32_t frameRate;
};

class CounterNearZeroTest : public FrameRateTest, public ::testing::WithParamInterface<EarlyCase> {};

// In the first half second of the counter, t - 500 wraps to near 2^32 and no
// stamp can be greater. Each case pushes a stamp taken at half the count time.
TEST_P(CounterNearZeroTest, CountsNothingBefore500)
{
    PushTick(meter_.tickRing, GetParam().now / 2);
    SetClock(GetParam().now);
    UpdateFrameRate(meter_);
    EXPECT_EQ(meter_.FrameRate, GetParam().frameRate);
}

INSTANTIATE_TEST_SUITE_P(Counter, CounterNearZeroTest,
                         ::testing::Values(EarlyCase{"At0", 0, 0}, EarlyCase{"At100", 100, 0},
                                           EarlyCase{"At499", 499, 0}, EarlyCase{"At500", 500, 2},
                                           EarlyCase{"At998", 998, 2}, EarlyCase{"At999", 999, 1}),
                         testing::CaseName<EarlyCase>);

TEST_F(FrameRateTest, AfterTheWrapOnlyRecentStampsFromBeforeItCount)
{
    PushTick(meter_.tickRing, 0xFFFFFD00u);  // 784 ms before the count: too old
    PushTick(meter_.tickRing, 0xFFFFFF00u);  // 272 ms before the count, before the wrap: counts
    PushTick(meter_.tickRing, 0x00000005u);  // after the wrap: does not count
    SetClock(0x10);
    UpdateFrameRate(meter_);
    EXPECT_EQ(meter_.FrameRate, 1);

    // Once t - 500 is past the wrap, the stamps after it count again, and so
    // does every stamp from before it, however old, until it is overwritten.
    SetClock(0x1F4 + 0x06);
    UpdateFrameRate(meter_);
    EXPECT_EQ(meter_.FrameRate, 4);  // 0xFFFFFD00, 0xFFFFFF00, 0x10 and this frame's own; 0x05 is too old
}

TEST_F(FrameRateTest, ReadsTheCounterAnewForEverySlot)
{
    for (int i = 0; i < 499; ++i) {
        PushTick(meter_.tickRing, 1000);
    }
    // The push reads 1400; slot k is then judged at 1400 + k, so the stamps of
    // 1000 count only in slots 1 to 99, and the new stamp in slot 500 not at all.
    SetClock(1400, 1);
    UpdateFrameRate(meter_);
    EXPECT_EQ(meter_.tickRing.stamps[499], 1400u);
    EXPECT_EQ(meter_.FrameRate, 99);
}

}  // namespace
}  // namespace zef
