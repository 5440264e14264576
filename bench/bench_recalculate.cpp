// One complete recalculation of the worked example, validation included.
#include "fixtures.h"
#include "core/calculate/recalculate.h"
#include "core/reports/requirements.h"

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

// A floor with and without impact-sound inputs: the difference is what the impact
// calculation and its check add to every keystroke.
static void recalculateFloor(benchmark::State &state, bool withImpact)
{
    tavix::ProjectModel model = tavix::fixtures::impactFloorExample();
    model.requirement.id = QStringLiteral("mfh-decke");
    if (!withImpact)
        model.impactInputs = tavix::ImpactInputs();
    for (auto _ : state) {
        auto outcome = tavix::Recalculate(model, QLatin1Char('.'));
        auto checks = tavix::proofChecks(model);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(checks);
    }
}

static void BM_RecalculateFloorWithoutImpact(benchmark::State &state)
{
    recalculateFloor(state, false);
}
BENCHMARK(BM_RecalculateFloorWithoutImpact);

static void BM_RecalculateFloorWithImpact(benchmark::State &state)
{
    recalculateFloor(state, true);
}
BENCHMARK(BM_RecalculateFloorWithImpact);

BENCHMARK_MAIN();
