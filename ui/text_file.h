// Whole-file reads and writes for the plan editor. Failures come back as a
// text naming the file and the reason, for a message box.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace zef {

struct FileRead {
    QByteArray bytes;
    std::optional<QString> error;
};

// Creates `name` empty when nothing of that name exists.
std::optional<QString> CreateIfMissing(const QString& name);

FileRead ReadWholeFile(const QString& name);

// Writes a temporary file beside `name` and renames it over `name`, so that a
// crash or a full disk leaves either the old file or the new one, whole.
std::optional<QString> ReplaceFile(const QString& name, const QByteArray& bytes);

}  // namespace zef
