// The entries of zeF.ini: read with their defaults and other spellings,
// written in the window's order and spellings, counters merged at close.
#include "settings.h"

#include "case_name.h"
#include "file_bytes.h"
#include "ini_file.h"
#include "plan_folder.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

struct ReadCase {
    const char* name;
    const char* content;
    StoredSettings expected;
};

class ReadSettingsTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadSettingsTest, GivesEntriesOrDefaults)
{
    const testing::PlanFolder folder;
    WriteBytes(kSettingsFileName, GetParam().content);
    const StoredSettings s = ReadSettings(IniFile(kSettingsFileName));
    const StoredSettings& e = GetParam().expected;
    EXPECT_EQ(std::tie(s.left, s.top, s.starts, s.designs, s.recruitments, s.intro),
              std::tie(e.left, e.top, e.starts, e.designs, e.recruitments, e.intro));
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadSettingsTest,
    ::testing::Values(ReadCase{"Empty", "", {100, 100, 0, 0, 0, true}},
                      ReadCase{"AllEntries",
                               "[FormOptions]\r\nintro=0\r\nleft=10\r\ntop=20\r\n[Statistika]\r\nspusteni=3\r\n"
                               "navrhArmady=4\r\nnarekrutovani=5\r\n",
                               {10, 20, 3, 4, 5, false}},
                      ReadCase{
                          "HexadecimalLeft", "[FormOptions]\r\nLeft=0x64\r\nTop=$20\r\n", {100, 32, 0, 0, 0, true}},
                      ReadCase{"NonNumericIntroIsTrue", "[FormOptions]\r\nintro=ano\r\n", {100, 100, 0, 0, 0, true}},
                      ReadCase{"AnyNonZeroIntroIsTrue", "[FormOptions]\r\nintro=-2\r\n", {100, 100, 0, 0, 0, true}},
                      ReadCase{"NonNumericLeftGivesDefault", "[FormOptions]\r\nleft=x\r\n", {100, 100, 0, 0, 0, true}}),
    testing::CaseName<ReadCase>);

TEST(WriteSettingsTest, NewFileGetsTheWrittenSpellings)
{
    const testing::PlanFolder folder;
    IniFile ini(kSettingsFileName);
    WriteSettings(ini, StoredSettings{7, 8, 1, 2, 0, false});
    EXPECT_EQ(ReadBytes(kSettingsFileName),
              "[FormOptions]\r\nintro=0\r\nleft=7\r\ntop=8\r\n\r\n[Statistika]\r\nspusteni=1\r\n"
              "navrhArmady=2\r\nnarekrutovani=0\r\n");
}

TEST(WriteSettingsTest, UpdatesOtherSpellingsInPlace)
{
    const testing::PlanFolder folder;
    WriteBytes(kSettingsFileName, "[FormOptions]\r\nLeft=1\r\n[statistika]\r\nspusteni=4\r\n");
    IniFile ini(kSettingsFileName);
    StoredSettings s = ReadSettings(ini);
    s.starts += 1;
    WriteSettings(ini, s);
    EXPECT_EQ(ReadBytes(kSettingsFileName), "[FormOptions]\r\nLeft=1\r\nintro=1\r\ntop=100\r\n[statistika]\r\n"
                                            "spusteni=5\r\nnavrhArmady=0\r\nnarekrutovani=0\r\n");
}

TEST(WriteSettingsTest, AFolderInTheFilesPlaceStopsTheWrite)
{
    const testing::PlanFolder folder;
    std::filesystem::create_directory(kSettingsFileName);
    IniFile ini(kSettingsFileName);
    try {
        WriteSettings(ini, StoredSettings{});
        ADD_FAILURE() << "the write should have failed";
    } catch (const IniWriteError& error) {
        EXPECT_EQ(error.failure().problem, FileProblem::IsFolder);
    }
}

TEST(SettingsToStoreTest, AddsOnlyThisRunsCountsToWhatTheFileHoldsNow)
{
    const StoredSettings atStart{100, 100, 4, 10, 3, true};
    const StoredSettings onDisk{1, 2, 6, 15, 3, false};  // another window closed meanwhile
    const StoredSettings now{30, 40, 5, 12, 3, true};
    const StoredSettings s = SettingsToStore(onDisk, atStart, now);
    EXPECT_EQ(std::tie(s.left, s.top, s.starts, s.designs, s.recruitments, s.intro),
              std::make_tuple(now.left, now.top, 7, 17, 3, now.intro));
}

}  // namespace
}  // namespace zef
