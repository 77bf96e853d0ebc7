#include "data_lines.h"

namespace zef {

std::vector<std::string> SplitDataLines(std::string_view bytes)
{
    constexpr char kEndOfFileMark = 26;
    bytes = bytes.substr(0, bytes.find(kEndOfFileMark));
    std::vector<std::string> lines;
    std::string line;
    for (const char c : bytes) {
        if (c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
        } else if (c != '\r') {
            line.push_back(c);
        }
    }
    // Text after the last line end is a line of its own.
    if (!line.empty()) {
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace zef
