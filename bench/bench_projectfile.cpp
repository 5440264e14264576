// Reading and writing the example project, and one build-up recomputation (the dialog
// runs it at every keystroke).
#include "exampleproject.h"
#include "core/buildup/buildupcalc.h"
#include "core/projectfile/projectfile.h"

#include <benchmark/benchmark.h>

static void BM_WriteExampleProject(benchmark::State &state)
{
    const tavix::ProjectModel model = tavix::fixtures::exampleProject();
    for (auto _ : state) {
        QByteArray content = tavix::projectFileContent(model, QLatin1Char('.'));
        benchmark::DoNotOptimize(content);
    }
}
BENCHMARK(BM_WriteExampleProject);

static void BM_ReadExampleProject(benchmark::State &state)
{
    const QByteArray content = tavix::projectFileContent(tavix::fixtures::exampleProject(), QLatin1Char('.'));
    for (auto _ : state) {
        tavix::LoadedProject loaded = tavix::readProject(content, QLatin1Char(','));
        benchmark::DoNotOptimize(loaded.model.A);
    }
}
BENCHMARK(BM_ReadExampleProject);

static void BM_RecomputeCorrectedBrick(benchmark::State &state)
{
    tavix::BuildUpDialogInput in;
    in.record.Konstrukt = 3;
    const char *fields[6] = {"1.5", "1800", "36.5", "700", "1.5", "1800"};
    for (int i = 0; i < 6; ++i)
        in.fields[i] = QString::fromLatin1(fields[i]);
    in.rwUserText = QStringLiteral("0");
    for (auto _ : state) {
        tavix::BuildUpDialogView view = tavix::recomputeBuildUp(in, QLatin1Char('.'));
        benchmark::DoNotOptimize(view.record.Rw);
    }
}
BENCHMARK(BM_RecomputeCorrectedBrick);

BENCHMARK_MAIN();
