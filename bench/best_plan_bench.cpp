// How fast the best plan is proven: the example folder's two questions, a
// random 20-row catalogue at 50 turns, the whole answer with what binds it,
// and a search that its deadline stops, with the gap it leaves.
#include "best_plan.h"
#include "random_catalogue.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string ReadSource(const std::string& path)
{
    std::ifstream in(std::string(ZEF_SOURCE_DIR) + "/" + path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

zef::PlanInputs Examples() { return {ReadSource("examples/arm.txt"), ReadSource("examples/rekrut.txt")}; }

zef::BestPlanRequest Request(zef::BestPlanQuestion question, std::int64_t target, bool explain = false)
{
    zef::BestPlanRequest request;
    request.question = question;
    request.target = target;
    request.explain = explain;
    return request;
}

void Answer(benchmark::State& state, const zef::PlanInputs& inputs, const zef::BestPlanRequest& request)
{
    zef::BestPlanResult result;
    for (auto _ : state) {
        result = zef::FindBestPlan(inputs.catalogue, inputs.plan, request);
        benchmark::DoNotOptimize(result.answer);
    }
    state.counters["states_visited"] = double(result.statesVisited);
    state.counters["proven"] = result.status == zef::BestPlanStatus::ProvenOptimal;
    state.counters["turns"] = result.answer ? result.answer->turns : -1;
    state.counters["damage"] = result.answer ? result.answer->end.damage : -1;
    // How much more a plan could at most reach than the answer (0 when proven).
    state.counters["gap"] = result.answer ? result.damageBound - result.answer->end.damage : -1;
}

void BM_MostDamageExamples31(benchmark::State& state)
{
    Answer(state, Examples(), Request(zef::BestPlanQuestion::MostDamage, 31));
}
BENCHMARK(BM_MostDamageExamples31)->Unit(benchmark::kMillisecond);

void BM_FewestTurnsExamples15328(benchmark::State& state)
{
    Answer(state, Examples(), Request(zef::BestPlanQuestion::FewestTurns, 15328));
}
BENCHMARK(BM_FewestTurnsExamples15328)->Unit(benchmark::kMillisecond);

// Seeds of the same shape, to show the spread.
void BM_MostDamageRandom20Rows50(benchmark::State& state)
{
    Answer(state, zef::testing::RandomCatalogue(static_cast<std::uint32_t>(state.range(0))),
           Request(zef::BestPlanQuestion::MostDamage, 50));
}
BENCHMARK(BM_MostDamageRandom20Rows50)->DenseRange(1, 12)->Unit(benchmark::kMillisecond);

// What zef-plan does: the answer, what binds it, one more turn, 10 % more
// gold and the runner-up.
void BM_WholeAnswerExamples31(benchmark::State& state)
{
    Answer(state, Examples(), Request(zef::BestPlanQuestion::MostDamage, 31, true));
}
BENCHMARK(BM_WholeAnswerExamples31)->Unit(benchmark::kMillisecond);

// 400 turns of a 20-row catalogue cannot be proven in 200 ms: the search
// stops at its deadline with the best found and its gap.
void BM_DeadlineStopsRandom20Rows400(benchmark::State& state)
{
    zef::BestPlanRequest request = Request(zef::BestPlanQuestion::MostDamage, 400);
    request.timeLimit = std::chrono::milliseconds(200);
    Answer(state, zef::testing::RandomCatalogue(1), request);
}
BENCHMARK(BM_DeadlineStopsRandom20Rows400)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
