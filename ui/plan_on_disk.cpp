#include "plan_on_disk.h"

#include "text_file.h"

#include <QFileInfo>

namespace zef {

PlanOnDisk::Write PlanOnDisk::whatWritingMeans(const QByteArray& bytes) const
{
    // Nothing there, or no plan (a folder in its place): the write itself
    // succeeds or fails with its own message, and loses nothing.
    if (!QFileInfo(path_).isFile()) {
        return Write::Safe;
    }
    const FileRead current = ReadWholeFile(path_);
    if (current.error) {
        return Write::Unseen;
    }
    if (current.bytes == bytes) {
        return Write::Needless;
    }
    return current.bytes == known_ ? Write::Safe : Write::Unseen;
}

}  // namespace zef
