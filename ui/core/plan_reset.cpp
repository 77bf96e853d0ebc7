#include "plan_reset.h"

namespace zef {

namespace {

// Only the space character counts, and a line of spaces keeps its last one.
std::string_view WithoutLeadingSpaces(std::string_view line)
{
    std::size_t start = 0;
    while (start + 1 < line.size() && line[start] == ' ') {
        ++start;
    }
    return line.substr(start);
}

}  // namespace

std::string ResetDirectives(std::string_view text)
{
    std::string result(DefaultDirectives);
    bool anyKept = false;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        // The Windows editor ends its lines in CR LF, the Qt one in LF.
        if (end < text.size() && line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        const std::string_view trimmed = WithoutLeadingSpaces(line);
        if (trimmed.empty() || trimmed.front() != '@') {
            result.append(trimmed);
            result += '\n';
            anyKept = true;
        }
        start = end + 1;
    }
    if (!anyKept) {
        result += '\n';
    }
    return result;
}

}  // namespace zef
