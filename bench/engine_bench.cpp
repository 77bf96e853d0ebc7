// How fast a planning run is: a whole run with file reading, and the cost of
// one simulated turn.
#include "plan_folder.h"
#include "run_plan.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using zef::testing::PlanFolder;

// 20 unit types of strength 10 and batch 10; each plan line takes 100 turns.
void WriteFullPlan(const PlanFolder& folder)
{
    std::string catalogue = "Jednotky\r\n";
    std::string plan =
        "@zl 120000\r\n@zld 1000\r\n@mnt 5000\r\n@mna 20100\r\n@dmg 0\r\n@maxmn 198021\r\n@facktor 1\r\n";
    for (int row = 1; row <= 20; ++row) {
        catalogue += "Unit " + std::to_string(20 * row) + " 5 0 " + std::to_string(row) + " 1 0 10 10\r\n";
        plan += "U " + std::to_string(row) + " 4000\r\n";
    }
    folder.writeCatalogue(catalogue);
    folder.writePlan(plan);
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

void BM_SimulatedTurn(benchmark::State& state)
{
    PlanFolder folder;
    constexpr int kTurns = 10'000'000;
    folder.writeCatalogue("Pes 1 1 0 1 1 0 25 1 000\r\n");
    folder.writePlan("@zld 100000000\r\n1 " + std::to_string(kTurns * 10) + "\r\n");
    zef::PlanningState planning;
    for (auto _ : state) {
        planning.reportText.clear();
        zef::RunPlan(planning);
    }
    state.counters["time_per_turn"] =
        benchmark::Counter(kTurns, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SimulatedTurn)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
