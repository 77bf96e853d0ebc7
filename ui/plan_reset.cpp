#include "plan_reset.h"

#include <QStringList>

namespace zef {

const QString DefaultDirectives =
    QStringLiteral("@zl 120000\n@zld 1000\n@mnt 5000\n@mna 20100\n@dmg 0\n@maxmn 198021\n@facktor 1\n");

namespace {

// Only the space character counts, and a line of spaces keeps its last one.
QString WithoutLeadingSpaces(const QString& line)
{
    qsizetype start = 0;
    while (start + 1 < line.size() && line.at(start) == u' ') {
        ++start;
    }
    return line.mid(start);
}

}  // namespace

QString ResetDirectives(const QString& text)
{
    QStringList lines = text.split(u'\n');
    if (text.isEmpty() || text.endsWith(u'\n')) {
        lines.removeLast();
    }

    QString result = DefaultDirectives;
    bool anyKept = false;
    for (const QString& line : lines) {
        const QString trimmed = WithoutLeadingSpaces(line);
        if (trimmed.startsWith(u'@')) {
            continue;
        }
        result += trimmed + u'\n';
        anyKept = true;
    }
    if (!anyKept) {
        result += u'\n';
    }
    return result;
}

}  // namespace zef
