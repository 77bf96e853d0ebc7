// Where zeF.ini lives: beside a copy run from a folder of its own, in the
// user's folder for an installed copy, whoever runs it.
#include "settings_location.h"

#include "case_name.h"
#include "file_bytes.h"
#include "plan_folder.h"
#include "settings.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

enum class Chosen { Beside, UserFolder, Nothing };

struct LocationCase {
    const char* name;
    bool installed;
    bool fileBeside;
    bool homeFolder;
    Chosen chosen;
};

class ChooseSettingsFolderTest : public ::testing::TestWithParam<LocationCase> {};

TEST_P(ChooseSettingsFolderTest, Chooses)
{
    const testing::PlanFolder root;
    const std::filesystem::path executableFolder = root.path() / "bin";
    const std::filesystem::path userFolder = root.path() / "home/.config/ZeF";
    std::filesystem::create_directories(executableFolder);
    if (GetParam().fileBeside) {
        testing::WriteBytes(executableFolder / kSettingsFileName, "");
    }
    const std::optional<std::filesystem::path> chosen = ChooseSettingsFolder(
        executableFolder, GetParam().installed, GetParam().homeFolder ? std::optional(userFolder) : std::nullopt);
    switch (GetParam().chosen) {
    case Chosen::Beside: EXPECT_EQ(chosen, executableFolder); break;
    case Chosen::UserFolder: EXPECT_EQ(chosen, userFolder); break;
    case Chosen::Nothing: EXPECT_EQ(chosen, std::nullopt); break;
    }
    // The user's folder is made only when it is used.
    EXPECT_EQ(std::filesystem::exists(userFolder), GetParam().chosen == Chosen::UserFolder);
}

INSTANTIATE_TEST_SUITE_P(
    Copies, ChooseSettingsFolderTest,
    ::testing::Values(LocationCase{"CopyOfItsOwn", false, false, true, Chosen::Beside},
                      LocationCase{"InstalledInAWritableFolder", true, false, true, Chosen::UserFolder},
                      LocationCase{"InstalledWithZefIniBeside", true, true, true, Chosen::Beside},
                      LocationCase{"InstalledWithoutHomeFolder", true, false, false, Chosen::Nothing}),
    testing::CaseName<LocationCase>);

}  // namespace
}  // namespace zef
