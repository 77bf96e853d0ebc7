// What the player reads for each error Windows reports about a file: every
// kind of problem from the Win32 codes that stand for it, through the same
// error code the file layer makes of them (LastSystemError). ReadOnlyFile and
// NoHomeFolder come from no code: the layer tells them itself.
#include "file_failure.h"

#include "case_name.h"
#include "data_file.h"

#include <gtest/gtest.h>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

namespace zef {
namespace {

// Codes this compiler's headers lack.
constexpr DWORD kDirectoryNotSupported = 336;
constexpr DWORD kDiskQuotaExceeded = 1295;

std::error_code Reported(DWORD code)
{
    SetLastError(code);
    return LastSystemError();
}

struct CodeCase {
    const char* name;
    DWORD code;
    FileProblem problem;
};

class Win32FailureTest : public ::testing::TestWithParam<CodeCase> {};

TEST_P(Win32FailureTest, NamesTheProblem)
{
    const FileFailure failure = FailureOf(Reported(GetParam().code));
    EXPECT_EQ(failure.problem, GetParam().problem) << failure.systemText;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, Win32FailureTest,
    ::testing::Values(CodeCase{"DiskFull", ERROR_DISK_FULL, FileProblem::NoSpace},
                      CodeCase{"HandleDiskFull", ERROR_HANDLE_DISK_FULL, FileProblem::NoSpace},
                      CodeCase{"DiskQuotaExceeded", kDiskQuotaExceeded, FileProblem::QuotaExceeded},
                      CodeCase{"FileTooLarge", ERROR_FILE_TOO_LARGE, FileProblem::TooLarge},
                      CodeCase{"AccessDenied", ERROR_ACCESS_DENIED, FileProblem::NoPermission},
                      CodeCase{"WriteProtect", ERROR_WRITE_PROTECT, FileProblem::ReadOnlyFileSystem},
                      CodeCase{"DirectoryNotSupported", kDirectoryNotSupported, FileProblem::IsFolder},
                      CodeCase{"FileNotFound", ERROR_FILE_NOT_FOUND, FileProblem::NotFound},
                      CodeCase{"PathNotFound", ERROR_PATH_NOT_FOUND, FileProblem::NotFound},
                      CodeCase{"NotADirectory", ERROR_DIRECTORY, FileProblem::NotFound},
                      CodeCase{"InvalidDrive", ERROR_INVALID_DRIVE, FileProblem::NotFound},
                      CodeCase{"BadNetworkPath", ERROR_BAD_NETPATH, FileProblem::NotFound},
                      CodeCase{"Crc", ERROR_CRC, FileProblem::InputOutput},
                      CodeCase{"ReadFault", ERROR_READ_FAULT, FileProblem::InputOutput},
                      CodeCase{"WriteFault", ERROR_WRITE_FAULT, FileProblem::InputOutput},
                      CodeCase{"IoDevice", ERROR_IO_DEVICE, FileProblem::InputOutput},
                      CodeCase{"NotReady", ERROR_NOT_READY, FileProblem::InputOutput},
                      CodeCase{"DeviceGone", ERROR_DEV_NOT_EXIST, FileProblem::InputOutput},
                      CodeCase{"NotEnoughMemory", ERROR_NOT_ENOUGH_MEMORY, FileProblem::TooLargeToRead},
                      CodeCase{"OutOfMemory", ERROR_OUTOFMEMORY, FileProblem::TooLargeToRead},
                      // Another program holds the file: the player needs
                      // Windows' own words, not a missing permission.
                      CodeCase{"SharingViolation", ERROR_SHARING_VIOLATION, FileProblem::Other},
                      CodeCase{"LockViolation", ERROR_LOCK_VIOLATION, FileProblem::Other},
                      CodeCase{"InvalidName", ERROR_INVALID_NAME, FileProblem::Other},
                      CodeCase{"UnknownCode", 0x0FFFFFFF, FileProblem::Other}),
    testing::CaseName<CodeCase>);

// A folder read as a data file, and a device or a pipe, are told by the
// file layer itself, in codes of its own.
TEST(Win32Failure, NamesWhatTheFileLayerTellsItself)
{
    EXPECT_EQ(FailureOf(std::make_error_code(std::errc::is_a_directory)).problem, FileProblem::IsFolder);
    EXPECT_EQ(FailureOf(DataFileErrc::NotRegularFile).problem, FileProblem::NotRegularFile);
}

// Anything else keeps the system's own words, as a sentence's end: without
// the full stop and the line end.
TEST(Win32Failure, KeepsTheSystemsWordsForAnythingElse)
{
    const FileFailure failure = FailureOf(Reported(ERROR_INVALID_NAME));
    ASSERT_FALSE(failure.systemText.empty());
    EXPECT_NE(failure.systemText.back(), '.');
    EXPECT_NE(failure.systemText.back(), '\n');
    EXPECT_NE(failure.systemText, "error " + std::to_string(ERROR_INVALID_NAME));
}

}  // namespace
}  // namespace zef
