// The treasury chart window: F6 and the "Graf" button open it on the last
// refresh's turns, a completed refresh updates it, a cancelled or refused one
// leaves it, the figures under the mouse stay, and it exports PNG and SVG, the
// SVG the same bytes as zef-plan --chart.
#include "treasury_chart.h"
#include "gl_libraries.h"
#include "gui_test_main.h"
#include "modal_answer.h"
#include "test_files.h"
#include "webU.h"

#include <QImage>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using zef::TForm1;
using zef::TreasuryChart;
using zef::test::ModalAnswer;
using zef::test::ReadAll;
using zef::test::WriteAll;

class TreasuryChartTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void opens_data();
    void opens();
    void refreshUpdatesTheChart();
    void cancelledRunLeavesTheChart();
    void refusedRunLeavesTheChart();
    void hoverTextStays();
    void exportWritesPngAndSvg();
    void svgIsTheCommandLinesChart();
    void extremeValuesExportFinitely();

private:
    std::unique_ptr<TForm1> startOnExamples();

    std::unique_ptr<zef::test::WindowFolders> folders_;
};

// No GL library: the window opens on the calculator at once.
void TreasuryChartTest::initTestCase() { zef::SetGLLibraryNames("libzef-no-gl.so.1", "libzef-no-glu.so.1"); }

void TreasuryChartTest::init()
{
    folders_ = std::make_unique<zef::test::WindowFolders>();
    QVERIFY(folders_->isValid());
}

void TreasuryChartTest::cleanup() { folders_.reset(); }

std::unique_ptr<TForm1> TreasuryChartTest::startOnExamples()
{
    for (const char* name : {"arm.txt", "rekrut.txt"}) {
        WriteAll(QString::fromLatin1(name), ReadAll(QStringLiteral(ZEF_SOURCE_DIR "/examples/") + QLatin1String(name)));
    }
    auto window = std::make_unique<TForm1>(folders_->settingsFolder());
    window->show();
    return window;
}

void TreasuryChartTest::opens_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("F6 in the editor") << true;
    QTest::newRow("Graf button") << false;
}

// State: the examples' start-up refresh.  Action: F6 or "Graf".
// Expected: the chart shows that refresh's 31 turns and 6 plan lines.
void TreasuryChartTest::opens()
{
    QFETCH(bool, byKey);
    auto window = startOnExamples();
    QCOMPARE(window->treasuryChart(), nullptr);
    if (byKey) {
        // Through the window, as the window system delivers keys, so that shortcuts see it.
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QVERIFY(window->Memo4->hasFocus());
        QTest::keyClick(window->windowHandle(), Qt::Key_F6);
    } else {
        QTest::mouseClick(window->Button7, Qt::LeftButton);
    }
    TreasuryChart* chart = window->treasuryChart();
    QVERIFY(chart && chart->isVisible());
    QCOMPARE(chart->recording().lines.size(), std::size_t{6});
    QCOMPARE(chart->recording().lastTurn()->turn, 31);
    QCOMPARE(chart->recording().lastTurn()->gold, 30520.0);
}

void TreasuryChartTest::refreshUpdatesTheChart()
{
    auto window = startOnExamples();
    window->Button7Click();
    window->Memo4->setPlainText(QStringLiteral("@zl 120000\n1 2160\n"));
    window->Button3Click();
    const zef::TurnRecording& shown = window->treasuryChart()->recording();
    QCOMPARE(shown.lines.size(), std::size_t{1});
    QCOMPARE(shown.lastTurn()->turn, window->planningState().turn);
    QCOMPARE(shown.lastTurn()->damage, window->planningState().treasury.damage);
}

void TreasuryChartTest::cancelledRunLeavesTheChart()
{
    auto window = startOnExamples();
    window->Button7Click();
    const std::int32_t before = window->treasuryChart()->recording().lastTurn()->turn;
    // A unit of batch 1 and about a billion turns: far longer than the test waits.
    WriteAll(QStringLiteral("arm.txt"), "Pesi 100 0 0 0 0 0 1 1\r\n");
    window->Memo4->setPlainText(QStringLiteral("@zl 1\n1 400000000\n"));
    QTimer canceller;
    connect(&canceller, &QTimer::timeout, this, [&] {
        if (auto* dialog = window->findChild<QProgressDialog*>(); dialog && dialog->isVisible()) {
            dialog->cancel();
        }
    });
    canceller.start(20);
    QElapsedTimer clock;
    clock.start();
    window->Button3Click();
    QVERIFY2(clock.elapsed() < 10000, "the run was not cancelled");
    QCOMPARE(window->treasuryChart()->recording().lastTurn()->turn, before);
    QCOMPARE(window->treasuryChart()->recording().lines.size(), std::size_t{6});
}

