// What the proof adds to a recalculation: the path shares and the requirement check of the
// calculated worked example, and for comparison the recalculation itself.
#include "core/calculate/pathshares.h"
#include "core/calculate/recalculate.h"
#include "core/reports/requirements.h"
#include "fixtures.h"

#include <benchmark/benchmark.h>

static tavix::ProjectModel calculatedExample()
{
    tavix::ProjectModel model = tavix::fixtures::workedExample();
    tavix::Recalculate(model, QLatin1Char('.'));
    return model;
}

static void BM_SharesAndCheck(benchmark::State &state)
{
    const tavix::ProjectModel model = calculatedExample();
    for (auto _ : state) {
        const tavix::PathShares shares = tavix::computePathShares(model);
        const tavix::RequirementCheck check = tavix::checkRequirement(shares.rw, 53);
        benchmark::DoNotOptimize(shares.paths[0].rwWithout);
        benchmark::DoNotOptimize(check.fulfilled);
    }
}
BENCHMARK(BM_SharesAndCheck);

static void BM_RecalculateThenSharesAndCheck(benchmark::State &state)
{
    tavix::ProjectModel model = tavix::fixtures::workedExample();
    for (auto _ : state) {
        auto outcome = tavix::Recalculate(model, QLatin1Char('.'));
        const tavix::PathShares shares = tavix::computePathShares(model);
        const tavix::RequirementCheck check = tavix::checkRequirement(shares.rw, 53);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(check.fulfilled);
    }
}
BENCHMARK(BM_RecalculateThenSharesAndCheck);

static void BM_PathSharesOnly(benchmark::State &state)
{
    const tavix::ProjectModel model = calculatedExample();
    for (auto _ : state) {
        const tavix::PathShares shares = tavix::computePathShares(model);
        benchmark::DoNotOptimize(shares.paths[0].rwWithout);
    }
}
BENCHMARK(BM_PathSharesOnly);
static void BM_RequirementCheckOnly(benchmark::State &state)
{
    for (auto _ : state) {
        const tavix::RequirementCheck check = tavix::checkRequirement(51.77L, 53);
        benchmark::DoNotOptimize(check.fulfilled);
    }
}
BENCHMARK(BM_RequirementCheckOnly);
BENCHMARK_MAIN();
