#include "core/junctions/junctioncodes.h"

#include <QtTest>

using namespace tavix;

class TestJunctionVocabulary : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void descriptions_data();
    void descriptions();
    void roomHints();
    void fixedHints();
    void flankAreas_data();
    void flankAreas();
    void typeByPrefix_data();
    void typeByPrefix();
};

void TestJunctionVocabulary::descriptions_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("description");
    QTest::newRow("corner A room 2") << "LSa_TrennungR2"
                                     << QString::fromUtf8(
                                            ": Winkel-Stoß A (akustische Trennung Flanke zu Raum 2)");
    QTest::newRow("T default") << "TS_ohneTrennung"
                               << QString::fromUtf8(": T-Stoß (ohne akustische Trennung)");
    QTest::newRow("cross separating element")
        << "KS_TrennungTB"
        << QString::fromUtf8(": Kreuz-Stoß (akustische Trennung des Trennbauteils zur Flanke)");
    QTest::newRow("corner B both") << "LSb_TrennungR1R2"
                                   << QString::fromUtf8(
                                          ": Winkel-Stoß B (akustische Trennung beider Flanken)");
    QTest::newRow("lower case") << "ts_ohneTrennung" << QString();
    QTest::newRow("damaged") << "LSa_Trennung" << QString();
    QTest::newRow("empty") << "" << QString();
}

void TestJunctionVocabulary::descriptions()
{
    QFETCH(QString, code);
    QFETCH(QString, description);
    QCOMPARE(junctionDescription(code), description);
}

void TestJunctionVocabulary::roomHints()
{
    const QString wohnen = QStringLiteral("Wohnen");
    const QString schlafen = QStringLiteral("Schlafen");
    QCOMPARE(
        separationHint(Separation::Room1, wohnen, schlafen),
        QString::fromUtf8("HINWEIS: Flanke in Wohnen ist akustisch entkoppelt - Erhöhte Übertragung über "
                          "Flanke in Schlafen"));
    QCOMPARE(
        separationHint(Separation::Room2, wohnen, schlafen),
        QString::fromUtf8("HINWEIS: Flanke in Schlafen ist akustisch entkoppelt - Erhöhte Übertragung über "
                          "Flanke in Wohnen"));
}

void TestJunctionVocabulary::fixedHints()
{
    // The hints of the other variants do not depend on the rooms and end with a full stop.
    for (Separation s : {Separation::None, Separation::SeparatingElement, Separation::BothRooms}) {
        const QString hint = separationHint(s, QStringLiteral("A"), QStringLiteral("B"));
        QVERIFY(hint.startsWith(QStringLiteral("HINWEIS: ")));
        QVERIFY(hint.endsWith(QLatin1Char('.')));
        QCOMPARE(hint, separationHint(s, QStringLiteral("X"), QStringLiteral("Y")));
    }
    QCOMPARE(junctionTypeItem(JunctionType::CornerB), QString::fromUtf8("Winkel-Stoß  B"));
    QCOMPARE(junctionTypeItem(JunctionType::T), QString::fromUtf8("T-Stoß "));
}

void TestJunctionVocabulary::flankAreas_data()
{
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("visible"); // per flank: room 1, room 2

    QTest::newRow("new project") << QStringList{QStringLiteral("TS_ohneTrennung"),
                                                QStringLiteral("TS_ohneTrennung"),
                                                QStringLiteral("TS_ohneTrennung"),
                                                QStringLiteral("TS_ohneTrennung")}
                                 << "00 00 00 00";
    QTest::newRow("corner A on flank 3")
        << QStringList{QStringLiteral("TS_ohneTrennung"), QStringLiteral("KS_TrennungR1"),
                       QStringLiteral("LSa_ohneTrennung"), QStringLiteral("TS_ohneTrennung")}
        << "00 00 01 00";
    QTest::newRow("corner B and A") << QStringList{QStringLiteral("LSb_TrennungR2"),
                                                   QStringLiteral("LSa_TrennungTB"),
                                                   QStringLiteral("KS_ohneTrennung"), QStringLiteral("LSb")}
                                    << "10 01 00 10";
    QTest::newRow("damaged codes") << QStringList{QStringLiteral("LSabc"), QStringLiteral("lsb_ohneTrennung"),
                                                  QStringLiteral(""), QStringLiteral("LS")}
                                   << QStringLiteral("01 00 00 00");
}

void TestJunctionVocabulary::flankAreas()
{
    QFETCH(QStringList, codes);
    QFETCH(QString, visible);
    QString stoss[5];
    for (int n = 1; n <= 4; ++n)
        stoss[n] = codes.at(n - 1);
    const FlankAreaVisibility v = flankAreaVisibility(stoss);
    QString actual;
    for (int n = 1; n <= 4; ++n) {
        if (n > 1)
            actual += QLatin1Char(' ');
        actual += QLatin1Char(v.visible[n][1] ? '1' : '0');
        actual += QLatin1Char(v.visible[n][2] ? '1' : '0');
    }
    QCOMPARE(actual, visible);
}

void TestJunctionVocabulary::typeByPrefix_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("type"); // -1: no type prefix
    QTest::newRow("T") << QStringLiteral("TS_ohneTrennung") << int(JunctionType::T);
    QTest::newRow("cross") << QStringLiteral("KS_TrennungR1R2") << int(JunctionType::Cross);
    QTest::newRow("corner A, damaged suffix") << QStringLiteral("LSa_kaputt") << int(JunctionType::CornerA);
    QTest::newRow("corner B, prefix only") << QStringLiteral("LSb") << int(JunctionType::CornerB);
    QTest::newRow("corner without letter") << QStringLiteral("LS_ohneTrennung") << -1;
    QTest::newRow("lower case") << QStringLiteral("ks_ohneTrennung") << -1;
    QTest::newRow("empty") << QString() << -1;
}

void TestJunctionVocabulary::typeByPrefix()
{
    QFETCH(QString, code);
    QFETCH(int, type);
    const std::optional<JunctionType> found = junctionTypeByPrefix(code);
    QCOMPARE(found ? int(*found) : -1, type);
}

QTEST_APPLESS_MAIN(TestJunctionVocabulary)
#include "tst_junctionvocabulary.moc"
