#include "core/reports/reportdocument.h"

#include "exampleproject.h"

#include <QtTest>

#include <functional>

using namespace tavix;

namespace {

using Edit = std::function<void(ProjectModel &, CompanyData &)>;

const QDate PrintDate(2026, 12, 7);
const QChar Comma = QLatin1Char(',');

// The worked example after a complete recalculation, with a German decimal comma.
ProjectModel calculatedExample()
{
    ProjectModel model = fixtures::exampleProject(Comma);
    Recalculate(model, Comma);
    return model;
}

// The text of the item standing at (x, y) of the page's body (cover page or sheet), or
// "(kein Eintrag)" when there is none.
QString textAt(const ReportDocument &document, int page, int x, int y)
{
    for (const ReportText &text : document.pages.at(page - 1).texts) {
        if (text.position == QPoint(x, ReportBodyTop + y))
            return text.text;
    }
    return QStringLiteral("(kein Eintrag)");
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestReportDocument : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void incompleteInputsGiveOnlyTheWarning();
    void printedTexts_data();
    void printedTexts();
    void headerPositions_data();
    void headerPositions();
    void unknownJunctionKeepsThePreviousKind();
    void everyItemStaysInItsBand();
};

void TestReportDocument::incompleteInputsGiveOnlyTheWarning()
{
    ProjectModel model = calculatedExample();
    model.fields.A = QStringLiteral("0");
    Recalculate(model, Comma);
    QVERIFY(!model.Calculated);
    ReportComposer composer;
    const ReportOutcome outcome = composer.compose(model, CompanyData{}, PrintDate, Comma);
    QCOMPARE(outcome.status, ReportOutcome::Status::NoResults);
    QCOMPARE(outcome.message, QStringLiteral(" Keine Berechnungsergebnisse vorhanden!\r  "));
    QVERIFY(outcome.document.pages.isEmpty());
}

void TestReportDocument::printedTexts_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<int>("page");
    QTest::addColumn<QPoint>("at"); // relative to the top of the body band
    QTest::addColumn<QString>("expected");
    const auto none = [](ProjectModel &, CompanyData &) {
    };
    const auto u8 = [](const char *text) {
        return QString::fromUtf8(text);
    };
    const QStringList threeLines = {QStringLiteral("eins"), QStringLiteral("zwei"), QStringLiteral("drei")};

    // Junction kinds by the whole code, whatever the separation
    QTest::newRow("T junction") << Edit(none) << 2 << QPoint(54, 432) << u8("T-Stoß");
    QTest::newRow("corner B separated in both rooms")
        << Edit([](ProjectModel &m, CompanyData &) { m.Stoss[2] = QStringLiteral("LSb_TrennungR1R2"); }) << 2
        << QPoint(54, 432 + 111) << u8("Winkelstoß");
    QTest::newRow("corner A") << Edit([](ProjectModel &m, CompanyData &) {
        m.Stoss[3] = QStringLiteral("LSa_ohneTrennung");
    }) << 2 << QPoint(54, 432 + 222)
                              << u8("Winkelstoß");
    QTest::newRow("cross junction") << Edit([](ProjectModel &m, CompanyData &) {
        m.Stoss[4] = QStringLiteral("KS_TrennungTB");
    }) << 2 << QPoint(54, 432 + 333) << u8("Kreuz-Stoß");

