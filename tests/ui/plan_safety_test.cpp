// The player's files in the window: a refresh that cannot save, or that would
// write over a plan it never saw, runs nothing and keeps the report; files
// that cannot be read stop the refresh with a message; counts are not lost.
#include "file_size_limit.h"
#include "gl_libraries.h"
#include "gui_test_main.h"
#include "modal_answer.h"
#include "planning_state.h"
#include "test_files.h"
#include "webU.h"
#include "without_permission_override.h"

#include <QPlainTextEdit>
#include <QtTest>

#include <sys/stat.h>

using zef::TForm1;
using zef::test::ModalAnswer;
using zef::test::ReadAll;
using zef::test::WriteAll;

namespace {
const QString kPlan = QStringLiteral("rekrut.txt");
const QByteArray kCatalogue = "Pesi 100 0 0 0 0 0 25 1\r\n";
const QByteArray kSavedPlan = "@zl 5000\r\n1 100\r\n";
}  // namespace

class PlanSafetyTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void fullDiskKeepsPlanAndReport();
    void fullDiskAtCloseKeepsSettings();
    void planChangedOnDiskAsks_data();
    void planChangedOnDiskAsks();
    void unreadablePlanAtStartIsNotSaved();
    void readOnlyFolderStillComputes();
    void readOnlyPlanFileSaysSo();
    void unreadableCatalogueStopsRefresh_data();
    void unreadableCatalogueStopsRefresh();
    void tooLongPlanNamesItsLine();
    void twoWindowsKeepBothCounts();

private:
    std::unique_ptr<TForm1> start() { return std::make_unique<TForm1>(folders_->settings.path()); }
    // Runs a refresh and returns the texts of the message boxes it showed.
    QStringList refresh(TForm1& window, QMessageBox::StandardButton answer = QMessageBox::Ok);

    std::unique_ptr<zef::test::WindowFolders> folders_;
};

void PlanSafetyTest::initTestCase()
{
    zef::SetGLLibraryNames("libzef-no-gl.so.1", "libzef-no-glu.so.1");
    zef::testing::DropPermissionOverride();
}

void PlanSafetyTest::init()
{
    folders_ = std::make_unique<zef::test::WindowFolders>();
    QVERIFY(folders_->isValid());
    WriteAll(QStringLiteral("arm.txt"), kCatalogue);
    WriteAll(kPlan, kSavedPlan);
}

void PlanSafetyTest::cleanup()
{
    QFile::setPermissions(folders_->work.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    folders_.reset();
}

QStringList PlanSafetyTest::refresh(TForm1& window, QMessageBox::StandardButton answer)
{
    ModalAnswer answers{answer};
    window.Button3Click();
    return answers.texts();
}

void PlanSafetyTest::fullDiskKeepsPlanAndReport()
{
    auto window = start();
    const std::string report = window->planningState().reportText;
    const QString view = window->Memo3->toPlainText();
    const QString editor = QStringLiteral("1 100\n; ") + QString(8000, u'x');
    window->Memo4->setPlainText(editor);
    QStringList messages;
    {
        const zef::testing::FileSizeLimit fullDisk(4096);
        messages = refresh(*window);
    }
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.at(0).contains(QStringLiteral("„rekrut.txt“")), qPrintable(messages.at(0)));
    QCOMPARE(ReadAll(kPlan), kSavedPlan);
    QCOMPARE(window->planningState().reportText, report);
    QCOMPARE(window->Memo3->toPlainText(), view);
    QCOMPARE(window->Memo4->toPlainText(), editor);
}

void PlanSafetyTest::fullDiskAtCloseKeepsSettings()
{
    const QString ini = folders_->settings.filePath(QStringLiteral("zeF.ini"));
    const QByteArray stored = "[FormOptions]\r\nintro=0\r\nleft=30\r\ntop=40\r\n[Statistika]\r\nspusteni=4\r\n";
    WriteAll(ini, stored);
    auto window = start();
    ModalAnswer answer;
    {
        const zef::testing::FileSizeLimit fullDisk(16);
        window.reset();
    }
    QCOMPARE(answer.texts(), QStringList{QStringLiteral("Unable to write to ") + ini});
    QCOMPARE(ReadAll(ini), stored);
}

void PlanSafetyTest::planChangedOnDiskAsks_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("written");
    QTest::newRow("no") << int(QMessageBox::No) << false;
    QTest::newRow("yes") << int(QMessageBox::Yes) << true;
}

void PlanSafetyTest::planChangedOnDiskAsks()
{
    QFETCH(int, answer);
    QFETCH(bool, written);
    auto window = start();
    const std::string report = window->planningState().reportText;
    const QByteArray otherWindowsPlan = "@zl 9\r\n1 300\r\n";
    WriteAll(kPlan, otherWindowsPlan);
    const QStringList messages = refresh(*window, QMessageBox::StandardButton(answer));
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.at(0).contains(QStringLiteral("Přepsat")), qPrintable(messages.at(0)));
    QCOMPARE(ReadAll(kPlan), written ? kSavedPlan : otherWindowsPlan);
    QCOMPARE(window->planningState().reportText.size() > report.size(), written);
    // Once written, the window knows the file again and asks no more.
    if (written) {
        QVERIFY(refresh(*window).isEmpty());
    }
}

