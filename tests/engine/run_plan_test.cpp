// Whole planning runs: golden reports byte for byte, the accumulating report,
// failures and cancellation.
#include "data_file.h"
#include "plan_folder.h"
#include "planning_state.h"
#include "run_plan.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace zef {
namespace {

using testing::LatestReport;
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
    const std::size_t before = reportText.size();
    RunPlan();
    const std::string report = LatestReport(before);
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
    [](const auto& info) { return std::string(info.param.name); });

const char* const kWorkedCatalogue = "Foot 100 10 0 3 12 0 5 50\r\nBows 2000 0 0 20 0 0 8 10\r\n";
const char* const kWorkedPlan = "@zl 120000\r\n@zld 1000\r\n@mnt 5000\r\n@mna 20100\r\n@maxmn 198021\r\n1 1000\r\n2 320\r\n";

TEST(RunPlanTest, EveryRunAppendsTheSameReportForTheSameFiles)
{
    PlanFolder folder;
    folder.writeCatalogue(kWorkedCatalogue);
    folder.writePlan(kWorkedPlan);
    const std::size_t before = reportText.size();
    RunPlan();
    const std::string first = LatestReport(before);
    RunPlan();
    EXPECT_EQ(LatestReport(before), first + first);
}

TEST(RunPlanTest, DirectivesDoNotCarryOverToTheNextRun)
{
    PlanFolder folder;
    folder.writePlan("@prz 7\r\n@skip\r\n");
    RunPlan();
    EXPECT_EQ(treasury.conversionBacklog, 7);
    EXPECT_FALSE(sortPlan);
    folder.writePlan("");
    RunPlan();
    EXPECT_EQ(treasury.conversionBacklog, 0);
    EXPECT_TRUE(sortPlan);
}

TEST(RunPlanTest, InputOutputErrorLeavesTheReportUnchanged)
{
    PlanFolder folder;
    folder.writePlan(kWorkedPlan);
    RunPlan();  // keep some earlier text in the report
    const std::string before = reportText;
    std::filesystem::create_directory(folder.path() / "arm.txt");
    EXPECT_THROW(RunPlan(), DataFileError);
    EXPECT_EQ(reportText, before);
}

TEST(RunPlanTest, MissingCatalogueRecruitsNothing)
{
    PlanFolder folder;
    folder.writePlan("1 1000\r\n");
    const std::size_t before = reportText.size();
    RunPlan();
    EXPECT_EQ(LatestReport(before).substr(0, 7), "     0 ");
    EXPECT_EQ(turn, 0);
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
    const PlanOutcome outcome = RunPlan([&](std::uint64_t done, std::uint64_t planned) {
        reported.push_back(done);
        total = planned;
        return true;
    });
    EXPECT_EQ(outcome, PlanOutcome::Completed);
    const std::uint64_t turns = 3 * (1 << 22) + 4;
    EXPECT_EQ(total, turns);
    EXPECT_EQ(reported, (std::vector<std::uint64_t>{1 << 22, 2 << 22, 3 << 22, turns}));
    EXPECT_EQ(static_cast<std::uint64_t>(turn), turns);
}

TEST(RunPlanTest, CancelledRunLeavesTheReportAsItWas)
{
    PlanFolder folder;
    RunPlan();
    const std::string before = reportText;
    WriteLongPlan(folder);
    int calls = 0;
    const PlanOutcome outcome = RunPlan([&](std::uint64_t, std::uint64_t) { return ++calls < 2; });
    EXPECT_EQ(outcome, PlanOutcome::Cancelled);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(reportText, before);
    // The next run without a hook is not cancelled by the previous hook.
    RunPlan();
    EXPECT_GT(reportText.size(), before.size());
}

}  // namespace
}  // namespace zef
