// Replacing a file puts the new bytes down whole and leaves nothing beside
// it; a replacement that is never committed leaves the old file as it was.
#include "file_replace.h"

#include "file_bytes.h"
#include "plan_folder.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

std::size_t FilesIn(const std::filesystem::path& folder)
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

TEST(ReplaceFileVerifiedTest, PutsTheNewBytesDownAndNothingElse)
{
    const testing::PlanFolder folder;
    WriteBytes("rekrut.txt", "old");
    EXPECT_EQ(ReplaceFileVerified("rekrut.txt", std::string(200000, 'x')), std::nullopt);
    EXPECT_EQ(ReadBytes("rekrut.txt"), std::string(200000, 'x'));
    EXPECT_EQ(FilesIn(folder.path()), 1u);
}

TEST(PendingFileTest, WithoutCommitTheOldFileStays)
{
    const testing::PlanFolder folder;
    WriteBytes("tahy.csv", "good earlier CSV");
    {
        PendingFile pending("tahy.csv");
        ASSERT_EQ(pending.open(), std::nullopt);
        ASSERT_EQ(pending.write(std::string(100000, 'y')), std::nullopt);
    }
    EXPECT_EQ(ReadBytes("tahy.csv"), "good earlier CSV");
    EXPECT_EQ(FilesIn(folder.path()), 1u);
}

}  // namespace
}  // namespace zef
