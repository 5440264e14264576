// The report painter: both pages painted at 96 dpi show ink where the page description
// puts its items and nothing where it puts none; a paged device gets the chosen pages; the
// print command of the main window saves the sketch or stops with the message. Pictures
// of both pages with the worked example and a company logo go to <build>/pictures.
#include "exampleproject.h"
#include "gui/common/startdirectory.h"
#include "gui/mainwindow/simplifiedmodel.h"
#include "gui/reports/form_faset.h"
#include "gui/reports/reportpainter.h"
#include "widgettest.h"

#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using namespace tavix;
using namespace tavix::gui;

namespace {

const QChar Comma = QLatin1Char(',');

CompanyData exampleCompany()
{
    CompanyData c;
    c.Fa = QStringLiteral("Ingenieurbüro Muster");
    c.Str = QStringLiteral("Hauptstraße 5");
    c.PLZ = QStringLiteral("34117");
    c.Ort = QStringLiteral("Kassel");
    c.Bearbeiter = QStringLiteral("Dipl.-Ing. Erika Muster");
    c.Date = QStringLiteral("7. 12. 2026");
    c.Tel = QStringLiteral("0561 123456");
    c.Fax = QStringLiteral("0561 123457");
    c.Mail = QStringLiteral("info@muster-ingenieure.de");
    c.www = QStringLiteral("www.muster-ingenieure.de");
    c.LogoLeft = QStringLiteral("330");
    c.LogoTop = QStringLiteral("8");
    c.FaNameLeft = QStringLiteral("0");
    c.FaNameTop = QStringLiteral("30");
    return c;
}

// A letterhead logo: a red emblem and a grey word mark.
QImage exampleLogo()
{
    QImage logo(200, 70, QImage::Format_ARGB32);
    logo.fill(Qt::transparent);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(200, 60, 40));
    p.drawEllipse(QRectF(4, 8, 54, 54));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(22);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(60, 60, 60));
    p.drawText(QRectF(66, 10, 134, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("MUSTER"));
    return logo;
}

// The worked example with build-up summaries, a lining and a corner junction.
ProjectModel printedExample()
{
    ProjectModel model = fixtures::exampleProject(Comma);
    FieldTexts &f = model.fields;
    f.Projekt = QString::fromUtf8("Neubau Mehrfamilienhaus Lindenstraße, Wohnungstrennwand zwischen "
                                  "Wohnung 3 und Wohnung 4 im zweiten Obergeschoss");
    f.Memo[0][0] = {QString::fromUtf8("17,5 cm Ziegel-Mauerwerk (2000 kg/m³)"), QString(), QString()};
    model.buildUp[1][1].Konstrukt = 0;
    model.buildUp[1][1].Moertel = 1;
    for (int n = 1; n <= FlankCount; ++n) {
        for (int s = 1; s <= 2; ++s)
            f.Memo[n][s] = {QString::fromUtf8("10 mm Kalkgipsputz (1400 kg/m³)"),
                            QString::fromUtf8("12,5 cm Ziegel-Mauerwerk (2000 kg/m³)"),
                            QString::fromUtf8("10 mm Kalkgipsputz (1400 kg/m³)")};
    }
    f.VS[2][1] = QStringLiteral("Gipskarton-Vorsatzschale / f = 85Hz");
    model.f0[2][1] = 85;
    model.Stoss[3] = QStringLiteral("LSa_TrennungR2");
    Recalculate(model, Comma);
    return model;
}

ReportPainter composedReport(const ProjectModel &model, const QImage &logo)
{
    ReportComposer composer;
    const ReportOutcome outcome = composer.compose(model, exampleCompany(), QDate(2026, 12, 7), Comma);
    return ReportPainter(outcome.document, reportPictures(outcome.document, reportSketch(model), logo));
}

// One page's content area at 96 dpi, one pixel per report pixel.
QImage paintedPage(const ReportPainter &report, int page)
{
    QImage image(ReportPageWidth, ReportPageHeight, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    QPainter painter(&image);
    report.paintPage(painter, page);
    return image;
}

int inkIn(const QImage &image, const QRect &area)
{
    int ink = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x)
            ink += qGray(image.pixel(x, y)) < 160;
    }
    return ink;
}

} // namespace

class TestReportPainter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void inkWhereItemsAre_data();
    void inkWhereItemsAre();
    void blankWhereNothingIs_data();
    void blankWhereNothingIs();
    void printCommand_data();
    void printCommand();
    void picturesOfBothPages();
};

void TestReportPainter::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestReportPainter::inkWhereItemsAre_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("cover page") << 1;
    QTest::newRow("calculation sheet") << 2;
}

