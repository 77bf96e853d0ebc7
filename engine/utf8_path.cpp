#include "utf8_path.h"

namespace zef {

std::filesystem::path PathFromUtf8(std::string_view utf8) { return std::u8string(utf8.begin(), utf8.end()); }

std::string Utf8Name(const std::filesystem::path& path)
{
    const std::u8string name = path.u8string();
    return {name.begin(), name.end()};
}

}  // namespace zef
