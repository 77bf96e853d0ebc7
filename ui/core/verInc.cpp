#include "verInc.h"

#include "build_tree.h"
#include "file_messages.h"
#include "ini_file.h"
#include "user_folders.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace zef {

std::int32_t SplitTrailingNumber(std::string& text)
{
    std::size_t start = text.size();
    while (start > 0 && text[start - 1] >= '0' && text[start - 1] <= '9') {
        --start;
    }
    std::int32_t number = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data() + start, end, number);
    if (start == text.size() || error != std::errc{} || stop != end) {
        return 0;
    }
    text.resize(start);
    return number;
}

std::filesystem::path ProjectOptionsPath(const std::filesystem::path& executablePath)
{
    std::filesystem::path options = executablePath;
    // A dot that starts the name (a hidden file) begins no extension, which
    // replace_extension already knows.
    return options.replace_extension(".dof");
}

void StampProjectOptions(const std::filesystem::path& path)
{
    std::error_code missing;
    if (!std::filesystem::exists(path, missing)) {
        return;
    }
    IniFile dof(path);
    const std::int32_t build = dof.readInteger("Version Info", "Build", 0);
    std::string product = dof.readString("Version Info Keys", "ProductVersion", "0");
    std::string file = dof.readString("Version Info Keys", "FileVersion", "0");
    std::string compilation = dof.readString("Version Info Keys", "Kompilace", "0");

    const std::int32_t productNumber = SplitTrailingNumber(product);
    const std::int32_t fileNumber = SplitTrailingNumber(file);
    const std::int32_t compilationNumber = SplitTrailingNumber(compilation);
    // Widened so that a number at the 32-bit limit still advances.
    const std::int64_t n = std::max({build, productNumber, fileNumber, compilationNumber});
    const std::string next = std::to_string(n + 1);

    try {
        dof.writeString("Version Info", "Build", next);
        dof.writeString("Version Info Keys", "ProductVersion", product + next);
        dof.writeString("Version Info Keys", "FileVersion", file + std::to_string(n));
        dof.writeString("Version Info Keys", "Kompilace", compilation + next);
        dof.writeBool("Version Info", "Kompilace", true);
        dof.writeBool("Version Info", "AutoIncBuild", true);
    } catch (const IniWriteError& error) {
        std::fprintf(stderr, "zef: %s: %s\n", error.what(), CzechReason(error.failure()).c_str());
    }
}

void StampBuild()
{
    const std::filesystem::path executable = ExecutablePath();
    if (executable.empty() || !InsideBuildTree(executable.parent_path())) {
        return;
    }
    StampProjectOptions(ProjectOptionsPath(executable));
}

}  // namespace zef
