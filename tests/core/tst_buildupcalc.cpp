#include "core/buildup/buildupcalc.h"
#include "core/buildup/catalogue.h"
#include "core/linings/resonance.h"
#include "core/model/numbers.h"

#include <QtTest>
#include <cmath>

using namespace tavix;

namespace {

const QChar Dot = QLatin1Char('.');
const QChar Comma = QLatin1Char(',');

// Typed build-up of kinds 2 to 5: d1, roh1, d2, roh2, d3, roh3 as texts with ".".
BuildUpDialogInput typed(int kind, const QStringList &values, QChar sep = Dot)
{
    BuildUpDialogInput in;
    in.record.Konstrukt = kind;
    for (int i = 0; i < 6; ++i) {
        in.fields[i] = values.value(i, QStringLiteral("0"));
        in.fields[i].replace(Dot, sep);
    }
    in.rwUserText = QStringLiteral("0");
    return in;
}

bool near(long double actual, double expected, double tolerance = 0.005)
{
    return std::fabs(double(actual) - expected) < tolerance;
}

} // namespace

class TestBuildUpCalc : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void catalogue();
    void massOfListKinds_data();
    void massOfListKinds();
    void tavixDefaultDisplay_data();
    void tavixDefaultDisplay();
    void concreteKeepsTypedThickness();
    void negativeValuesCountAsZero();
    void notANumberStopsTheMassHalf();
    void massLaw_data();
    void massLaw();
    void limitAndMassLawPath_data();
    void limitAndMassLawPath();
    void approvalAndCorrection_data();
    void approvalAndCorrection();
    void correctionTexts();
    void userValueOnCorrectionPath();
    void invalidUserValueKeepsEarlierRw();
    void summaryFromRecord();
    void resonance_data();
    void resonance();
    void frequencyReading_data();
    void frequencyReading();
};

void TestBuildUpCalc::catalogue()
{
    QCOMPARE(constructionKindItems().size(), 6);
    QCOMPARE(constructionKindItems().at(4), QStringLiteral("Leichtbeton  "));
    QCOMPARE(thicknessItems().size(), 11);
    QCOMPARE(thicknessItems().first(), QStringLiteral(" 7,0  cm"));
    QCOMPARE(concreteItems().at(1), QString::fromUtf8("Leichtbeton   (1400 kg/m³)"));
    // The reference table repeats the density classes for normal and thin-bed mortar.
    for (int b2 = 0; b2 < 6; ++b2) {
        const ReferenceRow &row = ReferenceRows[5 - b2];
        QCOMPARE(double(masonryDensity(b2, 0)), double(row.thinBedMortar));
        QCOMPARE(double(masonryDensity(b2, 1)), double(row.normalMortar));
        QVERIFY(
            densityClassItems().at(b2).endsWith(QString::fromLatin1(row.densityClass).replace(Comma, Dot)));
    }
    // Indices from a damaged file must not reach outside the tables.
    QCOMPARE(double(masonryDensity(6, 0)), 0.0);
    QCOMPARE(double(masonryDensity(0, -1)), 0.0);
    QCOMPARE(double(plasterDensity(-1)), 0.0);
    QCOMPARE(double(masonryThickness(11)), 0.0);
    QCOMPARE(catalogueItem(plasterItems(), 4), QString());
}

void TestBuildUpCalc::massOfListKinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("mortar");
    QTest::addColumn<int>("b1");
    QTest::addColumn<int>("b2");
    QTest::addColumn<int>("b2a");
    QTest::addColumn<int>("b2b");
    QTest::addColumn<int>("b3");
    QTest::addColumn<QString>("d2");
    QTest::addColumn<double>("mass");

    QTest::newRow("Tavix 1.8 thin-bed 24 cm, thin plaster") << 0 << 0 << 1 << 3 << 0 << 7 << 1 << "" << 417.6;
    QTest::newRow("Tavix 2.2 normal 36.5 cm, no plaster") << 0 << 1 << 0 << 5 << 0 << 10 << 0 << "" << 759.2;
    QTest::newRow("Tavix 2.0 thin-bed 10 cm") << 0 << 0 << 0 << 4 << 0 << 1 << 0 << "" << 190.0;
    QTest::newRow("Tavix 2.0 normal 10 cm") << 0 << 1 << 0 << 4 << 0 << 1 << 0 << "" << 190.0;
    QTest::newRow("Tavix out-of-range choices") << 0 << 7 << 9 << -2 << 0 << 40 << 1 << "" << 4.8;
    QTest::newRow("concrete light 20 cm") << 1 << 0 << 0 << 3 << 1 << 7 << 0 << "20" << 280.0;
    QTest::newRow("concrete normal 20 cm") << 1 << 0 << 0 << 3 << 0 << 7 << 0 << "20" << 460.0;
    QTest::newRow("concrete with 15 mm plaster") << 1 << 0 << 3 << 3 << 0 << 7 << 3 << "20" << 514.0;
}

