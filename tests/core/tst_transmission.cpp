#include "core/calculate/recalculate.h"
#include "core/calculate/transmission.h"
#include "core/model/numbers.h"
#include "fixtures.h"

#include <QtTest>

using namespace tavix;

namespace {

// Published values are given to two decimals.
constexpr double Tolerance = 0.005;

#define QCOMPARE_DB(actual, expected)                                                                        \
    QVERIFY2(std::fabs(double(actual) - double(expected)) < Tolerance,                                       \
             qPrintable(QStringLiteral("%1 is %2, expected %3")                                              \
                            .arg(QLatin1String(#actual))                                                     \
                            .arg(double(actual), 0, 'f', 6)                                                  \
                            .arg(double(expected), 0, 'f', 6)))

ProjectModel calculated(ProjectModel model)
{
    const RecalcOutcome outcome = Recalculate(model, QLatin1Char('.'));
    if (!outcome.ok())
        qWarning() << outcome.error;
    return model;
}

} // namespace

class TestTransmission : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workedExample();
    void workedExampleWithLiningRoom2();
    void highFrequencyLiningRoom1();
    void liningTable_data();
    void liningTable();
    void combineImprovements();
    void junctionCodes_data();
    void junctionCodes();
    void formulaCaps();
    void unknownCodeKeepsPreviousIndices();
    void separatedPathsAreBoundedFromBelow();
    void cornerJunctionAreas();
    void levelDifferenceDirection();
    void missingVolume();
    void freshProjectMessages();
    void massLimit();
    void incompleteToComplete();
    void flankAreaFieldsRepaired();
    void invalidFieldKeepsPreviousState();
    void commaSeparator();
    void messagePanel();
    void emptyFieldsFilled();
    void numberFieldOrder();
};

void TestTransmission::workedExample()
{
    const ProjectModel m = calculated(fixtures::workedExample());
    QVERIFY(m.Calculated);
    QVERIFY(m.Messages.isEmpty());
    for (int n = 1; n <= 4; ++n) {
        QCOMPARE_DB(m.Kij[n][PathFf], 7.88);
        QCOMPARE_DB(m.Kij[n][PathFd], 4.82);
        QCOMPARE_DB(m.Kij[n][PathDf], 4.82);
        QCOMPARE_DB(m.FA[n][1], 5 * m.LF[n]);
        QCOMPARE_DB(m.FA[n][2], 4 * m.LF[n]);
    }
    for (int n : {1, 3}) {
        QCOMPARE_DB(m.Rij[n][PathFf], 66.59);
        QCOMPARE_DB(m.Rij[n][PathFd], 65.78);
        QCOMPARE_DB(m.Rij[n][PathDf], 65.78);
        QCOMPARE_DB(m.Rres[n], 63.16);
    }
    for (int n : {2, 4}) {
        QCOMPARE_DB(m.Rij[n][PathFf], 63.76);
        QCOMPARE_DB(m.Rij[n][PathFd], 62.95);
        QCOMPARE_DB(m.Rij[n][PathDf], 62.95);
        QCOMPARE_DB(m.Rres[n], 60.33);
    }
    QCOMPARE(m.RDd, 56.4L);
    QCOMPARE(m.dRDd, 0.0L);
    QCOMPARE_DB(m.Rres[0], 54.17);
    QCOMPARE_DB(m.RwBau, 51.77);
    QCOMPARE_DB(m.DnTw12, 52.84);
    QCOMPARE_DB(m.DnTw21, 53.81);
    QCOMPARE(m.dnTwDirection, DnTwDirection::Room1ToRoom2);
    QVERIFY(!m.dnTwHintShown);
    QVERIFY(!m.dnTwNoteShown);

    // What the result labels show.
    const QChar dot = QLatin1Char('.');
    QCOMPARE(formatResult(m.Rres[0], dot), QStringLiteral("54.2 [dB]"));
    QCOMPARE(formatResult(m.Rres[1], dot), QStringLiteral("63.2 [dB]"));
    QCOMPARE(formatResult(m.Rres[2], dot), QStringLiteral("60.3 [dB]"));
    QCOMPARE(formatResult(m.RwBau, dot), QStringLiteral("51.8 [dB]"));
    QCOMPARE(formatResult(m.DnTw12, dot), QStringLiteral("52.8 [dB]"));
}

void TestTransmission::workedExampleWithLiningRoom2()
{
    ProjectModel model = fixtures::workedExample();
    model.f0[0][2] = 80;
    model.fields.VS[0][2] = QStringLiteral("Vorsatzschale / f = 80Hz");
    const ProjectModel m = calculated(model);
    QVERIFY(m.Calculated);
    QCOMPARE_DB(m.dRw[0][2], 6.8);
    QCOMPARE_DB(m.dRDd, 6.8);
    QCOMPARE_DB(m.RDd, 63.2);
    QCOMPARE_DB(m.Rij[1][PathFd], 65.78 + 6.8);
    QCOMPARE_DB(m.Rij[2][PathFd], 62.95 + 6.8);
    QCOMPARE_DB(m.Rij[1][PathDf], 65.78);
    QCOMPARE_DB(m.Rres[0], 60.97);
    QCOMPARE_DB(m.RwBau, 54.41);
    QCOMPARE_DB(m.DnTw12, 55.48);
}

void TestTransmission::highFrequencyLiningRoom1()
{
    ProjectModel model = fixtures::workedExample();
    model.f0[0][1] = 1700;
    const ProjectModel m = calculated(model);
    QCOMPARE(m.dRw[0][1], -5.0L);
    QCOMPARE(m.dRDd, -2.5L);
    for (int n = 1; n <= 4; ++n) {
        QCOMPARE(m.dRij[n][PathDf], -2.5L);
        QCOMPARE(m.dRij[n][PathFd], 0.0L);
        QCOMPARE(m.dRij[n][PathFf], 0.0L);
    }
}

void TestTransmission::liningTable_data()
{
    QTest::addColumn<int>("f0");
    QTest::addColumn<double>("rw");
    QTest::addColumn<double>("expected");
    QTest::newRow("no lining") << 0 << 60.0 << 0.0;
    QTest::newRow("negative frequency") << -5 << 60.0 << 0.0;
    QTest::newRow("1 Hz") << 1 << 60.0 << 5.0;
    QTest::newRow("80 Hz") << 80 << 60.0 << 5.0;
    QTest::newRow("81 Hz") << 81 << 60.0 << 2.0;
    QTest::newRow("100 Hz") << 100 << 50.0 << 7.0;
    QTest::newRow("101 Hz") << 101 << 50.0 << 5.0;
    QTest::newRow("125 Hz") << 125 << 50.0 << 5.0;
    QTest::newRow("126 Hz") << 126 << 50.0 << 3.0;
    QTest::newRow("160 Hz") << 160 << 50.0 << 3.0;
    QTest::newRow("negative value below 200 Hz is 0") << 160 << 70.0 << 0.0;
    QTest::newRow("161 Hz") << 161 << 50.0 << 0.0;
    QTest::newRow("180 Hz") << 180 << 50.0 << 0.0;
    QTest::newRow("199 Hz") << 199 << 50.0 << 0.0;
    QTest::newRow("200 Hz") << 200 << 50.0 << -1.0;
    QTest::newRow("201 Hz") << 201 << 50.0 << -3.0;
    QTest::newRow("315 Hz") << 315 << 50.0 << -3.0;
    QTest::newRow("316 Hz") << 316 << 50.0 << -5.0;
    QTest::newRow("400 Hz") << 400 << 50.0 << -5.0;
    QTest::newRow("401 Hz") << 401 << 50.0 << -7.0;
    QTest::newRow("500 Hz") << 500 << 50.0 << -7.0;
    QTest::newRow("501 Hz") << 501 << 50.0 << -9.0;
    QTest::newRow("630 Hz") << 630 << 50.0 << -9.0;
    QTest::newRow("631 Hz") << 631 << 50.0 << -10.0;
    QTest::newRow("1600 Hz") << 1600 << 50.0 << -10.0;
    QTest::newRow("1601 Hz") << 1601 << 50.0 << -5.0;
}

void TestTransmission::liningTable()
{
    QFETCH(int, f0);
    QFETCH(double, rw);
    QFETCH(double, expected);
    QCOMPARE(double(LiningImprovement(f0, rw)), expected);
}

void TestTransmission::combineImprovements()
{
    QCOMPARE(CombineImprovements(12, 8), 16.0L);
    QCOMPARE(CombineImprovements(8, 12), 16.0L);
    QCOMPARE(CombineImprovements(-10, 0), -5.0L);
    QCOMPARE(CombineImprovements(0, -10), -5.0L);
    QCOMPARE(CombineImprovements(0, 0), 0.0L);
}

void TestTransmission::junctionCodes_data()
{
    // Separating element 350 kg/m², flank 250 kg/m² in room 1 and 150 kg/m² in room 2;
    // values worked out by hand from the formulas and mass ratios.
    QTest::addColumn<QString>("code");
    QTest::addColumn<double>("ff");
    QTest::addColumn<double>("fd");
    QTest::addColumn<double>("df");
    QTest::newRow("KS_ohneTrennung") << QStringLiteral("KS_ohneTrennung") << 12.1554435116 << 6.6096393939
                                     << 6.6096393939;
    QTest::newRow("KS_TrennungTB") << QStringLiteral("KS_TrennungTB") << 9.6617722925 << 20.0 << 20.0;
    QTest::newRow("KS_TrennungR1") << QStringLiteral("KS_TrennungR1") << 20.0 << 20.0 << 5.4718194127;
    QTest::newRow("KS_TrennungR2") << QStringLiteral("KS_TrennungR2") << 20.0 << 4.8217143960 << 20.0;
    QTest::newRow("KS_TrennungR1R2") << QStringLiteral("KS_TrennungR1R2") << 20.0 << 20.0 << 20.0;
    QTest::newRow("TS_ohneTrennung") << QStringLiteral("TS_ohneTrennung") << 9.6617722925 << 5.0366847107
                                     << 5.0366847107;
    QTest::newRow("TS_TrennungTB") << QStringLiteral("TS_TrennungTB") << -4.7539156615 << 20.0 << 20.0;
    QTest::newRow("TS_TrennungR1") << QStringLiteral("TS_TrennungR1") << 20.0 << 20.0 << 3.0655986692;
    QTest::newRow("TS_TrennungR2") << QStringLiteral("TS_TrennungR2") << 20.0 << 2.7576541876 << 20.0;
    QTest::newRow("TS_TrennungR1R2") << QStringLiteral("TS_TrennungR1R2") << 20.0 << 20.0 << 20.0;
    QTest::newRow("LSa_ohneTrennung") << QStringLiteral("LSa_ohneTrennung") << 4.7 << 4.7 << 5.7;
    QTest::newRow("LSa_TrennungTB") << QStringLiteral("LSa_TrennungTB") << 2.8328855428 << 20.0 << 20.0;
    QTest::newRow("LSa_TrennungR1") << QStringLiteral("LSa_TrennungR1") << 20.0 << 20.0 << -4.3229654274;
    QTest::newRow("LSa_TrennungR2") << QStringLiteral("LSa_TrennungR2") << 20.0 << 2.7576541876 << 20.0;
    QTest::newRow("LSa_TrennungR1R2") << QStringLiteral("LSa_TrennungR1R2") << 20.0 << 20.0 << 20.0;
    QTest::newRow("LSb_ohneTrennung")
        << QStringLiteral("LSb_ohneTrennung") << 5.2165286322 << 1.9720056934 << 5.2165286322;
    QTest::newRow("LSb_TrennungTB") << QStringLiteral("LSb_TrennungTB") << 2.8328855428 << 20.0 << 20.0;
    QTest::newRow("LSb_TrennungR1") << QStringLiteral("LSb_TrennungR1") << 20.0 << 20.0 << 3.0655986692;
    QTest::newRow("LSb_TrennungR2") << QStringLiteral("LSb_TrennungR2") << 20.0 << -4.8932329859 << 20.0;
    QTest::newRow("LSb_TrennungR1R2") << QStringLiteral("LSb_TrennungR1R2") << 20.0 << 20.0 << 20.0;
}

void TestTransmission::junctionCodes()
{
    QFETCH(QString, code);
    QFETCH(double, ff);
    QFETCH(double, fd);
    QFETCH(double, df);
    ProjectModel model;
    resetModel(model, QLatin1Char('.'));
    model.buildUp[0][0].m = 350;
    model.buildUp[2][1].m = 250;
    model.buildUp[2][2].m = 150;
    model.Stoss[2] = code;
    JunctionIndices(model);
    QVERIFY(std::fabs(double(model.Kij[2][PathFf]) - ff) < 1e-9);
    QVERIFY(std::fabs(double(model.Kij[2][PathFd]) - fd) < 1e-9);
    QVERIFY(std::fabs(double(model.Kij[2][PathDf]) - df) < 1e-9);
}

void TestTransmission::formulaCaps()
{
    // Equal masses: M = 0.
    QCOMPARE(junctionFormula(JunctionFormula::C, 1), 5.7L);
    QCOMPARE(junctionFormula(JunctionFormula::D, 1), 4.7L);
    QCOMPARE(junctionFormula(JunctionFormula::A, 1), 8.7L);
    // Mass ratio 10 (M = 1): a would be 31.5 and c 25.5, both above their caps.
    QCOMPARE_DB(junctionFormula(JunctionFormula::A, 10), 17.0);
    QCOMPARE_DB(junctionFormula(JunctionFormula::C, 10), 11.1);
    // Just below the caps the quadratic form stays.
    const long double justBelowA = std::pow(10.0L, 0.18L); // 8.7+3.078+0.185 = 11.96
    QCOMPARE_DB(junctionFormula(JunctionFormula::A, justBelowA), 8.7 + 17.1 * 0.18 + 5.7 * 0.18 * 0.18);
    const long double justBelowC = std::pow(10.0L, 0.22L); // 5.7+3.102+0.276 = 9.08 > 9 → linear
    QCOMPARE_DB(junctionFormula(JunctionFormula::C, justBelowC), 9.2 + 1.9 * 0.22);
    QCOMPARE_DB(junctionFormula(JunctionFormula::F, 10), 0.0);

    // A cross junction with a heavy separating element uses the linear replacement.
    ProjectModel model = fixtures::workedExample();
    model.buildUp[0][0].m = 2500;
    model.Stoss[1] = QStringLiteral("KS_ohneTrennung");
    JunctionIndices(model);
    QCOMPARE_DB(model.Kij[1][PathFf], 10.6 + 6.4 * std::log10(2.0 * 2500 / 500));
}

void TestTransmission::unknownCodeKeepsPreviousIndices()
{
    ProjectModel model = calculated(fixtures::workedExample());
    const long double before[3] = {model.Kij[3][0], model.Kij[3][1], model.Kij[3][2]};
    model.Stoss[3] = QStringLiteral("ts_ohneTrennung"); // wrong case: not a code
    model.buildUp[0][0].m = 700;                        // would change every known flank
    JunctionIndices(model);
    for (int p = 0; p < 3; ++p)
        QCOMPARE(model.Kij[3][p], before[p]);
    QVERIFY(model.Kij[1][PathFf] != before[PathFf]);
}

void TestTransmission::separatedPathsAreBoundedFromBelow()
{
    ProjectModel model = fixtures::workedExample();
    model.Stoss[2] = QStringLiteral("KS_TrennungR1R2");
    ProjectModel m = calculated(model);
    for (int p = 0; p < 3; ++p)
        QCOMPARE(m.Kij[2][p], 20.0L);

    // A tiny flank area raises the bound above 20 dB: 10·lg(4.8·(1/0.01 + 1/19.2)).
    model.Stoss[2] = QStringLiteral("LSb_TrennungR1R2");
    model.fields.FF[2][1] = QStringLiteral("0.01");
    m = calculated(model);
    const double expected = 10 * std::log10(4.8 * (1 / 0.01 + 1 / 19.2));
    QCOMPARE_DB(m.Kij[2][PathFf], expected);
    QCOMPARE(m.Kij[2][PathDf], 20.0L);
}

void TestTransmission::cornerJunctionAreas()
{
    ProjectModel model = fixtures::workedExample();
    model.fields.FF[2][1] = QStringLiteral("7.5");
    model.fields.FF[2][2] = QStringLiteral("3");
    model.Stoss[2] = QStringLiteral("LSb_TrennungTB");
    ProjectModel m = calculated(model);
    QCOMPARE(m.FA[2][1], 7.5L);
    QCOMPARE_DB(m.FA[2][2], 4 * 4.8);

    model.Stoss[2] = QStringLiteral("LSa_ohneTrennung");
    m = calculated(model);
    QCOMPARE_DB(m.FA[2][1], 5 * 4.8);
    QCOMPARE(m.FA[2][2], 3.0L);

    // The fields are the user's own: the calculation never writes the derived areas into them.
    QCOMPARE(m.fields.FF[2][1], QStringLiteral("7.5"));
    QCOMPARE(m.fields.FF[2][2], QStringLiteral("3"));
}

void TestTransmission::levelDifferenceDirection()
{
    ProjectModel model = fixtures::workedExample();
    model.fields.Vol1 = QStringLiteral("50");
    model.fields.Vol2 = QStringLiteral("50");
    model.dnTwNoteShown = true;
    ProjectModel m = calculated(model);
    QCOMPARE(m.dnTwDirection, DnTwDirection::Room2ToRoom1);
    QVERIFY(!m.dnTwNoteShown);
    QCOMPARE(m.DnTw12, m.DnTw21);

    model.fields.Vol1 = QStringLiteral("40");
    model.fields.Vol2 = QStringLiteral("60");
    m = calculated(model);
    QCOMPARE(m.dnTwDirection, DnTwDirection::Room2ToRoom1);
    QVERIFY(m.DnTw12 > m.DnTw21);
}

void TestTransmission::missingVolume()
{
    ProjectModel model = fixtures::workedExample();
    model.fields.Vol1 = QStringLiteral("0");
    const ProjectModel m = calculated(model);
    QVERIFY(m.Calculated);
    QVERIFY(m.dnTwHintShown);
    QCOMPARE(m.DnTw12, 0.0L);
    QCOMPARE(m.DnTw21, 0.0L);
    QCOMPARE_DB(m.RwBau, 51.77);
}

void TestTransmission::freshProjectMessages()
{
    ProjectModel model;
    resetModel(model, QLatin1Char(','));
    QVERIFY(Recalculate(model, QLatin1Char(',')).ok());
    QVERIFY(!model.Calculated);
    const QStringList expected{
        QStringLiteral(" Trennbauteil: keine Fläche vorhanden"),
        QStringLiteral(" Flächenmasse Trennbauteil < 80 kg/m²"),
        QStringLiteral(" Trennbauteil: Direktschalldämmung Rw nicht vorhanden"),
        QStringLiteral(" Raum 1: keine Raumtiefe/-höhe vorhanden"),
        QStringLiteral(" Raum 2: keine Raumtiefe/-höhe vorhanden"),
        QStringLiteral(" Flanke 1: keine gemeinsame Kantenlänge vorhanden"),
        QStringLiteral(" Flanke 2: keine gemeinsame Kantenlänge vorhanden"),
        QStringLiteral(" Flanke 3: keine gemeinsame Kantenlänge vorhanden"),
        QStringLiteral(" Flanke 4: keine gemeinsame Kantenlänge vorhanden"),
        QStringLiteral(" Flächenmasse Flanke 1 / Raum 1 < 80 kg/m²"),
        QStringLiteral(" Flächenmasse Flanke 1 / Raum 2 < 80 kg/m²"),
        QStringLiteral(" Flächenmasse Flanke 2 / Raum 1 < 80 kg/m²"),
        QStringLiteral(" Flächenmasse Flanke 2 / Raum 2 < 80 kg/m²"),
        QStringLiteral(" Flächenmasse Flanke 3 / Raum 1 < 80 kg/m²"),
        QStringLiteral(" Flächenmasse Flanke 3 / Raum 2 < 80 kg/m²"),
        QStringLiteral(" Flächenmasse Flanke 4 / Raum 1 < 80 kg/m²"),
        QStringLiteral(" Flächenmasse Flanke 4 / Raum 2 < 80 kg/m²"),
    };
    QCOMPARE(model.Messages, expected);
    // Reset state of the junctions and identical flags.
    for (int n = 1; n <= 4; ++n) {
        QCOMPARE(model.Stoss[n], QStringLiteral("TS_ohneTrennung"));
        QVERIFY(model.IdF[n]);
    }
    QCOMPARE(model.fields.A, QStringLiteral("0,00"));
    QCOMPARE(model.fields.FF[1][1], QStringLiteral("1,00"));
}

void TestTransmission::massLimit()
{
    ProjectModel model = fixtures::workedExample();
    model.buildUp[0][0].m = 80;
    QVERIFY(calculated(model).Calculated);
    model.buildUp[0][0].m = 79.9L;
    ProjectModel m = calculated(model);
    QVERIFY(!m.Calculated);
    QCOMPARE(m.Messages, QStringList{QStringLiteral(" Flächenmasse Trennbauteil < 80 kg/m²")});

    model = fixtures::workedExample();
    model.buildUp[3][2].m = 79.9L;
    m = calculated(model);
    QCOMPARE(m.Messages, QStringList{QStringLiteral(" Flächenmasse Flanke 3 / Raum 2 < 80 kg/m²")});
}

void TestTransmission::incompleteToComplete()
{
    ProjectModel model = fixtures::workedExample();
    model.fields.LF[4] = QStringLiteral("0");
    model.buildUp[2][1].Rw = 40; // would change the results if it were computed
    QVERIFY(Recalculate(model, QLatin1Char('.')).ok());
    QVERIFY(!model.Calculated);
    QCOMPARE(model.Messages,
             QStringList{QStringLiteral(" Flanke 4: keine gemeinsame Kantenlänge vorhanden")});
    QCOMPARE(model.RwBau, 0.0L); // results untouched while incomplete
    QCOMPARE(model.LF[4], 0.0);

    model.buildUp[2][1].Rw = 51.9L;
    model.fields.LF[4] = QStringLiteral("4.8");
    QVERIFY(Recalculate(model, QLatin1Char('.')).ok());
    QVERIFY(model.Calculated);
    QVERIFY(model.Messages.isEmpty());
    QCOMPARE_DB(model.RwBau, 51.77);

    // Improvements are cleared by an incomplete run, results kept.
    model.f0[0][2] = 80;
    QVERIFY(Recalculate(model, QLatin1Char('.')).ok());
    QVERIFY(model.dRDd > 0);
    const long double rwBefore = model.RwBau;
    model.fields.A = QStringLiteral("-3");
    QVERIFY(Recalculate(model, QLatin1Char('.')).ok());
    QVERIFY(!model.Calculated);
    QCOMPARE(model.A, 0.0L);
    QCOMPARE(model.dRDd, 0.0L);
    QCOMPARE(model.dRw[0][2], 0.0L);
    QCOMPARE(model.RwBau, rwBefore);
}

void TestTransmission::flankAreaFieldsRepaired()
{
    ProjectModel model = fixtures::workedExample();
    model.fields.FF[3][2] = QStringLiteral("0");
    model.fields.FF[1][1] = QStringLiteral("-2");
    QVERIFY(Recalculate(model, QLatin1Char('.')).ok());
    QCOMPARE(model.fields.FF[3][2], QStringLiteral("1"));
    QCOMPARE(model.fields.FF[1][1], QStringLiteral("1"));
}

void TestTransmission::invalidFieldKeepsPreviousState()
{
    ProjectModel model = calculated(fixtures::workedExample());
    const long double rw = model.RwBau;
    model.fields.L2 = QStringLiteral("1.2.3");
    model.fields.A = QStringLiteral("0"); // read before the failing field
    const RecalcOutcome outcome = Recalculate(model, QLatin1Char('.'));
    QCOMPARE(outcome.error, QStringLiteral("'1.2.3' ist kein gültiger Fließkommawert"));
    QVERIFY(model.Calculated);
    QVERIFY(model.Messages.isEmpty());
    QCOMPARE(model.RwBau, rw);
    QCOMPARE(model.A, 0.0L); // stored before the failure, as read

    model = calculated(fixtures::workedExample());
    model.fields.Vol2 = QStringLiteral(",");
    QCOMPARE(Recalculate(model, QLatin1Char('.')).error, invalidRealMessage(QStringLiteral(",")));
    QCOMPARE(model.DnTw12, calculated(fixtures::workedExample()).DnTw12);
}

void TestTransmission::commaSeparator()
{
    ProjectModel model = fixtures::workedExample(QLatin1Char(','));
    QCOMPARE(model.fields.LF[1], QStringLiteral("2,5"));
    QVERIFY(Recalculate(model, QLatin1Char(',')).ok());
    QVERIFY(model.Calculated);
    QCOMPARE(formatResult(model.RwBau, QLatin1Char(',')), QStringLiteral("51,8 [dB]"));
    QCOMPARE(model.LF[2], 4.8);
}

void TestTransmission::messagePanel()
{
    const QStringList lines = messagePanelLines({QStringLiteral(" Raum 1: keine Raumtiefe/-höhe vorhanden")});
    const QStringList expected{
        QStringLiteral(" Zur Berechnung der Luftschalldämmung müssen alle weiß hinter-"),
        QStringLiteral(" legten Eingabfelder bearbeitet werden."), QStringLiteral(" "),
        QStringLiteral(" Fehlende Angaben:"),
        QStringLiteral("       Raum 1: keine Raumtiefe/-höhe vorhanden")};
    QCOMPARE(lines, expected);
}

void TestTransmission::emptyFieldsFilled()
{
    ProjectModel model = fixtures::workedExample();
    model.fields.A.clear();
    model.fields.FF[2][2].clear();
    model.fields.Vol1.clear();
    QVERIFY(fillEmptyNumberFields(model.fields));
    QCOMPARE(model.fields.A, QStringLiteral("0"));
    QCOMPARE(model.fields.FF[2][2], QStringLiteral("1"));
    QCOMPARE(model.fields.Vol1, QStringLiteral("0"));
    QCOMPARE(model.fields.L1, QStringLiteral("5"));
    QVERIFY(!fillEmptyNumberFields(model.fields));
}

// Every window and the refill of emptied fields use one order of the seventeen fields:
// names, texts and defaults must belong together.
void TestTransmission::numberFieldOrder()
{
    FieldTexts fields;
    const auto texts = numberFieldTexts(fields);
    QSet<const QString *> distinct;
    QSet<QString> names;
    for (int k = 0; k < NumberFieldCount; ++k) {
        distinct.insert(texts[k]);
        names.insert(numberFieldName(k));
        *texts[k] = QString::number(k);
        const bool flankArea = numberFieldName(k).startsWith(QLatin1String("edit_FF"));
        QCOMPARE(numberFieldDefault(k), flankArea ? QStringLiteral("1") : QStringLiteral("0"));
    }
    QCOMPARE(distinct.size(), NumberFieldCount);
    QCOMPARE(names.size(), NumberFieldCount);
    QCOMPARE(numberFieldName(0), QStringLiteral("edit_Vol1"));
    QCOMPARE(fields.A, QStringLiteral("4"));
    QCOMPARE(numberFieldName(4), QStringLiteral("edit_A"));
    QCOMPARE(fields.FF[1][1], QStringLiteral("5"));
    QCOMPARE(fields.LF[3], QStringLiteral("12"));
    QCOMPARE(numberFieldName(12), QStringLiteral("edit_LF3"));
    QCOMPARE(fields.FF[4][2], QStringLiteral("16"));
    QCOMPARE(numberFieldName(16), QStringLiteral("edit_FF4_2"));
    QVERIFY(numberFieldName(NumberFieldCount).isEmpty());
}

QTEST_GUILESS_MAIN(TestTransmission)
#include "tst_transmission.moc"
