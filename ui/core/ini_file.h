// An initialisation file of [sections] and key=value lines, read and written
// entry by entry straight to the disk, as the program's settings file and the
// project options file expect. Names match without regard to case; lines that
// are not touched (comments, foreign sections) stay exactly as they were.
#pragma once

#include "file_failure.h"
#include "whole_file.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zef {

// A write that did not reach the disk; the file is then as it was before.
// what() is "Unable to write to <path>"; failure() says why.
class IniWriteError : public std::runtime_error {
public:
    IniWriteError(const std::filesystem::path& path, FileFailure failure);
    const FileFailure& failure() const { return failure_; }

private:
    FileFailure failure_;
};

// The integer form of a stored value: decimal, or hexadecimal after "$", "0x"
// or "0X"; leading blanks and a sign are allowed and the whole text must
// convert to a 32-bit signed integer (hexadecimal up to FFFFFFFF, read as its
// two's complement). Anything else gives nothing.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

class IniFile {
public:
    explicit IniFile(std::filesystem::path path);

    const std::filesystem::path& path() const { return path_; }

    // Why the file cannot be used at all: one far larger than a settings
    // file ever is, which is damaged and would take long to go through at
    // every entry. It reads as empty and is never written.
    std::optional<FileFailure> damage() const;

    // A missing file, section or key gives the default. Values are at most
    // 2047 characters long, as the stored text is cut there.
    std::string readString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    std::int32_t readInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
    bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Replaces the entry's value (keeping the spelling already in the file) or
    // adds the entry, and the section, when missing. The first write creates
    // the file. Throws IniWriteError when the file cannot be written.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, std::int32_t value);
    void writeBool(std::string_view section, std::string_view key, bool value);

private:
    FileRead content() const;

    std::filesystem::path path_;
};

}  // namespace zef
