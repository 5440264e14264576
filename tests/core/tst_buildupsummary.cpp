// The three-line build-up summary and the layer texts stored with an accepted build-up.

#include "core/buildup/buildupsummary.h"

#include <QtTest>

using namespace tavix;

Q_DECLARE_METATYPE(tavix::BuildUpRecord)
Q_DECLARE_METATYPE(tavix::BuildUpFieldTexts)

namespace {

BuildUpRecord record(int kind, int b1, int b3, long double d1, long double roh1, long double d2,
                     long double roh2, long double d3, long double roh3)
{
    BuildUpRecord r;
    r.Konstrukt = kind;
    r.B1 = b1;
    r.B3 = b3;
    r.d1 = d1;
    r.roh1 = roh1;
    r.d2 = d2;
    r.roh2 = roh2;
    r.d3 = d3;
    r.roh3 = roh3;
    return r;
}

BuildUpFieldTexts texts(const QStringList &d, const QStringList &roh, const QStringList &names)
{
    BuildUpFieldTexts t;
    for (int i = 0; i < 3; ++i) {
        t.thickness[i] = d[i];
        t.density[i] = roh[i];
        t.name[i] = names[i];
    }
    return t;
}

} // namespace

class TestBuildUpSummary : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void summary_data();
    void summary();
};

void TestBuildUpSummary::summary_data()
{
    QTest::addColumn<BuildUpRecord>("rec");
    QTest::addColumn<BuildUpFieldTexts>("fieldTexts");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("layerNames");

    const QString thin = QStringLiteral("4 mm Dünnlagenputz");
    const QString cls18 = QStringLiteral("Rohdichteklasse  1.8");
    QTest::newRow("kind0 reset selections")
        << record(0, 1, 1, 0.4L, 1200, 24, 1700, 0.4L, 1200)
        << texts({QStringLiteral("0.4"), QStringLiteral("24"), QStringLiteral("0.4")},
                 {QStringLiteral("1200"), QStringLiteral("1700"), QStringLiteral("1200")},
                 {thin, cls18, thin})
        << QStringList{thin + QStringLiteral(" (1200 kg/m³)"), QStringLiteral("24 cm  Tavix, ") + cls18,
                       thin + QStringLiteral(" (1200 kg/m³)")}
        << QStringList{thin + QStringLiteral(" (1200 kg/m³)"), QStringLiteral("24 cm  Tavix, ") + cls18,
                       thin + QStringLiteral(" (1200 kg/m³)")};

    const QString none = QStringLiteral("Putz nicht definiert m´ = 0.0 [kg/m²]");
    QTest::newRow("kind0 no plaster, normal plaster, comma")
        << record(0, 0, 3, 0, 0, 36.5L, 2080, 1.5L, 1800)
        << texts({QStringLiteral("0"), QStringLiteral("36,5"), QStringLiteral("1,5")},
                 {QStringLiteral("0"), QStringLiteral("2080"), QStringLiteral("1800")},
                 {none, QStringLiteral("Rohdichteklasse  2.2"), QStringLiteral("15 mm Normalputz")})
        << QStringList{QStringLiteral(""), QStringLiteral("36,5 cm  Tavix, Rohdichteklasse  2.2"),
                       QStringLiteral("15 mm Normalputz (1800 kg/m³)")}
        << QStringList{QStringLiteral(""), QStringLiteral("36,5 cm  Tavix, Rohdichteklasse  2.2"),
                       QStringLiteral("15 mm Normalputz (1800 kg/m³)")};

    const QString concrete = QStringLiteral("Normalbeton  (2300 kg/m³)");
    QTest::newRow("kind1 without layer-3 plaster")
        << record(1, 2, 0, 1, 1000, 20, 2300, 0, 0)
        << texts({QStringLiteral("1"), QStringLiteral("20"), QStringLiteral("0")},
                 {QStringLiteral("1000"), QStringLiteral("2300"), QStringLiteral("0")},
                 {QStringLiteral("10 mm Dünnputz"), concrete, none})
        << QStringList{QStringLiteral("10 mm Dünnputz (1000 kg/m³)"), QStringLiteral("20 cm  ") + concrete,
                       QStringLiteral("")}
        << QStringList{QStringLiteral("10 mm Dünnputz (1000 kg/m³)"), QStringLiteral("20 cm  ") + concrete,
                       QStringLiteral("")};

    QTest::newRow("kind3 corrected brick")
        << record(3, 1, 1, 1.5L, 1800, 36.5L, 700, 1.5L, 1800)
        << texts({QStringLiteral("1.5"), QStringLiteral("36.5"), QStringLiteral("1.5")},
                 {QStringLiteral("1800"), QStringLiteral("700"), QStringLiteral("1800")},
                 {QStringLiteral("Putz"), QStringLiteral("Ziegel-Mauerwerk"), QStringLiteral("Putz")})
        << QStringList{QStringLiteral("1.5 cm  Putz (1800 kg/m³)"),
                       QStringLiteral("36.5 cm  Ziegel-Mauerwerk (700 kg/m³)"),
                       QStringLiteral("1.5 cm  Putz (1800 kg/m³)")}
        << QStringList{QStringLiteral("Putz"), QStringLiteral("Ziegel-Mauerwerk"), QStringLiteral("Putz")};

    // A layer with a thickness but no density is no layer: neither line nor layer text.
    QTest::newRow("kind5 layer without density dropped")
        << record(5, 1, 1, 1, 0, 17.5L, 2000, 0, 1800)
        << texts({QStringLiteral("1"), QStringLiteral("17,5"), QStringLiteral("0")},
                 {QStringLiteral("0"), QStringLiteral("2000"), QStringLiteral("1800")},
                 {QStringLiteral("Putz"), QStringLiteral("Kalksandstein"), QStringLiteral("Putz")})
        << QStringList{QStringLiteral(""), QStringLiteral("17,5 cm  Kalksandstein (2000 kg/m³)"),
                       QStringLiteral("")}
        << QStringList{QStringLiteral(""), QStringLiteral("Kalksandstein"), QStringLiteral("")};

    QTest::newRow("kind2 all layers empty")
        << record(2, 1, 1, 0, 0, 0, 0, 0, 0)
        << texts({QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")},
                 {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")},
                 {QStringLiteral("Putz"), QStringLiteral("Porenbeton"), QStringLiteral("Putz")})
        << QStringList{QStringLiteral(""), QStringLiteral(""), QStringLiteral("")}
        << QStringList{QStringLiteral(""), QStringLiteral(""), QStringLiteral("")};
}

void TestBuildUpSummary::summary()
{
    QFETCH(BuildUpRecord, rec);
    QFETCH(BuildUpFieldTexts, fieldTexts);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, layerNames);

    const BuildUpSummary s = buildUpSummary(rec, fieldTexts);
    QCOMPARE(s.lines, lines);
    QCOMPARE((QStringList{s.layerNames[0], s.layerNames[1], s.layerNames[2]}), layerNames);
}

QTEST_APPLESS_MAIN(TestBuildUpSummary)
#include "tst_buildupsummary.moc"
