// The main window's response to typing: one keystroke in edit_A through the key filter,
// the change handler, the recalculation, the result labels and the sketch. Also the time
// from nothing to the shown window.
#include "benchmarkmain.h"
#include "fixtures.h"
#include "gui/mainwindow/simplifiedmodel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

#include <benchmark/benchmark.h>

using namespace tavix;

static void BM_KeystrokeInAreaField(benchmark::State &state)
{
    gui::TSimplifiedModel window;
    window.model() = fixtures::workedExample(QLatin1Char(','));
    window.refreshFromModel();
    window.session().Recalculate();
    window.show();
    QApplication::processEvents();
    auto *edit = window.findChild<QLineEdit *>(QStringLiteral("edit_A"));
    bench::KeystrokeLoop keystrokes(edit);
    for (auto _ : state) {
        keystrokes.next();
        benchmark::DoNotOptimize(window.model().RwBau);
    }
    if (!window.model().Calculated)
        state.SkipWithError("the worked example did not calculate");
}
BENCHMARK(BM_KeystrokeInAreaField)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

static void BM_StartUpToShownWindow(benchmark::State &state)
{
    for (auto _ : state) {
        gui::TSimplifiedModel window;
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(BM_StartUpToShownWindow)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

TAVIX_WIDGET_BENCHMARK_MAIN()
