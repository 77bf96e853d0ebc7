// Every player scenario of tests/scenarios/player_scenarios.txt against the
// Qt window: the keys go to the widget with the focus, as a player's would,
// and each expectation is read from the window and the files until it holds.
#include "player_scenarios.h"
#include "gui_test_main.h"
#include "modal_answer.h"
#include "qt_text.h"
#include "test_files.h"
#include "treasury_chart.h"
#include "webU.h"
#include "windows1250.h"

#include <QDeadlineTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

using zef::TForm1;
using zef::test::ReadAll;
using zef::test::Scenario;
using zef::test::ScenarioLine;
using zef::test::Unescaped;

namespace {

// How long an expectation may take to hold: the preview waits for a pause in typing.
constexpr int kPatience = 5000;

std::pair<QString, QString> FirstWord(const QString& text)
{
    const qsizetype space = text.indexOf(u' ');
    return space < 0 ? std::pair{text, QString()} : std::pair{text.left(space), text.mid(space + 1)};
}

QString Where(const ScenarioLine& line)
{
    return QStringLiteral("line %1 \"%2 %3\"").arg(line.number).arg(line.command, line.rest);
}

// TEXT as the data files hold it.
QByteArray FileBytes(const QString& text)
{
    return QByteArray::fromStdString(zef::EncodeWindows1250(zef::ToUtf8(Unescaped(text))).bytes);
}

QString SourceFile(const QString& path) { return QStringLiteral(ZEF_SOURCE_DIR "/") + path; }

std::optional<std::pair<Qt::Key, Qt::KeyboardModifiers>> KeyNamed(const QString& name)
{
    QStringList parts = name.split(u'+');
    const QString key = parts.takeLast();
    Qt::KeyboardModifiers modifiers;
    for (const QString& part : parts) {
        if (part == u"ctrl") {
            modifiers |= Qt::ControlModifier;
        } else if (part == u"shift") {
            modifiers |= Qt::ShiftModifier;
        } else if (part == u"alt") {
            modifiers |= Qt::AltModifier;
        } else {
            return std::nullopt;
        }
    }
    bool numbered = false;
    const int function = key.startsWith(u'F') ? key.mid(1).toInt(&numbered) : 0;
    if (numbered && function >= 1 && function <= 12) {
        return std::pair{Qt::Key(Qt::Key_F1 + function - 1), modifiers};
    }
    static const QHash<QString, Qt::Key> keys{
        {QStringLiteral("Return"), Qt::Key_Return}, {QStringLiteral("Escape"), Qt::Key_Escape},
        {QStringLiteral("Up"), Qt::Key_Up},         {QStringLiteral("Down"), Qt::Key_Down},
        {QStringLiteral("Left"), Qt::Key_Left},     {QStringLiteral("Right"), Qt::Key_Right},
        {QStringLiteral("Home"), Qt::Key_Home},     {QStringLiteral("End"), Qt::Key_End},
        {QStringLiteral("Delete"), Qt::Key_Delete}, {QStringLiteral("BackSpace"), Qt::Key_Backspace}};
    const auto found = keys.find(key);
    return found == keys.end() ? std::nullopt : std::optional{std::pair{*found, modifiers}};
}

// The shown top-level windows' captions.
QStringList ShownTitles()
{
    QStringList titles;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) {
            titles.append(widget->windowTitle());
        }
    }
    return titles;
}

// The texts of the chart's drawing, as its SVG holds them.
QStringList ChartTexts(zef::TreasuryChart& chart, const QString& folder)
{
    const QString path = folder + QStringLiteral("/graf.svg");
    if (!chart.exportSvg(path)) {
        return {};
    }
    static const QRegularExpression text(QStringLiteral("<text[^>]*>([^<]*)</text>"));
    QStringList texts;
    for (const QRegularExpressionMatch& match : text.globalMatch(QString::fromUtf8(ReadAll(path)))) {
        texts.append(match.captured(1));
    }
    return texts;
}

// The lines (1-based) that the editor marks with the warning's wave.
QString UnderlinedLines(const QPlainTextEdit& editor)
{
    QStringList lines;
    for (const QTextEdit::ExtraSelection& mark : editor.extraSelections()) {
        if (mark.format.underlineStyle() == QTextCharFormat::WaveUnderline) {
            lines.append(QString::number(mark.cursor.blockNumber() + 1));
        }
    }
    return lines.isEmpty() ? QStringLiteral("none") : lines.join(u' ');
}

