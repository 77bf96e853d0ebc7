// An initialisation file of [sections] and key=value lines, read and written
// entry by entry straight to the disk, as the program's settings file and the
// project options file expect. Names match without regard to case; lines that
// are not touched (comments, foreign sections) stay exactly as they were.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <stdexcept>

namespace zef {

// A write that did not reach the disk; the file is then as it was before.
// what() is "Unable to write to <path>"; reason() is the system's reason.
class IniWriteError : public std::runtime_error {
public:
    IniWriteError(const QString& path, QString reason);
    const QString& reason() const { return reason_; }

private:
    QString reason_;
};

// The integer form of a stored value: decimal, or hexadecimal after "$", "0x"
// or "0X"; leading blanks and a sign are allowed and the whole text must
// convert to a 32-bit signed integer (hexadecimal up to FFFFFFFF, read as its
// two's complement). Anything else gives nothing.
std::optional<std::int32_t> ParseIniInteger(const QByteArray& text);

class IniFile {
public:
    explicit IniFile(QString path);

    const QString& path() const { return path_; }

    // A missing file, section or key gives the default. Values are at most
    // 2047 characters long, as the stored text is cut there.
    QByteArray readString(const QByteArray& section, const QByteArray& key, const QByteArray& defaultValue) const;
    std::int32_t readInteger(const QByteArray& section, const QByteArray& key, std::int32_t defaultValue) const;
    bool readBool(const QByteArray& section, const QByteArray& key, bool defaultValue) const;

    // Replaces the entry's value (keeping the spelling already in the file) or
    // adds the entry, and the section, when missing. The first write creates
    // the file. Throws IniWriteError when the file cannot be written.
    void writeString(const QByteArray& section, const QByteArray& key, const QByteArray& value);
    void writeInteger(const QByteArray& section, const QByteArray& key, std::int32_t value);
    void writeBool(const QByteArray& section, const QByteArray& key, bool value);

private:
    QString path_;
};

}  // namespace zef
