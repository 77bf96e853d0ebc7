// Every error number the file layer can meet, and the Czech words the player
// reads for it: a number mapped to nothing would show the system's English.
#include "data_file.h"
#include "file_failure.h"
#include "file_messages.h"

#include "case_name.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace zef {
namespace {

struct ErrnoCase {
    const char* name;
    int number;
    FileProblem problem;
    const char* reason;
};

class PosixFailureTest : public ::testing::TestWithParam<ErrnoCase> {};

TEST_P(PosixFailureTest, NamesTheProblemInCzech)
{
    const ErrnoCase& c = GetParam();
    const FileFailure failure = FailureOf({c.number, std::generic_category()});
    EXPECT_EQ(failure.problem, c.problem);
    EXPECT_EQ(CzechReason(failure), c.reason);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, PosixFailureTest,
    ::testing::Values(ErrnoCase{"ENOSPC", ENOSPC, FileProblem::NoSpace, "na disku není místo"},
                      ErrnoCase{"EDQUOT", EDQUOT, FileProblem::QuotaExceeded, "je vyčerpaná kvóta místa na disku"},
                      ErrnoCase{"EFBIG", EFBIG, FileProblem::TooLarge, "soubor by byl větší, než systém dovolí"},
                      ErrnoCase{"EACCES", EACCES, FileProblem::NoPermission, "chybí oprávnění"},
                      ErrnoCase{"EPERM", EPERM, FileProblem::NoPermission, "chybí oprávnění"},
                      ErrnoCase{"EROFS", EROFS, FileProblem::ReadOnlyFileSystem, "disk je jen pro čtení"},
                      ErrnoCase{"EISDIR", EISDIR, FileProblem::IsFolder, "je to složka, ne soubor"},
                      ErrnoCase{"ENOENT", ENOENT, FileProblem::NotFound, "soubor nebo složka neexistuje"},
                      ErrnoCase{"ENOTDIR", ENOTDIR, FileProblem::NotFound, "soubor nebo složka neexistuje"},
                      ErrnoCase{"EIO", EIO, FileProblem::InputOutput, "chyba čtení nebo zápisu na disku"},
                      ErrnoCase{"ENOMEM", ENOMEM, FileProblem::TooLargeToRead,
                                "soubor je tak velký, že se nevejde do paměti"},
                      ErrnoCase{"EXDEV", EXDEV, FileProblem::Other, "Invalid cross-device link"}),
    testing::CaseName<ErrnoCase>);

TEST(PosixFailureTest, AFileThatIsNoRegularFileHasWordsOfItsOwn)
{
    const FileFailure failure = FailureOf(DataFileErrc::NotRegularFile);
    EXPECT_EQ(failure.problem, FileProblem::NotRegularFile);
    EXPECT_EQ(CzechReason(failure), "není to obyčejný soubor");
}

}  // namespace
}  // namespace zef
