// Reading arm.txt and rekrut.txt: line structure, the catalogue rows and the
// plan with its directives.
#include "case_name.h"
#include "catalogue.h"
#include "data_file.h"
#include "data_lines.h"
#include "plan_directives.h"
#include "plan_file.h"
#include "plan_folder.h"
#include "plan_progress.h"
#include "planning_state.h"
#include "posix_only.h"
#include "run_plan.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace zef {
namespace {

using testing::PlanFolder;
using Lines = std::vector<std::string>;

struct LinesCase {
    const char* name;
    std::string bytes;
    Lines expected;
};

class DataFileLinesTest : public ::testing::TestWithParam<LinesCase> {};

TEST_P(DataFileLinesTest, SplitsLikeTheGameFilesExpect)
{
    EXPECT_EQ(SplitDataLines(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DataFileLinesTest,
    ::testing::Values(LinesCase{"CrLf", "a\r\nb\r\n", {"a", "b"}}, LinesCase{"BareLf", "a\nb\n", {"a", "b"}},
                      LinesCase{"LastLineWithoutEnd", "a\r\nb", {"a", "b"}},
                      LinesCase{"LoneCrIsDropped", "a\rb\r\nc", {"ab", "c"}},
                      LinesCase{"CtrlZEndsTheFile",
                                "a\r\nb\x1a"
                                "c\r\nd",
                                {"a", "b"}},
                      LinesCase{"EmptyLinesStay", "\r\n\na", {"", "", "a"}}, LinesCase{"Empty", "", {}},
                      LinesCase{"TrailingLoneCr", "a\r\n\r", {"a"}},
                      LinesCase{"HighBytesPassThrough", "\x8e\xc8\x81\x98\r\n", {"\x8e\xc8\x81\x98"}}),
    testing::CaseName<LinesCase>);

TEST(DataFileExistsTest, NeedsANameAndAFileOfThatName)
{
    PlanFolder folder;
    EXPECT_FALSE(DataFileExists(""));
    EXPECT_FALSE(DataFileExists("missing.txt"));
    folder.write("present.txt", "");
    EXPECT_TRUE(DataFileExists("present.txt"));
    // The program never writes the catalogue, so a read-only one must still count.
    std::filesystem::permissions(folder.path() / "present.txt", std::filesystem::perms::owner_read);
    EXPECT_TRUE(DataFileExists("present.txt"));
    // One that cannot be read at all exists too: reading it is an error, not an empty file.
    std::filesystem::permissions(folder.path() / "present.txt", std::filesystem::perms::none);
    EXPECT_TRUE(DataFileExists("present.txt"));
}

// A read no longer wanted stops between its parts: a preview of a large
// catalogue never holds up the window's close.
TEST(ReadDataFileBytesTest, StopsBetweenItsPartsWhenNoLongerWanted)
{
    PlanFolder folder;
    folder.writeCatalogue(std::string(1 << 20, 'x'));
    int asked = 0;
    EXPECT_THROW(ReadDataFileBytes(kCatalogueFileName, [&] { return ++asked < 3; }), PlanCancelled);
    EXPECT_EQ(asked, 3);
}

// A data file that is there but cannot be read, made by `make` in the folder.
struct UnreadableCase {
    const char* name;
    const char* fileName;
    std::function<void(const PlanFolder&, const std::string&)> make;
    const char* reason;
    const char* posixOnly = nullptr;  // what making it needs that Windows lacks
};

class UnreadableDataFileTest : public ::testing::TestWithParam<UnreadableCase> {};

TEST_P(UnreadableDataFileTest, StopsTheRunNamingTheFileAndLeavesTheReport)
{
    if (GetParam().posixOnly) {
        ZEF_SKIP_WITHOUT_POSIX(GetParam().posixOnly);
    }
    PlanFolder folder;
    folder.writeCatalogue("Foot 100 10 0 3 12 0 5 50\r\n");
    folder.writePlan("1 1000\r\n");
    PlanningState state;
    RunPlan(state);
    const std::string before = state.reportText;
    GetParam().make(folder, GetParam().fileName);
    testing::DropPermissionOverride();
    try {
        RunPlan(state);
        FAIL() << "the run must stop";
    } catch (const DataFileError& error) {
        EXPECT_EQ(error.fileName(), GetParam().fileName);
        EXPECT_EQ(error.reason(), GetParam().reason);
    }
    EXPECT_EQ(state.reportText, before);
}

void MakeDirectory(const PlanFolder& folder, const std::string& name)
{
    std::filesystem::remove(folder.path() / name);
    std::filesystem::create_directory(folder.path() / name);
}

// Opening a FIFO for reading would wait for a writer forever.
void MakeFifo(const PlanFolder& folder, const std::string& name)
{
    std::filesystem::remove(folder.path() / name);
    ASSERT_TRUE(testing::MakeFifo(folder.path() / name));
}

void MakeUnreadable(const PlanFolder& folder, const std::string& name)
{
    std::filesystem::permissions(folder.path() / name, std::filesystem::perms::none);
}

const char* const kFifos = "FIFOs";
const char* const kOwnerUnreadable = "permission bits that keep a file's owner from reading it";

INSTANTIATE_TEST_SUITE_P(
    Kinds, UnreadableDataFileTest,
    ::testing::Values(
        UnreadableCase{"CatalogueDirectory", "arm.txt", MakeDirectory, "Is a directory"},
        UnreadableCase{"CatalogueFifo", "arm.txt", MakeFifo, "not a regular file", kFifos},
        UnreadableCase{"CatalogueWithoutPermission", "arm.txt", MakeUnreadable, "Permission denied", kOwnerUnreadable},
        UnreadableCase{"PlanFifo", "rekrut.txt", MakeFifo, "not a regular file", kFifos},
        UnreadableCase{"PlanWithoutPermission", "rekrut.txt", MakeUnreadable, "Permission denied", kOwnerUnreadable}),
    testing::CaseName<UnreadableCase>);

// The system's own words, without a full stop or line end of their own: the
// window's message adds its full stop after them.
TEST(DataFileErrorTest, MissingFileGivesTheSystemsReason)
{
    PlanFolder folder;
    try {
        ReadDataFileBytes("missing.txt");
        FAIL() << "reading a missing file must fail";
    } catch (const DataFileError& error) {
        EXPECT_EQ(error.fileName(), "missing.txt");
        ASSERT_FALSE(error.reason().empty());
        EXPECT_EQ(std::string(".\r\n").find(error.reason().back()), std::string::npos) << error.reason();
    }
}

TEST(DataFileErrorTest, DeviceIsRefusedUnread)
{
    try {
        ReadDataFileBytes(testing::kDeviceName);
        FAIL() << "reading a device must fail";
    } catch (const DataFileError& error) {
        EXPECT_EQ(error.fileName(), testing::kDeviceName);
        EXPECT_EQ(error.reason(), "not a regular file");
    }
}

TEST(DataFileErrorTest, NamesTheFileAndTheReason)
{
    PlanFolder folder;
    std::filesystem::create_directory(folder.path() / "arm.txt");
    try {
        ReadDataFileBytes("arm.txt");
        FAIL() << "reading a directory must fail";
    } catch (const DataFileError& error) {
        EXPECT_EQ(error.fileName(), "arm.txt");
        EXPECT_EQ(error.reason(), "Is a directory");
        EXPECT_STREQ(error.what(), "arm.txt: Is a directory");
    }
}

TEST(FoldAccentsTest, ReplacesTheSixLettersOnly)
{
    std::string text = "\x8e\xc8\xe1\xec\xed\xfd\x9e\xe8"
                       "abc";
    FoldAccents(text);
    EXPECT_EQ(text, "ZC\xa0"
                    "e\xa1y\x9e\xe8"
                    "abc");
}

struct CatalogueCase {
    const char* name;
    std::string file;
    int row;  // 1-based
    std::string expectedName;
    UnitValues expectedValues;
};

class CatalogueTest : public ::testing::TestWithParam<CatalogueCase> {};

TEST_P(CatalogueTest, FillsTheRow)
{
    PlanFolder folder;
    folder.writeCatalogue(GetParam().file);
    PlanningState state;
    LoadCatalogue(state);
    EXPECT_EQ(state.catalogueNames[GetParam().row - 1], GetParam().expectedName);
    EXPECT_EQ(state.catalogueValues[GetParam().row - 1], GetParam().expectedValues);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CatalogueTest,
    ::testing::Values(
        CatalogueCase{"EightDigitsIsNoUnit",
                      "Luk 1 2 3 4 5 6 7 8\r\nPes 30 0 0 1 0 0 12 10\r\n",
                      1,
                      "Pes ",
                      {30, 0, 0, 1, 0, 0, 12, 10}},
        CatalogueCase{
            "NameFromFirstNonSpace", "   Kopinik 30 0 0 1 0 0 12 10\r\n", 1, "Kopi", {30, 0, 0, 1, 0, 0, 12, 10}},
        CatalogueCase{"ShortWordKeepsTheSpace", "Luk 100 0 0 1 0 0 10 5", 1, "Luk ", {100, 0, 0, 1, 0, 0, 10, 5}},
        CatalogueCase{"DigitInTheName", "Lu2k 100 0 0 1 0 0 10\r\n", 1, "Lu2k", {2, 100, 0, 0, 1, 0, 0, 10}},
        CatalogueCase{"TabIsNoSpace", "\tAb 100 0 0 1 0 0 10 5", 1, "\tAb ", {100, 0, 0, 1, 0, 0, 10, 5}},
        CatalogueCase{"AccentedCapitalFolds",
                      "\xc8"
                      "arod\xec"
                      "j 100 0 0 1 0 0 10 5\r\n",
                      1,
                      "Caro",
                      {100, 0, 0, 1, 0, 0, 10, 5}},
        CatalogueCase{"HeadingsAndCommentsSkipped",
                      "Jednotky\r\n; cena 1 2\r\n\r\nPes 1 2 3 4 5 6 7 8 9\r\n",
                      1,
                      "Pes ",
                      {1, 2, 3, 4, 5, 6, 7, 8}},
        CatalogueCase{"MissingColumnsStayZero", "Drak 123456789\r\n", 1, "Drak", {123456789, 0, 0, 0, 0, 0, 0, 0}},
        CatalogueCase{"EmptyFileLeavesRowsEmpty", "", 1, "", {}}),
    testing::CaseName<CatalogueCase>);

TEST(CatalogueTest, KeepsTwentyRowsAndClearsEarlierOnes)
{
    PlanFolder folder;
    std::string file;
    for (int row = 1; row <= 22; ++row) {
        file += "U" + std::to_string(row) + "xx 100 200 300 " + std::to_string(row) + "\r\n";
    }
    folder.writeCatalogue(file);
    PlanningState state;
    LoadCatalogue(state);
    EXPECT_EQ(state.catalogueNames[19], "U20x");
    EXPECT_EQ(state.catalogueValues[19][4], 20);

    folder.writeCatalogue("Pes 30 0 0 1 0 0 12 10\r\n");
    LoadCatalogue(state);
    EXPECT_EQ(state.catalogueNames[1], "");
    EXPECT_EQ(state.catalogueValues[1], UnitValues{});
}

TEST(CatalogueTest, FoldsALongLineOverItsWholeLength)
{
    PlanFolder folder;
    folder.writeCatalogue("Pes 30 0 0 1 0 0 12 10 " + std::string(300, '\xfd') + "\r\n");
    PlanningState state;
    LoadCatalogue(state);
    EXPECT_EQ(state.catalogueNames[0], "Pes ");
    EXPECT_EQ(state.catalogueValues[0][7], 10);
}

TEST(CatalogueTest, MissingFileLeavesItEmpty)
{
    PlanFolder folder;
    PlanningState state;
    state.catalogueNames[0] = "old";
    LoadCatalogue(state);
    EXPECT_EQ(state.catalogueNames[0], "");
}

const char* const kDefaultDirectives =
    "@zl 120000\r\n@zld 1000\r\n@mnt 5000\r\n@mna 20100\r\n@dmg 0\r\n@maxmn 198021\r\n@facktor 1\r\n";

// Loads a plan after a reset to the run's start values.
PlanningState LoadPlanText(const PlanFolder& folder, const std::string& text)
{
    folder.writePlan(text);
    PlanningState state;
    state.treasury = StartTreasury();
    state.sortPlan = true;
    LoadPlan(state);
    return state;
}

TEST(PlanFileTest, DefaultDirectivesSetTheTreasury)
{
    PlanFolder folder;
    const PlanningState state = LoadPlanText(folder, kDefaultDirectives);
    EXPECT_EQ(state.planCount, 0);
    EXPECT_EQ(state.treasury.gold, 120000);
    EXPECT_EQ(state.treasury.goldIncome, 1000);
    EXPECT_EQ(state.treasury.manaIncome, 5000);
    EXPECT_EQ(state.treasury.mana, 20100);
    EXPECT_EQ(state.treasury.damage, 0);
    EXPECT_EQ(state.treasury.manaCap, 198021);
    EXPECT_TRUE(state.sortPlan);
}

struct TreasuryFieldCase {
    const char* name;
    const char* text;
    double Treasury::*field;
    double expected;
};

class DirectiveTest : public ::testing::TestWithParam<TreasuryFieldCase> {};

TEST_P(DirectiveTest, SetsTheFieldItsFourthCharacterSelects)
{
    PlanFolder folder;
    const PlanningState state = LoadPlanText(folder, GetParam().text);
    EXPECT_EQ(state.treasury.*GetParam().field, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DirectiveTest,
    ::testing::Values(TreasuryFieldCase{"GoldWithoutSpaceHasNoEffect", "@zl120000\r\n", &Treasury::gold, 1500000},
                      TreasuryFieldCase{"CapitalGoldStillSets", "@ZL 5\r\n", &Treasury::gold, 5},
                      TreasuryFieldCase{"CapitalGoldIncomeHasNoEffect", "@ZLD 5\r\n", &Treasury::goldIncome, 3600},
                      TreasuryFieldCase{"NegativeDamage", "@dmg -500\r\n", &Treasury::damage, -500},
                      TreasuryFieldCase{"MinusAndSpaceIsPositive", "@dmg - 500\r\n", &Treasury::damage, 500},
                      TreasuryFieldCase{"WordWithoutDigitsGivesZero", "@zl zlato\r\n", &Treasury::gold, 0},
                      TreasuryFieldCase{"LastOneCounts", "@mna 1\r\n@mna 2\r\n", &Treasury::mana, 2},
                      TreasuryFieldCase{"ShortLineHasNoEffect", "@zl\r\n", &Treasury::gold, 1500000},
                      TreasuryFieldCase{"ConversionBacklog", "@prz 7\r\n", &Treasury::conversionBacklog, 7},
                      TreasuryFieldCase{"ManaCap", "@maxmn 198021\r\n", &Treasury::manaCap, 198021},
                      TreasuryFieldCase{"UnknownSelectorHasNoEffect", "@abq 5\r\n", &Treasury::gold, 1500000},
                      TreasuryFieldCase{"IndentedIsNoDirective", " @zl 5\r\n", &Treasury::gold, 1500000}),
    testing::CaseName<TreasuryFieldCase>);

TEST(PlanFileTest, OrderingDirectiveSwitchesSortingOff)
{
    PlanFolder folder;
    const PlanningState state = LoadPlanText(folder, "1 100\r\n@skip\r\n");
    EXPECT_FALSE(state.sortPlan);
}

struct PlanLinesCase {
    const char* name;
    std::string text;
    std::vector<PlanLine> expected;
};

class PlanLinesTest : public ::testing::TestWithParam<PlanLinesCase> {};

TEST_P(PlanLinesTest, ReadsUnitNumberAndScaledAmount)
{
    PlanFolder folder;
    const PlanningState state = LoadPlanText(folder, GetParam().text);
    ASSERT_EQ(state.planCount, GetParam().expected.size());
    for (std::size_t n = 0; n < GetParam().expected.size(); ++n) {
        EXPECT_EQ(state.plan[n].unitNo, GetParam().expected[n].unitNo) << "line " << n + 1;
        EXPECT_EQ(state.plan[n].amount, GetParam().expected[n].amount) << "line " << n + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlanLinesTest,
    ::testing::Values(PlanLinesCase{"IndentedGoldDirectiveIsAPlanLine", " @zl 120000\r\n", {{120000, 0}}},
                      PlanLinesCase{"FactorRoundsHalfToEven",
                                    "@facktor 1.5\r\n1 5\r\n1 3\r\n1 1000\r\n",
                                    {{1, 8}, {1, 4}, {1, 1500}}},
                      PlanLinesCase{"NoFactorStillRounds", "1 2.5\r\n1 3.5\r\n", {{1, 2}, {1, 4}}},
                      PlanLinesCase{"LaterFactorCountsForAllLines", "@facktor 3\r\n1 10\r\n@facktor 2\r\n", {{1, 20}}},
                      PlanLinesCase{"CommentAndSingleDigitIgnored", "; 3 5000\r\nx 5\r\n2 7\r\n", {{2, 7}}},
                      PlanLinesCase{"SingleNumberHasAmountZero", "12\r\n", {{12, 0}}},
                      PlanLinesCase{"NameBeforeTheNumbers", "Lukostrelci 3 50000\r\n", {{3, 50000}}},
                      PlanLinesCase{"FractionalUnitNumberKept", "2.5 1000\r\n", {{2.5, 1000}}},
                      PlanLinesCase{"FurtherNumbersIgnored", "1 2 3 4\r\n5 6\r\n", {{1, 2}, {5, 6}}},
                      PlanLinesCase{"NegativeFactor", "@facktor -2\r\n1 10\r\n", {{1, -20}}}),
    testing::CaseName<PlanLinesCase>);

TEST(PlanFileTest, KeepsTwentyLinesAndStillReadsLaterDirectives)
{
    PlanFolder folder;
    std::string text;
    for (int n = 1; n <= 25; ++n) {
        text += "1 " + std::to_string(n * 10) + "\r\n";
    }
    const PlanningState state = LoadPlanText(folder, text + "@zl 7\r\n");
    EXPECT_EQ(state.planCount, 20);
    EXPECT_EQ(state.plan[19].amount, 200);
    EXPECT_EQ(state.treasury.gold, 7);
}

TEST(PlanFileTest, MissingFileGivesAnEmptyPlanAndKeepsTheTreasury)
{
    PlanFolder folder;
    PlanningState state;
    state.treasury = StartTreasury();
    state.planCount = 3;
    LoadPlan(state);
    EXPECT_EQ(state.planCount, 0);
    EXPECT_EQ(state.treasury.gold, 1500000);
}

}  // namespace
}  // namespace zef
