// Adding one variant to a study that already holds 200: the list line, the bars of the
// four series on the three charts, the axis limits and the repaint of the shown window.
#include "core/session/projectsession.h"
#include "gui/variants/form_variant.h"
#include "benchmarkmain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLocale>

#include <benchmark/benchmark.h>

using namespace tavix;

static void BM_AddVariantTo200(benchmark::State &state)
{
    ProjectSession session;
    ProjectModel &model = session.model();
    model.Calculated = true;
    model.fields.Variante = QStringLiteral("Variante mit Vorsatzschale");
    gui::TForm_Variant form(session);
    form.openStudy();
    QApplication::processEvents();
    auto *add = form.findChild<QAbstractButton *>(QStringLiteral("btn_AddVariant"));
    auto setResult = [&model](int i) {
        model.RwBau = 48 + (i % 17) * 0.7L;
        model.DnTw12 = model.RwBau + 1.3L;
        model.DnTw21 = model.RwBau - 0.4L;
    };
    for (int i = 0; i < 200; ++i) {
        setResult(i);
        add->click();
    }
    QApplication::processEvents();
    int i = 200;
    for (auto _ : state) {
        setResult(i++);
        add->click();
        QApplication::processEvents();
    }
    if (form.study().lastNumber() != i)
        state.SkipWithError("a variant was not added");
}
// Each repetition starts again from 200 variants; 20 additions keep it near that size.
BENCHMARK(BM_AddVariantTo200)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

TAVIX_WIDGET_BENCHMARK_MAIN()
