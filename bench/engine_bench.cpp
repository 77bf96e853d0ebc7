// How fast a planning run is: a whole run with file reading, a preview of the
// editor's text from bytes in memory, and the cost of one simulated turn.
#include "full_plan.h"
#include "plan_folder.h"
#include "plan_inputs.h"
#include "run_plan.h"
#include "shortfall_finder.h"
#include "turn_recorder.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using zef::bench::FullPlan;
using zef::testing::PlanFolder;

void WriteFullPlan(const PlanFolder& folder)
{
    const zef::PlanInputs full = FullPlan();
    folder.writeCatalogue(full.catalogue);
    folder.writePlan(full.plan);
}

void BM_FullRun(benchmark::State& state)
{
    PlanFolder folder;
    WriteFullPlan(folder);
    zef::PlanningState planning;
    for (auto _ : state) {
        planning.reportText.clear();
        zef::RunPlan(planning);
        benchmark::DoNotOptimize(planning.reportText.data());
    }
    state.counters["turns"] = planning.turn;
}
BENCHMARK(BM_FullRun)->Unit(benchmark::kMicrosecond);

// A preview of the editor's text: the full plan from bytes in memory, on a copy
// of a window's planning state that holds one report, with the shortfall finder.
void BM_PreviewRun(benchmark::State& state)
{
    const zef::PlanInputs full = FullPlan();
    zef::PlanningState window;
    zef::RunPlan(window, full.catalogue, full.plan);
    for (auto _ : state) {
        zef::PlanningState preview = window;
        zef::ShortfallFinder shortfall;
        zef::RunPlan(preview, full.catalogue, full.plan, {}, &shortfall);
        benchmark::DoNotOptimize(shortfall.gold());
    }
    state.counters["turns"] = window.turn;
}
BENCHMARK(BM_PreviewRun)->Unit(benchmark::kMicrosecond);

// Ten million turns of one unit type: the cost of the turn loop itself.
constexpr int kLoopTurns = 10'000'000;

void WriteLongPlan(const PlanFolder& folder, int turns)
{
    folder.writeCatalogue("Pes 1 1 0 1 1 0 25 1 000\r\n");
    folder.writePlan("@zld 100000000\r\n1 " + std::to_string(std::int64_t{turns} * 10) + "\r\n");
}

void SetTimePerTurn(benchmark::State& state, int turns)
{
    state.counters["time_per_turn"] =
        benchmark::Counter(turns, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_SimulatedTurn(benchmark::State& state)
{
    PlanFolder folder;
    WriteLongPlan(folder, kLoopTurns);
    zef::PlanningState planning;
    for (auto _ : state) {
        planning.reportText.clear();
        zef::RunPlan(planning);
    }
    SetTimePerTurn(state, kLoopTurns);
}
BENCHMARK(BM_SimulatedTurn)->Unit(benchmark::kMillisecond);

// The turn loop with an observer that only counts: the price of being watched.
void BM_SimulatedTurnObserved(benchmark::State& state)
{
    class Counter : public zef::TurnObserver {
    public:
        void observe(const zef::TurnRecord& record) override { last = record.turn; }
        std::int32_t last = 0;
    };
    PlanFolder folder;
    WriteLongPlan(folder, kLoopTurns);
    zef::PlanningState planning;
    Counter counter;
    for (auto _ : state) {
        planning.reportText.clear();
        zef::RunPlan(planning, {}, &counter);
        benchmark::DoNotOptimize(counter.last);
    }
    SetTimePerTurn(state, kLoopTurns);
}
BENCHMARK(BM_SimulatedTurnObserved)->Unit(benchmark::kMillisecond);

// The turn loop with the chart's recorder; its memory after Arg turns.
void BM_SimulatedTurnRecorded(benchmark::State& state)
{
    const auto turns = static_cast<int>(state.range(0));
    PlanFolder folder;
    WriteLongPlan(folder, turns);
    zef::PlanningState planning;
    std::size_t bytes = 0;
    for (auto _ : state) {
        zef::TurnRecorder recorder;
        planning.reportText.clear();
        zef::RunPlan(planning, {}, &recorder);
        bytes = recorder.memoryBytes();
        benchmark::DoNotOptimize(bytes);
    }
    SetTimePerTurn(state, turns);
    state.counters["recorder_bytes"] = double(bytes);
}
BENCHMARK(BM_SimulatedTurnRecorded)->Arg(kLoopTurns)->Arg(100'000'000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
