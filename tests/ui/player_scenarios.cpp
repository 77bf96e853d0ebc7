#include "player_scenarios.h"

#include <QFile>
#include <QStringList>

namespace zef::test {

QList<Scenario> ReadScenarios(const QString& path, const QString& runner)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    QList<Scenario> scenarios;
    QString skipped;
    QString limited;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& text = lines[i];
        if (text.trimmed().isEmpty() || text.startsWith(u'#')) {
            continue;
        }
        const qsizetype space = text.indexOf(u' ');
        const QString command = text.left(space);
        const QString rest = space < 0 ? QString() : text.mid(space + 1);
        if (command == u"skip" || command == u"limit") {
            const qsizetype after = rest.indexOf(u' ');
            if (rest.left(after) == runner) {
                (command == u"skip" ? skipped : limited) = rest.mid(after + 1);
            }
            continue;
        }
        if (command == u"scenario") {
            scenarios.append({rest, {}});
        } else if (!scenarios.isEmpty()) {
            scenarios.last().lines.append({int(i + 1), command, rest, skipped, limited});
        }
        skipped.clear();
        limited.clear();
    }
    return scenarios;
}

QString Unescaped(const QString& text)
{
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size() && (text[i + 1] == u'n' || text[i + 1] == u'\\')) {
            result += text[++i] == u'n' ? u'\n' : u'\\';
        } else {
            result += text[i];
        }
    }
    return result;
}

}  // namespace zef::test