// One scenario's window and files, line by line; a failed check fails the test.
class ScenarioRun {
public:
    ScenarioRun()
    {
        QVERIFY(folders_.isValid());
        zef::test::WriteAll(folders_.settings.filePath(QStringLiteral("zeF.ini")), "[FormOptions]\r\nintro=0\r\n");
    }

    void run(const ScenarioLine& line)
    {
        if (!line.skipped.isEmpty()) {
            qInfo("%s skipped: %s", qPrintable(Where(line)), qPrintable(line.skipped));
            return;
        }
        if (!line.limited.isEmpty()) {
            qInfo("%s only in part: %s", qPrintable(Where(line)), qPrintable(line.limited));
        }
        if (line.command == u"given") {
            QVERIFY2(!window_, qPrintable(Where(line) + QStringLiteral(": the window has started")));
            given(line);
            return;
        }
        if (!window_) {
            start();
        }
        if (line.command == u"expect") {
            expect(line);
            return;
        }
        const bool answering = answer_ != nullptr;
        step(line);
        if (answering && line.command != u"answer") {
            QVERIFY2(answer_->texts() == QStringList{question_},
                     qPrintable(Where(line) + QStringLiteral(": asked ") + answer_->texts().join(u'|')));
            QCOMPARE(answer_->titles(), QStringList{QStringLiteral("ZeF")});
            answer_.reset();
        }
    }

private:
    void given(const ScenarioLine& line)
    {
        const auto [name, source] = FirstWord(line.rest);
        const auto [how, text] = FirstWord(source);
        QVERIFY2(how == u"=" || how == u"from", qPrintable(Where(line)));
        const QByteArray bytes = how == u"=" ? FileBytes(text) : ReadAll(SourceFile(text));
        QVERIFY2(how == u"=" || !bytes.isEmpty(), qPrintable(Where(line) + QStringLiteral(": nothing to read")));
        zef::test::WriteAll(name, bytes);
    }

    void start()
    {
        window_ = std::make_unique<TForm1>(folders_.settingsFolder());
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QCOMPARE(QApplication::focusWidget(), window_->Memo4);
    }

    static QWidget* focused()
    {
        QWidget* widget = QApplication::focusWidget();
        return widget ? widget : QApplication::activeWindow();
    }