void TestBuildUpCalc::massOfListKinds()
{
    QFETCH(int, kind);
    QFETCH(int, mortar);
    QFETCH(int, b1);
    QFETCH(int, b2);
    QFETCH(int, b2a);
    QFETCH(int, b2b);
    QFETCH(int, b3);
    QFETCH(QString, d2);
    QFETCH(double, mass);

    for (QChar sep : {Dot, Comma}) {
        BuildUpDialogInput in =
            typed(kind,
                  {QStringLiteral("9"), QStringLiteral("9"), d2.isEmpty() ? QStringLiteral("9") : d2,
                   QStringLiteral("9"), QStringLiteral("9"), QStringLiteral("9")},
                  sep);
        in.record.Moertel = mortar;
        in.record.B1 = b1;
        in.record.B2 = b2;
        in.record.B2a = b2a;
        in.record.B2b = b2b;
        in.record.B3 = b3;
        const BuildUpDialogView v = recomputeBuildUp(in, sep);
        QVERIFY2(v.error.isEmpty(), qPrintable(v.error));
        QVERIFY2(near(v.record.m, mass), qPrintable(QString::number(double(v.record.m))));
        QVERIFY(v.layerTextsFromLists);
    }
}

void TestBuildUpCalc::tavixDefaultDisplay_data()
{
    QTest::addColumn<QChar>("sep");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("mass");
    QTest::addColumn<QString>("rw");
    QTest::newRow("dot") << Dot << QStringList{QStringLiteral("0.4"), QStringLiteral("1200"),
                                               QStringLiteral("24"),  QStringLiteral("1700"),
                                               QStringLiteral("0.4"), QStringLiteral("1200")}
                         << QString::fromUtf8("m´ = 417.6 [kg/m²]") << "Rw = 58.8 [dB]";
    QTest::newRow("comma") << Comma << QStringList{QStringLiteral("0,4"), QStringLiteral("1200"),
                                                   QStringLiteral("24"),  QStringLiteral("1700"),
                                                   QStringLiteral("0,4"), QStringLiteral("1200")}
                           << QString::fromUtf8("m´ = 417,6 [kg/m²]") << "Rw = 58,8 [dB]";
}

void TestBuildUpCalc::tavixDefaultDisplay()
{
    QFETCH(QChar, sep);
    QFETCH(QStringList, fields);
    QFETCH(QString, mass);
    QFETCH(QString, rw);

    BuildUpDialogInput in;                  // reset record: the choices a new project opens with
    in.fields[0] = QStringLiteral("1,2,3"); // overwritten before it is read
    const BuildUpDialogView v = recomputeBuildUp(in, sep);
    QVERIFY(v.error.isEmpty());
    QVERIFY(v.displayValid);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(v.fields[i], fields.at(i));
    QCOMPARE(v.massText, mass);
    QCOMPARE(v.rwValueText, rw);
    QVERIFY(near(v.record.Rw, 58.78));
    QCOMPARE(v.rwCaption, QString::fromUtf8("Direktschalldämm-Maß nach Massekurve:"));
    QVERIFY(!v.rwCaptionRed);
    QVERIFY(v.rwValueVisible);
    QVERIFY(!v.correctionVisible);
    QVERIFY(!v.approvalVisible);
    QCOMPARE(v.layerTexts[0], QStringLiteral("4 mm Dünnlagenputz"));
    QCOMPARE(v.layerTexts[1], QStringLiteral("Rohdichteklasse  1.8"));
}

void TestBuildUpCalc::concreteKeepsTypedThickness()
{
    BuildUpDialogInput in =
        typed(KindConcrete, {QStringLiteral("7"), QStringLiteral("7"), QStringLiteral("18.5"),
                             QStringLiteral("7"), QStringLiteral("7"), QStringLiteral("7")});
    in.record.B1 = 2;
    in.record.B3 = 0;
    const BuildUpDialogView v = recomputeBuildUp(in, Dot);
    QCOMPARE(v.fields[FieldD2], QStringLiteral("18.5"));
    QCOMPARE(v.fields[FieldRoh2], QStringLiteral("2300"));
    QCOMPARE(v.fields[FieldD1], QStringLiteral("1"));
    QCOMPARE(v.fields[FieldD3], QStringLiteral("0"));
    QCOMPARE(v.layerTexts[1], QString::fromUtf8("Normalbeton  (2300 kg/m³)"));
    QCOMPARE(v.layerTexts[2], QString::fromUtf8("Putz nicht definiert m´ = 0.0 [kg/m²]"));
}