    // The mortar line of Tavix masonry between summary lines 2 and 3
    const auto normalMortar = [threeLines](ProjectModel &m, CompanyData &) {
        m.buildUp[1][1].Konstrukt = 0;
        m.buildUp[1][1].Moertel = 1;
        m.fields.Memo[1][1] = threeLines;
    };
    QTest::newRow("normal mortar line")
        << Edit(normalMortar) << 2 << QPoint(220, 438) << u8("(Tavix-Mauerwerk / Normalmörtel)");
    QTest::newRow("line 2 above the mortar line")
        << Edit(normalMortar) << 2 << QPoint(220, 424) << u8("zwei");
    QTest::newRow("line 3 below the mortar line")
        << Edit(normalMortar) << 2 << QPoint(220, 452) << u8("drei");
    const auto thinBed = [threeLines](ProjectModel &m, CompanyData &) {
        m.buildUp[0][0].Konstrukt = 0;
        m.buildUp[0][0].Moertel = 0;
        m.fields.Memo[0][0] = threeLines;
    };
    QTest::newRow("thin-bed mortar of the separating element")
        << Edit(thinBed) << 2 << QPoint(164, 152) << u8("(Tavix-Mauerwerk / Dünnbettmörtel)");
    QTest::newRow("separating element line 3 moved down")
        << Edit(thinBed) << 2 << QPoint(164, 171) << u8("drei");
    const auto kind3 = [threeLines](ProjectModel &m, CompanyData &) {
        m.buildUp[1][2].Konstrukt = 3;
        m.fields.Memo[1][2] = threeLines;
    };
    QTest::newRow("kind 3: line 3 under line 2") << Edit(kind3) << 2 << QPoint(467, 438) << u8("drei");
    QTest::newRow("kind 3: no mortar line") << Edit(kind3) << 2 << QPoint(467, 452) << u8("(kein Eintrag)");
    QTest::newRow("short summary prints empty lines") << Edit([](ProjectModel &m, CompanyData &) {
        m.fields.Memo[2][2] = QStringList{QStringLiteral("nur")};
    }) << 2 << QPoint(467, 438 + 111) << QString();

    // Linings
    QTest::newRow("no lining on the separating element")
        << Edit(none) << 2 << QPoint(54, 319) << u8("keine Vorsatzschale");
    QTest::newRow("flank lining in room 2")
        << Edit([](ProjectModel &m, CompanyData &) { m.fields.VS[3][2] = QStringLiteral("GK / f = 63Hz"); })
        << 2 << QPoint(240, 502 + 222) << u8("GK / f = 63Hz");

    // Results: the smaller direction, whatever the window shows; 0,0 without volumes
    QTest::newRow("smaller DnT,w") << Edit([](ProjectModel &m, CompanyData &) {
        m.DnTw12 = 54.3L;
        m.DnTw21 = 51.8L;
        m.dnTwDirection = DnTwDirection::Room1ToRoom2;
    }) << 2 << QPoint(502, 878) << u8("51,8 [dB]");
    QTest::newRow("missing volume") << Edit([](ProjectModel &m, CompanyData &) { m.DnTw12 = m.DnTw21 = 0; })
                                    << 2 << QPoint(502, 878) << u8("0,0 [dB]");
    QTest::newRow("R'w to four digits") << Edit([](ProjectModel &m, CompanyData &) { m.RwBau = 1234.56L; })
                                        << 2 << QPoint(502, 856) << u8("1235,0 [dB]");

    // Number formats: five, three and four significant digits
    QTest::newRow("m to five digits")
        << Edit([](ProjectModel &m, CompanyData &) { m.buildUp[0][0].m = 1234.56L; }) << 2 << QPoint(164, 214)
        << u8("1234,6 [kg/m²]");
    QTest::newRow("Rw of the separating element to three digits")
        << Edit([](ProjectModel &m, CompanyData &) { m.buildUp[0][0].Rw = 123.45L; }) << 2 << QPoint(164, 231)
        << u8("123,0 [dB]");
    QTest::newRow("flank Rw to five digits")
        << Edit([](ProjectModel &m, CompanyData &) { m.buildUp[1][2].Rw = 123.45L; }) << 2 << QPoint(650, 468)
        << u8("= 123,5 [dB]");
    QTest::newRow("Rd,w to three digits") << Edit([](ProjectModel &m, CompanyData &) { m.Rres[0] = 99.96L; })
                                          << 2 << QPoint(164, 251) << u8("100,0 [dB]");
    QTest::newRow("flank index to three digits")
        << Edit([](ProjectModel &m, CompanyData &) { m.Rres[2] = 63.249L; }) << 2 << QPoint(54, 468 + 111)
        << u8("Flankendämm-Maß: 63,2 [dB]");
    QTest::newRow("edge length as typed")
        << Edit([](ProjectModel &m, CompanyData &) { m.fields.LF[1] = QStringLiteral("2,50"); }) << 2
        << QPoint(54, 449) << u8("Kantenlänge: 2,50 [m]");
    QTest::newRow("area as typed") << Edit([](ProjectModel &m, CompanyData &) {
        m.fields.A = QStringLiteral("12,0");
    }) << 2 << QPoint(164, 197) << u8("12,0 [m²]");

