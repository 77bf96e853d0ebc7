// A working folder with the given catalogue and plan, the current directory
// while the object lives, and a folder for the settings, for the benchmarks
// that run the real window.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <filesystem>

namespace zef::bench {

class BenchFolder {
public:
    BenchFolder(const QByteArray& catalogue, const QByteArray& plan) : previous_(QDir::currentPath())
    {
        QDir::setCurrent(work_.path());
        Write(QStringLiteral("arm.txt"), catalogue);
        Write(QStringLiteral("rekrut.txt"), plan);
    }
    ~BenchFolder() { QDir::setCurrent(previous_); }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    std::filesystem::path settings() const { return settings_.path().toStdString(); }

private:
    static void Write(const QString& name, const QByteArray& bytes)
    {
        QFile file(name);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
    }

    QString previous_;
    QTemporaryDir work_;
    QTemporaryDir settings_;
};

}  // namespace zef::bench
