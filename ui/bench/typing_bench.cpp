// How the plan editor answers keys while previews of a plan of 10^8 turns run
// off the window's thread: the time from a key (QTest::keyClick on the real
// window) to the editor's next repaint. Keys come 250 ms apart, so that at
// each key the preview started after the last one (150 ms after it) has run
// for about 100 ms and is cancelled by it. Run it on a display (xvfb-run).
#include "gl_libraries.h"
#include "webU.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include "bench_folder.h"
#include "qt_benchmark_main.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

namespace {

constexpr int kKeyPauseMs = 250;

// Notes the editor's repaints.
class PaintWatch : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        painted = painted || event->type() == QEvent::Paint;
        return QObject::eventFilter(watched, event);
    }
    bool painted = false;
};

void BM_KeyToRepaint(benchmark::State& state)
{
    // A unit of strength 1 and batch 1: 40 million damage takes 10^8 turns.
    // The keys go into the comment at the end, so the plan stays as long.
    const zef::bench::BenchFolder folder("Pesi 100 0 0 0 0 0 1 1\r\n", "@zl 1\r\n1 40000000\r\n;");
    // No GL library: the window opens on the calculator at once, without its intro.
    zef::SetGLLibraryNames("libzef-no-gl.so.1", "libzef-no-glu.so.1");
    zef::TForm1 window(folder.settings());
    window.show();
    benchmark::DoNotOptimize(QTest::qWaitForWindowExposed(&window));
    window.Memo4->moveCursor(QTextCursor::End);
    PaintWatch watch;
    window.Memo4->viewport()->installEventFilter(&watch);
    std::vector<double> milliseconds;
    QElapsedTimer wall;
    wall.start();
    const std::clock_t cpuAtStart = std::clock();
    for (auto _ : state) {
        QTest::qWait(kKeyPauseMs);
        watch.painted = false;
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(window.Memo4, Qt::Key_A);
        while (!watch.painted) {
            QCoreApplication::processEvents();
        }
        const double elapsed = double(clock.nsecsElapsed()) / 1e6;
        state.SetIterationTime(elapsed / 1e3);
        milliseconds.push_back(elapsed);
    }
    // The process's processor time against the time passed: above what the
    // window's thread uses, the share of a processor the previews kept busy.
    state.counters["cpu_per_wall"] =
        double(std::clock() - cpuAtStart) / CLOCKS_PER_SEC / (double(wall.nsecsElapsed()) / 1e9);
    // Once the keys stop, the preview of the whole plan comes.
    const bool previewCame = QTest::qWaitFor([&] { return window.model().preview().has_value(); }, 20000);
    state.counters["preview_turns"] = previewCame ? window.model().preview()->summary.turns : 0;
    std::sort(milliseconds.begin(), milliseconds.end());
    state.counters["median_ms"] = milliseconds[milliseconds.size() / 2];
    state.counters["max_ms"] = milliseconds.back();
}
BENCHMARK(BM_KeyToRepaint)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);

}  // namespace

ZEF_QT_BENCHMARK_MAIN()
