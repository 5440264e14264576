// The print preview: from handing a composed report to the preview until the window is
// shown and painted, and saving the report as a PDF through the save dialog.
#include "fakereport.h"
#include "gui/reports/form_qrep.h"
#include "scriptedinteraction.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tavix;

static void BM_ReportToShownPreview(benchmark::State &state)
{
    gui::TForm_QRep preview;
    for (auto _ : state) {
        preview.showReport(std::make_shared<fixtures::FakeReport>(), QStringLiteral("Wohnhaus"));
        QApplication::processEvents();
        benchmark::DoNotOptimize(preview.isVisible());
        state.PauseTiming();
        preview.btn_ExitClick();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReportToShownPreview)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

static void BM_SaveAsPdf(benchmark::State &state)
{
    QTemporaryDir dir;
    gui::TForm_QRep preview;
    preview.showReport(std::make_shared<fixtures::FakeReport>(), QStringLiteral("Wohnhaus"));
    QApplication::processEvents();
    gui::ScriptedInteraction dialogs;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("Nachweis.pdf"));
    for (auto _ : state) {
        dialogs.saveFileAnswers << path;
        preview.btn_PDFClick();
    }
    if (!QFileInfo::exists(path) || dialogs.recorded.size() != qsizetype(state.iterations()))
        state.SkipWithError("the PDF was not written");
}
BENCHMARK(BM_SaveAsPdf)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
