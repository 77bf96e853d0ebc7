#include "application_title.h"
#include "best_plan_window.h"
#include "gl_libraries.h"
#include "gui_test_main.h"
#include "modal_answer.h"
#include "plan_reset.h"
#include "planning_state.h"
#include "qt_text.h"
#include "test_files.h"
#include "webU.h"
#include "windows1250.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using zef::TForm1;
using zef::test::ModalAnswer;

using zef::test::ReadAll;
using zef::test::WriteAll;

namespace {

QString ExpectedView(const TForm1& window)
{
    return zef::FromUtf8(zef::DecodeWindows1250(window.planningState().reportText)) + u'\n';
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void startsInEmptyFolder();
    void refreshAppendsOneReport_data();
    void refreshAppendsOneReport();
    void f5ElsewhereDoesNothing_data();
    void f5ElsewhereDoesNothing();
    void refreshWritesEditorBytes_data();
    void refreshWritesEditorBytes();
    void everyByteSurvivesTheEditor();
    void reset_data();
    void reset();
    void lockedWindowRefusesClose();
    void settingsAcrossStarts_data();
    void settingsAcrossStarts();
    void viewStaysEqualToFullReload();
    void longRunCanBeCancelled();
    void typingPreviewsWithoutSaving();
    void bestPlanFromF8IntoTheEditor();
    void closeRequestIsNeverLost_data();
    void closeRequestIsNeverLost();

private:
    std::unique_ptr<TForm1> start();

    std::unique_ptr<zef::test::WindowFolders> folders_;
};

// These tests are about the calculator. Without a GL library the intro, on
// by default, cannot start, and the window opens on the calculator at once.
void MainWindowTest::initTestCase() { zef::SetGLLibraryNames("libzef-no-gl.so.1", "libzef-no-glu.so.1"); }

void MainWindowTest::init()
{
    folders_ = std::make_unique<zef::test::WindowFolders>();
    QVERIFY(folders_->isValid());
}

void MainWindowTest::cleanup() { folders_.reset(); }

std::unique_ptr<TForm1> MainWindowTest::start() { return std::make_unique<TForm1>(folders_->settingsFolder()); }

void MainWindowTest::startsInEmptyFolder()
{
    auto window = start();
    QVERIFY(QFileInfo::exists(QStringLiteral("rekrut.txt")));
    QVERIFY(QFileInfo::exists(QStringLiteral("arm.txt")));
    QCOMPARE(ReadAll(QStringLiteral("rekrut.txt")), QByteArray());
    const QByteArray emptyPlanReport =
        ReadAll(QStringLiteral(ZEF_SOURCE_DIR "/tests/golden/empty-folder/expected.txt"));
    QVERIFY(!emptyPlanReport.isEmpty());
    QCOMPARE(QByteArray::fromStdString(window->planningState().reportText), emptyPlanReport);
    QCOMPARE(window->Memo3->toPlainText(), ExpectedView(*window));
    QVERIFY(window->windowTitle().startsWith(QStringLiteral("ZeF v.3")));
    QCOMPARE(zef::ApplicationTitle(), QStringLiteral("q71_brouzdac"));
    QVERIFY(window->GroupBox3->isVisibleTo(window.get()));
    QCOMPARE(zef::Form1, window.get());
}

void MainWindowTest::refreshAppendsOneReport_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("button") << true << Qt::KeyboardModifiers();
    QTest::newRow("F5") << false << Qt::KeyboardModifiers();
    QTest::newRow("Shift+F5") << false << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("Ctrl+F5") << false << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("Alt+F5") << false << Qt::KeyboardModifiers(Qt::AltModifier);
}

void MainWindowTest::refreshAppendsOneReport()
{
    QFETCH(bool, byButton);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    auto window = start();
    const std::string startReport = window->planningState().reportText;
    // Every refresh of the unchanged empty plan appends the start-up report again.
    const std::string emptyPlanReport = startReport;
    const std::int32_t designs = window->model().core().DesignCount;
    for (int i = 0; i < 2; ++i) {
        if (byButton) {
            QTest::mouseClick(window->Button3, Qt::LeftButton);
        } else {
            QTest::keyClick(window->Memo4, Qt::Key_F5, modifiers);
        }
    }
    QCOMPARE(window->planningState().reportText, startReport + emptyPlanReport + emptyPlanReport);
    QCOMPARE(window->Memo3->toPlainText(), ExpectedView(*window));
    QCOMPARE(window->model().core().DesignCount, designs + 2);
}

