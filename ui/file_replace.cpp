#include "file_replace.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>

namespace zef {

namespace {

// QSaveFile::commit() does not report a failed flush of its buffer (a full
// disk), so the flush is made and checked before it.
std::optional<QString> WriteAndFlush(QFileDevice& file, const QByteArray& bytes)
{
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        return file.errorString();
    }
    return std::nullopt;
}

// Overwrites the file from its start and cuts it to the new length; nothing
// is truncated before the new bytes are down.
std::optional<QString> Overwrite(QFile& file, const QByteArray& bytes)
{
    if (!file.seek(0)) {
        return file.errorString();
    }
    if (std::optional<QString> failure = WriteAndFlush(file, bytes)) {
        return failure;
    }
    if (!file.resize(bytes.size()) || ::fsync(file.handle()) != 0) {
        return file.errorString();
    }
    return std::nullopt;
}

std::optional<ReplaceFailure> ReplaceInPlace(const QString& path, const QByteArray& bytes)
{
    // Unbuffered, so that after a failed write no rest of the new bytes waits
    // in a buffer to be flushed over the restored old ones.
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        return ReplaceFailure{false, file.errorString()};
    }
    const QByteArray old = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return ReplaceFailure{false, file.errorString()};
    }
    const std::optional<QString> failure = Overwrite(file, bytes);
    if (!failure) {
        return std::nullopt;
    }
    // The old bytes fitted before, so they fit again.
    file.unsetError();
    Overwrite(file, old);
    return ReplaceFailure{false, *failure};
}

}  // namespace

std::optional<ReplaceFailure> ReplaceFileVerified(const QString& path, const QByteArray& bytes)
{
    const QFileInfo existing(path);
    if (existing.isFile() && !existing.isWritable()) {
        return ReplaceFailure{true, QStringLiteral("read-only file")};
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (existing.isFile()) {
            return ReplaceInPlace(path, bytes);
        }
        return ReplaceFailure{false, file.errorString()};
    }
    if (std::optional<QString> failure = WriteAndFlush(file, bytes)) {
        file.cancelWriting();
        return ReplaceFailure{false, *failure};
    }
    if (!file.commit()) {
        return ReplaceFailure{false, file.errorString()};
    }
    return std::nullopt;
}

}  // namespace zef
