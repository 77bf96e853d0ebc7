#include "plan_on_disk.h"

#include "whole_file.h"

namespace zef {

PlanOnDisk::Write PlanOnDisk::whatWritingMeans(const std::string& bytes) const
{
    // Nothing there, or no plan (a folder in its place): the write itself
    // succeeds or fails with its own message, and loses nothing.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path_, error)) {
        return Write::Safe;
    }
    const FileRead current = ReadWholeFile(path_);
    if (current.failure) {
        return Write::Unseen;
    }
    if (current.bytes == bytes) {
        return Write::Needless;
    }
    return current.bytes == known_ ? Write::Safe : Write::Unseen;
}

}  // namespace zef
