#pragma once

#include <filesystem>

namespace zef {

// The same file, through a link too, or the same name when it does not exist yet.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace zef
