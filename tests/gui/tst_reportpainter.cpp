// The report painter: both pages painted at 96 dpi show ink where the page description
// puts its items and nothing where it puts none; a paged device gets the chosen pages; the
// print command of the main window saves the sketch or stops with the message. Pictures
// of both pages with the worked example and a company logo go to <build>/pictures.
#include "exampleproject.h"
#include "gui/common/startdirectory.h"
#include "gui/mainwindow/simplifiedmodel.h"
#include "gui/reports/form_faset.h"
#include "gui/reports/reportpainter.h"
#include "pdftext.h"
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

// The worked example proven against a wall between flats (erf. R'w = 53 dB).
ProjectModel wallProof()
{
    ProjectModel model = fixtures::exampleProject(Comma);
    model.requirement.id = QStringLiteral("mfh-wand");
    Recalculate(model, Comma);
    return model;
}

// The floor example with long German names, a cement screed and the requirement of a floor
// between flats (erf. R'w = 54 dB, zul. L'n,w = 50 dB).
ProjectModel floorProof()
{
    ProjectModel model = fixtures::floorExampleProject();
    FieldTexts &f = model.fields;
    QList<QString *> numbers{&f.A, &f.L1, &f.L2, &f.Vol1, &f.Vol2};
    for (int n = 1; n <= FlankCount; ++n)
        numbers << &f.LF[n] << &f.FF[n][1] << &f.FF[n][2];
    for (QString *number : numbers)
        number->replace(QLatin1Char('.'), Comma);
    f.Projekt =
        QString::fromUtf8("Neubau Mehrfamilienhaus Am Mühlbach, Wohnungstrenndecke über dem Erdgeschoss");
    f.room1 = QString::fromUtf8("Wohnen/Essen Wohnung 4, 1. Obergeschoss");
    f.room2 = QString::fromUtf8("Wohnen/Essen Wohnung 1, Erdgeschoss");
    f.Flanke[2] = QString::fromUtf8("Flurwand zum Treppenhaus");
    model.impactInputs.screed = ScreedKind::CementOrCalciumSulphate;
    model.impactInputs.screedMass = 110;
    model.impactInputs.stiffness = 10;
    model.requirement.id = QStringLiteral("mfh-decke");
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

// The longest text a field of `window` admits, of the widest letter; fields without a
// limit get far more than any line can hold.
QString longest(const QWidget &window, const QString &field, QChar letter = QLatin1Char('W'))
{
    const auto *edit = window.findChild<QLineEdit *>(field);
    if (!edit)
        qFatal("field %s missing", qPrintable(field));
    return QString(std::min(edit->maxLength(), 200), letter);
}

// The worked example with every text as long as its field admits and numbers as wide as
// their formats allow, with the company data as long as the company window admits. Proven
// against `requirement`; as a floor with two insulation layers under the screed, the
// longest proof there is.
std::pair<ProjectModel, CompanyData> longestTexts(const QString &requirement = QString(), bool floor = false)
{
    TSimplifiedModel main;
    ProjectModel model = fixtures::exampleProject(Comma);
    model.requirement.id = requirement;
    if (floor) {
        model.Orientation = 1;
        model.impactInputs = {ScreedKind::CementOrCalciumSulphate, 200, 5, 5, 0}; // with range hints
    }
    Recalculate(model, Comma);
    FieldTexts &f = model.fields;
    const std::pair<QString *, const char *> texts[] = {
        {&f.Projekt, "edit_Projekt"},   {&f.Str, "edit_Str"},
        {&f.PLZ, "edit_PLZ"},           {&f.Ort, "edit_Ort"},
        {&f.Variante, "edit_Variante"}, {&f.room1, "edit_room1"},
        {&f.room2, "edit_room2"},       {&f.TB, "edit_TB"}};
    for (const auto &[text, field] : texts)
        *text = longest(main, QString::fromLatin1(field));
    f.A = longest(main, QStringLiteral("edit_A"), QLatin1Char('8'));
    const QString line(200, QLatin1Char('W'));
    for (int n = 0; n <= FlankCount; ++n) {
        model.Rres[n] = 999.9L;
        if (n > 0) {
            f.Flanke[n] = longest(main, QStringLiteral("edit_Flanke%1").arg(n));
            f.LF[n] = longest(main, QStringLiteral("edit_LF%1").arg(n), QLatin1Char('8'));
        }
        for (int s = 0; s <= 2; ++s) {
            f.Memo[n][s] = {line, line, line};
            f.VS[n][s] = line;
            model.buildUp[n][s].Konstrukt = 0; // with the mortar line
            model.buildUp[n][s].m = 99999;
            model.buildUp[n][s].Rw = 999.99L;
        }
    }
    model.RwBau = model.DnTw12 = model.DnTw21 = 999.9L;

    TForm_FaSet &settings = const_cast<TForm_FaSet &>(main.companySettings());
    for (const char *field : {"edit_Fa", "edit_Str", "edit_PLZ", "edit_Ort", "edit_Bearbeiter", "edit_Date",
                              "edit_Tel", "edit_Fax", "edit_Mail", "edit_www"}) {
        auto *edit = settings.findChild<QLineEdit *>(QString::fromLatin1(field));
        edit->setText(longest(settings, QString::fromLatin1(field)));
    }
    CompanyData company = settings.companyData();
    company.Logo = QStringLiteral("logo.png");
    company.LogoLeft = QStringLiteral("330");
    company.LogoTop = QStringLiteral("8");
    company.FaNameTop = QStringLiteral("30");
    return {model, company};
}

// Where an item of a page leaves ink: its bounding box when painted alone. Frames count
// as their four edges, so that a text inside a frame is no overlap but one across it is.
struct Ink
{
    enum Kind { Text, Picture, Rule }; // a rule: a line or frame edge
    QString item;
    QRect box;
    Kind kind = Text;
};

QRect inkBox(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(row[x]) < 160)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

QList<Ink> inkOfItems(const ReportDocument &document, int page, const ReportPictures &pictures)
{
    const ReportPage &content = document.pages.at(page - 1);
    QList<Ink> inks;
    QImage image(ReportPageWidth, ReportPageHeight, QImage::Format_RGB32);
    const auto add = [&](const QString &name, Ink::Kind kind, const ReportPage &alone) {
        ReportDocument single = document;
        single.pages = {alone};
        image.fill(Qt::white);
        QPainter painter(&image);
        ReportPainter(single, pictures).paintPage(painter, 1);
        painter.end();
        if (const QRect box = inkBox(image); !box.isEmpty())
            inks.append({name, box, kind});
    };
    for (const ReportText &text : content.texts)
        add(text.text + text.subscript, Ink::Text, ReportPage{{text}, {}, {}, {}});
    for (const ReportPictureSlot &slot : content.pictures)
        add(QStringLiteral("picture %1").arg(int(slot.picture)), Ink::Picture, ReportPage{{}, {}, {}, {slot}});
    for (const ReportLine &line : content.lines)
        add(QStringLiteral("line"), Ink::Rule, ReportPage{{}, {line}, {}, {}});
    for (const QRect &f : content.frames) {
        const QPoint corners[] = {f.topLeft(), f.topRight() + QPoint(1, 0), f.bottomRight() + QPoint(1, 1),
                                  f.bottomLeft() + QPoint(0, 1)};
        for (int i = 0; i < 4; ++i)
            add(QStringLiteral("frame"), Ink::Rule, ReportPage{{}, {{corners[i], corners[(i + 1) % 4]}}, {}, {}});
    }
    return inks;
}

// The report's `pages` written to a PDF, as a reader finds them: one text per page. No picture
// goes in as JPEG; nothing at all when writing fails.
QStringList pdfTexts(const ReportPainter &report, const QList<int> &pages)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("bericht.pdf"));
    const QString error = writeReportPdf(report, pages, pdf, report.document().title);
    QFile file(pdf);
    if (!error.isEmpty() || !file.open(QIODevice::ReadOnly) || file.readAll().contains("/DCTDecode")) {
        qWarning() << "PDF not written as it should be:" << error;
        return {};
    }
    return fixtures::pdfPageTexts(pdf);
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

