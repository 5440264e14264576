// The variant study without its window: numbering, the list lines, the bars, the life of
// a study, and the limits of the three charts' left axes.
#include "core/model/variablen.h"
#include "core/variants/variantstudy.h"

#include <QtTest>

using namespace tavix;

namespace {

VariantResult result(long double rw, long double dnTw12, long double dnTw21, const char *name = "")
{
    return {true, rw, dnTw12, dnTw21, QString::fromUtf8(name)};
}

const VariantResult Incomplete{};

} // namespace

Q_DECLARE_METATYPE(VariantResult)

class TestVariantStudy : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void additions_data();
    void additions();
    void lifecycle();
    void resultTakenFromTheProject();
    void scaling_data();
    void scaling();
    void axisLabels_data();
    void axisLabels();
    void variantNumbersOnTheAxis_data();
    void variantNumbersOnTheAxis();
};

void TestVariantStudy::additions_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QList<VariantResult>>("results");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<long double>>("dnTwBars");

    QTest::newRow("smaller direction, point")
        << QChar(u'.')
        << QList<VariantResult>{result(52.34L, 54.96L, 55.2L, "A"), result(55.0L, 54.96L, 53.1L, "B")}
        << QStringList{QString::fromUtf8(" Variante 1: A  R´w = 52.3 [dB] / DnT,w = 55.0 [dB]"),
                       QString::fromUtf8(" Variante 2: B  R´w = 55.0 [dB] / DnT,w = 53.1 [dB]")}
        << QList<long double>{54.96L, 53.1L};
    QTest::newRow("comma, empty name, equal directions")
        << QChar(u',') << QList<VariantResult>{result(49.95L, 50.04L, 50.04L)}
        << QStringList{QString::fromUtf8(" Variante 1:   R´w = 50,0 [dB] / DnT,w = 50,0 [dB]")}
        << QList<long double>{50.04L};
    QTest::newRow("missing volumes and a level difference not above zero")
        << QChar(u',') << QList<VariantResult>{result(45.1L, 0, 0, "ohne V"), result(30, -2.5L, 3, "klein")}
        << QStringList{QString::fromUtf8(" Variante 1: ohne V  R´w = 45,1 [dB] / Keine Berechnung für DnT,w "
                                         "möglich - Raumvolumen überprüfen!"),
                       QString::fromUtf8(" Variante 2: klein  R´w = 30,0 [dB] / Keine Berechnung für DnT,w "
                                         "möglich - Raumvolumen überprüfen!")}
        << QList<long double>{0, -2.5L};
    QTest::newRow("incomplete inputs neither count nor draw")
        << QChar(u'.') << QList<VariantResult>{Incomplete, result(52, 51, 51, "X"), Incomplete}
        << QStringList{QString::fromUtf8(
                           " Eingabefehler für aktuelle Variante -> keine Berechnung möglich!!"),
                       QString::fromUtf8(" Variante 1: X  R´w = 52.0 [dB] / DnT,w = 51.0 [dB]"),
                       QString::fromUtf8(
                           " Eingabefehler für aktuelle Variante -> keine Berechnung möglich!!")}
        << QList<long double>{51};
}

void TestVariantStudy::additions()
{
    QFETCH(QChar, separator);
    QFETCH(QList<VariantResult>, results);
    QFETCH(QStringList, lines);
    QFETCH(QList<long double>, dnTwBars);
    VariantStudy study;
    QCOMPARE(study.open(true), VariantStudy::OpenOutcome::Started);
    QStringList shown;
    for (const VariantResult &r : results)
        shown << study.add(r, separator);
    QCOMPARE(shown, lines);
    QCOMPARE(study.lastNumber(), dnTwBars.size());
    QCOMPARE(study.chartsShown(), !dnTwBars.isEmpty());
    QList<long double> bars;
    int expectedNumber = 1;
    for (const VariantBar &bar : study.bars()) {
        QCOMPARE(bar.number, expectedNumber++);
        bars << bar.dnTw;
    }
    QCOMPARE(bars, dnTwBars);
}

