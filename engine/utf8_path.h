// Paths named by UTF-8 text, such as the arguments of a command line, and
// their names as UTF-8 for messages. Windows would read a std::string through
// the machine's ANSI code page, folding "kůň" to "kun" or losing a Chinese
// name altogether; UTF-8 names every file on every system.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zef {

std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8Name(const std::filesystem::path& path);

}  // namespace zef
