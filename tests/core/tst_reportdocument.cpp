#include "core/reports/reportdocument.h"

#include "exampleproject.h"

#include <QtTest>

#include <functional>

using namespace tavix;

namespace {

using Edit = std::function<void(ProjectModel &, CompanyData &)>;

// A text expected at (x, y) of the body band (cover page or sheet) of a page.
struct Expected
{
    int page;
    QPoint at;
    QString text; // "(kein Eintrag)": no item there
};
using ExpectedTexts = QList<Expected>;

const QDate PrintDate(2026, 12, 7);
const QChar Comma = QLatin1Char(',');

// The worked example after a complete recalculation, with a German decimal comma.
ProjectModel calculatedExample()
{
    ProjectModel model = fixtures::exampleProject(Comma);
    Recalculate(model, Comma);
    return model;
}

QString textAt(const ReportDocument &document, int page, QPoint at)
{
    for (const ReportText &text : document.pages.at(page - 1).texts) {
        if (text.position == at + QPoint(0, ReportBodyTop))
            return text.text;
    }
    return QStringLiteral("(kein Eintrag)");
}

Expected sheet(int x, int y, const char *text)
{
    return {2, QPoint(x, y), QString::fromUtf8(text)};
}

} // namespace

Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(ExpectedTexts)
Q_DECLARE_METATYPE(ProjectRequirement)

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
    void proofPageWithARequirement_data();
    void proofPageWithARequirement();
};

void TestReportDocument::incompleteInputsGiveOnlyTheWarning()
{
    ProjectModel model = calculatedExample();
    model.fields.A = QStringLiteral("0");
    Recalculate(model, Comma);
    ReportComposer composer;
    const ReportOutcome outcome = composer.compose(model, CompanyData{}, PrintDate, Comma);
    QCOMPARE(outcome.status, ReportOutcome::Status::NoResults);
    QCOMPARE(outcome.message, QStringLiteral(" Keine Berechnungsergebnisse vorhanden!\r  "));
    QVERIFY(outcome.document.pages.isEmpty());
}

