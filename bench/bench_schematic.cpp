// Colour preparation and drawing of the sketch, which runs on every keystroke.
#include "fixtures.h"
#include "gui/sketch/schematic.h"
#include "benchmarkmain.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

tavix::ProjectModel benchModel(int orientation)
{
    tavix::ProjectModel model = tavix::fixtures::workedExample();
    model.Vol1 = 60;
    model.Vol2 = 48;
    model.Orientation = orientation;
    model.Highlight = 2;
    model.Stoss[2] = QStringLiteral("KS_ohneTrennung");
    model.fields.VS[0][2] = QStringLiteral("Gipskarton auf Ständer / f = 63Hz");
    model.fields.VS[4][1] = QStringLiteral("Zementestrich / f = 71Hz");
    return model;
}

// `surfacesChange`: every iteration moves the highlight, as a tab press does, so the
// surfaces are drawn afresh; otherwise only the labels are, as on a keystroke.
void drawSketch(benchmark::State &state, int orientation, bool surfacesChange)
{
    tavix::ProjectModel model = benchModel(orientation);
    const QColor background(240, 240, 240);
    QImage wall;
    QImage floor;
    for (auto _ : state) {
        if (surfacesChange)
            model.Highlight = model.Highlight == 2 ? 3 : 2;
        const tavix::gui::SchematicColours colours = tavix::gui::PrepareSchematicColours(model, background);
        tavix::gui::DrawSchematic(model, colours, 2, wall, floor);
        benchmark::DoNotOptimize(wall.constBits());
    }
}

} // namespace

static void BM_SchematicWallKeystroke(benchmark::State &state)
{
    drawSketch(state, 0, false);
}
BENCHMARK(BM_SchematicWallKeystroke)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

static void BM_SchematicFloorKeystroke(benchmark::State &state)
{
    drawSketch(state, 1, false);
}
BENCHMARK(BM_SchematicFloorKeystroke)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

static void BM_SchematicWallSurfacesChange(benchmark::State &state)
{
    drawSketch(state, 0, true);
}
BENCHMARK(BM_SchematicWallSurfacesChange)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

static void BM_SchematicFloorSurfacesChange(benchmark::State &state)
{
    drawSketch(state, 1, true);
}
BENCHMARK(BM_SchematicFloorSurfacesChange)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

TAVIX_WIDGET_BENCHMARK_MAIN()