Q_DECLARE_METATYPE(tavix::ProjectModel)

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
    void pageNumbers_data();
    void pageNumbers();
    void proofPageInPdf_data();
    void proofPageInPdf();
    void longestTextsStayInTheirBoxes_data();
    void longestTextsStayInTheirBoxes();
    void picturesOfEveryPage();
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
    QImage expected;
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
        // A new name recalculates nothing, yet the printed sketch carries it.
        window.findChild<QLineEdit *>(QStringLiteral("edit_room1"))->setText(QStringLiteral("Küche"));
        expected = reportSketch(window.model(), 1).convertToFormat(QImage::Format_RGB32);
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
        QVERIFY(saved.convertToFormat(QImage::Format_RGB32) == expected);
    }
}

void TestReportPainter::pageNumbers_data()
{
    QTest::addColumn<bool>("proof"); // the project has a requirement
    QTest::addColumn<QList<int>>("pages");
    QTest::addColumn<QStringList>("footers");
    QTest::addColumn<QString>("lastPage"); // a text of the last page printed
    const auto of = [](int count) {
        QStringList footers;
        for (int n = 1; n <= count; ++n)
            footers << QStringLiteral("Seite %1 von %2").arg(n).arg(count);
        return footers;
    };
    const QString sheet = QStringLiteral("Flankierende Bauteile");
    const QString proof = QStringLiteral("Nachweis des Schallschutzes");
    QTest::newRow("with cover page") << false << QList<int>{1, 2} << of(2) << sheet;
    QTest::newRow("without cover page") << false << QList<int>{2} << of(1) << sheet;
    QTest::newRow("with cover and proof page") << true << QList<int>{1, 2, 3} << of(3) << proof;
    QTest::newRow("proof page without cover") << true << QList<int>{2, 3} << of(2) << proof;
    QTest::newRow("proof page left out") << true << QList<int>{1, 2} << of(2) << sheet;
}

