// The build stamp: run from the folder it was built in, the program advances
// the build number in the project options file kept there. Elsewhere that file
// is missing and nothing happens.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace zef {

// Cuts the decimal digits off the end of `text` and returns them as a number;
// `text` keeps the prefix. A text without trailing digits, or with more than
// fit a 32-bit signed integer, has no number: it gives 0 and stays whole.
std::int32_t SplitTrailingNumber(std::string& text);

// The project options file of an executable, always beside it: its path with
// the extension replaced by ".dof", or ".dof" appended when it has none.
std::filesystem::path ProjectOptionsPath(const std::filesystem::path& executablePath);

// Advances the numbers in the project options file at `path`, if it exists.
// A write that fails ends the stamp with a line on standard error (there is no
// window yet); the file is then as it was.
void StampProjectOptions(const std::filesystem::path& path);

// Stamps the project options file of the running executable when it runs
// inside its build tree; an installed copy is never stamped. Runs before any
// window exists.
void StampBuild();

}  // namespace zef
