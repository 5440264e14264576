#include "core/calculate/recalculate.h"
#include "core/linings/liningclipboard.h"
#include "fixtures.h"

#include <QtTest>

using namespace tavix;

Q_DECLARE_METATYPE(tavix::LiningSlot)

namespace {

QString linings(const ProjectModel &model)
{
    QStringList out;
    for (const auto &s : LiningSlots)
        if (!model.fields.VS[s.element][s.side].isEmpty() || model.f0[s.element][s.side] != 0)
            out << QStringLiteral("%1=%2|%3")
                       .arg(liningSlotName(s.element, s.side), model.fields.VS[s.element][s.side])
                       .arg(model.f0[s.element][s.side]);
    return out.join(QLatin1Char(' '));
}

} // namespace

class TestLiningClipboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void slotKeys_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("element");
        QTest::addColumn<int>("side");
        QTest::newRow("TB_VS1") << "TB_VS1" << 0 << 1;
        QTest::newRow("TB_VS2") << "TB_VS2" << 0 << 2;
        QTest::newRow("VS1_1") << "VS1_1" << 1 << 1;
        QTest::newRow("VS4_2") << "VS4_2" << 4 << 2;
        QTest::newRow("VS0_1 is no dialog key") << "VS0_1" << -1 << -1;
        QTest::newRow("VS5_1") << "VS5_1" << -1 << -1;
        QTest::newRow("VS1_0") << "VS1_0" << -1 << -1;
        QTest::newRow("trailing text") << "VS1_12" << -1 << -1;
        QTest::newRow("empty") << "" << -1 << -1;
    }
    void slotKeys()
    {
        QFETCH(QString, key);
        QFETCH(int, element);
        QFETCH(int, side);
        const auto slot = liningSlotFromDialogKey(key);
        QCOMPARE(slot.has_value(), element >= 0);
        if (slot) {
            QCOMPARE(slot->element, element);
            QCOMPARE(slot->side, side);
            QCOMPARE(liningDialogKey(*slot), key);
        }
    }

    void copyToFlank3Room2()
    {
        ProjectModel model = fixtures::workedExample();
        QVERIFY(Recalculate(model, QLatin1Char('.')).ok());
        const long double before = model.RwBau;
        model.IdF[3] = false;
        setLining(model, {0, 1}, QStringLiteral("GK / f = 85Hz"), 85);
        model.Saved = true;

        const LiningClipboard clip = copyLining(model, {0, 1});
        QVERIFY(clip.hasContent);
        const LiningChange change = pasteLining(model, clip, {3, 2});
        QCOMPARE(change.changed, (QList<LiningSlot>{{3, 2}}));
        QCOMPARE(change.enableClear, (QList<LiningSlot>{{3, 2}}));
        QVERIFY(change.disableClear.isEmpty());
        QCOMPARE(linings(model), QStringLiteral("VS0_1=GK / f = 85Hz|85 VS3_2=GK / f = 85Hz|85"));
        QVERIFY(model.Saved);
        QVERIFY(Recalculate(model, QLatin1Char('.')).ok());
        QVERIFY(model.RwBau > before);
    }

    void identicalFlank_data()
    {
        QTest::addColumn<bool>("identical");
        QTest::addColumn<QString>("afterPaste");
        QTest::addColumn<QString>("afterClear");
        QTest::newRow("identical") << true << "VS1_1=X|63 VS1_2=X|63"
                                   << "";
        QTest::newRow("separate") << false << "VS1_1=X|63 VS1_2=alt|40"
                                  << "VS1_2=alt|40";
    }
    void identicalFlank()
    {
        QFETCH(bool, identical);
        QFETCH(QString, afterPaste);
        QFETCH(QString, afterClear);
        ProjectModel model;
        resetModel(model, QLatin1Char('.'));
        model.IdF[1] = false;
        setLining(model, {1, 2}, QStringLiteral("alt"), 40);
        model.IdF[1] = identical;

        const LiningChange paste = pasteLining(model, {QStringLiteral("X"), 63, true}, {1, 1});
        QCOMPARE(linings(model), afterPaste);
        QCOMPARE(paste.enableClear, (QList<LiningSlot>{{1, 1}})); // room 2's button stays locked
        QCOMPARE(paste.changed.size(), identical ? 2 : 1);

        const LiningChange clear = clearLining(model, {1, 1});
        QCOMPARE(linings(model), afterClear);
        QCOMPARE(clear.disableClear, (QList<LiningSlot>{{1, 1}}));
        QVERIFY(clear.enableClear.isEmpty());
    }

    void lockedRoom2IsNotWritten()
    {
        ProjectModel model;
        resetModel(model, QLatin1Char('.'));
        setLining(model, {2, 1}, QStringLiteral("R1"), 70);
        QVERIFY(pasteLining(model, {QStringLiteral("X"), 63, true}, {2, 2}).isEmpty());
        QVERIFY(clearLining(model, {2, 2}).isEmpty());
        QCOMPARE(linings(model), QStringLiteral("VS2_1=R1|70 VS2_2=R1|70"));
    }

    void emptySlotPastedEmptiesTarget()
    {
        ProjectModel model;
        resetModel(model, QLatin1Char('.'));
        setLining(model, {0, 2}, QStringLiteral("Ziel"), 90);
        const LiningClipboard empty = copyLining(model, {4, 1});
        QVERIFY(empty.hasContent);
        const LiningChange change = pasteLining(model, empty, {0, 2});
        QCOMPARE(linings(model), QString());
        QCOMPARE(change.enableClear, (QList<LiningSlot>{{0, 2}})); // stays enabled though empty
    }

    void nothingCopiedNothingPasted()
    {
        ProjectModel model;
        resetModel(model, QLatin1Char('.'));
        setLining(model, {0, 1}, QStringLiteral("bleibt"), 50);
        QVERIFY(pasteLining(model, LiningClipboard(), {0, 1}).isEmpty());
        QCOMPARE(linings(model), QStringLiteral("VS0_1=bleibt|50"));
    }

    void clipboardSurvivesReset()
    {
        ProjectModel model;
        resetModel(model, QLatin1Char('.'));
        setLining(model, {0, 1}, QStringLiteral("alt"), 85);
        const LiningClipboard clip = copyLining(model, {0, 1});
        resetModel(model, QLatin1Char('.')); // "Neu"
        QCOMPARE(linings(model), QString());
        pasteLining(model, clip, {0, 2});
        QCOMPARE(linings(model), QStringLiteral("VS0_2=alt|85"));
    }
};

QTEST_APPLESS_MAIN(TestLiningClipboard)
#include "tst_liningclipboard.moc"
