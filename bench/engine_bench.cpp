// How fast a planning run is: a whole run with file reading, and the cost of
// one simulated turn.
#include "planning_state.h"
#include "run_plan.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

class BenchFolder {
public:
    BenchFolder() : previous_(std::filesystem::current_path())
    {
        path_ = std::filesystem::temp_directory_path() / "zef-bench";
        std::filesystem::create_directories(path_);
        std::filesystem::current_path(path_);
    }
    ~BenchFolder()
    {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(path_);
    }
    void write(const char* name, const std::string& text) const
    {
        std::ofstream(path_ / name, std::ios::binary) << text;
    }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

// 20 unit types of strength 10 and batch 10; each plan line takes 100 turns.
void WriteFullPlan(const BenchFolder& folder)
{
    std::string catalogue = "Jednotky\r\n";
    std::string plan = "@zl 120000\r\n@zld 1000\r\n@mnt 5000\r\n@mna 20100\r\n@dmg 0\r\n@maxmn 198021\r\n@facktor 1\r\n";
    for (int row = 1; row <= 20; ++row) {
        catalogue += "Unit " + std::to_string(20 * row) + " 5 0 " + std::to_string(row) +
                     " 1 0 10 10\r\n";
        plan += "U " + std::to_string(row) + " 4000\r\n";
    }
    folder.write("arm.txt", catalogue);
    folder.write("rekrut.txt", plan);
}

void BM_FullRun(benchmark::State& state)
{
    BenchFolder folder;
    WriteFullPlan(folder);
    for (auto _ : state) {
        zef::reportText.clear();
        zef::RunPlan();
        benchmark::DoNotOptimize(zef::reportText.data());
    }
    state.counters["turns"] = zef::turn;
}
BENCHMARK(BM_FullRun)->Unit(benchmark::kMicrosecond);

void BM_SimulatedTurn(benchmark::State& state)
{
    BenchFolder folder;
    constexpr int kTurns = 10'000'000;
    folder.write("arm.txt", "Pes 1 1 0 1 1 0 25 1 000\r\n");
    folder.write("rekrut.txt", "@zld 100000000\r\n1 " + std::to_string(kTurns * 10) + "\r\n");
    for (auto _ : state) {
        zef::reportText.clear();
        zef::RunPlan();
    }
    state.counters["time_per_turn"] = benchmark::Counter(
        kTurns, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SimulatedTurn)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
