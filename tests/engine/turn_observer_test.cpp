// The per-turn observer of a planning run: it hears every turn once, in order,
// under the right plan line; it changes nothing in the report; and its last
// turn is the treasury the summary prints.
#include "case_name.h"
#include "plan_folder.h"
#include "planning_state.h"
#include "report_format.h"
#include "run_plan.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace zef {
namespace {

using testing::PlanFolder;

struct Heard {
    std::int32_t turn;
    std::int32_t fileLine;
    std::string unit;
    double gold;
    double mana;
    double goldUpkeep;
    double manaUpkeep;
    double damage;
};

class Collector : public TurnObserver {
public:
    void observe(const TurnRecord& r) override
    {
        heard.push_back(
            {r.turn, r.fileLine, std::string(r.unit), r.gold, r.mana, r.goldUpkeep, r.manaUpkeep, r.damage});
    }
    std::vector<Heard> heard;
};

std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void CopyPlanFiles(const PlanFolder& folder, const char* sourceFolder)
{
    for (const char* name : {"arm.txt", "rekrut.txt"}) {
        const auto input = std::filesystem::path(ZEF_SOURCE_DIR) / sourceFolder / name;
        if (std::filesystem::exists(input)) {
            folder.write(name, ReadBytes(input));
        }
    }
}

struct FolderCase {
    const char* name;
    const char* folder;  // relative to the source tree
};

class ObservedRunTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(ObservedRunTest, ReportIsByteForByteTheUnobservedOne)
{
    PlanFolder folder;
    CopyPlanFiles(folder, GetParam().folder);
    PlanningState plain;
    RunPlan(plain);
    PlanningState observed;
    Collector collector;
    RunPlan(observed, {}, &collector);
    EXPECT_EQ(observed.reportText, plain.reportText);
}

TEST_P(ObservedRunTest, HearsEveryTurnOnceAndInOrder)
{
    PlanFolder folder;
    CopyPlanFiles(folder, GetParam().folder);
    PlanningState state;
    Collector collector;
    RunPlan(state, {}, &collector);
    ASSERT_EQ(collector.heard.size(), static_cast<std::size_t>(state.turn));
    for (std::size_t i = 0; i < collector.heard.size(); ++i) {
        EXPECT_EQ(collector.heard[i].turn, static_cast<std::int32_t>(i + 1));
    }
}

INSTANTIATE_TEST_SUITE_P(Folders, ObservedRunTest,
                         ::testing::Values(FolderCase{"WorkedExample", "tests/golden/worked-example"},
                                           FolderCase{"EmptyFolder", "tests/golden/empty-folder"},
                                           FolderCase{"GoldProjection", "tests/golden/gold-projection"},
                                           FolderCase{"NegativeMana", "tests/golden/negative-mana"},
                                           FolderCase{"Examples", "examples"}),
                         testing::CaseName<FolderCase>);

TEST(TurnObserverTest, TurnsCarryTheirPlanLinesFileLineAndUnitName)
{
    PlanFolder folder;
    folder.writeCatalogue("Foot 100 10 0 3 12 0 5 50\r\nBows 2000 0 0 20 0 0 8 10\r\n");
    // Bows has the higher upkeep per turn, so it is recruited second although listed first.
    folder.writePlan("@zl 120000\r\n; comment\r\n2 320\r\n1 1000\r\n");
    PlanningState state;
    Collector collector;
    RunPlan(state, {}, &collector);
    ASSERT_EQ(collector.heard.size(), 20u);
    EXPECT_EQ(collector.heard.front().fileLine, 4);
    EXPECT_EQ(collector.heard.front().unit, "Foot");
    EXPECT_EQ(collector.heard.back().fileLine, 3);
    EXPECT_EQ(collector.heard.back().unit, "Bows");
}

// The summary prints the treasury as the last turn left it: no turn passes
// after it, and lines that take no turn change neither gold nor mana. Only
// the projections after it change gold and mana, and they are not turns.
TEST(TurnObserverTest, LastTurnIsWhatTheSummaryPrints)
{
    PlanFolder folder;
    CopyPlanFiles(folder, "examples");
    PlanningState state;
    Collector collector;
    RunPlan(state, {}, &collector);
    ASSERT_FALSE(collector.heard.empty());
    const Heard& last = collector.heard.back();
    const std::string summary = "Suma: Zl/TU: " + IntegerFigure(last.goldUpkeep) +
                                " Mn/TU: " + IntegerFigure(last.manaUpkeep) +
                                "\r\n      Zl: " + ThousandsFigure(last.gold) + "k Mn: " + ThousandsFigure(last.mana) +
                                "k\r\n                   DMG: " + PadLeft5(IntegerFigure(last.damage)) + "\r\n";
    EXPECT_NE(state.reportText.find(summary), std::string::npos) << summary;
    EXPECT_NE(state.reportText.find("tahu " + std::to_string(last.turn) + ","), std::string::npos);
    // The figures of the examples' README report, so that the check above cannot pass vacuously.
    EXPECT_EQ(summary, "Suma: Zl/TU: 2580 Mn/TU: 920\r\n      Zl: 31k Mn: 128k\r\n                   DMG: 15328\r\n");
}

TEST(TurnObserverTest, AnObserverThatThrowsLeavesTheReportAsItWas)
{
    class Failing : public TurnObserver {
    public:
        void observe(const TurnRecord& r) override
        {
            if (r.turn == 3) {
                throw std::runtime_error("disk full");
            }
        }
    };
    PlanFolder folder;
    CopyPlanFiles(folder, "examples");
    PlanningState state;
    RunPlan(state);
    const std::string before = state.reportText;
    Failing failing;
    EXPECT_THROW(RunPlan(state, {}, &failing), std::runtime_error);
    EXPECT_EQ(state.reportText, before);
}

}  // namespace
}  // namespace zef
