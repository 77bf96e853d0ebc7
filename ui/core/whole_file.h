// Whole-file reads for the window's files. Failures come back as a problem
// that a message can name, never as an exception.
#pragma once

#include "file_failure.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace zef {

struct FileRead {
    std::string bytes;
    std::optional<FileFailure> failure;
    bool missing = false;  // nothing of that name exists: no failure, no bytes
};

// Creates `path` empty when nothing of that name exists.
std::optional<FileFailure> CreateIfMissing(const std::filesystem::path& path);

// Reads a regular file whole; anything else (a folder, a FIFO) is a failure,
// and is never opened, so that the window cannot hang on it. A read that
// `stillWanted` gives up throws PlanCancelled.
FileRead ReadWholeFile(const std::filesystem::path& path, const std::function<bool()>& stillWanted = {});

}  // namespace zef