void TestVariantStudy::lifecycle()
{
    VariantStudy study;
    QVERIFY(!study.isRunning());
    QCOMPARE(study.open(false), VariantStudy::OpenOutcome::NoResults);
    QVERIFY(!study.isRunning());

    QCOMPARE(study.open(true), VariantStudy::OpenOutcome::Started);
    study.add(result(50, 48, 49), u'.');
    study.add(result(51, 48, 49), u'.');
    QCOMPARE(study.open(true), VariantStudy::OpenOutcome::Running);
    QCOMPARE(study.lastNumber(), 2);
    // Without results the running study is not touched either.
    QCOMPARE(study.open(false), VariantStudy::OpenOutcome::NoResults);
    QCOMPARE(study.bars().size(), 2);

    study.clear();
    QVERIFY(study.isRunning());
    QVERIFY(!study.chartsShown());
    QVERIFY(study.add(result(50, 48, 49), u'.').startsWith(QStringLiteral(" Variante 1: ")));

    study.close();
    QVERIFY(!study.isRunning());
    QCOMPARE(study.open(true), VariantStudy::OpenOutcome::Started);
    QCOMPARE(study.lastNumber(), 0);
    QVERIFY(study.bars().isEmpty());

    QVERIFY(!VariantStudy::closeNeedsConfirmation(QString()));
    QVERIFY(VariantStudy::closeNeedsConfirmation(QStringLiteral(" ")));
}

void TestVariantStudy::resultTakenFromTheProject()
{
    ProjectModel model;
    model.Calculated = true;
    model.RwBau = 53.25L;
    model.DnTw12 = 55;
    model.DnTw21 = 52.5L;
    model.fields.Variante = QStringLiteral("Var 1");
    VariantStudy study;
    study.open(true);
    QCOMPARE(study.add(currentVariantResult(model), u','),
             QString::fromUtf8(" Variante 1: Var 1  R´w = 53,3 [dB] / DnT,w = 52,5 [dB]"));
    model.Calculated = false;
    QVERIFY(!currentVariantResult(model).calculated);
}

void TestVariantStudy::scaling_data()
{
    // Operations: + adds the next result, T/t top up/down, B/b bottom up/down, A automatic.
    QTest::addColumn<QList<VariantResult>>("results");
    QTest::addColumn<QString>("operations");
    QTest::addColumn<QList<double>>("limits"); // bottom, top of R'w, DnT,w, both
    QTest::addColumn<QString>("automatic");    // per chart, "1" automatic

    const QList<VariantResult> one{result(52.3L, 48.2L, 49)};
    QTest::newRow("start") << one << QStringLiteral("+") << QList<double>{0, 70, 0, 70, 0, 70}
                           << QStringLiteral("000");
    QTest::newRow("top up twice") << one << QStringLiteral("+TT") << QList<double>{0, 80, 0, 80, 0, 80}
                                  << QStringLiteral("000");
    QTest::newRow("bottom down at zero does nothing")
        << one << QStringLiteral("+b") << QList<double>{0, 70, 0, 70, 0, 70} << QStringLiteral("000");
    // R'w 52.3 and DnT,w 48.2: each axis fits its bars with at least 1 dB on either side, on
    // whole steps, at least 5 dB high.
    QTest::newRow("automatic fits the bars with a margin")
        << one << QStringLiteral("+A") << QList<double>{51, 56, 47, 52, 47, 54} << QStringLiteral("111");
    QTest::newRow("top down stops 5 dB above the bottom")
        << one << QStringLiteral("+") + QString(20, u't') << QList<double>{0, 5, 0, 5, 0, 5}
        << QStringLiteral("000");
    QTest::newRow("bottom up stops 5 dB below the top")
        << one << QStringLiteral("+") + QString(20, u'B') << QList<double>{65, 70, 65, 70, 65, 70}
        << QStringLiteral("000");
    QTest::newRow("bottom up then down")
        << one << QStringLiteral("+BBBb") << QList<double>{10, 70, 10, 70, 10, 70} << QStringLiteral("000");
    // The two single-series axes already span the 5 dB gap: only the combined one moves.
    QTest::newRow("each chart moves on its own")
        << one << QStringLiteral("+ABt") << QList<double>{51, 56, 47, 52, 49, 54} << QStringLiteral("110");
    QTest::newRow("automatic keeps zero for a missing DnT,w")
        << QList<VariantResult>{result(52, 0, 0)} << QStringLiteral("+Ab")
        << QList<double>{46, 56, 0, 5, 0, 60} << QStringLiteral("011");
    QTest::newRow("a step leaves automatic from the range it showed")
        << QList<VariantResult>{result(60, 59.9L, 61)} << QStringLiteral("+AT")
        << QList<double>{59, 69, 58, 68, 58, 68} << QStringLiteral("000");
    QTest::newRow("automatic follows later bars")
        << QList<VariantResult>{result(40, 30, 30), Incomplete, result(81, 79, 80)} << QStringLiteral("+A++")
        << QList<double>{30, 90, 20, 90, 20, 90} << QStringLiteral("111");
}

