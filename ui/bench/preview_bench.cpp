// The preview through the core: a 20-line plan of 2,000 turns with the chart
// closed and open, beside the run alone, and how soon a preview of 10^8 turns
// stops when the worker is told the text has changed.
#include "full_plan.h"
#include "plan_folder.h"
#include "plan_preview.h"
#include "preview_worker.h"
#include "run_plan.h"
#include "shortfall_finder.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <thread>

namespace {

// The engine's part of a preview with the chart closed: the run on a fresh
// planning state, watched by the shortfall finder alone.
void BM_PreviewRun(benchmark::State& state)
{
    const zef::PlanInputs full = zef::bench::FullPlan();
    std::int32_t turns = 0;
    for (auto _ : state) {
        zef::PlanningState planning;
        zef::ShortfallFinder shortfall;
        zef::RunPlan(planning, full.catalogue, full.plan, {}, &shortfall);
        benchmark::DoNotOptimize(shortfall.gold());
        turns = planning.turn;
    }
    state.counters["turns"] = turns;
}
BENCHMARK(BM_PreviewRun)->Unit(benchmark::kMicrosecond);

// The previews of the worker's thread: its storage kept from one to the next,
// and each preview handed back when the next one comes, as a window does.
void RunPreviews(benchmark::State& state, zef::ChartRecording chart)
{
    const zef::PlanInputs full = zef::bench::FullPlan();
    zef::PreviewStorage storage;
    std::optional<zef::PlanPreview> shown;
    for (auto _ : state) {
        std::optional<zef::PlanPreview> preview = zef::PreviewPlan(full.plan, full.catalogue, {}, chart, &storage);
        if (shown) {
            storage.reusable = std::move(shown->recording);
        }
        shown = std::move(preview);
    }
    state.counters["turns"] = shown->summary.turns;
    state.counters["samples"] = double(shown->recording.samples.size());
}

// The preview as the window runs it while its chart is closed.
void BM_Preview(benchmark::State& state) { RunPreviews(state, zef::ChartRecording::NotWanted); }
BENCHMARK(BM_Preview)->Unit(benchmark::kMicrosecond);

// The same while the chart is open and shows the preview.
void BM_PreviewRecording(benchmark::State& state) { RunPreviews(state, zef::ChartRecording::Wanted); }
BENCHMARK(BM_PreviewRecording)->Unit(benchmark::kMicrosecond);

// From the cancel to the worker's thread being free again, with a preview of
// 10^8 turns running for Arg milliseconds before it.
void BM_PreviewCancel(benchmark::State& state)
{
    const zef::testing::PlanFolder folder;
    folder.writeCatalogue("Pesi 100 0 0 0 0 0 1 1\r\n");
    for (auto _ : state) {
        auto worker = std::make_unique<zef::PreviewWorker>([](zef::PlanPreview) {});
        worker->request("@zl 1\n1 40000000\n");
        std::this_thread::sleep_for(std::chrono::milliseconds(state.range(0)));
        const auto start = std::chrono::steady_clock::now();
        // The destructor cancels, then waits for the thread to end.
        worker.reset();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}
BENCHMARK(BM_PreviewCancel)->Arg(100)->Arg(400)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
