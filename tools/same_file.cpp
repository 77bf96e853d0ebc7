#include "same_file.h"

namespace zef {

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) || std::filesystem::absolute(a, error).lexically_normal() ==
                                                           std::filesystem::absolute(b, error).lexically_normal();
}

}  // namespace zef