void TestBuildUpCalc::negativeValuesCountAsZero()
{
    const BuildUpDialogView v = recomputeBuildUp(
        typed(KindBrick, {QStringLiteral("-1.5"), QStringLiteral("1800"), QStringLiteral("20"),
                          QStringLiteral("-700"), QStringLiteral(""), QStringLiteral("1800")}),
        Dot);
    QVERIFY(v.error.isEmpty());
    QCOMPARE(v.fields[FieldD1], QStringLiteral("0"));
    QCOMPARE(v.fields[FieldRoh2], QStringLiteral("0"));
    QCOMPARE(v.fields[FieldD3], QStringLiteral("0"));
    QCOMPARE(v.fields[FieldRoh3], QStringLiteral("1800"));
    QCOMPARE(double(v.record.d1), 0.0);
    QCOMPARE(double(v.record.m), 0.0);
}

void TestBuildUpCalc::notANumberStopsTheMassHalf()
{
    BuildUpDialogInput in =
        typed(KindAeratedConcrete, {QStringLiteral("-2"), QStringLiteral("1800"), QStringLiteral("1.2.3"),
                                    QStringLiteral("600"), QStringLiteral("1"), QStringLiteral("1800")});
    in.record.m = 123;
    in.record.Rw = 45;
    const BuildUpDialogView v = recomputeBuildUp(in, Dot);
    QCOMPARE(v.error, QString::fromUtf8("'1.2.3' ist kein gültiger Fließkommawert"));
    QVERIFY(!v.displayValid);
    QCOMPARE(v.fields[FieldD1], QStringLiteral("0")); // read before the failing field
    QCOMPARE(double(v.record.m), 123.0);
    QCOMPARE(double(v.record.Rw), 45.0);
}

void TestBuildUpCalc::massLaw_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("mass");
    QTest::addColumn<double>("roh2");
    QTest::addColumn<double>("rw");
    QTest::newRow("Tavix 417.6") << 0 << 417.6 << 1700.0 << 58.78;
    QTest::newRow("concrete 80") << 1 << 80.0 << 2300.0 << 36.61;
    QTest::newRow("aerated 200") << 2 << 200.0 << 500.0 << 51.66;
    QTest::newRow("brick 309.5") << 3 << 309.5 << 700.0 << 54.76;
    QTest::newRow("lightweight 1000") << 4 << 200.0 << 1000.0 << 51.04;
    QTest::newRow("lightweight 1000.1") << 4 << 200.0 << 1000.1 << 48.55;
    QTest::newRow("other 149.9") << 5 << 149.9 << 1000.0 << 39.99;
    QTest::newRow("other 150") << 5 << 150.0 << 1000.0 << 39.60;
    QTest::newRow("unknown kind") << 6 << 300.0 << 1000.0 << 0.0;
    QTest::newRow("no mass") << 0 << 0.0 << 0.0 << 0.0;
}

void TestBuildUpCalc::massLaw()
{
    QFETCH(int, kind);
    QFETCH(double, mass);
    QFETCH(double, roh2);
    QFETCH(double, rw);
    const long double actual = massLawRw(kind, mass, roh2);
    QVERIFY2(near(actual, rw), qPrintable(QString::number(double(actual), 'f', 4)));
}

void TestBuildUpCalc::limitAndMassLawPath_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("limit");
    QTest::addColumn<QString>("rwText");

    QTest::newRow("brick 80 passes") << 3
                                     << QStringList{QStringLiteral("0"), QStringLiteral("0"),
                                                    QStringLiteral("10"), QStringLiteral("800")}
                                     << false << QStringLiteral("Rw = 36.6 [dB]");
    QTest::newRow("concrete 79.8") << 1
                                   << QStringList{QStringLiteral("0"), QStringLiteral("0"),
                                                  QStringLiteral("5.7")}
                                   << true << QStringLiteral("---");
    for (int kind = 2; kind <= 5; ++kind)
        QTest::newRow(qPrintable(QStringLiteral("kind %1 at 79.9").arg(kind)))
            << kind
            << QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("10"),
                           QStringLiteral("799")}
            << true << QStringLiteral("---");
    QTest::newRow("other 149.9") << 5
                                 << QStringList{QStringLiteral("0"), QStringLiteral("0"),
                                                QStringLiteral("10"), QStringLiteral("1499")}
                                 << false << QStringLiteral("Rw = 40.0 [dB]");
    QTest::newRow("other 150") << 5
                               << QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("10"),
                                              QStringLiteral("1500")}
                               << false << QStringLiteral("Rw = 39.6 [dB]");
}

