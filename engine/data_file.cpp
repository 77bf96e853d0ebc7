#include "data_file.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

namespace zef {

DataFileError::DataFileError(std::string fileName, std::string reason)
    : std::runtime_error(fileName + ": " + reason), fileName_(std::move(fileName)), reason_(std::move(reason))
{
}

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::string SystemReason(int error) { return std::generic_category().message(error); }

std::string ReadUpToEndOfFileMark(const std::string& name)
{
    FileHandle file(std::fopen(name.c_str(), "rb"));
    if (!file) {
        throw DataFileError(name, SystemReason(errno));
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        bytes.append(buffer, got);
        if (got < sizeof buffer) {
            break;
        }
    }
    if (std::ferror(file.get())) {
        throw DataFileError(name, SystemReason(errno));
    }
    constexpr char kEndOfFileMark = 26;
    if (const auto mark = bytes.find(kEndOfFileMark); mark != std::string::npos) {
        bytes.resize(mark);
    }
    return bytes;
}

}  // namespace

bool DataFileExists(const std::string& name)
{
    if (name.empty()) {
        return false;
    }
    return FileHandle(std::fopen(name.c_str(), "rb")) != nullptr;
}

std::vector<std::string> ReadDataFileLines(const std::string& name)
{
    const std::string bytes = ReadUpToEndOfFileMark(name);
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
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