// The pages of a PDF are numbered as printed, whichever pages of the report they are.
void TestReportPainter::pageNumbers()
{
    QFETCH(bool, proof);
    QFETCH(QList<int>, pages);
    QFETCH(QStringList, footers);
    QFETCH(QString, lastPage);
    if (!fixtures::pdfToTextAvailable())
        QSKIP("poppler-utils (pdftotext) are not installed: scripts/install-deps.sh");
    const ReportPainter report = composedReport(proof ? wallProof() : printedExample(), exampleLogo());
    QCOMPARE(reportPages(report, pages.contains(1), pages.contains(3)), pages);
    const QStringList texts = pdfTexts(report, pages);
    QCOMPARE(texts.size(), footers.size());
    for (int i = 0; i < footers.size(); ++i)
        QVERIFY2(texts.at(i).contains(footers.at(i)), qPrintable(texts.at(i).right(200)));
    QVERIFY(texts.constFirst().contains(pages.constFirst() == 1
                                            ? QStringLiteral("SCHALLTECHNISCHE UNTERSUCHUNG")
                                            : QStringLiteral("Flankierende Bauteile")));
    QVERIFY(texts.constLast().contains(lastPage));
}

void TestReportPainter::proofPageInPdf_data()
{
    QTest::addColumn<ProjectModel>("model");
    QTest::addColumn<QStringList>("items");
    const auto items = [](const char *text) {
        return QString::fromUtf8(text).split(QLatin1Char('|'));
    };
    QTest::newRow("worked example, erf. R'w 53 dB")
        << wallProof()
        << items("Nachweis des Schallschutzes|Rechenbeispiel|Wohnen|Schlafen|Grundvariante|horizontal (Wand)|"
                 "Wohnungstrennwände und Wände zwischen fremden Arbeitsräumen: erf. R'w = 53 dB|"
                 "Mehrfamilienhäuser, Bürogebäude und gemischt genutzte Gebäude (DIN 4109-1:2018)|"
                 "51,8 dB|2,0 dB|49,8 dB|53,0 dB|nicht erfüllt (Unterschreitung 3,2 dB)|52,8 dB (maßgebend)|"
                 "53,8 dB|Trennbauteil → Flanke|Ff1, Fd1, Df1|56,4 dB – Massekurve|"
                 "Aufgestellt: Kassel, den 7. 12. 2026, Dipl.-Ing. Erika Muster");
    QTest::newRow("floor with a floating screed, 54 / 50 dB")
        << floorProof()
        << items("vertikal (Decke/Boden)|Zement- oder Calciumsulfatestrich|110,0 kg/m²|10,0 MN/m³|33,1 dB|"
                 "470,0 kg/m²|70,5 dB|353,1 kg/m²|1,3 dB|38,6 dB|36,4 dB|41,6 dB|50,0 dB|"
                 "erfüllt (Reserve 8,4 dB)|nicht erfüllt (Unterschreitung 2,1 dB)|"
                 "Massekurve 54,8 dB abzgl. 10,0 dB");
}

