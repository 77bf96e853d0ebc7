// The player scenarios' file (tests/scenarios/player_scenarios.txt, whose
// head describes it) read into its scenarios for the Qt window's runner.
#pragma once

#include <QList>
#include <QString>

namespace zef::test {

struct ScenarioLine {
    int number = 0;  // in the file
    QString command;
    QString rest;  // after the command and its space, as written
    // Set when the line before it said this runner skips it, or checks it only in part.
    QString skipped;
    QString limited;
};

struct Scenario {
    QString name;
    QList<ScenarioLine> lines;
};

// The scenarios of the file at `path` as the runner named `runner` ("qt" or
// "wine") takes them: its skip and limit lines folded into the lines they
// concern, the other runner's dropped. Nothing when the file cannot be read.
QList<Scenario> ReadScenarios(const QString& path, const QString& runner);

// The scenarios' TEXT: "\n" a line break, "\\" a backslash.
QString Unescaped(const QString& text);

}  // namespace zef::test
