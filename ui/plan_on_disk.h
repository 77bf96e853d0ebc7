// What this window last saw of the plan file, so that a refresh never writes
// over a plan that someone else (another window, an editor) put there since.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace zef {

class PlanOnDisk {
public:
    explicit PlanOnDisk(QString path) : path_(std::move(path)) {}

    // The bytes this window loaded from the file or wrote to it.
    void remember(const QByteArray& bytes) { known_ = bytes; }

    // Whether writing `bytes` would lose something the window never saw: the
    // file is a regular file that differs both from what the window last saw
    // and from `bytes`, or that cannot be read, or that the window never read.
    bool wouldOverwriteUnseen(const QByteArray& bytes) const;

private:
    QString path_;
    std::optional<QByteArray> known_;
};

}  // namespace zef
