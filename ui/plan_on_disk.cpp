#include "plan_on_disk.h"

#include "text_file.h"

#include <QFileInfo>

namespace zef {

bool PlanOnDisk::wouldOverwriteUnseen(const QByteArray& bytes) const
{
    // Nothing there, or no plan (a folder in its place): the write itself
    // succeeds or fails with its own message, and loses nothing.
    if (!QFileInfo(path_).isFile()) {
        return false;
    }
    const FileRead current = ReadWholeFile(path_);
    if (current.error) {
        return true;
    }
    return current.bytes != bytes && current.bytes != known_;
}

}  // namespace zef
