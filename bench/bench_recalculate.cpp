// One complete recalculation of the worked example, validation included.
#include "fixtures.h"
#include "core/calculate/recalculate.h"

#include <benchmark/benchmark.h>

static void BM_RecalculateWorkedExample(benchmark::State &state)
{
    tavix::ProjectModel model = tavix::fixtures::workedExample();
    for (auto _ : state) {
        auto outcome = tavix::Recalculate(model, QLatin1Char('.'));
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(model.RwBau);
    }
}
BENCHMARK(BM_RecalculateWorkedExample);

static void BM_RecalculateFreshProject(benchmark::State &state)
{
    tavix::ProjectModel model;
    tavix::resetModel(model, QLatin1Char(','));
    for (auto _ : state) {
        auto outcome = tavix::Recalculate(model, QLatin1Char(','));
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_RecalculateFreshProject);

BENCHMARK_MAIN();