// What the proof page says is in the PDF as text, as a reader and a search find it.
void TestReportPainter::proofPageInPdf()
{
    QFETCH(ProjectModel, model);
    QFETCH(QStringList, items);
    if (!fixtures::pdfToTextAvailable())
        QSKIP("poppler-utils (pdftotext) are not installed: scripts/install-deps.sh");
    const QStringList texts = pdfTexts(composedReport(model, exampleLogo()), {ReportProofPage});
    QCOMPARE(texts.size(), 1);
    for (const QString &item : items)
        QVERIFY2(texts.constFirst().contains(item),
                 qPrintable(item + QStringLiteral(" in\n") + texts.constFirst()));
}

void TestReportPainter::longestTextsStayInTheirBoxes_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("requirement");
    QTest::addColumn<bool>("floor");
    QTest::newRow("cover page") << 1 << QString() << false;
    QTest::newRow("calculation sheet") << 2 << QString() << false;
    QTest::newRow("proof page of a party wall, with notes") << 3 << "haus-darueber" << false;
    QTest::newRow("proof page of a floor, two insulation layers") << 3 << "mfh-decke" << true;
}

// No two items' ink overlaps and no text crosses a line, whatever the fields hold; every
// text keeps some ink of its own.
void TestReportPainter::longestTextsStayInTheirBoxes()
{
    QFETCH(int, page);
    QFETCH(QString, requirement);
    QFETCH(bool, floor);
    const auto [model, company] = longestTexts(requirement, floor);
    ReportComposer composer;
    const ReportOutcome outcome = composer.compose(model, company, QDate(2026, 12, 7), Comma);
    QVERIFY(outcome.ok());
    const ReportPictures pictures = reportPictures(outcome.document, reportSketch(model), exampleLogo());
    const QList<Ink> inks = inkOfItems(outcome.document, page, pictures);
    const QList<ReportText> &texts = outcome.document.pages.at(page - 1).texts;
    QCOMPARE(std::count_if(inks.cbegin(), inks.cend(), [](const Ink &i) { return i.kind == Ink::Text; }),
             std::count_if(texts.cbegin(), texts.cend(), [](const ReportText &t) { return !t.text.trimmed().isEmpty(); }));
    for (qsizetype i = 0; i < inks.size(); ++i) {
        for (qsizetype j = i + 1; j < inks.size(); ++j) {
            if (inks.at(i).kind == Ink::Rule && inks.at(j).kind == Ink::Rule)
                continue; // lines meet at the corners of the table
            QVERIFY2(!inks.at(i).box.intersects(inks.at(j).box),
                     qPrintable(QStringLiteral("\"%1\" %2 runs into \"%3\" %4")
                                    .arg(inks.at(i).item.left(40), QString::number(inks.at(i).box.right()),
                                         inks.at(j).item.left(40), QString::number(inks.at(j).box.left()))));
        }
    }
}

// Every page of both proofs on white A4 at 100 dpi, as the client would look at them.
void TestReportPainter::picturesOfEveryPage()
{
    const QString dir = QStringLiteral(TAVIX_BINARY_DIR) + QStringLiteral("/pictures");
    QVERIFY(QDir().mkpath(dir));
    const std::pair<const char *, ProjectModel> reports[] = {{"wall", wallProof()}, {"floor", floorProof()}};
    constexpr qreal Scale = 100 / 96.0;
    const qreal margin = 10 / 25.4 * 96;
    for (const auto &[name, model] : reports) {
        const ReportPainter report = composedReport(model, exampleLogo());
        QCOMPARE(report.pageCount(), 3);
        for (int page = 1; page <= report.pageCount(); ++page) {
            QImage image(qRound(210 / 25.4 * 100), qRound(297 / 25.4 * 100), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.scale(Scale, Scale);
            painter.translate(margin, margin);
            report.paintPage(painter, page);
            painter.end();
            const QString path =
                dir + QStringLiteral("/report_%1_page%2.png").arg(QLatin1String(name)).arg(page);
            QVERIFY2(image.save(path), qPrintable(path));
        }
    }
}

TAVIX_WIDGET_TEST_MAIN(TestReportPainter)
#include "tst_reportpainter.moc"
