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

// Whether anything of that name is there. Only a file that does not exist
// reads as empty; one that exists but cannot be read is an error, so that a
// plan is never computed from files the player cannot see into.
bool DataFileExists(const std::string& name);

// The whole file, exactly as stored. Anything but a regular file (a folder, a
// FIFO, a device) is refused before a byte is read, so a read never blocks.
// Throws DataFileError when the file cannot be read.
std::string ReadDataFileBytes(const std::string& name);

// The file's lines: CR LF or a bare LF ends a line, a lone CR is dropped, a
// byte 26 ends the file, and the last line needs no line end.
// Throws DataFileError when the file cannot be read.
std::vector<std::string> ReadDataFileLines(const std::string& name);

}  // namespace zef