    // Variant lines and the name of the separating element
    const auto noVariant = [](ProjectModel &m, CompanyData &) {
        m.fields.Variante.clear();
    };
    QTest::newRow("empty variant on the cover") << Edit(noVariant) << 1 << QPoint(60, 579) << QString();
    QTest::newRow("empty variant on the sheet") << Edit(noVariant) << 2 << QPoint(43, 65) << QString();
    QTest::newRow("variant on the sheet")
        << Edit(none) << 2 << QPoint(43, 65) << u8("Variante: Grundvariante");
    QTest::newRow("element named Trennbauteil")
        << Edit([](ProjectModel &m, CompanyData &) { m.fields.TB = QStringLiteral("Trennbauteil"); }) << 2
        << QPoint(164, 93) << QString();
    QTest::newRow("element with its own name")
        << Edit(none) << 2 << QPoint(164, 93) << u8("Wohnungstrennwand");

    // Cover page
    const auto firm = [](ProjectModel &, CompanyData &c) {
        c.Fa = QStringLiteral("Bauphysik Muster");
        c.PLZ = QStringLiteral("12345");
        c.Ort = QStringLiteral("Musterstadt");
        c.Date = QStringLiteral("7. 12. 2026");
        c.Tel = QStringLiteral("0123 456");
    };
    QTest::newRow("address postal code and town")
        << Edit(firm) << 1 << QPoint(524, 37) << u8("12345 Musterstadt");
    QTest::newRow("address telephone") << Edit(firm) << 1 << QPoint(524, 93) << u8("Tel. : 0123 456");
    QTest::newRow("prepared line") << Edit(firm) << 1 << QPoint(60, 744)
                                   << u8("Aufgestellt: Musterstadt, den 7. 12. 2026");
    QTest::newRow("rooms") << Edit(none) << 1 << QPoint(60, 531) << u8("Wohnen und Schlafen");
}

void TestReportDocument::printedTexts()
{
    QFETCH(Edit, edit);
    QFETCH(int, page);
    QFETCH(QPoint, at);
    QFETCH(QString, expected);
    ProjectModel model = calculatedExample();
    QVERIFY(model.Calculated);
    CompanyData company;
    edit(model, company);
    ReportComposer composer;
    const ReportOutcome outcome = composer.compose(model, company, PrintDate, Comma);
    QVERIFY(outcome.ok());
    QCOMPARE(textAt(outcome.document, page, at.x(), at.y()), expected);
}

void TestReportDocument::headerPositions_data()
{
    QTest::addColumn<QString>("logoLeft");
    QTest::addColumn<QString>("nameTop");
    QTest::addColumn<int>("logoX"); // -1: composing stops with the message
    QTest::addColumn<int>("nameY");
    QTest::newRow("logo left 25") << "25"
                                  << "0" << 185 << 0;
    QTest::newRow("leading blanks") << " 7"
                                    << " 30" << 167 << 30;
    QTest::newRow("largest integer does not overflow") << "2147483647"
                                                       << "0" << 100000 << 0;
    QTest::newRow("not a number") << "abc"
                                  << "0" << -1 << 0;
    QTest::newRow("trailing blank") << "0"
                                    << "12 " << -1 << 0;
    QTest::newRow("empty line of Firma.set") << "0"
                                             << "" << -1 << 0;
    QTest::newRow("beyond the integer range") << "2147483648"
                                              << "0" << -1 << 0;
}