// Both limits carry a label, the round values between them too unless they crowd a limit.
void TestVariantStudy::axisLabels_data()
{
    QTest::addColumn<double>("bottom");
    QTest::addColumn<double>("top");
    QTest::addColumn<QList<double>>("labels");
    QTest::newRow("start: every 10 dB") << 0.0 << 70.0 << QList<double>{0, 10, 20, 30, 40, 50, 60, 70};
    QTest::newRow("limits off the steps") << 45.0 << 75.0 << QList<double>{45, 50, 55, 60, 65, 70, 75};
    QTest::newRow("a narrow axis") << 51.0 << 56.0 << QList<double>{51, 52, 53, 54, 55, 56};
    QTest::newRow("crowding values left out") << 47.0 << 63.0 << QList<double>{47, 50, 52, 54, 56, 58, 60, 63};
}

void TestVariantStudy::axisLabels()
{
    QFETCH(double, bottom);
    QFETCH(double, top);
    QFETCH(QList<double>, labels);
    QCOMPARE(VariantStudy::axisLabels({bottom, top}), labels);
}

void TestVariantStudy::scaling()
{
    QFETCH(QList<VariantResult>, results);
    QFETCH(QString, operations);
    QFETCH(QList<double>, limits);
    QFETCH(QString, automatic);
    VariantStudy study;
    study.open(true);
    int next = 0;
    for (QChar op : operations) {
        switch (op.unicode()) {
        case u'+':
            study.add(results.at(next++), u'.');
            break;
        case u'T':
            study.raiseTop();
            break;
        case u't':
            study.lowerTop();
            break;
        case u'B':
            study.raiseBottom();
            break;
        case u'b':
            study.lowerBottom();
            break;
        case u'A':
            study.scaleAutomatically();
            break;
        }
    }
    QList<double> shown;
    QString autoFlags;
    for (VariantChart chart : {VariantChart::Rw, VariantChart::DnTw, VariantChart::RwDnTw}) {
        shown << study.limits(chart).bottom << study.limits(chart).top;
        autoFlags += study.isAutomatic(chart) ? u'1' : u'0';
    }
    QCOMPARE(shown, limits);
    QCOMPARE(autoFlags, automatic);
}

void TestVariantStudy::variantNumbersOnTheAxis_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("slots");
    QTest::addColumn<QList<int>>("labels");
    QTest::newRow("none") << 0 << 1 << QList<int>{};
    QTest::newRow("one") << 1 << 1 << QList<int>{1};
    QTest::newRow("twenty, all written")
        << 20 << 20 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
    QTest::newRow("twenty-one, every second") << 21 << 22 << QList<int>{2, 4, 6, 8, 10, 12, 14, 16, 18, 20};
    QTest::newRow("two hundred and one, every tenth")
        << 201 << 210 << QList<int>{10,  20,  30,  40,  50,  60,  70,  80,  90,  100,
                                    110, 120, 130, 140, 150, 160, 170, 180, 190, 200};
    QTest::newRow("a thousand, every fiftieth")
        << 1000 << 1000 << QList<int>{50,  100, 150, 200, 250, 300, 350, 400, 450, 500,
                                      550, 600, 650, 700, 750, 800, 850, 900, 950, 1000};
}

void TestVariantStudy::variantNumbersOnTheAxis()
{
    QFETCH(int, count);
    QFETCH(int, slots);
    QFETCH(QList<int>, labels);
    QCOMPARE(VariantStudy::numberSlots(count), slots);
    QCOMPARE(VariantStudy::numberLabels(count), labels);
}

QTEST_APPLESS_MAIN(TestVariantStudy)
#include "tst_variantstudy.moc"
