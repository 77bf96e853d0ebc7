#include "whole_file.h"

#include "data_file.h"
#include "file_replace.h"

namespace zef {

std::optional<FileFailure> CreateIfMissing(const std::filesystem::path& path)
{
    std::error_code error;
    if (std::filesystem::exists(path, error) || std::filesystem::is_symlink(path, error)) {
        return std::nullopt;
    }
    return ReplaceFileVerified(path, {});
}

FileRead ReadWholeFile(const std::filesystem::path& path, const std::function<bool()>& stillWanted)
{
    if (!DataFileExists(path)) {
        return {{}, std::nullopt, true};
    }
    try {
        return {ReadDataFileBytes(path, stillWanted), std::nullopt, false};
    } catch (const DataFileError& error) {
        return {{}, FailureOf(error.code()), false};
    }
}

}  // namespace zef
