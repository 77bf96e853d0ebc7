// The one way the program replaces a file it owns (the plan, the settings, the
// project options): either the new bytes are on the disk whole, or the old
// file is still there byte for byte and the caller learns why.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace zef {

struct ReplaceFailure {
    bool readOnly = false;  // the file itself may not be written
    QString reason;         // the system's words
};

// Writes a temporary file beside `path`, checks every write and the final
// flush, and renames it over `path`. Where no temporary file can be made (a
// read-only folder) but the file itself is writable, it is rewritten in place
// and, should that fail, its old bytes are written back.
std::optional<ReplaceFailure> ReplaceFileVerified(const QString& path, const QByteArray& bytes);

}  // namespace zef
