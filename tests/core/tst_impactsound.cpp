// Impact sound of a solid floor: the textbook example and the published checks of the
// formulas to the displayed tenth, which walls count for K, what stops an L'n,w, and the
// proof at its 0.1 dB boundary.
#include "core/calculate/recalculate.h"
#include "core/impact/impactsound.h"
#include "core/impact/impacttext.h"
#include "core/model/numbers.h"
#include "core/reports/requirements.h"
#include "fixtures.h"

#include <QtTest>

using namespace tavix;

Q_DECLARE_METATYPE(tavix::ProjectModel)

namespace {

QString tenth(long double value)
{
    return formatFixed(value, 18, 1, QLatin1Char('.'));
}

ProjectModel recalculated(ProjectModel model)
{
    const RecalcOutcome outcome = Recalculate(model, QLatin1Char('.'));
    if (!outcome.ok() || !model.Calculated)
        qWarning() << "not calculated" << outcome.error << model.Messages;
    return model;
}

} // namespace

class TestImpactSound : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void publishedValues_data();
    void publishedValues();
    void whatStopsOrLimitsTheResult_data();
    void whatStopsOrLimitsTheResult();
    void proofAtBoundary_data();
    void proofAtBoundary();
};

// The example's results and the formulas, each as displayed: to the tenth.
void TestImpactSound::publishedValues_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    ProjectModel model = fixtures::impactFloorExample();
    model.requirement.id = QStringLiteral("mfh-decke");
    model = recalculated(model);
    const ImpactResult &r = model.impact;
    const std::optional<ImpactCheck> proof = proofChecks(model).impact;
    QTest::newRow("example has L'n,w and L'nT,w") << QString::number(r.hasLnw() && r.hasLnTw) << "1";
    QTest::newRow("example Ln,eq,0,w") << tenth(r.lneq0w) << "71.8";
    QTest::newRow("example ΔLw") << tenth(r.deltaLw) << "32.0";
    QTest::newRow("example m'f,m") << tenth(r.mfm) << "292.0";
    QTest::newRow("example K") << tenth(r.K) << "1.5";
    QTest::newRow("example L'n,w") << tenth(r.lnw) << "41.3";
    QTest::newRow("example L'nT,w") << tenth(r.lnTw) << "40.7";
    QTest::newRow("example proof") << (proof ? tenth(proof->lnwPlusU) + QLatin1Char(' ') +
                                                   verdictText(*proof, QLatin1Char(','))
                                             : QString())
                                   << "44.3 erfüllt (Reserve 5,7 dB)";
    QTest::newRow("ΔLw(73.5 kg/m², 8 MN/m³)")
        << tenth(screedImprovement(ScreedKind::CementOrCalciumSulphate, 73.5, 8)) << "32.2";
    QTest::newRow("K(500; 500)") << tenth(flankCorrection(500, 500)) << "0.6";
    QTest::newRow("K(450; 500)") << tenth(flankCorrection(450, 500)) << "0.0";
    QTest::newRow("s' of 20 and 20") << tenth(combinedStiffness(20, 20)) << "10.0";
}

