// Whole-file reads for the plan editor. Failures come back as a text naming
// the file and the reason, for a message box.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace zef {

struct FileRead {
    QByteArray bytes;
    std::optional<QString> error;  // the system's reason
    bool missing = false;          // nothing of that name exists: no error, no bytes
};

// Creates `name` empty when nothing of that name exists.
std::optional<QString> CreateIfMissing(const QString& name);

// Reads a regular file whole; anything else (a folder, a FIFO) is an error,
// and is never opened, so that the window cannot hang on it.
FileRead ReadWholeFile(const QString& name);

}  // namespace zef
