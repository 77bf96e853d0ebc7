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
        const std::string_view trimmed = WithoutLeadingSpaces(text.substr(start, end - start));
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
