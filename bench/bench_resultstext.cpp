// The detailed results text: building it for the worked example, and one keystroke in the
// main window while the results window is open, which rewrites the text shown there.
#include "benchmarkmain.h"
#include "core/buildup/buildupcalc.h"
#include "core/model/numbers.h"
#include "core/reports/resultstext.h"
#include "exampleproject.h"
#include "gui/mainwindow/simplifiedmodel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QToolButton>

#include <benchmark/benchmark.h>

using namespace tavix;

namespace {

ProjectModel exampleWithSummaries(QChar sep)
{
    ProjectModel model = fixtures::exampleProject(sep);
    for (const BuildUpSlot &slot : BuildUpSlots)
        model.fields.Memo[slot.element][slot.side] =
            buildUpSummaryFromRecord(model.buildUp[slot.element][slot.side], sep);
    return model;
}

} // namespace

static void BM_BuildResultsText(benchmark::State &state)
{
    const QChar sep = QLatin1Char(',');
    ProjectModel model = exampleWithSummaries(sep);
    Recalculate(model, sep);
    if (!model.Calculated)
        state.SkipWithError("the worked example did not calculate");
    for (auto _ : state) {
        QStringList lines = BuildResultsText(model, sep);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_BuildResultsText)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

static void BM_KeystrokeWithResultsWindowOpen(benchmark::State &state)
{
    gui::TSimplifiedModel window;
    window.model() = exampleWithSummaries(localeDecimalSeparator());
    window.refreshFromModel();
    window.session().Recalculate();
    window.show();
    window.controls().btn_Results->click();
    QApplication::processEvents();
    auto *text = window.findChild<QPlainTextEdit *>(QStringLiteral("memo_control"));
    auto *edit = window.findChild<QLineEdit *>(QStringLiteral("edit_A"));
    bench::KeystrokeLoop keystrokes(edit);
    for (auto _ : state) {
        keystrokes.next();
        benchmark::DoNotOptimize(text->document()->blockCount());
    }
    if (!window.model().Calculated || text->document()->blockCount() < 100)
        state.SkipWithError("the results window did not show the report");
}
BENCHMARK(BM_KeystrokeWithResultsWindowOpen)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

TAVIX_WIDGET_BENCHMARK_MAIN()
