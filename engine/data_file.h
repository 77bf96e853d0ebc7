// Reading the two data files. They are Windows-1250 bytes and pass through
// untouched; only the line structure is interpreted here.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace zef {

// An input/output error on a data file that exists. The run stops with it.
class DataFileError : public std::runtime_error {
public:
    DataFileError(std::string fileName, std::string reason);
    const std::string& fileName() const { return fileName_; }
    const std::string& reason() const { return reason_; }

private:
    std::string fileName_;
    std::string reason_;
};

// Whether the file can be opened for reading. A missing or unreadable data file
// is no error: it simply reads as empty.
bool DataFileExists(const std::string& name);

// The file's lines: CR LF or a bare LF ends a line, a lone CR is dropped, a
// byte 26 ends the file, and the last line needs no line end.
// Throws DataFileError when the file cannot be opened or read.
std::vector<std::string> ReadDataFileLines(const std::string& name);

}  // namespace zef