    void step(const ScenarioLine& line)
    {
        if (line.command == u"type") {
            QVERIFY2(focused(), qPrintable(Where(line) + QStringLiteral(": nothing has the focus")));
            for (const QChar character : Unescaped(line.rest)) {
                // A character beyond Latin-1, as a keyboard that has it sends it.
                QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key_unknown, QString(character), Qt::NoModifier);
            }
        } else if (line.command == u"keys") {
            for (const QString& name : line.rest.split(u' ', Qt::SkipEmptyParts)) {
                const auto key = KeyNamed(name);
                QVERIFY2(key, qPrintable(Where(line) + QStringLiteral(": no key ") + name));
                QVERIFY2(focused(), qPrintable(Where(line) + QStringLiteral(": nothing has the focus")));
                QTest::keyClick(focused(), key->first, key->second);
            }
        } else if (line.command == u"click") {
            QPushButton* button = line.rest == u"Button3"   ? window_->Button3
                                  : line.rest == u"Button6" ? window_->Button6
                                  : line.rest == u"Button7" ? window_->Button7
                                                            : nullptr;
            QVERIFY2(button, qPrintable(Where(line) + QStringLiteral(": no such button")));
            QTest::mouseClick(button, Qt::LeftButton);
        } else if (line.command == u"answer") {
            const auto [choice, question] = FirstWord(line.rest);
            QVERIFY2(choice == u"yes" || choice == u"no", qPrintable(Where(line)));
            answer_ = std::make_unique<zef::test::ModalAnswer>(choice == u"yes" ? QMessageBox::Yes : QMessageBox::No);
            question_ = question;
        } else if (line.command == u"window") {
            QWidget* found = nullptr;
            const auto find = [&] {
                for (QWidget* widget : QApplication::topLevelWidgets()) {
                    if (widget->isVisible() && widget->windowTitle().startsWith(line.rest)) {
                        found = widget;
                    }
                }
                return found != nullptr;
            };
            QVERIFY2(QTest::qWaitFor(find, kPatience), qPrintable(Where(line) + QStringLiteral(": not shown")));
            // A tool window counts as active with its owner; the keys must go to it.
            const auto active = [found] {
                found->activateWindow();
                return QApplication::activeWindow() == found;
            };
            QVERIFY2(QTest::qWaitFor(active, kPatience),
                     qPrintable(Where(line) + QStringLiteral(": not given the focus")));
        } else {
            QFAIL(qPrintable(Where(line) + QStringLiteral(": no such command")));
        }
    }

    // Reads what `shown` reads until `holds` says it holds, or the patience ends.
    static void waitFor(const ScenarioLine& line, const std::function<QString()>& shown,
                        const std::function<bool(const QString&)>& holds)
    {
        QDeadlineTimer deadline(kPatience);
        QString now = shown();
        while (!holds(now) && !deadline.hasExpired()) {
            QTest::qWait(20);
            now = shown();
        }
        QVERIFY2(holds(now), qPrintable(Where(line) + QStringLiteral(" does not hold; shown: ") + now));
    }

    void expect(const ScenarioLine& line)
    {
        const auto [what, argument] = FirstWord(line.rest);
        const auto [how, text] = FirstWord(argument);
        const QString wanted = Unescaped(text);
        const auto matching = [how = how, wanted](const QString& shown) {
            return how == u"=" ? shown == wanted : how == u"has" ? shown.contains(wanted) : shown.startsWith(wanted);
        };
        if (what == u"editor") {
            waitFor(
                line, [this] { return window_->Memo4->toPlainText(); }, matching);
        } else if (what == u"preview") {
            waitFor(
                line, [this] { return window_->Label1->text(); }, matching);
        } else if (what == u"report") {
            waitFor(
                line, [this] { return window_->Memo3->toPlainText(); }, matching);
        } else if (what == u"reports") {
            const auto reports = [this] {
                return QString::number(window_->Memo3->toPlainText().split(u'\n').count(QStringLiteral("##########")));
            };
            waitFor(line, reports, [argument = argument](const QString& shown) { return shown == argument; });
        } else if (what == u"file") {
            // After "file" come the file's name, the relation and what it is compared with.
            const QString name = how;
            const auto [relation, content] = FirstWord(text);
            const QByteArray expected = relation == u"same" ? ReadAll(SourceFile(content)) : FileBytes(content);
            QVERIFY2(relation == u"=" || (relation == u"same" && !expected.isEmpty()), qPrintable(Where(line)));
            const QString hex = QString::fromLatin1(expected.toHex(' '));
            waitFor(
                line, [name] { return QString::fromLatin1(ReadAll(name).toHex(' ')); },
                [hex](const QString& shown) { return shown == hex; });
        } else if (what == u"shown" || what == u"closed") {
            const bool shown = what == u"shown";
            waitFor(
                line, [] { return ShownTitles().join(QStringLiteral(" | ")); },
                [shown, title = argument](const QString&) { return ShownTitles().contains(title) == shown; });
        } else if (what == u"chart-title") {
            zef::TreasuryChart* chart = window_->treasuryChart();
            QVERIFY2(chart && chart->isVisible(), qPrintable(Where(line) + QStringLiteral(": no chart is shown")));
            const QString folder = folders_.work.path();
            waitFor(
                line, [chart, folder] { return ChartTexts(*chart, folder).join(QStringLiteral(" | ")); },
                [chart, folder, title = argument](const QString&) {
                    return ChartTexts(*chart, folder).contains(title);
                });
        } else if (what == u"underlined") {
            waitFor(
                line, [this] { return UnderlinedLines(*window_->Memo4); },
                [argument = argument](const QString& shown) { return shown == argument; });
        } else {
            QFAIL(qPrintable(Where(line) + QStringLiteral(": no such expectation")));
        }
    }

    zef::test::WindowFolders folders_;
    std::unique_ptr<TForm1> window_;
    std::unique_ptr<zef::test::ModalAnswer> answer_;
    QString question_;
};

}  // namespace

class PlayerScenariosTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void scenario_data();
    void scenario();

private:
    QList<Scenario> scenarios_;
};

void PlayerScenariosTest::scenario_data()
{
    QTest::addColumn<int>("index");
    scenarios_ = zef::test::ReadScenarios(QStringLiteral(ZEF_PLAYER_SCENARIOS), QStringLiteral("qt"));
    QVERIFY2(!scenarios_.isEmpty(), "no scenarios in " ZEF_PLAYER_SCENARIOS);
    for (int i = 0; i < scenarios_.size(); ++i) {
        QTest::newRow(qPrintable(scenarios_[i].name)) << i;
    }
}

void PlayerScenariosTest::scenario()
{
    QFETCH(int, index);
    ScenarioRun run;
    for (const ScenarioLine& line : scenarios_[index].lines) {
        run.run(line);
        if (QTest::currentTestFailed()) {
            return;
        }
    }
}

ZEF_GUI_TEST_MAIN(PlayerScenariosTest)
#include "player_scenarios_test.moc"
