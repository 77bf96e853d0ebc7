// The folders a window test runs in, and whole-file reads and writes for
// tests that check bytes on disk.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

namespace zef::test {

// A fresh working folder, the current directory while this object lives (the
// window finds its data files there), and a fresh folder for zeF.ini.
class WindowFolders {
public:
    WindowFolders() : previous_(QDir::currentPath()), entered_(QDir::setCurrent(work.path())) {}
    ~WindowFolders() { QDir::setCurrent(previous_); }
    WindowFolders(const WindowFolders&) = delete;
    WindowFolders& operator=(const WindowFolders&) = delete;

    bool isValid() const { return work.isValid() && settings.isValid() && entered_; }
    std::filesystem::path settingsFolder() const { return settings.path().toStdString(); }

    QTemporaryDir work;
    QTemporaryDir settings;

private:
    QString previous_;
    bool entered_;
};

inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace zef::test