void PlanSafetyTest::unreadablePlanAtStartIsNotSaved()
{
    QVERIFY(QFile::setPermissions(kPlan, QFile::WriteOwner));
    const std::string report;  // a new window's, and nothing is added at start
    ModalAnswer answer{QMessageBox::No};
    auto window = start();
    QCOMPARE(answer.texts().size(), 1);
    QVERIFY2(answer.texts().at(0).contains(QStringLiteral("nejde přečíst")), qPrintable(answer.texts().at(0)));
    QCOMPARE(window->planningState().reportText, report);
    // A refresh of the empty editor asks first; No keeps the plan.
    window->Button3Click();
    QCOMPARE(answer.texts().size(), 2);
    QVERIFY(answer.texts().at(1).contains(QStringLiteral("Přepsat")));
    QVERIFY(QFile::setPermissions(kPlan, QFile::ReadOwner | QFile::WriteOwner));
    QCOMPARE(ReadAll(kPlan), kSavedPlan);
    QCOMPARE(window->planningState().reportText, report);
}

void PlanSafetyTest::readOnlyFolderStillComputes()
{
    auto window = start();
    QVERIFY(QFile::setPermissions(folders_->work.path(), QFile::ReadOwner | QFile::ExeOwner));
    window->Memo4->setPlainText(QStringLiteral("1 200\n"));
    const std::size_t before = window->planningState().reportText.size();
    QVERIFY(refresh(*window).isEmpty());
    QCOMPARE(ReadAll(kPlan), QByteArray("1 200\r\n"));
    QVERIFY(window->planningState().reportText.size() > before);
}

void PlanSafetyTest::readOnlyPlanFileSaysSo()
{
    auto window = start();
    QVERIFY(QFile::setPermissions(kPlan, QFile::ReadOwner));
    const std::string report = window->planningState().reportText;
    window->Memo4->setPlainText(QStringLiteral("1 200\n"));
    const QStringList messages = refresh(*window);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.at(0).contains(QStringLiteral("jen pro čtení")), qPrintable(messages.at(0)));
    QCOMPARE(ReadAll(kPlan), kSavedPlan);
    QCOMPARE(window->planningState().reportText, report);
}

void PlanSafetyTest::unreadableCatalogueStopsRefresh_data()
{
    QTest::addColumn<bool>("fifo");
    QTest::newRow("no permission") << false;
    QTest::newRow("FIFO") << true;
}

void PlanSafetyTest::unreadableCatalogueStopsRefresh()
{
    QFETCH(bool, fifo);
    auto window = start();
    if (fifo) {
        QVERIFY(QFile::remove(QStringLiteral("arm.txt")));
        QCOMPARE(mkfifo("arm.txt", 0600), 0);
    } else {
        QVERIFY(QFile::setPermissions(QStringLiteral("arm.txt"), QFile::WriteOwner));
    }
    const std::string report = window->planningState().reportText;
    const QStringList messages = refresh(*window);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.at(0).contains(QStringLiteral("Soubor „arm.txt“ nejde přečíst")), qPrintable(messages.at(0)));
    QCOMPARE(window->planningState().reportText, report);
}

void PlanSafetyTest::tooLongPlanNamesItsLine()
{
    auto window = start();
    const std::string report = window->planningState().reportText;
    const QString view = window->Memo3->toPlainText();
    // 10 damage a turn: 21474836473 damage takes 2147483648 turns, one more than a run counts.
    window->Memo4->setPlainText(QStringLiteral("; příliš\n1 21474836473\n"));
    const QStringList messages = refresh(*window);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.at(0).startsWith(QStringLiteral("Řádek 2 souboru „rekrut.txt“ („1 21474836473“) potřebuje "
                                                      "2147483648 tahů")),
             qPrintable(messages.at(0)));
    QCOMPARE(window->planningState().reportText, report);
    QCOMPARE(window->Memo3->toPlainText(), view);
}

void PlanSafetyTest::twoWindowsKeepBothCounts()
{
    const QString ini = folders_->settings.filePath(QStringLiteral("zeF.ini"));
    WriteAll(ini, "[Statistika]\r\nspusteni=10\r\nnavrhArmady=100\r\n");
    auto first = start();
    auto second = start();
    for (int i = 0; i < 2; ++i) {
        first->Button3Click();
    }
    for (int i = 0; i < 3; ++i) {
        refresh(*second, QMessageBox::Yes);
    }
    first.reset();
    second.reset();
    const QByteArray stored = ReadAll(ini);
    QVERIFY2(stored.contains("spusteni=12\r\n"), stored.constData());
    QVERIFY2(stored.contains("navrhArmady=105\r\n"), stored.constData());
}

ZEF_GUI_TEST_MAIN(PlanSafetyTest)
#include "plan_safety_test.moc"
