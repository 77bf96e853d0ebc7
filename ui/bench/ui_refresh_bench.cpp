// One refresh of the window with an empty accumulated report and after many
// earlier refreshes, and the time to a shown window next to a bare QWidget.
// Run it on a display (xvfb-run) or with QT_QPA_PLATFORM=offscreen.
#include "planning_state.h"
#include "treasury_chart.h"
#include "webU.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include "bench_folder.h"
#include "qt_benchmark_main.h"

#include <benchmark/benchmark.h>

namespace {

// A small plan, so every refresh appends a real report.
zef::bench::BenchFolder SmallPlanFolder()
{
    return {"Pesi 100 0 0 0 0 0 1 5\r\nLuk 200 0 1 2 0 0 3 4\r\n", "1 100\r\n2 300\r\n"};
}

void BM_Refresh(benchmark::State& state)
{
    const zef::bench::BenchFolder folder = SmallPlanFolder();
    zef::TForm1 window(folder.settings());
    window.show();
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        window.Button3Click();
    }
    for (auto _ : state) {
        window.Button3Click();
    }
    state.counters["reportBytes"] = double(window.planningState().reportText.size());
}
BENCHMARK(BM_Refresh)->Arg(0)->Arg(10000)->Iterations(300)->Unit(benchmark::kMicrosecond);

// A refresh of two million turns, with the treasury chart closed (0) or open (1).
void BM_LongRefresh(benchmark::State& state)
{
    const zef::bench::BenchFolder folder = SmallPlanFolder();
    zef::TForm1 window(folder.settings());
    window.show();
    window.Memo4->setPlainText(QStringLiteral("@zl 1\n1 4000000\n"));
    if (state.range(0)) {
        window.Button7Click();
        benchmark::DoNotOptimize(QTest::qWaitForWindowExposed(window.treasuryChart()));
    }
    for (auto _ : state) {
        window.Button3Click();
        // The chart repaints what the refresh handed it.
        QCoreApplication::processEvents();
    }
    state.counters["turns"] = window.planningState().turn;
}
BENCHMARK(BM_LongRefresh)->Arg(0)->Arg(1)->Iterations(30)->Unit(benchmark::kMillisecond);

void BM_StartWindow(benchmark::State& state)
{
    const zef::bench::BenchFolder folder = SmallPlanFolder();
    for (auto _ : state) {
        zef::TForm1 window(folder.settings());
        window.show();
        benchmark::DoNotOptimize(QTest::qWaitForWindowExposed(&window));
    }
}
BENCHMARK(BM_StartWindow)->Iterations(50)->Unit(benchmark::kMillisecond);

void BM_StartMinimalWindow(benchmark::State& state)
{
    for (auto _ : state) {
        QWidget window;
        window.resize(571, 351);
        window.show();
        benchmark::DoNotOptimize(QTest::qWaitForWindowExposed(&window));
    }
}
BENCHMARK(BM_StartMinimalWindow)->Iterations(50)->Unit(benchmark::kMillisecond);

}  // namespace

ZEF_QT_BENCHMARK_MAIN()