// Every text has ink at its start (or its right end), every picture slot inside its box.
void TestReportPainter::inkWhereItemsAre()
{
    QFETCH(int, page);
    const ReportPainter report = composedReport(printedExample(), exampleLogo());
    const QImage image = paintedPage(report, page);
    const ReportPage &content = report.document().pages.at(page - 1);
    for (const ReportText &text : content.texts) {
        if (text.text.trimmed().isEmpty())
            continue;
        const int x = text.alignRight ? text.position.x() - 24 : text.position.x();
        const QRect start(x, text.position.y(), 24, text.font.pixelSize + 2);
        QVERIFY2(inkIn(image, start) > 0, qPrintable(text.text));
    }
    for (const ReportPictureSlot &slot : content.pictures)
        QVERIFY2(inkIn(image, slot.box) > 20, qPrintable(QString::number(int(slot.picture))));
    // Subscripts reach below the baseline of their letter, where these captions have no ink.
    for (const ReportText &text : content.texts) {
        if (text.subscript.isEmpty())
            continue;
        const int width = text.text == QLatin1String("R") ? 20 : 335;
        if (text.text.size() > 1 && !text.text.contains(QLatin1String("Bau-Schall")))
            continue;
        const int baseline = text.position.y() + qRound(0.905 * text.font.pixelSize);
        QVERIFY2(inkIn(image, QRect(text.position.x(), baseline + 1, width, 2)) > 0,
                 qPrintable(text.subscript));
    }
    // The results stand in their frames, right of the captions.
    if (page == 2) {
        QVERIFY(inkIn(image, QRect(502, ReportBodyTop + 856, 40, 14)) > 20);
        QVERIFY(inkIn(image, QRect(502, ReportBodyTop + 878, 40, 14)) > 20);
    }
}

void TestReportPainter::blankWhereNothingIs_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QRect>("area");
    QTest::newRow("cover: between address block and title") << 1 << QRect(60, ReportBodyTop + 150, 600, 55);
    QTest::newRow("cover: between signature and footer")
        << 1 << QRect(0, ReportBodyTop + 870, ReportPageWidth, ReportFooterTop - ReportBodyTop - 872);
    QTest::newRow("sheet: right of the flank table, no text runs out")
        << 2 << QRect(712, ReportBodyTop + 379, 6, 520);
    QTest::newRow("sheet: flank column right of the junction picture")
        << 2 << QRect(211, ReportBodyTop + 430, 4, 50);
}

void TestReportPainter::blankWhereNothingIs()
{
    QFETCH(int, page);
    QFETCH(QRect, area);
    const QImage image = paintedPage(composedReport(printedExample(), exampleLogo()), page);
    QCOMPARE(inkIn(image, area), 0);
}

void TestReportPainter::printCommand_data()
{
    QTest::addColumn<bool>("complete");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("startDirExists");
    QTest::addColumn<QString>("written"); // the sketch file; empty: none
    QTest::addColumn<QString>("message"); // the one message shown; empty: none
    QTest::newRow("incomplete inputs")
        << false << 0 << true << QString() << " Keine Berechnungsergebnisse vorhanden!\r  ";
    QTest::newRow("wall") << true << 0 << true << "img_h.bmp" << QString();
    QTest::newRow("floor") << true << 1 << true << "img_v.bmp" << QString();
    QTest::newRow("start directory gone") << true << 0 << false << QString() << "Datei nicht gefunden";
}

void TestReportPainter::printCommand()
{
    QFETCH(bool, complete);
    QFETCH(int, orientation);
    QFETCH(bool, startDirExists);
    QFETCH(QString, written);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString startDir = startDirExists ? dir.path() : dir.filePath(QStringLiteral("weg"));
    const QString previousStartDir = startDirectory();
    setStartDirectory(startDir);
    ScriptedInteraction dialogs;
    {
        TSimplifiedModel window;
        window.model() = fixtures::exampleProject(Comma);
        window.companySettings()
            .findChild<QLineEdit *>(QStringLiteral("edit_Fa"))
            ->setText(QStringLiteral("Ingenieurbüro Muster"));
        if (!complete)
            window.model().fields.A = QStringLiteral("0");
        window.model().Orientation = orientation;
        window.refreshFromModel();
        window.session().Recalculate();
        QCOMPARE(window.model().Calculated, complete);
        window.SpeedButtonPrintClick();
    }
    setStartDirectory(previousStartDir);
    QCOMPARE(dialogs.unexpected, 0);
    if (message.isEmpty()) {
        QCOMPARE(dialogs.texts(), QStringList());
    } else {
        QCOMPARE(dialogs.recorded.size(), 1);
        QVERIFY2(dialogs.recorded.at(0).text.contains(message), qPrintable(dialogs.recorded.at(0).text));
    }
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    QCOMPARE(files, written.isEmpty() ? QStringList() : QStringList{written});
    if (!written.isEmpty()) {
        const QImage saved(dir.filePath(written));
        QCOMPARE(saved.size(), orientation == 1 ? QSize(FloorPictureWidth, FloorPictureHeight)
                                                : QSize(WallPictureWidth, WallPictureHeight));
    }
}

// Both pages on white A4 at twice the screen resolution, as the client would look at them.
void TestReportPainter::picturesOfBothPages()
{
    const QString dir = QStringLiteral(TAVIX_BINARY_DIR) + QStringLiteral("/pictures");
    QVERIFY(QDir().mkpath(dir));
    const ReportPainter report = composedReport(printedExample(), exampleLogo());
    constexpr qreal Scale = 2.0;
    const qreal margin = 10 / 25.4 * 96;
    for (int page = 1; page <= report.pageCount(); ++page) {
        QImage image(qRound(210 / 25.4 * 96 * Scale), qRound(297 / 25.4 * 96 * Scale), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(Scale, Scale);
        painter.translate(margin, margin);
        report.paintPage(painter, page);
        painter.end();
        const QString path = dir + QStringLiteral("/report_page%1.png").arg(page);
        QVERIFY2(image.save(path), qPrintable(path));
    }
}

TAVIX_WIDGET_TEST_MAIN(TestReportPainter)
#include "tst_reportpainter.moc"