void TestReportDocument::printedTexts_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<ExpectedTexts>("expected");
    const QStringList lines = {QStringLiteral("eins"), QStringLiteral("zwei"), QStringLiteral("drei")};

    QTest::newRow("junction kind by the whole code")
        << Edit([](ProjectModel &m, CompanyData &) {
               m.Stoss[2] = QStringLiteral("LSb_TrennungR1R2");
               m.Stoss[3] = QStringLiteral("LSa_ohneTrennung");
               m.Stoss[4] = QStringLiteral("KS_TrennungTB");
           })
        << ExpectedTexts{sheet(54, 432, "T-Stoß"), sheet(54, 543, "Winkelstoß"), sheet(54, 654, "Winkelstoß"),
                         sheet(54, 765, "Kreuz-Stoß")};
    QTest::newRow("mortar line between summary lines 2 and 3 of Tavix masonry only")
        << Edit([lines](ProjectModel &m, CompanyData &) {
               m.buildUp[0][0].Konstrukt = 0; // thin-bed mortar
               m.buildUp[1][1].Konstrukt = 0;
               m.buildUp[1][1].Moertel = 1;
               m.buildUp[1][2].Konstrukt = 3;
               m.fields.Memo[0][0] = m.fields.Memo[1][1] = m.fields.Memo[1][2] = lines;
               m.fields.Memo[2][2] = QStringList{QStringLiteral("nur")};
           })
        << ExpectedTexts{sheet(164, 134, "zwei"),
                         sheet(164, 152, "(Tavix-Mauerwerk / Dünnbettmörtel)"),
                         sheet(164, 171, "drei"),
                         sheet(220, 424, "zwei"),
                         sheet(220, 438, "(Tavix-Mauerwerk / Normalmörtel)"),
                         sheet(220, 452, "drei"),
                         sheet(467, 438, "drei"),
                         sheet(467, 452, "(kein Eintrag)"),
                         sheet(467, 549, "")};
    QTest::newRow("linings") << Edit([](ProjectModel &m, CompanyData &) {
        m.fields.VS[3][2] = QStringLiteral("GK / f = 63Hz");
    }) << ExpectedTexts{sheet(54, 319, "keine Vorsatzschale"), sheet(240, 724, "GK / f = 63Hz")};
    QTest::newRow("smaller DnT,w whatever direction is shown") << Edit([](ProjectModel &m, CompanyData &) {
        m.DnTw12 = 54.3L;
        m.DnTw21 = 51.8L;
        m.dnTwDirection = DnTwDirection::Room1ToRoom2;
    }) << ExpectedTexts{sheet(502, 878, "51,8 [dB]")};
    // A missing volume leaves DnT,w at 0, which must not print as a level difference of 0 dB.
    QTest::newRow("one volume missing") << Edit([](ProjectModel &m, CompanyData &) {
        m.Vol2 = 0;
        m.DnTw12 = m.DnTw21 = 0;
    }) << ExpectedTexts{sheet(502, 878, "nicht berechnet (Raumvolumen fehlt)")};
    QTest::newRow("both volumes missing") << Edit([](ProjectModel &m, CompanyData &) {
        m.Vol1 = m.Vol2 = 0;
        m.DnTw12 = m.DnTw21 = 0;
    }) << ExpectedTexts{sheet(502, 878, "nicht berechnet (Raumvolumen fehlen)")};
    QTest::newRow("significant digits: five for m, three for Rw of the element, four for R'w")
        << Edit([](ProjectModel &m, CompanyData &) {
               m.buildUp[0][0].m = 1234.56L;
               m.buildUp[0][0].Rw = m.buildUp[1][2].Rw = 123.45L;
               m.Rres[0] = 99.96L;
               m.RwBau = 1234.56L;
           })
        << ExpectedTexts{sheet(164, 214, "1234,6 [kg/m²]"), sheet(164, 231, "123,0 [dB]"),
                         sheet(650, 468, "= 123,5 [dB]"), sheet(164, 251, "100,0 [dB]"),
                         sheet(502, 856, "1235,0 [dB]")};
    QTest::newRow("field texts as typed") << Edit([](ProjectModel &m, CompanyData &) {
        m.fields.LF[1] = QStringLiteral("2,50");
        m.fields.A = QStringLiteral("12,0");
    }) << ExpectedTexts{sheet(54, 449, "Kantenlänge: 2,50 [m]"), sheet(164, 197, "12,0 [m²]")};
    QTest::newRow("no variant, element named Trennbauteil") << Edit([](ProjectModel &m, CompanyData &) {
        m.fields.Variante.clear();
        m.fields.TB = QStringLiteral("Trennbauteil");
    }) << ExpectedTexts{{1, QPoint(60, 579), QString()}, sheet(43, 65, ""), sheet(164, 93, "")};
    QTest::newRow("variant and element name")
        << Edit([](ProjectModel &, CompanyData &) {})
        << ExpectedTexts{sheet(43, 65, "Variante: Grundvariante"), sheet(164, 93, "Wohnungstrennwand")};
    QTest::newRow("company on the cover page")
        << Edit([](ProjectModel &, CompanyData &c) {
               c.PLZ = QStringLiteral("12345");
               c.Ort = QStringLiteral("Musterstadt");
               c.Date = QStringLiteral("7. 12. 2026");
               c.Tel = QStringLiteral("0123 456");
           })
        << ExpectedTexts{{1, QPoint(524, 37), QStringLiteral("12345 Musterstadt")},
                         {1, QPoint(524, 93), QStringLiteral("Tel. : 0123 456")},
                         {1, QPoint(60, 744), QStringLiteral("Aufgestellt: Musterstadt, den 7. 12. 2026")}};
    // Cover and footer carry one date: the company's, else the day of printing in its form.
    const QPoint footer(710, ReportFooterTop + 10 - ReportBodyTop);
    const QString footerText = QString::fromUtf8("Tavix-Schallschutz Rechner 2.0  ·  %1  ·  Seite 1 von 2");
    QTest::newRow("company date on cover and footer")
        << Edit([](ProjectModel &, CompanyData &c) {
               c.Ort = QStringLiteral("Kassel");
               c.Date = QStringLiteral("1. 3. 2027");
           })
        << ExpectedTexts{{1, QPoint(60, 744), QStringLiteral("Aufgestellt: Kassel, den 1. 3. 2027")},
                         {1, footer, footerText.arg(QStringLiteral("1. 3. 2027"))}};
    QTest::newRow("no company data as read from Firma.set")
        << Edit([](ProjectModel &, CompanyData &c) { c.Ort = c.Date = QStringLiteral(" "); })
        << ExpectedTexts{{1, QPoint(60, 744), QStringLiteral("Aufgestellt: 7. 12. 2026")},
                         {1, footer, footerText.arg(QStringLiteral("7. 12. 2026"))}};
}