void TestBuildUpCalc::limitAndMassLawPath()
{
    QFETCH(int, kind);
    QFETCH(QStringList, fields);
    QFETCH(bool, limit);
    QFETCH(QString, rwText);

    BuildUpDialogInput in = typed(kind, fields);
    in.record.B1 = in.record.B3 = 0;
    in.record.B2a = 1;
    const BuildUpDialogView v = recomputeBuildUp(in, Dot);
    QVERIFY(v.error.isEmpty());
    QCOMPARE(v.rwValueText, rwText);
    QCOMPARE(v.rwCaptionRed, limit);
    QVERIFY(v.rwValueVisible);
    QVERIFY(!v.correctionVisible);
    if (limit) {
        QCOMPARE(v.rwCaption, QString::fromUtf8("Flächenmasse kleiner 80 kg/m² !!!"));
        QCOMPARE(double(v.record.Rw), 0.0);
    }
}

void TestBuildUpCalc::approvalAndCorrection_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("d2");
    QTest::addColumn<QString>("roh2");
    QTest::addColumn<bool>("buttons");
    QTest::addColumn<bool>("corrected");
    QTest::addColumn<double>("rw");

    QTest::newRow("brick 24 cm") << 3 << 1 << "24"
                                 << "700" << false << false << 46.56;
    QTest::newRow("brick 24.1 cm") << 3 << 1 << "24.1"
                                   << "700" << true << true << 36.6;
    QTest::newRow("brick variant 2 at 770") << 3 << 2 << "30"
                                            << "770" << true << false << 50.84;
    QTest::newRow("brick variant 2 at 769") << 3 << 2 << "30"
                                            << "769" << true << true << 40.8;
    QTest::newRow("lightweight variant 2 at 590") << 4 << 2 << "30"
                                                  << "590" << true << false << 49.72;
    QTest::newRow("lightweight variant 2 at 589") << 4 << 2 << "30"
                                                  << "589" << true << true << 44.5;
    QTest::newRow("aerated 36.5 cm") << 2 << 1 << "36.5"
                                     << "500" << false << false << 50.62;
    QTest::newRow("other 36.5 cm") << 5 << 1 << "36.5"
                                   << "500" << false << false << 42.80;
}

void TestBuildUpCalc::approvalAndCorrection()
{
    QFETCH(int, kind);
    QFETCH(int, variant);
    QFETCH(QString, d2);
    QFETCH(QString, roh2);
    QFETCH(bool, buttons);
    QFETCH(bool, corrected);
    QFETCH(double, rw);

    BuildUpDialogInput in = typed(kind, {QStringLiteral("0"), QStringLiteral("0"), d2, roh2});
    in.record.Zulassung1 = variant == 1 ? 1 : 0;
    in.record.Zulassung2 = variant == 2 ? 1 : 0;
    in.rwUserText = QStringLiteral("99");
    const BuildUpDialogView v = recomputeBuildUp(in, Dot);
    QVERIFY(v.error.isEmpty());
    QCOMPARE(v.approvalVisible, buttons);
    QCOMPARE(v.correctionVisible, corrected);
    QCOMPARE(v.rwValueVisible, !corrected);
    QCOMPARE(v.notes.size(), corrected ? 6 : 0);
    QVERIFY2(near(v.record.Rw, rw), qPrintable(QString::number(double(v.record.Rw), 'f', 4)));
    if (corrected) {
        QCOMPARE(double(v.record.RwUser), double(v.record.Rw));
        QCOMPARE(v.rwUserText, formatFixed(v.record.Rw, 15, 1, Dot));
    } else {
        QCOMPARE(v.rwUserText, QStringLiteral("99"));
    }
}

