// The build stamp: the trailing number of a version text, the project
// options file's place, the stamp itself, and where it may run at all.
#include "build_tree.h"
#include "verInc.h"

#include "case_name.h"
#include "file_bytes.h"
#include "ini_file.h"
#include "plan_folder.h"

#include <gtest/gtest.h>

#include <vector>

namespace zef {
namespace {

struct SplitCase {
    const char* name;
    const char* text;
    std::int32_t number;
    const char* prefix;
};

class SplitTrailingNumberTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTrailingNumberTest, CutsTheDigitsOff)
{
    std::string text = GetParam().text;
    EXPECT_EQ(SplitTrailingNumber(text), GetParam().number);
    EXPECT_EQ(text, GetParam().prefix);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SplitTrailingNumberTest,
    ::testing::Values(SplitCase{"Version", "1.0.0.7", 7, "1.0.0."}, SplitCase{"LetterPrefix", "K12", 12, "K"},
                      SplitCase{"DigitsOnly", "12", 12, ""}, SplitCase{"NoDigitsCountsAsZero", "beta", 0, "beta"},
                      SplitCase{"Empty", "", 0, ""}, SplitCase{"TooLargeFor32Bits", "v99999999999", 0, "v99999999999"},
                      SplitCase{"IntMax", "v2147483647", 2147483647, "v"}),
    testing::CaseName<SplitCase>);

struct PathCase {
    const char* name;
    const char* executable;
    const char* options;
};

class ProjectOptionsPathTest : public ::testing::TestWithParam<PathCase> {};

// Always beside the executable: never a file of its folder's name outside it.
TEST_P(ProjectOptionsPathTest, StaysBesideTheExecutable)
{
    EXPECT_EQ(ProjectOptionsPath(GetParam().executable), std::filesystem::path(GetParam().options));
}

INSTANTIATE_TEST_SUITE_P(Executables, ProjectOptionsPathTest,
                         ::testing::Values(PathCase{"Extension", "/b/zeF.exe", "/b/zeF.dof"},
                                           PathCase{"NoExtension", "/build/ui/zef", "/build/ui/zef.dof"},
                                           PathCase{"ShorterThanFour", "ab", "ab.dof"},
                                           PathCase{"DotInTheFolderOnly", "/opt/zef.d/zef", "/opt/zef.d/zef.dof"},
                                           PathCase{"HiddenName", "/b/.zef", "/b/.zef.dof"}),
                         testing::CaseName<PathCase>);

struct StampCase {
    const char* name;
    const char* before;
    std::vector<const char*> after;  // section/key=value
};

class StampTest : public ::testing::TestWithParam<StampCase> {};

TEST_P(StampTest, AdvancesEveryNumber)
{
    const testing::PlanFolder folder;
    testing::WriteBytes("zef.dof", GetParam().before);
    StampProjectOptions("zef.dof");
    const IniFile dof("zef.dof");
    for (const std::string expected : GetParam().after) {
        const std::size_t slash = expected.find('/');
        const std::size_t equals = expected.find('=');
        EXPECT_EQ(
            dof.readString(expected.substr(0, slash), expected.substr(slash + 1, equals - slash - 1), "(missing)"),
            expected.substr(equals + 1))
            << expected;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, StampTest,
    ::testing::Values(
        StampCase{
            "WorkedExample",
            "[Version Info]\r\nBuild=7\r\n[Version Info Keys]\r\nProductVersion=1.0.0.7\r\nFileVersion=1.0.0.6\r\n"
            "Kompilace=K7\r\n",
            {"Version Info/Build=8", "Version Info Keys/ProductVersion=1.0.0.8",
             "Version Info Keys/FileVersion=1.0.0.7", "Version Info Keys/Kompilace=K8", "Version Info/Kompilace=1",
             "Version Info/AutoIncBuild=1"}},
        StampCase{"DigitsOnly",
                  "[Version Info Keys]\r\nFileVersion=12\r\nProductVersion=12\r\n",
                  {"Version Info Keys/FileVersion=12", "Version Info Keys/ProductVersion=13", "Version Info/Build=13"}},
        StampCase{"LargestWins",
                  "[Version Info]\r\nBuild=3\r\n[Version Info Keys]\r\nProductVersion=1.0.0.9\r\n",
                  {"Version Info/Build=10", "Version Info Keys/ProductVersion=1.0.0.10",
                   "Version Info Keys/FileVersion=9", "Version Info Keys/Kompilace=10"}},
        StampCase{
            "NoEntries",
            "; empty\r\n",
            {"Version Info/Build=1", "Version Info/Kompilace=1", "Version Info/AutoIncBuild=1",
             "Version Info Keys/ProductVersion=1", "Version Info Keys/FileVersion=0", "Version Info Keys/Kompilace=1"}},
        StampCase{"TextWithoutNumber",
                  "[Version Info Keys]\r\nProductVersion=beta\r\n[Version Info]\r\nBuild=4\r\n",
                  {"Version Info Keys/ProductVersion=beta5", "Version Info/Build=5"}}),
    testing::CaseName<StampCase>);

TEST(StampTest, AMissingFileStaysMissing)
{
    const testing::PlanFolder folder;
    StampProjectOptions("zef.dof");
    EXPECT_FALSE(std::filesystem::exists("zef.dof"));
}

TEST(InsideBuildTreeTest, OnlyUnderACMakeCache)
{
    const testing::PlanFolder folder;
    std::filesystem::create_directories("build/ui");
    std::filesystem::create_directories("usr/bin");
    testing::WriteBytes("build/CMakeCache.txt", "");
    EXPECT_TRUE(InsideBuildTree(folder.path() / "build"));
    EXPECT_TRUE(InsideBuildTree(folder.path() / "build/ui"));
    EXPECT_FALSE(InsideBuildTree(folder.path() / "usr/bin"));
}

}  // namespace
}  // namespace zef
