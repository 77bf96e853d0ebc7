#include "ini_file.h"

#include "file_replace.h"
#include "text_file.h"

#include <limits>
#include <vector>

namespace zef {

namespace {

constexpr qsizetype kMaxValueLength = 2047;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The name of a "[section]" line, or nothing for any other line.
std::optional<QByteArray> SectionName(const QByteArray& line)
{
    const QByteArray trimmed = line.trimmed();
    if (!trimmed.startsWith('[')) {
        return std::nullopt;
    }
    const qsizetype end = trimmed.indexOf(']');
    if (end < 0) {
        return std::nullopt;
    }
    return trimmed.mid(1, end - 1).trimmed();
}

struct Entry {
    QByteArray key;
    QByteArray value;
};

// The key and value of a "key=value" line; comments and other lines give nothing.
std::optional<Entry> EntryOf(const QByteArray& line)
{
    const QByteArray trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(';')) {
        return std::nullopt;
    }
    const qsizetype equals = trimmed.indexOf('=');
    if (equals < 0) {
        return std::nullopt;
    }
    return Entry{trimmed.left(equals).trimmed(), trimmed.mid(equals + 1).trimmed()};
}

bool SameName(const QByteArray& a, const QByteArray& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// The lines of the file's content, without their line ends.
std::vector<QByteArray> SplitLines(const QByteArray& content)
{
    std::vector<QByteArray> lines;
    qsizetype start = 0;
    while (start < content.size()) {
        qsizetype end = content.indexOf('\n', start);
        if (end < 0) {
            end = content.size();
        }
        QByteArray line = content.mid(start, end - start);
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

void WriteLines(const QString& path, const std::vector<QByteArray>& lines)
{
    QByteArray content;
    for (const QByteArray& line : lines) {
        content += line;
        content += "\r\n";
    }
    if (const std::optional<ReplaceFailure> failure = ReplaceFileVerified(path, content)) {
        throw IniWriteError(path, failure->reason);
    }
}

std::optional<std::uint32_t> ParseDigits(const char* begin, const char* end, unsigned base)
{
    if (begin == end) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char* p = begin; p != end; ++p) {
        unsigned digit = 0;
        if (*p >= '0' && *p <= '9') {
            digit = unsigned(*p - '0');
        } else if (base == 16 && *p >= 'a' && *p <= 'f') {
            digit = unsigned(*p - 'a' + 10);
        } else if (base == 16 && *p >= 'A' && *p <= 'F') {
            digit = unsigned(*p - 'A' + 10);
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

IniWriteError::IniWriteError(const QString& path, QString reason)
    : std::runtime_error("Unable to write to " + path.toStdString()), reason_(std::move(reason))
{
}

std::optional<std::int32_t> ParseIniInteger(const QByteArray& text)
{
    const char* p = text.constData();
    const char* const end = p + text.size();
    while (p != end && IsBlank(*p)) {
        ++p;
    }
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    if (p != end && *p == '$') {
        ++p;
    } else if (end - p >= 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        p += 2;
    } else {
        const std::optional<std::uint32_t> magnitude = ParseDigits(p, end, 10);
        const std::uint32_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
        if (!magnitude || *magnitude > limit) {
            return std::nullopt;
        }
        return static_cast<std::int32_t>(negative ? 0u - *magnitude : *magnitude);
    }
    const std::optional<std::uint32_t> bits = ParseDigits(p, end, 16);
    if (!bits) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? 0u - *bits : *bits);
}

IniFile::IniFile(QString path) : path_(std::move(path)) {}

QByteArray IniFile::readString(const QByteArray& section, const QByteArray& key, const QByteArray& defaultValue) const
{
    bool inSection = false;
    // A missing or unreadable file reads as empty: every entry has its default.
    for (const QByteArray& line : SplitLines(ReadWholeFile(path_).bytes)) {
        if (const std::optional<QByteArray> name = SectionName(line)) {
            inSection = SameName(*name, section);
            continue;
        }
        if (!inSection) {
            continue;
        }
        if (const std::optional<Entry> entry = EntryOf(line); entry && SameName(entry->key, key)) {
            return entry->value.left(kMaxValueLength);
        }
    }
    return defaultValue;
}

std::int32_t IniFile::readInteger(const QByteArray& section, const QByteArray& key, std::int32_t defaultValue) const
{
    return ParseIniInteger(readString(section, key, QByteArray())).value_or(defaultValue);
}

bool IniFile::readBool(const QByteArray& section, const QByteArray& key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::writeString(const QByteArray& section, const QByteArray& key, const QByteArray& value)
{
    const FileRead file = ReadWholeFile(path_);
    // Writing what could not be read would drop the file's other entries.
    if (file.error) {
        throw IniWriteError(path_, *file.error);
    }
    std::vector<QByteArray> lines = SplitLines(file.bytes);
    std::optional<std::size_t> sectionLine;
    std::size_t insertAt = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const std::optional<QByteArray> name = SectionName(lines[i])) {
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
            lines[i] = entry->key + '=' + value;
            WriteLines(path_, lines);
            return;
        }
        // New keys go after the section's last non-empty line, before any gap.
        if (!lines[i].trimmed().isEmpty()) {
            insertAt = i + 1;
        }
    }
    if (!sectionLine) {
        if (!lines.empty() && !lines.back().trimmed().isEmpty()) {
            lines.emplace_back();
        }
        lines.push_back('[' + section + ']');
        insertAt = lines.size();
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), key + '=' + value);
    WriteLines(path_, lines);
}

void IniFile::writeInteger(const QByteArray& section, const QByteArray& key, std::int32_t value)
{
    writeString(section, key, QByteArray::number(value));
}

void IniFile::writeBool(const QByteArray& section, const QByteArray& key, bool value)
{
    writeString(section, key, value ? "1" : "0");
}

}  // namespace zef
