// The printed report: composing the page description, painting every page at screen
// resolution (what the preview does on every page change) and writing the PDF; each for
// the two pages of a project without a requirement (argument 2) and the three with the
// proof page (argument 3).
#include "benchmarkmain.h"
#include "exampleproject.h"
#include "gui/reports/reportpainter.h"

#include <QDate>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QChar Comma = QLatin1Char(',');

tavix::ProjectModel benchModel(int pages)
{
    tavix::ProjectModel model = tavix::fixtures::exampleProject(Comma);
    if (pages == 3)
        model.requirement.id = QStringLiteral("mfh-wand");
    for (int n = 1; n <= tavix::FlankCount; ++n) {
        for (int s = 1; s <= 2; ++s)
            model.fields.Memo[n][s] = {QStringLiteral("10 mm Kalkgipsputz (1400 kg/m³)"),
                                       QStringLiteral("12,5 cm Ziegel-Mauerwerk (2000 kg/m³)"),
                                       QStringLiteral("10 mm Kalkgipsputz (1400 kg/m³)")};
    }
    model.fields.VS[2][1] = QStringLiteral("Gipskarton-Vorsatzschale / f = 85Hz");
    model.f0[2][1] = 85;
    tavix::Recalculate(model, Comma);
    return model;
}

tavix::CompanyData benchCompany()
{
    tavix::CompanyData c;
    c.Fa = QStringLiteral("Ingenieurbüro Muster");
    c.Str = QStringLiteral("Hauptstraße 5");
    c.PLZ = QStringLiteral("34117");
    c.Ort = QStringLiteral("Kassel");
    c.Bearbeiter = QStringLiteral("Dipl.-Ing. Erika Muster");
    c.LogoLeft = QStringLiteral("330");
    return c;
}

tavix::gui::ReportPainter benchReport(int pages)
{
    const tavix::ProjectModel model = benchModel(pages);
    tavix::ReportComposer composer;
    const tavix::ReportOutcome outcome = composer.compose(model, benchCompany(), QDate(2026, 12, 7), Comma);
    QImage logo(200, 70, QImage::Format_ARGB32);
    logo.fill(QColor(200, 60, 40));
    return tavix::gui::ReportPainter(
        outcome.document,
        tavix::gui::reportPictures(outcome.document, tavix::gui::reportSketch(model), logo));
}

} // namespace

static void BM_ReportCompose(benchmark::State &state)
{
    const tavix::ProjectModel model = benchModel(int(state.range(0)));
    const tavix::CompanyData company = benchCompany();
    tavix::ReportComposer composer;
    for (auto _ : state) {
        tavix::ReportOutcome outcome = composer.compose(model, company, QDate(2026, 12, 7), Comma);
        benchmark::DoNotOptimize(outcome.document.pages.size());
    }
}
BENCHMARK(BM_ReportCompose)
    ->Arg(2)
    ->Arg(3)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

static void BM_ReportPaintEveryPage96dpi(benchmark::State &state)
{
    const tavix::gui::ReportPainter report = benchReport(int(state.range(0)));
    QImage image(tavix::ReportPageWidth, tavix::ReportPageHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        for (int page = 1; page <= report.pageCount(); ++page) {
            image.fill(Qt::white);
            QPainter painter(&image);
            report.paintPage(painter, page);
        }
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ReportPaintEveryPage96dpi)
    ->Arg(2)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

static void BM_ReportWritePdf(benchmark::State &state)
{
    const tavix::gui::ReportPainter report = benchReport(int(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bericht.pdf"));
    for (auto _ : state) {
        const QString error = tavix::gui::writeReportPdf(report, tavix::gui::reportPages(report, true), path,
                                                         QStringLiteral("Bericht"));
        if (!error.isEmpty())
            state.SkipWithError(qPrintable(error));
    }
}
BENCHMARK(BM_ReportWritePdf)
    ->Arg(2)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

TAVIX_WIDGET_BENCHMARK_MAIN()
