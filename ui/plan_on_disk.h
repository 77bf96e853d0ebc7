// What this window last saw of the plan file, so that a refresh never writes
// over a plan that someone else (another window, an editor) put there since.
#pragma once

#include "plan_file.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace zef {

// The plan file, by its bare name in the working folder.
inline const QString kPlanFile = QString::fromLatin1(kPlanFileName);

class PlanOnDisk {
public:
    explicit PlanOnDisk(QString path) : path_(std::move(path)) {}

    // The bytes this window loaded from the file or wrote to it.
    void remember(const QByteArray& bytes) { known_ = bytes; }

    enum class Write {
        Needless,  // the file already holds exactly these bytes
        Safe,      // nothing there, or what the window last saw, or no file (a folder) at all
        Unseen,    // it would lose what someone else put there, or what could not be read
    };
    Write whatWritingMeans(const QByteArray& bytes) const;

private:
    QString path_;
    std::optional<QByteArray> known_;
};

}  // namespace zef