void TestReportDocument::headerPositions()
{
    QFETCH(QString, logoLeft);
    QFETCH(QString, nameTop);
    QFETCH(int, logoX);
    QFETCH(int, nameY);
    CompanyData company;
    company.Fa = QStringLiteral("Firma");
    company.LogoLeft = logoLeft;
    company.LogoTop = QStringLiteral("4");
    company.FaNameLeft = QStringLiteral("10");
    company.FaNameTop = nameTop;
    ReportComposer composer;
    const ReportOutcome outcome = composer.compose(calculatedExample(), company, PrintDate, Comma);
    if (logoX < 0) {
        QCOMPARE(outcome.status, ReportOutcome::Status::InvalidPosition);
        const QString bad = logoLeft == QLatin1String("0") ? nameTop : logoLeft;
        QCOMPARE(outcome.message, QString::fromUtf8("'%1' ist kein gültiger Integerwert").arg(bad));
        return;
    }
    QVERIFY(outcome.ok());
    for (const ReportPage &page : outcome.document.pages) {
        const auto logo =
            std::find_if(page.pictures.cbegin(), page.pictures.cend(),
                         [](const ReportPictureSlot &s) { return s.picture == ReportPicture::CompanyLogo; });
        QVERIFY(logo != page.pictures.cend());
        QCOMPARE(logo->box, QRect(logoX, 4, 554, 85));
        const auto name = std::find_if(page.texts.cbegin(), page.texts.cend(),
                                       [](const ReportText &t) { return t.text == QLatin1String("Firma"); });
        QVERIFY(name != page.texts.cend());
        QCOMPARE(name->position, QPoint(170, nameY));
        QCOMPARE(name->clip, QRect(0, 0, ReportPageWidth, ReportHeaderHeight));
    }
}

void TestReportDocument::unknownJunctionKeepsThePreviousKind()
{
    ProjectModel model = calculatedExample();
    const auto kindOfFlank1 = [&model](ReportComposer &composer) {
        return textAt(composer.compose(model, CompanyData{}, PrintDate, Comma).document, 2, 54, 432);
    };
    ReportComposer composer;
    model.Stoss[1] = QStringLiteral("KS_TrennungR2");
    QCOMPARE(kindOfFlank1(composer), QString::fromUtf8("Kreuz-Stoß"));
    model.Stoss[1] = QStringLiteral("KS_Trennung");
    QCOMPARE(kindOfFlank1(composer), QString::fromUtf8("Kreuz-Stoß"));
    ReportComposer first;
    QCOMPARE(kindOfFlank1(first), QString::fromUtf8("Stoßstelle:"));
}

// Both pages carry header and footer; no item leaves the content area, and the cover page
// and the sheet stay between header and footer.
void TestReportDocument::everyItemStaysInItsBand()
{
    CompanyData company;
    company.Fa = QStringLiteral("Firma");
    ReportComposer composer;
    const ReportDocument document = composer.compose(calculatedExample(), company, PrintDate, Comma).document;
    QCOMPARE(document.pages.size(), 2);
    QCOMPARE(document.title, QStringLiteral("Rechenbeispiel"));
    for (int p = 0; p < 2; ++p) {
        const ReportPage &page = document.pages.at(p);
        QString footer;
        for (const ReportText &text : page.texts) {
            const QRect extent(text.position - QPoint(text.alignRight ? 400 : 0, 0),
                               text.box.isEmpty() ? QSize(400, text.font.pixelSize) : text.box);
            QVERIFY2(QRect(0, 0, ReportPageWidth, ReportPageHeight).contains(extent.topLeft()),
                     qPrintable(text.text));
            QVERIFY2(extent.top() + text.font.pixelSize <= ReportPageHeight, qPrintable(text.text));
            const bool inHeader = text.position.y() < ReportBodyTop;
            const bool inFooter = text.position.y() >= ReportFooterTop;
            if (!inHeader && !inFooter)
                QVERIFY2(extent.bottom() < ReportFooterTop, qPrintable(text.text));
            if (inFooter)
                footer = text.text;
        }
        QCOMPARE(
            footer,
            QString::fromUtf8("Tavix-Schallschutz Rechner 2.0  ·  07.12.2026  ·  Seite %1 von 2").arg(p + 1));
        for (const QRect &frame : page.frames)
            QVERIFY(frame.bottom() < ReportFooterTop);
        QCOMPARE(
            std::count_if(page.pictures.cbegin(), page.pictures.cend(),
                          [](const ReportPictureSlot &s) { return s.picture == ReportPicture::Junction; }),
            p == 0 ? 0 : 4);
    }
}

QTEST_APPLESS_MAIN(TestReportDocument)
#include "tst_reportdocument.moc"
