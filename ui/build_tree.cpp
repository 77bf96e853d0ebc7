#include "build_tree.h"

#include <QDir>

namespace zef {

bool InsideBuildTree(const QString& folder)
{
    QDir dir(folder);
    do {
        if (dir.exists(QStringLiteral("CMakeCache.txt"))) {
            return true;
        }
    } while (dir.cdUp());
    return false;
}

}  // namespace zef