void TestImpactSound::publishedValues()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void TestImpactSound::whatStopsOrLimitsTheResult_data()
{
    QTest::addColumn<ProjectModel>("model");
    QTest::addColumn<bool>("hasLnw");
    QTest::addColumn<unsigned>("hints");
    QTest::addColumn<QList<int>>("walls");
    QTest::addColumn<QString>("lnw");

    const ProjectModel example = fixtures::impactFloorExample();
    const QList<int> all{1, 2, 3, 4};
    QTest::newRow("the example") << example << true << 0u << all << "41.3";

    ProjectModel m = example;
    m.f0[2][2] = 80; // a lining on wall 2 in room 2: the mean of 308, 216, 428
    QTest::newRow("lined wall left out") << m << true << 0u << QList<int>{1, 3, 4} << "41.1";
    m.f0[1][2] = m.f0[3][2] = m.f0[4][2] = 100;
    QTest::newRow("every wall lined") << m << false << unsigned(HintAllFlanksLined) << QList<int>{} << "";

    m = example;
    m.Orientation = 0;
    QTest::newRow("wall: no impact sound") << m << false << 0u << QList<int>{} << "";
    m = example;
    m.fields.A = QStringLiteral("0");
    QTest::newRow("airborne inputs incomplete") << m << false << 0u << QList<int>{} << "";
    m = example;
    m.fields.Vol2 = QStringLiteral("0");
    QTest::newRow("no V2") << m << true << unsigned(HintNoVolume) << all << "41.3";
    m = example;
    m.f0[0][2] = 63; // a suspended ceiling is not credited
    QTest::newRow("suspended ceiling") << m << true << unsigned(HintSuspendedCeiling) << all << "41.3";
    m = example;
    m.impactInputs.stiffness2 = 10; // s' = 5: below the cement range, ΔLw 36.3
    QTest::newRow("second layer") << m << true << unsigned(HintStiffnessRange) << all << "37.0";
    m.impactInputs.stiffness = 0;
    QTest::newRow("s' missing") << m << false << unsigned(HintMissingStiffness) << all << "";
    m = example;
    m.impactInputs.screed = ScreedKind::MasticAsphaltOrDry; // m' = 90 above 87
    QTest::newRow("asphalt, heavy screed") << m << true << unsigned(HintScreedMassRange | HintStiffnessRange)
                                           << all << "32.4";
    m.impactInputs.screed = ScreedKind::TypedImprovement;
    m.impactInputs.deltaLw = 28;
    QTest::newRow("ΔLw typed") << m << true << 0u << all << "45.3";
    m.impactInputs.deltaLw = 0;
    QTest::newRow("ΔLw typed, missing") << m << false << unsigned(HintMissingDeltaLw) << all << "";
    m = example;
    m.buildUp[0][0].m = 950; // light walls: K from 950/292; both masses ranges
    QTest::newRow("heavy slab") << m << true << unsigned(HintSlabMassRange | HintCorrectionSlabRange) << all
                                << "31.2";
    m = example;
    for (int n = 1; n <= FlankCount; ++n)
        m.buildUp[n][1].m = m.buildUp[n][2].m = 520; // heavier than the slab: K = 0
    QTest::newRow("walls heavier than slab") << m << true << unsigned(HintCorrectionFlankRange) << all << "39.8";
}

void TestImpactSound::whatStopsOrLimitsTheResult()
{
    QFETCH(ProjectModel, model);
    QFETCH(bool, hasLnw);
    QFETCH(unsigned, hints);
    QFETCH(QList<int>, walls);
    QFETCH(QString, lnw);
    (void)Recalculate(model, QLatin1Char('.'));
    const ImpactResult &r = model.impact;
    QCOMPARE(r.hasLnw(), hasLnw);
    QCOMPARE(r.hints, hints);
    QCOMPARE(countedWalls(r), walls);
    QCOMPARE(impactHints(model).size(), qPopulationCount(hints));
    if (hasLnw)
        QCOMPARE(tenth(r.lnw), lnw);
    // Without an L'n,w there is nothing to check, and the proof says why.
    model.requirement.id = QStringLiteral("mfh-decke");
    QCOMPARE(proofChecks(model).impact.has_value(), hasLnw);
    const QList<ImpactLine> lines = impactLines(model, QLatin1Char(','));
    QCOMPARE(lines.isEmpty(), !r.computed());
    if (!r.computed()) {
        QCOMPARE(impactResultLines(model, QLatin1Char(',')).at(2).trimmed(), impactStatusText(r));
        return;
    }
    const auto lnwLine = std::find_if(lines.cbegin(), lines.cend(), [](const ImpactLine &line) {
        return line.quantity == ImpactQuantity::Lnw;
    });
    QVERIFY(lnwLine != lines.cend());
    QCOMPARE(lnwLine->value.startsWith(QStringLiteral("nicht berechnet")), !hasLnw);
}

void TestImpactSound::proofAtBoundary_data()
{
    QTest::addColumn<double>("lnw");
    QTest::addColumn<double>("zul");
    QTest::addColumn<bool>("fulfilled");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("exactly met") << 47.0 << 50.0 << true << "erfüllt (Reserve 0,0 dB)";
    QTest::newRow("rounds down to the boundary") << 47.0499 << 50.0 << true << "erfüllt (Reserve 0,0 dB)";
    QTest::newRow("rounds up past it") << 47.0501 << 50.0 << false << "nicht erfüllt (Überschreitung 0,1 dB)";
    QTest::newRow("own value with decimals") << 40.2 << 43.5 << true << "erfüllt (Reserve 0,3 dB)";
}

void TestImpactSound::proofAtBoundary()
{
    QFETCH(double, lnw);
    QFETCH(double, zul);
    QFETCH(bool, fulfilled);
    QFETCH(QString, verdict);
    const ImpactCheck check = checkImpactRequirement(lnw, zul);
    QCOMPARE(check.fulfilled, fulfilled);
    QCOMPARE(verdictText(check, QLatin1Char(',')), verdict);
}

QTEST_GUILESS_MAIN(TestImpactSound)
#include "tst_impactsound.moc"
