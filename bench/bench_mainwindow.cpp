// The main window's response to typing: one keystroke in edit_A through the key filter,
// the change handler, the recalculation, the result labels and the sketch. Also the time
// from nothing to the shown window.
#include "fixtures.h"
#include "gui/mainwindow/simplifiedmodel.h"
#include "benchmarkmain.h"

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
    window.Recalculate();
    window.show();
    QApplication::processEvents();
    auto *edit = window.findChild<QLineEdit *>(QStringLiteral("edit_A"));
    edit->setFocus();
    edit->setText(QStringLiteral("12"));
    edit->end(false);
    bool typeDigit = true;
    for (auto _ : state) {
        // Alternately type a digit and erase it, so the area stays 12 or 120.
        QKeyEvent press(QEvent::KeyPress, typeDigit ? Qt::Key_0 : Qt::Key_Backspace, Qt::NoModifier,
                        typeDigit ? QStringLiteral("0") : QStringLiteral("\b"));
        QApplication::sendEvent(edit, &press);
        typeDigit = !typeDigit;
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
