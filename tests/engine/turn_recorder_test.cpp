// The recorder's bounded picture of a run: extremes and plan-line boundaries
// survive however many turns it sees, and its size does not grow with them.
#include "turn_recorder.h"

#include "case_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace zef {
namespace {

// A gently waving treasury, so that no turn stands out unless a test makes it.
TurnRecord Wave(std::int32_t turn, std::int32_t fileLine)
{
    const double x = turn / 1000.0;
    return {turn, fileLine, "Unit", 1000 + std::sin(x), 2000 + std::cos(x), 1, 2, 3, 4, turn * 1.0};
}

const TurnSample* Find(const TurnRecording& recording, std::int32_t turn)
{
    const auto it = std::find_if(recording.samples.begin(), recording.samples.end(),
                                 [turn](const TurnSample& s) { return s.turn == turn; });
    return it == recording.samples.end() ? nullptr : &*it;
}

constexpr std::size_t kBuckets = 16;
// Up to four samples a bucket, and each line's first and last turn.
std::size_t SampleBound(std::size_t lines) { return 4 * kBuckets + 2 * lines; }

TEST(TurnRecorderTest, KeepsEveryTurnOfAShortRun)
{
    TurnRecorder recorder(kBuckets);
    for (std::int32_t turn = 1; turn <= 10; ++turn) {
        recorder.observe(Wave(turn, 5));
    }
    const TurnRecording recording = recorder.recording();
    ASSERT_EQ(recording.samples.size(), 10u);
    for (std::int32_t turn = 1; turn <= 10; ++turn) {
        EXPECT_EQ(recording.samples[turn - 1].turn, turn);
    }
}

struct DipCase {
    const char* name;
    std::int32_t turn;
    double goldChange;
    double manaChange;
};

class TurnRecorderDipTest : public ::testing::TestWithParam<DipCase> {};

// A single turn's spike or dip in a long run is never averaged away.
TEST_P(TurnRecorderDipTest, KeepsASingleTurnExtreme)
{
    const DipCase& dip = GetParam();
    TurnRecorder recorder(kBuckets);
    constexpr std::int32_t kTurns = 1'000'000;
    for (std::int32_t turn = 1; turn <= kTurns; ++turn) {
        TurnRecord record = Wave(turn, 3);
        if (turn == dip.turn) {
            record.gold += dip.goldChange;
            record.mana += dip.manaChange;
        }
        recorder.observe(record);
    }
    const TurnRecording recording = recorder.recording();
    EXPECT_LE(recording.samples.size(), SampleBound(1));
    const TurnSample* kept = Find(recording, dip.turn);
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->gold, Wave(dip.turn, 3).gold + dip.goldChange);
    EXPECT_EQ(kept->mana, Wave(dip.turn, 3).mana + dip.manaChange);
}

INSTANTIATE_TEST_SUITE_P(Extremes, TurnRecorderDipTest,
                         ::testing::Values(DipCase{"GoldDip", 777'777, -5000, 0}, DipCase{"GoldPeak", 123'457, 5000, 0},
                                           DipCase{"ManaDip", 999'999, 0, -5000},
                                           DipCase{"ManaPeak", 500'001, 0, 5000}),
                         testing::CaseName<DipCase>);

TEST(TurnRecorderTest, KeepsEveryPlanLinesFirstAndLastTurn)
{
    TurnRecorder recorder(kBuckets);
    // 20 lines of uneven length, 1 to 20 turns a hundred thousand times over.
    std::int32_t turn = 0;
    std::vector<std::pair<std::int32_t, std::int32_t>> bounds;
    for (std::int32_t line = 1; line <= 20; ++line) {
        const std::int32_t first = turn + 1;
        for (std::int32_t i = 0; i < line * 100'003; ++i) {
            recorder.observe(Wave(++turn, line + 7));
        }
        bounds.emplace_back(first, turn);
    }
    const TurnRecording recording = recorder.recording();
    ASSERT_EQ(recording.lines.size(), 20u);
    EXPECT_LE(recording.samples.size(), SampleBound(20));
    for (std::size_t i = 0; i < bounds.size(); ++i) {
        EXPECT_EQ(recording.lines[i].fileLine, static_cast<std::int32_t>(i) + 8);
        EXPECT_EQ(recording.lines[i].unit, "Unit");
        EXPECT_EQ(recording.lines[i].first.turn, bounds[i].first);
        EXPECT_EQ(recording.lines[i].last.turn, bounds[i].second);
        EXPECT_NE(Find(recording, bounds[i].first), nullptr);
        EXPECT_NE(Find(recording, bounds[i].second), nullptr);
    }
    ASSERT_TRUE(recording.lastTurn());
    EXPECT_EQ(recording.lastTurn()->turn, turn);
    EXPECT_EQ(recording.lastTurn()->damage, turn * 1.0);
}

TEST(TurnRecorderTest, SamplesAreInTurnOrderWithoutRepeats)
{
    TurnRecorder recorder(kBuckets);
    for (std::int32_t turn = 1; turn <= 100'000; ++turn) {
        recorder.observe(Wave(turn, turn <= 50'000 ? 1 : 2));
    }
    const TurnRecording recording = recorder.recording();
    EXPECT_TRUE(std::is_sorted(recording.samples.begin(), recording.samples.end(),
                               [](const TurnSample& a, const TurnSample& b) { return a.turn <= b.turn; }));
}

TEST(TurnRecorderTest, SizeDoesNotGrowWithTheTurns)
{
    TurnRecorder recorder(kBuckets);
    std::int32_t turn = 0;
    for (; turn < 10'000; ++turn) {
        recorder.observe(Wave(turn + 1, 1));
    }
    const std::size_t after10k = recorder.memoryBytes();
    for (; turn < 2'000'000; ++turn) {
        recorder.observe(Wave(turn + 1, 1));
    }
    EXPECT_EQ(recorder.memoryBytes(), after10k);
}

// A recorder and a recording kept for the next run hold nothing of the last:
// not its coarser buckets, its lines or its samples.
TEST(TurnRecorderTest, AReusedRecorderRecordsTheNextRunAsAFreshOne)
{
    TurnRecorder reused(kBuckets);
    TurnRecording kept;
    for (std::int32_t turn = 1; turn <= 100'000; ++turn) {
        reused.observe(Wave(turn, turn <= 60'000 ? 4 : 9));
    }
    reused.recording(kept);
    const TurnSample* const storage = kept.samples.data();
    reused.reset();
    TurnRecorder fresh(kBuckets);
    for (std::int32_t turn = 1; turn <= 12; ++turn) {
        reused.observe(Wave(turn, 2));
        fresh.observe(Wave(turn, 2));
    }
    reused.recording(kept);
    EXPECT_EQ(kept, fresh.recording());
    // Refilled where it was, not made again.
    EXPECT_EQ(kept.samples.data(), storage);
}

TEST(TurnRecorderTest, NothingRecordedHasNoLastTurn)
{
    const TurnRecording recording = TurnRecorder().recording();
    EXPECT_TRUE(recording.empty());
    EXPECT_FALSE(recording.lastTurn());
}

}  // namespace
}  // namespace zef