void TreasuryChartTest::refusedRunLeavesTheChart()
{
    auto window = startOnExamples();
    window->Button7Click();
    window->Memo4->setPlainText(QStringLiteral("3 99999999999999\n"));
    ModalAnswer answer;
    window->Button3Click();
    QCOMPARE(answer.texts().size(), 1);
    QCOMPARE(window->treasuryChart()->recording().lastTurn()->turn, 31);
}

// State: the chart of the examples' refresh.  Action: the mouse rests on the
// plot, then clicks, moves and clicks again.  Expected: the turn's figures stay
// while it rests; the click pins them; the second click lets them follow.
void TreasuryChartTest::hoverTextStays()
{
    auto window = startOnExamples();
    window->Button7Click();
    TreasuryChart* chart = window->treasuryChart();
    QVERIFY(QTest::qWaitForWindowExposed(chart));
    QTRY_VERIFY(!chart->plotArea().isEmpty());
    const QPoint middle = chart->plotArea().center().toPoint();
    QTest::mouseMove(chart, middle);
    QTRY_VERIFY(chart->hoverText().startsWith(QStringLiteral("tah 16, řádek")));
    const QString resting = chart->hoverText();
    // Longer than a tooltip stays once the mouse stops.
    QTest::qWait(1500);
    QCOMPARE(chart->hoverText(), resting);
    QTest::mouseClick(chart, Qt::LeftButton, {}, middle);
    QTest::mouseMove(chart, middle + QPoint(100, 0));
    QVERIFY(chart->hoverPinned());
    QCOMPARE(chart->hoverText(), resting);
    QTest::mouseClick(chart, Qt::LeftButton, {}, middle + QPoint(100, 0));
    QVERIFY(!chart->hoverPinned());
    QVERIFY(chart->hoverText() != resting);
}

void TreasuryChartTest::exportWritesPngAndSvg()
{
    auto window = startOnExamples();
    window->Button7Click();
    TreasuryChart* chart = window->treasuryChart();
    QVERIFY(QTest::qWaitForWindowExposed(chart));
    const QString png = folders_->work.filePath(QStringLiteral("graf.png"));
    const QString svg = folders_->work.filePath(QStringLiteral("graf.svg"));
    QVERIFY(chart->exportPng(png));
    QVERIFY(chart->exportSvg(svg));
    const QImage image(png);
    QVERIFY(!image.isNull());
    QVERIFY(image.width() > 100 && image.height() > 100);
    const QByteArray drawing = ReadAll(svg);
    QVERIFY(drawing.contains("<svg"));
    QVERIFY(drawing.contains("Caro"));  // the first plan line's label
    QVERIFY(!chart->exportPng(folders_->work.filePath(QStringLiteral("no-such-folder/graf.png"))));
}

// State: a plan changed and refreshed; the chart at the size it opens with.
// Action: "Uložit SVG…".  Expected: the bytes zef-plan --chart writes for that plan.
void TreasuryChartTest::svgIsTheCommandLinesChart()
{
    auto window = startOnExamples();
    window->Button7Click();
    window->Memo4->setPlainText(QStringLiteral("@zl 3000\n@mnt 20\n1 2160\n4 900\n"));
    window->Button3Click();
    TreasuryChart* chart = window->treasuryChart();
    QVERIFY(QTest::qWaitForWindowExposed(chart));
    const QString svg = folders_->work.filePath(QStringLiteral("graf.svg"));
    QVERIFY(chart->exportSvg(svg));
    QProcess plan;
    plan.start(QStringLiteral(ZEF_PLAN),
               {QStringLiteral("--chart"), QStringLiteral("-"), QStringLiteral("--no-report")});
    QVERIFY(plan.waitForFinished());
    QCOMPARE(plan.exitCode(), 0);
    QCOMPARE(ReadAll(svg), plan.readAllStandardOutput());
}

// State: a run whose treasury reaches the largest doubles and infinity.
// Expected: the export holds only finite coordinates, and the chart says what it cannot draw.
void TreasuryChartTest::extremeValuesExportFinitely()
{
    const double inf = std::numeric_limits<double>::infinity();
    zef::TurnRecording recording;
    recording.samples = {
        {1, 3, 1.7e308, -1.7e308, 0, 0, 0, 0, 0}, {2, 3, -1.7e308, 5, 0, 0, 0, 0, 0}, {3, 3, inf, -inf, 0, 0, 0, 0, 0}};
    recording.lines = {{3, "Obr", recording.samples.front(), recording.samples.back()}};
    TreasuryChart chart;
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    chart.showRecording(recording);
    const QString svg = folders_->work.filePath(QStringLiteral("graf.svg"));
    QVERIFY(chart.exportSvg(svg));
    const QByteArray drawing = ReadAll(svg).toLower();
    QVERIFY(!drawing.contains("inf") && !drawing.contains("nan"));
    QVERIFY2(drawing.contains(QStringLiteral("zlato: nekonečno od tahu 3").toUtf8()), drawing.left(2000).constData());
}

ZEF_GUI_TEST_MAIN(TreasuryChartTest)
#include "treasury_chart_test.moc"