void MainWindowTest::f5ElsewhereDoesNothing_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("report view") << QStringLiteral("Memo3");
    QTest::newRow("refresh button") << QStringLiteral("Button3");
    QTest::newRow("reset button") << QStringLiteral("Button6");
}

void MainWindowTest::f5ElsewhereDoesNothing()
{
    QFETCH(QString, target);
    auto window = start();
    QWidget* widget = target == u"Memo3"     ? static_cast<QWidget*>(window->Memo3)
                      : target == u"Button3" ? static_cast<QWidget*>(window->Button3)
                                             : static_cast<QWidget*>(window->Button6);
    const std::string before = window->planningState().reportText;
    QTest::keyClick(widget, Qt::Key_F5);
    QCOMPARE(window->planningState().reportText, before);
}

void MainWindowTest::refreshWritesEditorBytes_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("no break at the end") << QStringLiteral("1 2\n3 4") << QByteArray("1 2\r\n3 4");
    QTest::newRow("break at the end") << QStringLiteral("1 2\n") << QByteArray("1 2\r\n");
    QTest::newRow("Czech text") << QStringLiteral("; pěchota\n1 2")
                                << QByteArray("; p\xec"
                                              "chota\r\n1 2");
    QTest::newRow("no-break space") << QStringLiteral("a\u00a0b")
                                    << QByteArray("a\xa0"
                                                  "b");
}

void MainWindowTest::refreshWritesEditorBytes()
{
    QFETCH(QString, editor);
    QFETCH(QByteArray, file);
    auto window = start();
    window->Memo4->setPlainText(editor);
    window->Button3Click();
    QCOMPARE(ReadAll(QStringLiteral("rekrut.txt")), file);
}

void MainWindowTest::everyByteSurvivesTheEditor()
{
    QByteArray bytes;
    int inLine = 0;
    for (int b = 0; b < 256; ++b) {
        if (b == '\r' || b == '\n') {
            continue;
        }
        bytes.append(char(b));
        if (++inLine % 16 == 0) {
            bytes.append("\r\n");
        }
    }
    WriteAll(QStringLiteral("rekrut.txt"), bytes);
    auto window = start();
    window->Button3Click();
    QCOMPARE(ReadAll(QStringLiteral("rekrut.txt")).toHex(' '), bytes.toHex(' '));
}

void MainWindowTest::reset_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("after");
    const QString plan = QStringLiteral("  @zl 5\nabc\n\n   \n x");
    QTest::newRow("yes") << int(QMessageBox::Yes) << plan
                         << zef::FromUtf8(zef::DefaultDirectives) + QStringLiteral("abc\n\n \nx\n");
    QTest::newRow("no") << int(QMessageBox::No) << plan << plan;
}

void MainWindowTest::reset()
{
    QFETCH(int, button);
    QFETCH(QString, editor);
    QFETCH(QString, after);
    auto window = start();
    window->Memo4->setPlainText(editor);
    const std::string report = window->planningState().reportText;
    ModalAnswer answer{QMessageBox::StandardButton(button)};
    QTest::mouseClick(window->Button6, Qt::LeftButton);
    QCOMPARE(answer.texts(), QStringList{QStringLiteral("Opravdu resetovat nastavení?")});
    QCOMPARE(answer.titles(), QStringList{QStringLiteral("ZeF")});
    QCOMPARE(window->Memo4->toPlainText(), after);
    QCOMPARE(ReadAll(QStringLiteral("rekrut.txt")), QByteArray());
    QCOMPARE(window->planningState().reportText, report);
}

void MainWindowTest::lockedWindowRefusesClose()
{
    auto window = start();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->WMHotKey(window->model().HotKeyAtom);
    {
        ModalAnswer answer;
        QVERIFY(!window->close());
        QCOMPARE(answer.texts(), QStringList{QStringLiteral("pls\nNEVYPÍNAT\ndík r")});
        QCOMPARE(answer.titles(), QStringList{QStringLiteral("q71_brouzdac")});
        QVERIFY(window->isVisible());
    }
    window->WMHotKey(window->model().HotKeyAtom);
    ModalAnswer answer;
    QVERIFY(window->close());
    QVERIFY(answer.texts().isEmpty());
}

