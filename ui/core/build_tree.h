// Whether a program runs where it was built. The build stamp serves only the
// developer's build folder; an installed copy must never touch files beside it.
#pragma once

#include <filesystem>

namespace zef {

// Whether `folder` lies inside a CMake build tree: it or one of the folders
// above it holds "CMakeCache.txt", which CMake writes at the top of every
// build tree and which no installation carries.
bool InsideBuildTree(const std::filesystem::path& folder);

}  // namespace zef