void TestBuildUpCalc::correctionTexts()
{
    // Brick, variant 1: 36.5 cm of 700 with 1.5 cm plaster of 1800 on both faces.
    BuildUpDialogInput brick =
        typed(KindBrick, {QStringLiteral("1.5"), QStringLiteral("1800"), QStringLiteral("36.5"),
                          QStringLiteral("700"), QStringLiteral("1.5"), QStringLiteral("1800")});
    BuildUpDialogView v = recomputeBuildUp(brick, Dot);
    QVERIFY(near(v.record.m, 309.5));
    QCOMPARE(v.rwUserText, QStringLiteral("44.8"));
    QCOMPARE(double(v.record.Rw), 44.8);
    QCOMPARE(v.rwCaption, QString::fromUtf8("um -10 dB korrigiertes Direktschalldämm-Maß:"));
    QCOMPARE(v.approval1Caption, QString::fromUtf8("wärmetechnisch optimierter HLZ nach Zulassung "));
    QCOMPARE(v.approval2Caption, QStringLiteral("Steine nach DIN 105 und Verfüllziegel "));
    QCOMPARE(
        v.notes.at(0),
        QString::fromUtf8("  Wärmetechisch optimierte Lochsteine weisen i.d.R gegenüber den Werten der"));
    QCOMPARE(
        v.notes.at(3),
        QString::fromUtf8("  empfohlen einen Abschlag von 10 dB zu berücksichtigen. (vgl. dazu Fraunhofer-"));
    QCOMPARE(v.notes.at(4),
             QString::fromUtf8(
                 "  Institut für Bauphysik, IBP-Bericht B-BA 3/2003, bzw. siehe \"Tavix-Praxistipps\")"));
    QCOMPARE(v.notes.at(5), QStringLiteral("  Rw aus Massenkurve = 54.8 dB"));

    // Lightweight concrete, variant 2: 30 cm of 550 with 1 cm plaster of 1000, comma locale.
    BuildUpDialogInput light = typed(KindLightweightConcrete,
                                     {QStringLiteral("1"), QStringLiteral("1000"), QStringLiteral("30"),
                                      QStringLiteral("550"), QStringLiteral("1"), QStringLiteral("1000")},
                                     Comma);
    light.record.Zulassung1 = 0;
    light.record.Zulassung2 = 1;
    v = recomputeBuildUp(light, Comma);
    QVERIFY(near(v.record.m, 185));
    QCOMPARE(v.rwUserText, QStringLiteral("45,0"));
    QCOMPARE(double(v.record.Rw), 45.0);
    QCOMPARE(v.record.Zulassung1, 0);
    QCOMPARE(v.record.Zulassung2, 1);
    QCOMPARE(v.rwCaption, QString::fromUtf8("um -5.2 dB korrigiertes Direktschalldämm-Maß:"));
    QCOMPARE(v.approval1Caption, QStringLiteral("Steine nach Zulassung "));
    QCOMPARE(v.notes.at(3),
             QString::fromUtf8(
                 "  empfohlen einen Abschlag von 5.2 dB zu berücksichtigen. (vgl. dazu Fraunhofer-"));
    QCOMPARE(v.notes.at(5), QStringLiteral("  Rw aus Massenkurve = 50,2 dB"));
}

void TestBuildUpCalc::userValueOnCorrectionPath()
{
    BuildUpDialogInput in =
        typed(KindBrick, {QStringLiteral("1.5"), QStringLiteral("1800"), QStringLiteral("36.5"),
                          QStringLiteral("700"), QStringLiteral("1.5"), QStringLiteral("1800")});
    in.rwUserTicked = true;
    in.rwUserText = QStringLiteral("47.5");
    const BuildUpDialogView v = recomputeBuildUp(in, Dot);
    QCOMPARE(v.rwCaption, QString::fromUtf8("Direktschalldämm-Maß (Anwendervorgabe):"));
    QCOMPARE(v.rwUserText, QStringLiteral("47.5"));
    QCOMPARE(double(v.record.Rw), 47.5);
    QCOMPARE(double(v.record.RwUser), 47.5);
    QCOMPARE(v.notes.at(5), QStringLiteral("  Rw aus Massenkurve = 54.8 dB"));
}

