// Whole planning runs: golden reports byte for byte, the accumulating report,
// failures and cancellation.
#include "run_plan.h"
#include "case_name.h"
#include "data_file.h"
#include "plan_folder.h"
#include "planning_state.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

namespace zef {
namespace {

using testing::PlanFolder;

std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Shows CR and LF so that a failing comparison reads line by line.
std::string Visible(const std::string& text)
{
    std::string out;
    for (char c : text) {
        out += c == '\r' ? std::string("\\r") : c == '\n' ? std::string("\\n\n") : std::string(1, c);
    }
    return out;
}

struct GoldenCase {
    const char* name;
    const char* inputFolder;   // relative to the source tree
    const char* expectedFile;  // relative to the source tree
};

class GoldenReportTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenReportTest, MatchesByteForByte)
{
    const std::filesystem::path source = ZEF_SOURCE_DIR;
    const std::string expected = ReadBytes(source / GetParam().expectedFile);
    ASSERT_FALSE(expected.empty());
    PlanFolder folder;
    for (const char* name : {"arm.txt", "rekrut.txt"}) {
        const auto input = source / GetParam().inputFolder / name;
        if (std::filesystem::exists(input)) {
            folder.write(name, ReadBytes(input));
        }
    }
    PlanningState state;
    RunPlan(state);
    const std::string& report = state.reportText;
    EXPECT_EQ(report, expected) << "got:\n" << Visible(report) << "\nexpected:\n" << Visible(expected);
}

INSTANTIATE_TEST_SUITE_P(
    Golden, GoldenReportTest,
    ::testing::Values(
        GoldenCase{"WorkedExample", "tests/golden/worked-example", "tests/golden/worked-example/expected.txt"},
        GoldenCase{"EmptyFolder", "tests/golden/empty-folder", "tests/golden/empty-folder/expected.txt"},
        GoldenCase{"GoldProjection", "tests/golden/gold-projection", "tests/golden/gold-projection/expected.txt"},
        GoldenCase{"NegativeMana", "tests/golden/negative-mana", "tests/golden/negative-mana/expected.txt"},
        GoldenCase{"Examples", "examples", "tests/golden/examples-report.txt"}),
    testing::CaseName<GoldenCase>);

const char* const kWorkedCatalogue = "Foot 100 10 0 3 12 0 5 50\r\nBows 2000 0 0 20 0 0 8 10\r\n";
const char* const kWorkedPlan =
    "@zl 120000\r\n@zld 1000\r\n@mnt 5000\r\n@mna 20100\r\n@maxmn 198021\r\n1 1000\r\n2 320\r\n";

TEST(RunPlanTest, EveryRunAppendsTheSameReportForTheSameFiles)
{
    PlanFolder folder;
    folder.writeCatalogue(kWorkedCatalogue);
    folder.writePlan(kWorkedPlan);
    PlanningState state;
    RunPlan(state);
    const std::string first = state.reportText;
    RunPlan(state);
    EXPECT_EQ(state.reportText, first + first);
}

TEST(RunPlanTest, DirectivesDoNotCarryOverToTheNextRun)
{
    PlanFolder folder;
    folder.writePlan("@prz 7\r\n@skip\r\n");
    PlanningState state;
    RunPlan(state);
    EXPECT_EQ(state.treasury.conversionBacklog, 7);
    EXPECT_FALSE(state.sortPlan);
    folder.writePlan("");
    RunPlan(state);
    EXPECT_EQ(state.treasury.conversionBacklog, 0);
    EXPECT_TRUE(state.sortPlan);
}

TEST(RunPlanTest, InputOutputErrorLeavesTheReportUnchanged)
{
    PlanFolder folder;
    folder.writePlan(kWorkedPlan);
    PlanningState state;
    RunPlan(state);  // keep some earlier text in the report
    const std::string before = state.reportText;
    std::filesystem::create_directory(folder.path() / "arm.txt");
    EXPECT_THROW(RunPlan(state), DataFileError);
    EXPECT_EQ(state.reportText, before);
}

TEST(RunPlanTest, MissingCatalogueRecruitsNothing)
{
    PlanFolder folder;
    folder.writePlan("1 1000\r\n");
    PlanningState state;
    RunPlan(state);
    EXPECT_EQ(state.reportText.substr(0, 7), "     0 ");
    EXPECT_EQ(state.turn, 0);
}

// A plan of 3 x 2^22 + 4 turns (an even count, so the half added to it rounds down): one line of a unit that buys 1 per turn.
void WriteLongPlan(const PlanFolder& folder)
{
    folder.writeCatalogue("Pes 0 0 0 0 0 0 25 1 000\r\n");
    folder.writePlan("1 " + std::to_string((3 * (1 << 22) + 4) * 10) + "\r\n");
}

TEST(RunPlanTest, ProgressHearsOfEverySliceAndTheTotal)
{
    PlanFolder folder;
    WriteLongPlan(folder);
    std::vector<std::uint64_t> reported;
    std::uint64_t total = 0;
    PlanningState state;
    const PlanOutcome outcome = RunPlan(state, [&](std::uint64_t done, std::uint64_t planned) {
        reported.push_back(done);
        total = planned;
        return true;
    });
    EXPECT_EQ(outcome, PlanOutcome::Completed);
    const std::uint64_t turns = 3 * (1 << 22) + 4;
    EXPECT_EQ(total, turns);
    EXPECT_EQ(reported, (std::vector<std::uint64_t>{1 << 22, 2 << 22, 3 << 22, turns}));
    EXPECT_EQ(static_cast<std::uint64_t>(state.turn), turns);
}

TEST(RunPlanTest, CancelledRunLeavesTheReportAsItWas)
{
    PlanFolder folder;
    PlanningState state;
    RunPlan(state);
    const std::string before = state.reportText;
    WriteLongPlan(folder);
    int calls = 0;
    const PlanOutcome outcome = RunPlan(state, [&](std::uint64_t, std::uint64_t) { return ++calls < 2; });
    EXPECT_EQ(outcome, PlanOutcome::Cancelled);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(state.reportText, before);
    // The next run without a hook is not cancelled by the previous hook.
    RunPlan(state);
    EXPECT_GT(state.reportText.size(), before.size());
}

// Two planning states share nothing: run at the same time on two threads,
// one with a progress hook and one without, each gets exactly the reports
// that runs one after the other give, and the hook hears only of its own run.
TEST(RunPlanTest, TwoStatesRunAtOnceAsOneAfterTheOther)
{
    PlanFolder folder;
    WriteLongPlan(folder);
    PlanningState alone;
    RunPlan(alone);
    RunPlan(alone);

    PlanningState heard;
    PlanningState silent;
    std::uint64_t lastDone = 0;
    std::uint64_t lastTotal = 0;
    const PlanProgress hook = [&](std::uint64_t done, std::uint64_t total) {
        lastDone = done;
        lastTotal = total;
        return true;
    };
    std::thread first([&] {
        RunPlan(heard, hook);
        RunPlan(heard, hook);
    });
    std::thread second([&] {
        RunPlan(silent);
        RunPlan(silent);
    });
    first.join();
    second.join();
    EXPECT_EQ(heard.reportText, alone.reportText);
    EXPECT_EQ(silent.reportText, alone.reportText);
    EXPECT_EQ(lastDone, lastTotal);
    EXPECT_EQ(lastDone, static_cast<std::uint64_t>(alone.turn));
}

}  // namespace
}  // namespace zef
