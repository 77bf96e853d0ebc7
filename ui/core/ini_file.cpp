#include "ini_file.h"

#include "file_replace.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace zef {

namespace {

constexpr std::size_t kMaxValueLength = 2047;
// Settings and project options hold a few hundred bytes.
constexpr std::uintmax_t kLargestIniFile = 64 * 1024;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Without the white space at either end, as a stored line is read.
std::string_view Trimmed(std::string_view text)
{
    constexpr std::string_view kWhite = " \t\r\n\v\f";
    const std::size_t start = text.find_first_not_of(kWhite);
    if (start == std::string_view::npos) {
        return {};
    }
    return text.substr(start, text.find_last_not_of(kWhite) - start + 1);
}

// The name of a "[section]" line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line)
{
    const std::string_view trimmed = Trimmed(line);
    if (trimmed.empty() || trimmed.front() != '[') {
        return std::nullopt;
    }
    const std::size_t end = trimmed.find(']');
    if (end == std::string_view::npos) {
        return std::nullopt;
    }
    return Trimmed(trimmed.substr(1, end - 1));
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

// The key and value of a "key=value" line; comments and other lines give nothing.
std::optional<Entry> EntryOf(std::string_view line)
{
    const std::string_view trimmed = Trimmed(line);
    if (trimmed.empty() || trimmed.front() == ';') {
        return std::nullopt;
    }
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return Entry{Trimmed(trimmed.substr(0, equals)), Trimmed(trimmed.substr(equals + 1))};
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

// The lines of the file's content, without their line ends.
std::vector<std::string> SplitLines(std::string_view content)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string_view::npos) {
            end = content.size();
        }
        std::string_view line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

void WriteLines(const std::filesystem::path& path, const std::vector<std::string>& lines)
{
    std::string content;
    for (const std::string& line : lines) {
        content += line;
        content += "\r\n";
    }
    if (const std::optional<FileFailure> failure = ReplaceFileVerified(path, content)) {
        throw IniWriteError(path, *failure);
    }
}

std::optional<std::uint32_t> ParseDigits(std::string_view digits, unsigned base)
{
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : digits) {
        unsigned digit = 0;
        if (c >= '0' && c <= '9') {
            digit = unsigned(c - '0');
        } else if (base == 16 && AsciiLower(c) >= 'a' && AsciiLower(c) <= 'f') {
            digit = unsigned(AsciiLower(c) - 'a' + 10);
        } else {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > std::numeric_limits<std::uint32_t>::max()) {
            return std::nullopt;
        }
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace

IniWriteError::IniWriteError(const std::filesystem::path& path, FileFailure failure)
    : std::runtime_error("Unable to write to " + path.string()), failure_(std::move(failure))
{
}

std::optional<std::int32_t> ParseIniInteger(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::optional<std::uint32_t> bits;
    if (text.starts_with('$')) {
        bits = ParseDigits(text.substr(1), 16);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        bits = ParseDigits(text.substr(2), 16);
    } else {
        bits = ParseDigits(text, 10);
        const std::uint32_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
        if (bits && *bits > limit) {
            return std::nullopt;
        }
    }
    if (!bits) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? 0u - *bits : *bits);
}

IniFile::IniFile(std::filesystem::path path) : path_(std::move(path)) {}

std::optional<FileFailure> IniFile::damage() const
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path_, error);
    if (!error && size > kLargestIniFile) {
        return FileFailure{FileProblem::Oversized, "larger than " + std::to_string(kLargestIniFile) + " bytes"};
    }
    return std::nullopt;
}

FileRead IniFile::content() const
{
    if (std::optional<FileFailure> failure = damage()) {
        return {{}, failure, false};
    }
    return ReadWholeFile(path_);
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view defaultValue) const
{
    bool inSection = false;
    // A missing or unreadable file reads as empty: every entry has its default.
    for (const std::string& line : SplitLines(content().bytes)) {
        if (const std::optional<std::string_view> name = SectionName(line)) {
            inSection = SameName(*name, section);
            continue;
        }
        if (!inSection) {
            continue;
        }
        if (const std::optional<Entry> entry = EntryOf(line); entry && SameName(entry->key, key)) {
            return std::string(entry->value.substr(0, kMaxValueLength));
        }
    }
    return std::string(defaultValue);
}

std::int32_t IniFile::readInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const
{
    return ParseIniInteger(readString(section, key, {})).value_or(defaultValue);
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    const FileRead file = content();
    // Writing what could not be read would drop the file's other entries.
    if (file.failure) {
        throw IniWriteError(path_, *file.failure);
    }
    std::vector<std::string> lines = SplitLines(file.bytes);
    std::optional<std::size_t> sectionLine;
    std::size_t insertAt = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const std::optional<std::string_view> name = SectionName(lines[i])) {
            if (sectionLine) {
                break;
            }
            if (SameName(*name, section)) {
                sectionLine = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (!sectionLine) {
            continue;
        }
        const std::optional<Entry> entry = EntryOf(lines[i]);
        if (entry && SameName(entry->key, key)) {
            lines[i] = std::string(entry->key) + '=' + std::string(value);
            WriteLines(path_, lines);
            return;
        }
        // New keys go after the section's last non-empty line, before any gap.
        if (!Trimmed(lines[i]).empty()) {
            insertAt = i + 1;
        }
    }
    if (!sectionLine) {
        if (!lines.empty() && !Trimmed(lines.back()).empty()) {
            lines.emplace_back();
        }
        lines.push_back('[' + std::string(section) + ']');
        insertAt = lines.size();
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), std::string(key) + '=' + std::string(value));
    WriteLines(path_, lines);
}

void IniFile::writeInteger(std::string_view section, std::string_view key, std::int32_t value)
{
    writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value)
{
    writeString(section, key, value ? "1" : "0");
}

}  // namespace zef
