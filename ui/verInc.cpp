#include "verInc.h"

#include "build_tree.h"
#include "ini_file.h"

#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace zef {

std::int32_t SplitTrailingNumber(QString& text)
{
    qsizetype start = text.size();
    while (start > 0 && text.at(start - 1).isDigit() && text.at(start - 1).unicode() < 128) {
        --start;
    }
    bool ok = false;
    const std::int32_t number = text.mid(start).toInt(&ok);
    if (!ok) {
        return 0;
    }
    text.truncate(start);
    return number;
}

QString ProjectOptionsPath(const QString& executablePath)
{
    const qsizetype nameStart = executablePath.lastIndexOf(u'/') + 1;
    const qsizetype dot = executablePath.lastIndexOf(u'.');
    // A dot that starts the name (a hidden file) begins no extension.
    const qsizetype end = dot > nameStart ? dot : executablePath.size();
    return executablePath.left(end) + QStringLiteral(".dof");
}

void StampProjectOptions(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        return;
    }
    IniFile dof(path);
    const std::int32_t build = dof.readInteger("Version Info", "Build", 0);
    QString product = QString::fromLatin1(dof.readString("Version Info Keys", "ProductVersion", "0"));
    QString file = QString::fromLatin1(dof.readString("Version Info Keys", "FileVersion", "0"));
    QString compilation = QString::fromLatin1(dof.readString("Version Info Keys", "Kompilace", "0"));

    const std::int32_t productNumber = SplitTrailingNumber(product);
    const std::int32_t fileNumber = SplitTrailingNumber(file);
    const std::int32_t compilationNumber = SplitTrailingNumber(compilation);
    // Widened so that a number at the 32-bit limit still advances.
    const qint64 n = std::max({build, productNumber, fileNumber, compilationNumber});
    const QString next = QString::number(n + 1);

    try {
        dof.writeString("Version Info", "Build", QByteArray::number(n + 1));
        dof.writeString("Version Info Keys", "ProductVersion", (product + next).toLatin1());
        dof.writeString("Version Info Keys", "FileVersion", (file + QString::number(n)).toLatin1());
        dof.writeString("Version Info Keys", "Kompilace", (compilation + next).toLatin1());
        dof.writeBool("Version Info", "Kompilace", true);
        dof.writeBool("Version Info", "AutoIncBuild", true);
    } catch (const IniWriteError& error) {
        std::fprintf(stderr, "zef: %s: %s\n", error.what(), qPrintable(error.reason()));
    }
}

void StampBuild()
{
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !InsideBuildTree(QString::fromStdString(executable.parent_path().string()))) {
        return;
    }
    StampProjectOptions(ProjectOptionsPath(QString::fromStdString(executable.string())));
}

}  // namespace zef
