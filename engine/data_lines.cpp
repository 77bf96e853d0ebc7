#include "data_lines.h"

#include <algorithm>

namespace zef {

namespace {
constexpr char kEndOfFileMark = 26;
}  // namespace

DataLines::DataLines(std::string_view bytes) : rest_(bytes.substr(0, bytes.find(kEndOfFileMark))) {}

bool DataLines::next(std::string& line)
{
    const std::size_t end = std::min(rest_.find('\n'), rest_.size());
    const bool ended = end < rest_.size();
    line.clear();
    std::copy_if(rest_.begin(), rest_.begin() + static_cast<std::ptrdiff_t>(end), std::back_inserter(line),
                 [](char c) { return c != '\r'; });
    rest_.remove_prefix(ended ? end + 1 : end);
    // Text after the last line end is a line of its own.
    return ended || !line.empty();
}

std::vector<std::string> SplitDataLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    DataLines reader(bytes);
    for (std::string line; reader.next(line);) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace zef
