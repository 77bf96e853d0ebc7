// The preview through the core: a 20-line plan of 2,000 turns, and how soon a
// preview of 10^8 turns stops when the worker is told the text has changed.
#include "full_plan.h"
#include "plan_folder.h"
#include "plan_preview.h"
#include "preview_worker.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <thread>

namespace {

void BM_Preview(benchmark::State& state)
{
    const zef::PlanInputs full = zef::bench::FullPlan();
    std::int32_t turns = 0;
    for (auto _ : state) {
        const std::optional<zef::PlanPreview> preview = zef::PreviewPlan(full.plan, full.catalogue);
        turns = preview->summary.turns;
    }
    state.counters["turns"] = turns;
}
BENCHMARK(BM_Preview)->Unit(benchmark::kMicrosecond);

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
