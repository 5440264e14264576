// The print preview with the worked example: from the print command until the preview is
// shown and painted, and saving the report as a PDF through the save dialog.
#include "benchmarkmain.h"
#include "exampleproject.h"
#include "gui/common/startdirectory.h"
#include "gui/mainwindow/simplifiedmodel.h"
#include "gui/reports/form_faset.h"
#include "gui/reports/form_qrep.h"
#include "gui/reports/reportpainter.h"
#include "scriptedinteraction.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tavix;

namespace {

const QChar Comma = QLatin1Char(',');

// The main window with the worked example calculated, its start directory a fresh folder.
struct ExampleWindow
{
    gui::ScriptedInteraction dialogs;
    QTemporaryDir startDir;
    gui::TSimplifiedModel window;

    ExampleWindow()
    {
        gui::setStartDirectory(startDir.path());
        window.model() = fixtures::exampleProject(Comma);
        // A firm is entered, as in any office that prints reports: no hint on the first print.
        window.companySettings()
            .findChild<QLineEdit *>(QStringLiteral("edit_Fa"))
            ->setText(QStringLiteral("Ingenieurbüro Muster"));
        window.refreshFromModel();
        window.session().Recalculate();
        window.show();
        QApplication::processEvents();
    }

    // The report as the print command composes and paints it.
    std::shared_ptr<gui::ReportPainter> report()
    {
        ReportComposer composer;
        const gui::TForm_FaSet &company = window.companySettings();
        const ReportOutcome outcome =
            composer.compose(window.model(), company.companyData(), QDate::currentDate(), Comma);
        return std::make_shared<gui::ReportPainter>(
            outcome.document, gui::reportPictures(outcome.document, window.wallPicture(), company.logo()));
    }
};

} // namespace

// The print command composes the report, saves the sketch and shows the main window's
// preview, painted.
static void BM_PrintCommandToShownPreview(benchmark::State &state)
{
    ExampleWindow example;
    gui::TForm_QRep *preview = example.window.findChild<gui::TForm_QRep *>();
    for (auto _ : state) {
        example.window.SpeedButtonPrintClick();
        QApplication::processEvents();
        benchmark::DoNotOptimize(preview->isVisible());
        state.PauseTiming();
        preview->btn_ExitClick();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    if (!example.window.model().Calculated || !example.dialogs.recorded.isEmpty())
        state.SkipWithError("the worked example did not reach the preview");
}
BENCHMARK(BM_PrintCommandToShownPreview)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

static void BM_SaveAsPdf(benchmark::State &state)
{
    ExampleWindow example;
    gui::TForm_QRep preview(example.window.session(), &example.window);
    preview.showReport(example.report(), example.window.model().fields.Projekt);
    QApplication::processEvents();
    gui::ScriptedInteraction &dialogs = example.dialogs;
    const QString path = QDir(example.startDir.path()).filePath(QStringLiteral("Nachweis.pdf"));
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

TAVIX_WIDGET_BENCHMARK_MAIN()
