// Where the player's files live: in the folder the program starts in, but
// never in an installed copy's own folder.
#include "working_folder.h"

#include "case_name.h"
#include "plan_folder.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

enum class Start { InItsFolder, InItsFolderNamedAnotherWay, InASubfolder, Elsewhere };

struct StartCase {
    const char* name;
    bool installed;
    Start start;
    bool documents;
    bool movesToDocuments;
};

class WorkingFolderTest : public ::testing::TestWithParam<StartCase> {};

TEST_P(WorkingFolderTest, Chooses)
{
    const testing::PlanFolder root;
    const std::filesystem::path program = root.path() / "Program Files" / "ZeF";
    const std::filesystem::path elsewhere = root.path() / "hráč";
    std::filesystem::create_directories(program / "examples");
    std::filesystem::create_directories(elsewhere);
    const std::filesystem::path started[] = {program, program / "examples" / "..", program / "examples", elsewhere};
    const std::filesystem::path documents = root.path() / "Dokumenty";

    const std::optional<std::filesystem::path> chosen =
        WorkingFolderInstead(started[static_cast<int>(GetParam().start)], program, GetParam().installed,
                             GetParam().documents ? std::optional(documents) : std::nullopt);
    if (GetParam().movesToDocuments) {
        EXPECT_EQ(chosen, documents / "ZeF");
    } else {
        EXPECT_EQ(chosen, std::nullopt);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Starts, WorkingFolderTest,
    ::testing::Values(StartCase{"InstalledStartedInItsFolder", true, Start::InItsFolder, true, true},
                      StartCase{"InstalledStartedInItsFolderNamedAnotherWay", true, Start::InItsFolderNamedAnotherWay,
                                true, true},
                      StartCase{"InstalledStartedInASubfolder", true, Start::InASubfolder, true, false},
                      StartCase{"InstalledStartedElsewhere", true, Start::Elsewhere, true, false},
                      StartCase{"InstalledWithoutDocuments", true, Start::InItsFolder, false, false},
                      StartCase{"CopyOfItsOwnStartedInItsFolder", false, Start::InItsFolder, true, false}),
    testing::CaseName<StartCase>);

}  // namespace
}  // namespace zef