void MainWindowTest::settingsAcrossStarts_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("refreshes");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("first start") << QByteArray() << 2 << QPoint(100, 100)
                                 << QByteArray("[FormOptions]\r\nintro=1\r\nleft=100\r\ntop=100\r\n\r\n[Statistika]\r\n"
                                               "spusteni=1\r\nnavrhArmady=2\r\nnarekrutovani=0\r\n");
    QTest::newRow("later start without refresh")
        << QByteArray("[FormOptions]\r\nintro=0\r\nleft=30\r\ntop=40\r\n[Statistika]\r\nspusteni=4\r\n"
                      "navrhArmady=9\r\nnarekrutovani=3\r\n")
        << 0 << QPoint(30, 40)
        << QByteArray("[FormOptions]\r\nintro=0\r\nleft=30\r\ntop=40\r\n[Statistika]\r\nspusteni=5\r\n"
                      "navrhArmady=9\r\nnarekrutovani=3\r\n");
    QTest::newRow("other spellings and hexadecimal")
        << QByteArray("[FormOptions]\r\nLeft=0x64\r\nTop=$32\r\n[statistika]\r\nspusteni=1\r\n") << 1 << QPoint(100, 50)
        << QByteArray("[FormOptions]\r\nLeft=100\r\nTop=50\r\nintro=1\r\n[statistika]\r\nspusteni=2\r\n"
                      "navrhArmady=1\r\nnarekrutovani=0\r\n");
}

void MainWindowTest::settingsAcrossStarts()
{
    QFETCH(QByteArray, before);
    QFETCH(int, refreshes);
    QFETCH(QPoint, position);
    QFETCH(QByteArray, after);
    const QString ini = folders_->settings.filePath(QStringLiteral("zeF.ini"));
    if (!before.isEmpty()) {
        WriteAll(ini, before);
    }
    auto window = start();
    QCOMPARE(window->pos(), position);
    for (int i = 0; i < refreshes; ++i) {
        window->Button3Click();
    }
    window.reset();
    QCOMPARE(ReadAll(ini), after);
}

void MainWindowTest::viewStaysEqualToFullReload()
{
    WriteAll(QStringLiteral("arm.txt"), "Pesi 100 0 0 0 0 0 1 5\r\n");
    WriteAll(QStringLiteral("rekrut.txt"), "1 100\r\n");
    auto window = start();
    for (int i = 0; i < 20; ++i) {
        window->Button3Click();
    }
    QCOMPARE(window->Memo3->toPlainText(), ExpectedView(*window));
    // After the user types into the view, a refresh puts the report back whole.
    QTest::keyClicks(window->Memo3, QStringLiteral("xyz"));
    window->Button3Click();
    QCOMPARE(window->Memo3->toPlainText(), ExpectedView(*window));
}

// State: a plan on disk.  Action: two lines typed into the editor, the
// cursor on each.  Expected: the preview line shows the typed plan's figures,
// or the warning of the cursor's line, which is underlined; rekrut.txt, the
// report, its view and the counters stay as they were.
void MainWindowTest::typingPreviewsWithoutSaving()
{
    WriteAll(QStringLiteral("arm.txt"), "Pesi 100 0 0 0 0 0 25 1\r\n");
    WriteAll(QStringLiteral("rekrut.txt"), "@zl 5000\r\n");
    auto window = start();
    window->show();
    const std::string report = window->planningState().reportText;
    const QString view = window->Memo3->toPlainText();
    const std::int32_t designs = window->model().core().DesignCount;
    window->Memo4->moveCursor(QTextCursor::End);
    QTest::keyClicks(window->Memo4, QStringLiteral("1 100"));
    QTest::keyClick(window->Memo4, Qt::Key_Return);
    QTest::keyClicks(window->Memo4, QStringLiteral("1 2 000"));
    QTRY_VERIFY(window->model().preview() && window->model().preview()->summary.turns == 11);
    QVERIFY(window->Label1->text().startsWith(QStringLiteral("řádek 3: „2 000“ se čte jako 2")));
    QCOMPARE(window->Memo4->extraSelections().size(), 1);
    QTest::keyClick(window->Memo4, Qt::Key_Up);
    QVERIFY(window->Label1->text().startsWith(QStringLiteral("Náhled: 11 TU, DMG 110, zl ")));
    QCOMPARE(ReadAll(QStringLiteral("rekrut.txt")), QByteArray("@zl 5000\r\n"));
    QCOMPARE(window->planningState().reportText, report);
    QCOMPARE(window->Memo3->toPlainText(), view);
    QCOMPARE(window->model().core().DesignCount, designs);
}

