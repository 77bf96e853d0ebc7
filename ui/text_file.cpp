#include "text_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zef {

namespace {

QString Failure(const QString& name, const QString& reason) { return QStringLiteral("%1: %2").arg(name, reason); }

}  // namespace

std::optional<QString> CreateIfMissing(const QString& name)
{
    if (QFileInfo(name).exists()) {
        return std::nullopt;
    }
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly)) {
        return Failure(name, file.errorString());
    }
    return std::nullopt;
}

FileRead ReadWholeFile(const QString& name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        return {{}, Failure(name, file.errorString())};
    }
    FileRead read{file.readAll(), std::nullopt};
    if (file.error() != QFileDevice::NoError) {
        read.error = Failure(name, file.errorString());
    }
    return read;
}

std::optional<QString> ReplaceFile(const QString& name, const QByteArray& bytes)
{
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) {
        return Failure(name, file.errorString());
    }
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Failure(name, reason);
    }
    if (!file.commit()) {
        return Failure(name, file.errorString());
    }
    return std::nullopt;
}

}  // namespace zef