void TestBuildUpCalc::invalidUserValueKeepsEarlierRw()
{
    BuildUpDialogInput in =
        typed(KindBrick, {QStringLiteral("1.5"), QStringLiteral("1800"), QStringLiteral("36.5"),
                          QStringLiteral("700"), QStringLiteral("1.5"), QStringLiteral("1800")});
    in.rwUserTicked = true;
    in.rwUserText = QString();
    in.record.Rw = 41;
    in.record.RwUser = 41;
    const BuildUpDialogView v = recomputeBuildUp(in, Dot);
    QCOMPARE(v.error, QString::fromUtf8("'' ist kein gültiger Fließkommawert"));
    QVERIFY(v.displayValid);
    QVERIFY(near(v.record.m, 309.5));
    QCOMPARE(double(v.record.Rw), 41.0);
    QCOMPARE(double(v.record.RwUser), 41.0);
    QVERIFY(v.notes.isEmpty());
}

void TestBuildUpCalc::summaryFromRecord()
{
    BuildUpRecord brick;
    brick.Konstrukt = KindBrick;
    brick.d1 = brick.d3 = 1.5L;
    brick.roh1 = brick.roh3 = 1800;
    brick.d2 = 36.5L;
    brick.roh2 = 700;
    brick.schichtName1 = brick.schichtName3 = QStringLiteral("Putz");
    brick.schichtName2 = QStringLiteral("Ziegel-Mauerwerk");
    QCOMPARE(buildUpSummaryFromRecord(brick, Comma),
             QStringList({QString::fromUtf8("1,5 cm  Putz (1800 kg/m³)"),
                          QString::fromUtf8("36,5 cm  Ziegel-Mauerwerk (700 kg/m³)"),
                          QString::fromUtf8("1,5 cm  Putz (1800 kg/m³)")}));

    BuildUpRecord concrete;
    concrete.Konstrukt = KindConcrete;
    concrete.d1 = 1;
    concrete.roh1 = 1000;
    concrete.d2 = 20;
    concrete.roh2 = 2300;
    concrete.schichtName1 = QString::fromUtf8("10 mm Dünnputz (1000 kg/m³)");
    concrete.schichtName2 = QString::fromUtf8("20 cm  Normalbeton  (2300 kg/m³)");
    concrete.schichtName3 = QStringLiteral("ignored: no mass");
    QCOMPARE(buildUpSummaryFromRecord(concrete, Dot),
             QStringList({concrete.schichtName1, concrete.schichtName2}));
    QVERIFY(buildUpSummaryFromRecord(BuildUpRecord(), Dot).isEmpty());
}

void TestBuildUpCalc::resonance_data()
{
    QTest::addColumn<int>("construction");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QChar>("sep");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("error");

    QTest::newRow("air gap 0.05 / 10") << 1 << "0.05"
                                       << "10" << Dot << "85" << false;
    QTest::newRow("air gap comma") << 1 << "0,05"
                                   << "10" << Comma << "85" << false;
    QTest::newRow("bonded 40 / 10") << 2 << "40"
                                    << "10" << Dot << "320" << false;
    QTest::newRow("half rounds up") << 1 << "1"
                                    << "576" << Dot << "3" << false;
    QTest::newRow("mass 0") << 1 << "0.05"
                            << "0" << Dot << "???" << false;
    QTest::newRow("spacing 0") << 2 << "0"
                               << "10" << Dot << "???" << false;
    QTest::newRow("negative") << 2 << "-40"
                              << "10" << Dot << "???" << false;
    QTest::newRow("two separators") << 1 << "0.0.5"
                                    << "10" << Dot << "???" << true;
    QTest::newRow("lone separator") << 2 << "40"
                                    << "," << Comma << "???" << true;
}

void TestBuildUpCalc::resonance()
{
    QFETCH(int, construction);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QChar, sep);
    QFETCH(QString, text);
    QFETCH(bool, error);
    const ResonanceText r = resonanceFrequencyText(static_cast<LiningConstruction>(construction), a, b, sep);
    QCOMPARE(r.text, text);
    QCOMPARE(!r.error.isEmpty(), error);
}

void TestBuildUpCalc::frequencyReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("valid");
    QTest::newRow("digits") << "85" << 85 << true;
    QTest::newRow("leading blanks and sign") << "  -12" << -12 << true;
    QTest::newRow("unknown") << "???" << 0 << false;
    QTest::newRow("empty") << "" << 0 << false;
    QTest::newRow("unit") << "85Hz" << 0 << false;
    QTest::newRow("decimal") << "85.0" << 0 << false;
}

void TestBuildUpCalc::frequencyReading()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(bool, valid);
    const auto f = readFrequency(text);
    QCOMPARE(f.has_value(), valid);
    if (valid)
        QCOMPARE(*f, value);
}

QTEST_APPLESS_MAIN(TestBuildUpCalc)
#include "tst_buildupcalc.moc"
