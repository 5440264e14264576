// The detailed results text, built from the model without any window.
#include "core/buildup/buildupcalc.h"
#include "core/reports/resultstext.h"
#include "exampleproject.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

using namespace tavix;

namespace {

// The worked example as the main window holds it after opening its project file: the
// build-up summaries are the one-line summaries of the stored records.
ProjectModel calculatedExample(QChar sep)
{
    ProjectModel model = fixtures::exampleProject(sep);
    for (const BuildUpSlot &slot : BuildUpSlots)
        model.fields.Memo[slot.element][slot.side] =
            buildUpSummaryFromRecord(model.buildUp[slot.element][slot.side], sep);
    Recalculate(model, sep);
    return model;
}

QStringList goldenLines(QChar sep)
{
    QFile file(QStringLiteral(TAVIX_TEST_DATA_DIR "/worked-example-results.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    // Every decimal point of the file sits between two digits; list numbers ("1.  ") do not.
    text.replace(QRegularExpression(QStringLiteral("(\\d)\\.(\\d)")),
                 QStringLiteral("\\1") + sep + QStringLiteral("\\2"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The lines between two markers of the report, both excluded.
QStringList section(const QStringList &text, const QString &from, const QString &to)
{
    const qsizetype begin = text.indexOf(from);
    const qsizetype end = text.indexOf(to, begin + 1);
    return begin < 0 || end < 0 ? QStringList() : text.mid(begin + 1, end - begin - 1);
}

QStringList matching(const QStringList &lines, const QString &needle)
{
    return lines.filter(needle);
}

} // namespace

class TestResultsText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workedExample_data();
    void workedExample();
    void incompleteInputs();
    void levelDifferenceLines_data();
    void levelDifferenceLines();
    void liningLines();
    void summaryLines_data();
    void summaryLines();
    void numberFormats_data();
    void numberFormats();
    void junctionLines();
};

void TestResultsText::workedExample_data()
{
    QTest::addColumn<QChar>("sep");
    QTest::newRow("decimal point") << QChar(u'.');
    QTest::newRow("decimal comma") << QChar(u',');
}

void TestResultsText::workedExample()
{
    QFETCH(QChar, sep);
    const QStringList expected = goldenLines(sep);
    QCOMPARE(expected.size(), 148);
    const QStringList actual = BuildResultsText(calculatedExample(sep), sep);
    for (int i = 0; i < std::min(expected.size(), actual.size()); ++i)
        QVERIFY2(actual.at(i) == expected.at(i), qPrintable(QStringLiteral("line %1: '%2' instead of '%3'")
                                                                .arg(i + 1)
                                                                .arg(actual.at(i), expected.at(i))));
    QCOMPARE(actual.size(), expected.size());
}

// Missing inputs leave no stale results in the report; completing them brings them back.
void TestResultsText::incompleteInputs()
{
    const QChar sep = QLatin1Char('.');
    ProjectModel model = calculatedExample(sep);
    model.fields.A = QStringLiteral("0");
    Recalculate(model, sep);
    QCOMPARE(BuildResultsText(model, sep),
             QStringList({QString(), QStringLiteral(" Eingabefehler -> keine Berechnung möglich!")}));
    model.fields.A = QStringLiteral("12");
    Recalculate(model, sep);
    QCOMPARE(BuildResultsText(model, sep), goldenLines(sep));
}

void TestResultsText::levelDifferenceLines_data()
{
    const QString norm =
        QStringLiteral("(Normrichtung: Schallübertragung vom größeren Raumvolumen zum kleineren)");
    const QString noVolume = QStringLiteral(" Standard-Schallpegeldifferenz DnT,w kann nicht berechnet "
                                            "werden, da kein Raumvolumen vorhanden ist!");
    QTest::addColumn<QString>("vol1");
    QTest::addColumn<QString>("vol2");
    QTest::addColumn<QStringList>("expected"); // the lines between R'w and the closing blank line
    QTest::newRow("0 and 50") << "0"
                              << "50" << QStringList{noVolume};
    QTest::newRow("50 and 0") << "50"
                              << "0" << QStringList{noVolume};
    QTest::newRow("60 and 40") << "60"
                               << "40"
                               << QStringList{QStringLiteral(" bewertete Standard-Schallpegeldifferenz:"),
                                              QStringLiteral(" DnT,w Raum 1 -> Raum 2 = 52.0 [dB]  ") + norm,
                                              QStringLiteral(" DnT,w Raum 2 -> Raum 1 = 53.8 [dB]  ")};
    QTest::newRow("40 and 60") << "40"
                               << "60"
                               << QStringList{QStringLiteral(" bewertete Standard-Schallpegeldifferenz:"),
                                              QStringLiteral(" DnT,w Raum 1 -> Raum 2 = 53.8 [dB]  "),
                                              QStringLiteral(" DnT,w Raum 2 -> Raum 1 = 52.0 [dB]  ") + norm};
    QTest::newRow("equal volumes") << "50"
                                   << "50"
                                   << QStringList{QStringLiteral(" bewertete Standard-Schallpegeldifferenz:"),
                                                  QStringLiteral(" DnT,w Raum 1 -> Raum 2 = 53.0 [dB]  "),
                                                  QStringLiteral(" DnT,w Raum 2 -> Raum 1 = 53.0 [dB]  ")};
}

void TestResultsText::levelDifferenceLines()
{
    QFETCH(QString, vol1);
    QFETCH(QString, vol2);
    QFETCH(QStringList, expected);
    const QChar sep = QLatin1Char('.');
    ProjectModel model = calculatedExample(sep);
    model.fields.Vol1 = vol1;
    model.fields.Vol2 = vol2;
    Recalculate(model, sep);
    QVERIFY(model.Calculated);
    const QStringList text = BuildResultsText(model, sep);
    QCOMPARE(section(text, QStringLiteral(" R´w = 51.8 [dB]"), QStringLiteral(" ")).mid(1), expected);
}

// A lining appears exactly in the block of its flank and room; the separating element names
// the room of each of its linings.
void TestResultsText::liningLines()
{
    const QChar sep = QLatin1Char('.');
    ProjectModel model = calculatedExample(sep);
    const QString wallLining = QStringLiteral("Vorsatzschale / f = 80Hz");
    model.fields.VS[2][1] = wallLining;
    model.f0[2][1] = 80;
    model.fields.VS[3][2] = wallLining;
    model.f0[3][2] = 80;
    model.fields.VS[0][2] = QStringLiteral("Gipskarton / f = 63Hz");
    model.f0[0][2] = 63;
    Recalculate(model, sep);
    const QStringList text = BuildResultsText(model, sep);

    const QStringList room1 =
        section(text, QStringLiteral(" RAUM 1: Wohnen"), QStringLiteral(" TRENNBAUTEIL:"));
    QCOMPARE(matching(room1, QStringLiteral("Vorsatzschale")),
             QStringList{QStringLiteral("           Vorsatzschale: ") + wallLining});
    const qsizetype flank2 = room1.indexOf(QStringLiteral("      2.  Flanke 2  Fläche = 24.00 [m²]"));
    QCOMPARE(room1.indexOf(QStringLiteral("           Vorsatzschale: ") + wallLining), flank2 + 4);
    QCOMPARE(room1.at(flank2 - 1), QString()); // flank 1 without lining: summary, then the empty line

    const QStringList element =
        section(text, QStringLiteral(" TRENNBAUTEIL:"), QStringLiteral(" RAUM 2: Schlafen"));
    QCOMPARE(matching(element, QStringLiteral("Vorsatzschale")),
             QStringList{QStringLiteral("          Vorsatzschale in Schlafen: Gipskarton / f = 63Hz")});

    const QStringList room2 = section(text, QStringLiteral(" RAUM 2: Schlafen"), resultsSeparatorLine());
    QCOMPARE(matching(room2, QStringLiteral("Vorsatzschale")).size(), 1);
    QCOMPARE(room2.indexOf(QStringLiteral("           Vorsatzschale: ") + wallLining),
             room2.indexOf(QStringLiteral("      3.  Flanke 3  Fläche = 10.00 [m²]")) + 4);
}

void TestResultsText::summaryLines_data()
{
    QTest::addColumn<QStringList>("memo");
    QTest::addColumn<QStringList>("expected");
    const QString pad(10, QLatin1Char(' '));
    QTest::newRow("none") << QStringList() << QStringList{pad, pad, pad};
    QTest::newRow("one line") << QStringList{QStringLiteral("24 cm  Beton")}
                              << QStringList{pad + QStringLiteral("24 cm  Beton"), pad, pad};
    QTest::newRow("two lines, first empty")
        << QStringList{QString(), QStringLiteral("b")} << QStringList{pad, pad + QStringLiteral("b"), pad};
    QTest::newRow("four lines") << QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                                               QStringLiteral("d")}
                                << QStringList{pad + QStringLiteral("a"), pad + QStringLiteral("b"),
                                               pad + QStringLiteral("c")};
}

void TestResultsText::summaryLines()
{
    QFETCH(QStringList, memo);
    QFETCH(QStringList, expected);
    const QChar sep = QLatin1Char('.');
    ProjectModel model = calculatedExample(sep);
    model.fields.Memo[0][0] = memo;
    model.fields.Memo[4][2] = memo;
    const QStringList text = BuildResultsText(model, sep);
    QCOMPARE(section(text, QStringLiteral("      Bauteilaufbau:"), QString()), expected);
    const qsizetype flank4 = text.indexOf(QStringLiteral("      4.  Flanke 4  Fläche = 19.20 [m²]"));
    QCOMPARE(text.mid(flank4 + 1, 4), expected + QStringList{QString()});
    QCOMPARE(text.size(), 148);
}

void TestResultsText::numberFormats_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expectedLine");
    QTest::newRow("volume, six digits") << "Vol1"
                                        << "123.456789"
                                        << "      Raumvolumen V1 = 123.5 [m³]";
    QTest::newRow("volume beyond six integer digits") << "Vol1"
                                                      << "1234567.8"
                                                      << "      Raumvolumen V1 = 1.23457E6 [m³]";
    QTest::newRow("depth, two decimals") << "L2"
                                         << "3.456"
                                         << "      Raumtiefe/Raumhöhe = 3.46 [m]";
    QTest::newRow("flank area, three digits") << "LF1"
                                              << "2.345"
                                              << "      1.  Flanke 1  Fläche = 11.70 [m²]";
    QTest::newRow("flank area beyond three integer digits") << "LF1"
                                                            << "250"
                                                            << "      1.  Flanke 1  Fläche = 1.25E3 [m²]";
    QTest::newRow("flank area below one") << "LF1"
                                          << "0.1234"
                                          << "      1.  Flanke 1  Fläche = 0.62 [m²]";
}

void TestResultsText::numberFormats()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, expectedLine);
    const QChar sep = QLatin1Char('.');
    ProjectModel model = calculatedExample(sep);
    FieldTexts &f = model.fields;
    QString *target = field == QLatin1String("Vol1") ? &f.Vol1
                      : field == QLatin1String("L2") ? &f.L2
                                                     : &f.LF[1];
    *target = value;
    Recalculate(model, sep);
    QVERIFY(model.Calculated);
    QVERIFY2(BuildResultsText(model, sep).contains(expectedLine), qPrintable(expectedLine));
}

// Every code names its junction after the flank number; a code from a damaged file gives no line.
void TestResultsText::junctionLines()
{
    const QChar sep = QLatin1Char('.');
    ProjectModel model = calculatedExample(sep);
    model.Stoss[1] = QStringLiteral("KS_TrennungTB");
    model.Stoss[2] = QStringLiteral("LSa_TrennungR1R2");
    model.Stoss[3] = QStringLiteral("LSb_TrennungR2");
    model.Stoss[4] = QStringLiteral("XX_ohneTrennung");
    const QStringList text = BuildResultsText(model, sep);
    QCOMPARE(matching(text, QStringLiteral("Stoßstelle Flanke")),
             QStringList({QStringLiteral("          Stoßstelle Flanke 1: Kreuz-Stoß (akustische Trennung des "
                                         "Trennbauteils zur Flanke)"),
                          QStringLiteral("          Stoßstelle Flanke 2: Winkel-Stoß A (akustische Trennung "
                                         "beider Flanken)"),
                          QStringLiteral("          Stoßstelle Flanke 3: Winkel-Stoß B (akustische Trennung "
                                         "Flanke zu Raum 2)")}));
}

QTEST_APPLESS_MAIN(TestResultsText)
#include "tst_resultstext.moc"