void TestReportDocument::printedTexts()
{
    QFETCH(Edit, edit);
    QFETCH(ExpectedTexts, expected);
    ProjectModel model = calculatedExample();
    QVERIFY(model.Calculated);
    CompanyData company;
    edit(model, company);
    ReportComposer composer;
    const ReportOutcome outcome = composer.compose(model, company, PrintDate, Comma);
    QVERIFY(outcome.ok());
    for (const Expected &e : expected)
        QCOMPARE(textAt(outcome.document, e.page, e.at), e.text);
}

void TestReportDocument::headerPositions_data()
{
    QTest::addColumn<QString>("logoLeft");
    QTest::addColumn<QString>("nameTop");
    QTest::addColumn<int>("logoX"); // -1: composing stops with the message
    QTest::addColumn<int>("nameY");
    QTest::newRow("logo left 25") << QStringLiteral("25") << QStringLiteral("30") << 185 << 30;
    QTest::newRow("largest integer") << QStringLiteral("2147483647") << QStringLiteral("0") << 100000 << 0;
    QTest::newRow("not a number") << QStringLiteral("abc") << QStringLiteral("0") << -1 << 0;
    QTest::newRow("empty line of Firma.set") << QStringLiteral("0") << QString() << -1 << 0;
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
        return textAt(composer.compose(model, CompanyData{}, PrintDate, Comma).document, 2, QPoint(54, 432));
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
    QCOMPARE(document.title, QString::fromUtf8("Schallschutznachweis – Rechenbeispiel"));
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
        QCOMPARE(footer,
                 QString::fromUtf8("Tavix-Schallschutz Rechner 2.0  ·  7. 12. 2026  ·  Seite %1 von 2")
                     .arg(p + 1));
        for (const QRect &frame : page.frames)
            QVERIFY(frame.bottom() < ReportFooterTop);
        QCOMPARE(
            std::count_if(page.pictures.cbegin(), page.pictures.cend(),
                          [](const ReportPictureSlot &s) { return s.picture == ReportPicture::Junction; }),
            p == 0 ? 0 : 4);
    }
}

void TestReportDocument::proofPageWithARequirement_data()
{
    QTest::addColumn<ProjectRequirement>("requirement");
    QTest::addColumn<int>("pages");
    QTest::newRow("none") << ProjectRequirement{} << 2;
    QTest::newRow("catalogue entry") << ProjectRequirement{QStringLiteral("mfh-wand"), 0, 0} << 3;
    QTest::newRow("own requirement") << ProjectRequirement{QStringLiteral("eigen"), 53, 0} << 3;
    QTest::newRow("id no longer in the catalogue") << ProjectRequirement{QStringLiteral("alt"), 0, 0} << 2;
}

// The proof page follows the sheet in the same header and footer.
void TestReportDocument::proofPageWithARequirement()
{
    QFETCH(ProjectRequirement, requirement);
    QFETCH(int, pages);
    ProjectModel model = calculatedExample();
    model.requirement = requirement;
    ReportComposer composer;
    const ReportDocument document = composer.compose(model, CompanyData{}, PrintDate, Comma).document;
    QCOMPARE(document.pages.size(), pages);
    if (pages == 3) {
        QCOMPARE(textAt(document, 3, QPoint(50, 4)), QStringLiteral("Nachweis des Schallschutzes"));
        QCOMPARE(document.pages.at(2).pictures.size(), 2); // the header's mark and logo
    }
}

QTEST_APPLESS_MAIN(TestReportDocument)
#include "tst_reportdocument.moc"
