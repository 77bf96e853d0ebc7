// The preview's line and details for each kind of outcome, and its worker: a
// second request cancels the first, whose preview never comes.
#include "plan_preview.h"

#include "case_name.h"
#include "plan_folder.h"
#include "preview_worker.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>

namespace zef {
namespace {

// Mag costs mana; each unit type recruits one unit of 10 damage a turn.
constexpr const char* kCatalogue = "Pesi 100 0 0 0 0 0 25 1\r\nMag 10 50 0 0 2 0 25 1\r\n";
constexpr const char* kHeading = "Náhled plánu z editoru: neuložený, F5 ho uloží a spočítá.\n";

struct SummaryCase {
    const char* name;
    const char* editor;
    const char* line;
    const char* details;  // after kHeading
};

class PreviewTextTest : public ::testing::TestWithParam<SummaryCase> {};

TEST_P(PreviewTextTest, SaysWhatTheRefreshWouldCompute)
{
    const std::optional<PlanPreview> preview = PreviewPlan(GetParam().editor, kCatalogue);
    ASSERT_TRUE(preview);
    EXPECT_EQ(PreviewLine(preview->summary), GetParam().line);
    EXPECT_EQ(PreviewDetails(preview->summary), kHeading + std::string(GetParam().details));
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, PreviewTextTest,
    ::testing::Values(
        SummaryCase{"Figures", "@zl 5000\n1 100\n", "Náhled: 10 TU, DMG 100, zl 40k, mn 450k",
                    "tahů: 10\nDMG: 100\nzbývá zl: 40\u00a0000, mn: 450\u00a0000"},
        SummaryCase{"BothBelowZero", "@zl 1\n@mna 1\n@zld 0\n@mnt 0\n2 100\n",
                    "Náhled: 10 TU, DMG 100, zl pod nulou od tahu 1",
                    "tahů: 10\nDMG: 100\nzbývá zl: -99, mn: -589\nzlato pod nulou od tahu 1 (-9), řádek 5\n"
                    "mana pod nulou od tahu 1 (-49), řádek 5"},
        SummaryCase{
            "ManaBelowZero", "@mna 0\n@mnt 0\n2 100\n", "Náhled: 10 TU, DMG 100, mn pod nulou od tahu 1",
            "tahů: 10\nDMG: 100\nzbývá zl: 1\u00a0535\u00a0900, mn: -590\nmana pod nulou od tahu 1 (-50), řádek 3"},
        SummaryCase{"TooLong", "1 99999999999999\n", "Náhled: řádek 1 chce příliš mnoho tahů",
                    "Řádek 1 souboru „rekrut.txt“ („1 99999999999999“) potřebuje 10000000000000 tahů; jeden výpočet "
                    "jich zvládne nejvýše 2147483647."},
        SummaryCase{"Unencodable", "1 100 😀\n", "Náhled: znak „😀“ na řádku 1 nejde uložit",
                    "Znak „😀“ (U+1f600) na řádku 1 nejde uložit do rekrut.txt v kódování Windows-1250."}),
    testing::CaseName<SummaryCase>);

TEST(PreviewTextTest, ARunTheMemoryCannotHoldSaysSo)
{
    // Asked every 65,536 turns whether it is still wanted: the memory runs out there.
    const std::optional<PlanPreview> preview =
        PreviewPlan("1 40000\n", "Pesi 100 0 0 0 0 0 1 1\r\n", []() -> bool { throw std::bad_alloc(); });
    ASSERT_TRUE(preview);
    EXPECT_FALSE(preview->summary.hasFigures());
    EXPECT_EQ(PreviewLine(preview->summary), "Náhled: na výpočet nestačí paměť");
}

struct ChartCase {
    const char* name;
    const char* editor;
};

class PreviewWithoutChartTest : public ::testing::TestWithParam<ChartCase> {};

// The chart's recording is all that a preview made while the chart is closed lacks.
TEST_P(PreviewWithoutChartTest, SaysWhatTheRecordedPreviewSays)
{
    const std::optional<PlanPreview> recorded = PreviewPlan(GetParam().editor, kCatalogue, {}, ChartRecording::Wanted);
    const std::optional<PlanPreview> bare = PreviewPlan(GetParam().editor, kCatalogue, {}, ChartRecording::NotWanted);
    ASSERT_FALSE(recorded->recording.empty());
    EXPECT_EQ(bare->recording, TurnRecording{});
    EXPECT_EQ(bare->summary.turns, recorded->summary.turns);
    EXPECT_EQ(bare->summary.damage, recorded->summary.damage);
    EXPECT_EQ(bare->summary.gold, recorded->summary.gold);
    EXPECT_EQ(bare->summary.mana, recorded->summary.mana);
    ASSERT_EQ(bare->readings.size(), recorded->readings.size());
    // Line 0 shows the summary alone; the details name every shortfall.
    for (std::int32_t line = 0; line <= std::int32_t(bare->readings.size()); ++line) {
        const PreviewLabel shown = PreviewLabelFor(*bare, line);
        const PreviewLabel expected = PreviewLabelFor(*recorded, line);
        EXPECT_EQ(shown.text, expected.text) << line;
        EXPECT_EQ(shown.tip, expected.tip) << line;
        EXPECT_EQ(shown.warning, expected.warning) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(Outcomes, PreviewWithoutChartTest,
                         ::testing::Values(ChartCase{"Figures", "@zl 5000\n1 100\n2 300\n"},
                                           ChartCase{"BothBelowZero", "@zl 1\n@mna 1\n@zld 0\n@mnt 0\n2 100\n"},
                                           ChartCase{"WarningLine", "@zl 5000\n1 2 000\n"}),
                         testing::CaseName<ChartCase>);

// Previews one after another keep their storage: a second, shorter one
// records its own run alone, in the vectors the first one handed back.
TEST(PreviewStorageTest, ASecondPreviewRecordsOnlyItsOwnRun)
{
    PreviewStorage storage;
    std::optional<PlanPreview> first =
        PreviewPlan("1 20000\n2 5000\n", kCatalogue, {}, ChartRecording::Wanted, &storage);
    storage.reusable = std::move(first->recording);
    const TurnSample* const handedBack = storage.reusable.samples.data();
    const std::optional<PlanPreview> second =
        PreviewPlan("2 300\n1 200\n", kCatalogue, {}, ChartRecording::Wanted, &storage);
    EXPECT_EQ(second->recording, PreviewPlan("2 300\n1 200\n", kCatalogue)->recording);
    EXPECT_EQ(second->recording.samples.data(), handedBack);
}

TEST(PreviewLabelTest, ShowsTheWarningOfTheCursorsLineAndItsReadingInTheTip)
{
    const std::optional<PlanPreview> preview = PreviewPlan("@zl 5000\n1 2 000\n", kCatalogue);
    const PreviewLabel onWarning = PreviewLabelFor(*preview, 2);
    EXPECT_TRUE(onWarning.warning);
    EXPECT_EQ(onWarning.text, "řádek 2: „2 000“ se čte jako 2 (oddělovač tisíců); pište 2000");
    EXPECT_TRUE(onWarning.tip.ends_with("\n\nřádek 2: plán č. 1: jednotka 1 (Pesi), 2 DMG\n⚠ " +
                                        onWarning.text.substr(std::string("řádek 2: ").size())));
    const PreviewLabel onDirective = PreviewLabelFor(*preview, 1);
    EXPECT_FALSE(onDirective.warning);
    EXPECT_EQ(onDirective.text, PreviewLine(preview->summary));
}

TEST(PreviewWorkerTest, ASecondRequestCancelsTheFirst)
{
    const testing::PlanFolder folder;
    // Strength 1 and batch 1: 400 million damage takes 10^9 turns, ten seconds and more.
    folder.writeCatalogue("Pesi 100 0 0 0 0 0 1 1\r\n");
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<PlanPreview> previews;
    PreviewWorker worker([&](PlanPreview preview) {
        const std::lock_guard lock(mutex);
        previews.push_back(std::move(preview));
        arrived.notify_one();
    });
    worker.request("1 400000000\n");
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const auto asked = std::chrono::steady_clock::now();
    worker.request("1 4\n");
    std::unique_lock lock(mutex);
    ASSERT_TRUE(arrived.wait_for(lock, std::chrono::seconds(60), [&] { return !previews.empty(); }));
    // The long preview stopped within moments, and never came.
    EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::seconds(2));
    ASSERT_EQ(previews.size(), 1u);
    EXPECT_EQ(previews[0].summary.turns, 10);
    EXPECT_TRUE(worker.current(previews[0]));
    worker.cancel();
    EXPECT_FALSE(worker.current(previews[0]));
}

// The window's request says whether its chart wants the turns.
TEST(PreviewWorkerTest, RecordsNothingTheChartDoesNotWant)
{
    const testing::PlanFolder folder;
    folder.writeCatalogue(kCatalogue);
    std::promise<PlanPreview> delivered;
    PreviewWorker worker([&](PlanPreview preview) { delivered.set_value(std::move(preview)); });
    worker.request("1 400\n", ChartRecording::NotWanted);
    std::future<PlanPreview> preview = delivered.get_future();
    ASSERT_EQ(preview.wait_for(std::chrono::seconds(60)), std::future_status::ready);
    const PlanPreview bare = preview.get();
    EXPECT_EQ(bare.recording, TurnRecording{});
    EXPECT_EQ(bare.summary.turns, 40);
}

}  // namespace
}  // namespace zef
