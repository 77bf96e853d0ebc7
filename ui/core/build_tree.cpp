#include "build_tree.h"

namespace zef {

bool InsideBuildTree(const std::filesystem::path& folder)
{
    std::error_code error;
    for (std::filesystem::path dir = folder;; dir = dir.parent_path()) {
        if (std::filesystem::exists(dir / "CMakeCache.txt", error)) {
            return true;
        }
        if (!dir.has_relative_path() || dir == dir.parent_path()) {
            return false;
        }
    }
}

}  // namespace zef
