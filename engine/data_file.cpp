// What every platform shares; DataFileExists and ReadDataFileBytes are in
// data_file_posix.cpp or data_file_windows.cpp.
#include "data_file.h"

#include <utility>

namespace zef {

DataFileError::DataFileError(std::string fileName, std::string reason)
    : std::runtime_error(fileName + ": " + reason), fileName_(std::move(fileName)), reason_(std::move(reason))
{
}

std::vector<std::string> ReadDataFileLines(const std::string& name)
{
    std::string bytes = ReadDataFileBytes(name);
    constexpr char kEndOfFileMark = 26;
    if (const auto mark = bytes.find(kEndOfFileMark); mark != std::string::npos) {
        bytes.resize(mark);
    }
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
