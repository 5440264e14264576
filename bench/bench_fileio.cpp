// The file formats at their caps and one complete atomic save: a full lining catalogue
// (the row cap, descriptions with umlauts) to and from bytes, and the example project
// written through the file layer into a temporary folder.
#include "core/linings/liningcatalogue.h"
#include "core/projectfile/projectfile.h"
#include "exampleproject.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QList<tavix::LiningCatalogueRow> fullCatalogue()
{
    QList<tavix::LiningCatalogueRow> rows;
    for (int i = 0; i < tavix::MaxCatalogueRows; ++i)
        rows.append(
            {QString::fromUtf8("Gipskarton-Vorsatzschale %1 mm, Mineralwolle, Ständerwerk frei").arg(i),
             QString::number(50 + i % 100)});
    return rows;
}

} // namespace

static void BM_SerializeFullCatalogue(benchmark::State &state)
{
    const QList<tavix::LiningCatalogueRow> rows = fullCatalogue();
    for (auto _ : state) {
        QByteArray bytes = tavix::serializeLiningCatalogue(1, rows);
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_SerializeFullCatalogue)->Unit(benchmark::kMillisecond);

static void BM_ParseFullCatalogue(benchmark::State &state)
{
    const QByteArray bytes = tavix::serializeLiningCatalogue(1, fullCatalogue());
    for (auto _ : state) {
        tavix::LiningCatalogueReadResult result = tavix::parseLiningCatalogue(bytes);
        benchmark::DoNotOptimize(result.rows);
    }
}
BENCHMARK(BM_ParseFullCatalogue)->Unit(benchmark::kMillisecond);

static void BM_SaveExampleProject(benchmark::State &state)
{
    const tavix::ProjectModel model = tavix::fixtures::exampleProject();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("projekt.dat"));
    for (auto _ : state) {
        QString error = tavix::saveProject(model, path, QLatin1Char('.'));
        benchmark::DoNotOptimize(error);
    }
}
BENCHMARK(BM_SaveExampleProject)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
