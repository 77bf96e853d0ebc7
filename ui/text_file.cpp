#include "text_file.h"

#include "data_file.h"

#include <QFile>
#include <QFileInfo>

namespace zef {

std::optional<QString> CreateIfMissing(const QString& name)
{
    if (QFileInfo(name).exists()) {
        return std::nullopt;
    }
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly)) {
        return QStringLiteral("%1: %2").arg(name, file.errorString());
    }
    return std::nullopt;
}

FileRead ReadWholeFile(const QString& name)
{
    const std::string path = QFile::encodeName(name).toStdString();
    if (!DataFileExists(path)) {
        return {{}, std::nullopt, true};
    }
    try {
        return {QByteArray::fromStdString(ReadDataFileBytes(path)), std::nullopt, false};
    } catch (const DataFileError& error) {
        return {{}, QString::fromLocal8Bit(error.reason()), false};
    }
}

}  // namespace zef
