// Why a file could not be read or written, in terms the player's messages
// can name: the common causes have words of their own, anything else keeps
// the system's text.
#pragma once

#include <string>
#include <system_error>

namespace zef {

enum class FileProblem {
    NoSpace,
    QuotaExceeded,
    TooLarge,
    NoPermission,
    ReadOnlyFile,
    ReadOnlyFileSystem,
    IsFolder,
    NotRegularFile,
    NotFound,
    InputOutput,
    TooLargeToRead,  // more than the program's memory can hold
    Oversized,       // far larger than a file of its kind ever is
    NoHomeFolder,
    Other,
};

struct FileFailure {
    FileProblem problem = FileProblem::Other;
    std::string systemText;  // the system's own words, for FileProblem::Other
};

// The problem an operating-system error stands for. Each platform has its
// own form (posix/, win32/), since the error numbers differ.
FileFailure FailureOf(std::error_code error);

}  // namespace zef