void MainWindowTest::longRunCanBeCancelled()
{
    WriteAll(QStringLiteral("arm.txt"), "Pesi 100 0 0 0 0 0 1 1\r\n");
    auto window = start();
    window->show();
    const std::string before = window->planningState().reportText;
    const QString view = window->Memo3->toPlainText();
    const std::int32_t designs = window->model().core().DesignCount;
    // About a billion turns: far longer than the test waits.
    window->Memo4->setPlainText(QStringLiteral("@zl 1\n1 400000000\n"));

    bool sawDialog = false;
    std::int32_t designsDuringRun = -1;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, this, [&] {
        auto* dialog = window->findChild<QProgressDialog*>();
        if (dialog && dialog->isVisible() && !sawDialog) {
            sawDialog = true;
            window->Button3Click();  // must not start a second run
            designsDuringRun = window->model().core().DesignCount;
            dialog->cancel();
        }
    });
    watcher.start(20);
    QElapsedTimer clock;
    clock.start();
    window->Button3Click();
    QVERIFY(sawDialog);
    QVERIFY2(clock.elapsed() < 10000, "the cancel did not stop the run");
    QCOMPARE(designsDuringRun, designs + 1);
    QCOMPARE(window->planningState().reportText, before);
    QCOMPARE(window->Memo3->toPlainText(), view);
}

// State: the example files.  Action: F8, "Hledat", then "Použít".
// Expected: the proven answer in the editor, nothing saved.
void MainWindowTest::bestPlanFromF8IntoTheEditor()
{
    WriteAll(QStringLiteral("arm.txt"), ReadAll(QStringLiteral(ZEF_SOURCE_DIR "/examples/arm.txt")));
    WriteAll(QStringLiteral("rekrut.txt"), ReadAll(QStringLiteral(ZEF_SOURCE_DIR "/examples/rekrut.txt")));
    auto window = start();
    window->show();
    // F8 is a shortcut: it reaches the calculator of the active window only.
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window->Memo4, Qt::Key_F8);
    zef::BestPlanWindow* dialog = window->bestPlanWindowShown();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->turns->value(), 31);
    QTest::mouseClick(dialog->search, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(dialog->apply->isEnabled(), 20000);
    QVERIFY(dialog->answer->toPlainText().contains(QStringLiteral("25440")));
    QTest::mouseClick(dialog->apply, Qt::LeftButton);
    QVERIFY(window->Memo4->toPlainText().contains(QStringLiteral("Drak 9 18399")));
    QCOMPARE(ReadAll(QStringLiteral("rekrut.txt")), ReadAll(QStringLiteral(ZEF_SOURCE_DIR "/examples/rekrut.txt")));
}

void MainWindowTest::closeRequestIsNeverLost_data()
{
    QTest::addColumn<QString>("during");  // "run", "question" or "idle"
    QTest::addColumn<bool>("byTermination");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<bool>("closes");
    QTest::newRow("close button during a run") << QStringLiteral("run") << false << false << true;
    QTest::newRow("TERM during a run") << QStringLiteral("run") << true << false << true;
    QTest::newRow("TERM during the reset question") << QStringLiteral("question") << true << false << true;
    QTest::newRow("TERM while locked") << QStringLiteral("idle") << true << true << false;
}

// State: a refresh or the reset question in progress.  Action: a close or a TERM.
// Expected: the run ends, the question is answered No, and the window closes;
// a locked window refuses.
void MainWindowTest::closeRequestIsNeverLost()
{
    QFETCH(QString, during);
    QFETCH(bool, byTermination);
    QFETCH(bool, locked);
    QFETCH(bool, closes);
    WriteAll(QStringLiteral("arm.txt"), "Pesi 100 0 0 0 0 0 1 1\r\n");
    auto window = start();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QString plan = QStringLiteral("@zl 1\n1 400000000\n");
    window->Memo4->setPlainText(plan);
    const std::string report = window->planningState().reportText;
    if (locked) {
        window->WMHotKey(window->model().HotKeyAtom);
    }
    if (during == u"idle") {
        ModalAnswer refusal;
        window->CloseOnTermination();
        QTRY_COMPARE(refusal.texts(), QStringList{QStringLiteral("pls\nNEVYPÍNAT\ndík r")});
    }
    bool asked = false;
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
        const bool due = during == u"run" ? window->findChild<QProgressDialog*>() != nullptr
                                          : qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr;
        if (due && !asked) {
            asked = true;
            byTermination ? window->CloseOnTermination() : void(window->close());
        }
    });
    closer.start(20);
    if (during == u"run") {
        window->Button3Click();
        QVERIFY(asked);
    } else if (during == u"question") {
        window->Button6Click();
        QVERIFY(asked);
    }
    QCOMPARE(window->planningState().reportText, report);
    QCOMPARE(window->Memo4->toPlainText(), plan);
    QTRY_COMPARE(window->isVisible(), !closes);
}

ZEF_GUI_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
