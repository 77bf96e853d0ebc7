#include "settings_location.h"

#include "settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace zef {

bool FolderIsWritable(const QString& folder) { return ::access(QFile::encodeName(folder).constData(), W_OK) == 0; }

QString ChooseSettingsFolder(const QString& executableFolder, const QString& userFolder)
{
    const bool fileBeside = QFileInfo::exists(QDir(executableFolder).filePath(QString::fromLatin1(kSettingsFileName)));
    if (fileBeside || FolderIsWritable(executableFolder)) {
        return executableFolder;
    }
    // A folder that cannot be made shows up as the write error at the end.
    QDir().mkpath(userFolder);
    return userFolder;
}

QString UserSettingsFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("ZeF"));
}

QString ProgramSettingsFolder()
{
    return ChooseSettingsFolder(QCoreApplication::applicationDirPath(), UserSettingsFolder());
}

}  // namespace zef
