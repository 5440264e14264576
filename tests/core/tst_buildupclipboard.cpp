// Copy and paste of build-ups between the slots of the main window.

#include "core/buildup/buildupclipboard.h"
#include "fixtures.h"

#include <QtTest>

using namespace tavix;

class TestBuildUpClipboard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void copyPadsMissingLines();
    void paste_data();
    void paste();
    void pasteRefused_data();
    void pasteRefused();
    void commit_data();
    void commit();
};

namespace {

ProjectModel modelWithSeparatingBuildUp()
{
    ProjectModel model = fixtures::workedExample();
    BuildUpRecord &tb = model.buildUp[0][0];
    tb.Konstrukt = 3;
    tb.d2 = 36.5L;
    tb.roh2 = 700;
    tb.m = 309.5L;
    tb.Rw = 44.8L;
    tb.RwUser = 44.8L;
    tb.schichtName2 = QStringLiteral("Ziegel-Mauerwerk");
    model.fields.Memo[0][0] = {QStringLiteral("1.5 cm  Putz (1800 kg/m³)"),
                               QStringLiteral("36.5 cm  Ziegel-Mauerwerk (700 kg/m³)"),
                               QStringLiteral("1.5 cm  Putz (1800 kg/m³)")};
    model.Saved = false;
    return model;
}

} // namespace

void TestBuildUpClipboard::copyPadsMissingLines()
{
    ProjectModel model = modelWithSeparatingBuildUp();
    model.fields.Memo[2][1] = {QStringLiteral("only one line")};
    const BuildUpClipboard clip = copyBuildUp(model, 2, 1);
    QVERIFY(clip.hasContent);
    QCOMPARE(clip.lines,
             (QStringList{QStringLiteral("only one line"), QStringLiteral(""), QStringLiteral("")}));
    QVERIFY(clip.record == model.buildUp[2][1]);

    QVERIFY(!copyBuildUp(model, 1, 0).hasContent); // flank sides 0 carry no build-up
}

void TestBuildUpClipboard::paste_data()
{
    QTest::addColumn<int>("fromElement");
    QTest::addColumn<int>("fromSide");
    QTest::addColumn<int>("toElement");
    QTest::addColumn<int>("toSide");
    QTest::addColumn<bool>("identical");
    QTest::addColumn<bool>("room2Follows");

    QTest::newRow("TB onto flank 3 room 2") << 0 << 0 << 3 << 2 << false << false;
    QTest::newRow("TB onto identical flank 1 room 1") << 0 << 0 << 1 << 1 << true << true;
    QTest::newRow("TB onto separate flank 1 room 1") << 0 << 0 << 1 << 1 << false << false;
    QTest::newRow("onto its own source") << 0 << 0 << 0 << 0 << true << false;
    QTest::newRow("empty slot onto TB") << 4 << 2 << 0 << 0 << true << false;
}

void TestBuildUpClipboard::paste()
{
    QFETCH(int, fromElement);
    QFETCH(int, fromSide);
    QFETCH(int, toElement);
    QFETCH(int, toSide);
    QFETCH(bool, identical);
    QFETCH(bool, room2Follows);

    ProjectModel model = modelWithSeparatingBuildUp();
    model.buildUp[4][2] = BuildUpRecord();
    model.fields.Memo[4][2].clear();
    for (int n = 1; n <= FlankCount; ++n)
        model.IdF[n] = identical;
    const BuildUpRecord room2Before = model.buildUp[toElement > 0 ? toElement : 1][2];
    const BuildUpClipboard clip = copyBuildUp(model, fromElement, fromSide);

    QVERIFY(pasteBuildUp(model, clip, toElement, toSide));
    QVERIFY(model.buildUp[toElement][toSide] == clip.record);
    QCOMPARE(model.fields.Memo[toElement][toSide], clip.lines);
    QCOMPARE(model.fields.Memo[toElement][toSide].size(), 3);
    QCOMPARE(model.Saved, false); // untouched, whatever it was
    if (toElement > 0) {
        if (room2Follows) {
            QVERIFY(model.buildUp[toElement][2] == clip.record);
            QCOMPARE(model.fields.Memo[toElement][2], clip.lines);
        } else if (toSide == 1) {
            QVERIFY(model.buildUp[toElement][2] == room2Before);
        }
    }
}

void TestBuildUpClipboard::pasteRefused_data()
{
    QTest::addColumn<bool>("hasContent");
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("side");
    QTest::newRow("nothing copied yet") << false << 0 << 0;
    QTest::newRow("room 2 of an identical flank") << true << 2 << 2;
    QTest::newRow("side 0 of a flank") << true << 2 << 0;
    QTest::newRow("side 1 of the separating element") << true << 0 << 1;
}

void TestBuildUpClipboard::pasteRefused()
{
    QFETCH(bool, hasContent);
    QFETCH(int, element);
    QFETCH(int, side);
    ProjectModel model = modelWithSeparatingBuildUp();
    BuildUpClipboard clip = copyBuildUp(model, 0, 0);
    clip.hasContent = hasContent;
    const ProjectModel before = model;
    QVERIFY(!pasteBuildUp(model, clip, element, side));
    for (int e = 0; e < ElementCount; ++e) {
        for (int s = 0; s < SideCount; ++s) {
            QVERIFY(model.buildUp[e][s] == before.buildUp[e][s]);
            QCOMPARE(model.fields.Memo[e][s], before.fields.Memo[e][s]);
        }
    }
}

void TestBuildUpClipboard::commit_data()
{
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("side");
    QTest::addColumn<bool>("identical");
    QTest::addColumn<bool>("room2Written");
    QTest::newRow("separating element") << 0 << 0 << true << false;
    QTest::newRow("identical flank, room 1") << 2 << 1 << true << true;
    QTest::newRow("own room 2, room 1") << 2 << 1 << false << false;
    QTest::newRow("own room 2, room 2") << 2 << 2 << false << false;
}

// Accepting the dialog stores the layer names and summary of the texts it showed, and an
// identical flank's room 2 follows room 1.
void TestBuildUpClipboard::commit()
{
    QFETCH(int, element);
    QFETCH(int, side);
    QFETCH(bool, identical);
    QFETCH(bool, room2Written);
    ProjectModel model = fixtures::workedExample();
    model.IdF[2] = identical;
    const BuildUpRecord before = model.buildUp[2][2];
    const QStringList beforeMemo = model.fields.Memo[2][2];

    BuildUpRecord record;
    record.Konstrukt = 5;
    record.d2 = 20;
    record.roh2 = 2300;
    record.m = 460;
    record.Rw = 59.5L;
    BuildUpFieldTexts texts;
    texts.thickness[1] = QStringLiteral("20");
    texts.density[1] = QStringLiteral("2300");
    texts.name[1] = QStringLiteral("Stahlbeton");
    const BuildUpCommit result = commitBuildUp(model, element, side, record, texts);

    QCOMPARE(result.record.schichtName2, QStringLiteral("Stahlbeton"));
    QCOMPARE(model.buildUp[element][side].schichtName2, QStringLiteral("Stahlbeton"));
    QCOMPARE(model.buildUp[element][side].m, 460.0L);
    QCOMPARE(model.fields.Memo[element][side].size(), 3);
    QVERIFY(model.fields.Memo[element][side].join(QString()).contains(QStringLiteral("Stahlbeton")));
    QCOMPARE(result.changed.size(), room2Written ? 2 : 1);
    QCOMPARE(result.changed.first().element, element);
    QCOMPARE(result.changed.first().side, side);
    if (element == 2 && side == 1) {
        QCOMPARE(model.buildUp[2][2].m, room2Written ? 460.0L : before.m);
        QCOMPARE(model.fields.Memo[2][2], room2Written ? model.fields.Memo[2][1] : beforeMemo);
    }
}

QTEST_APPLESS_MAIN(TestBuildUpClipboard)
#include "tst_buildupclipboard.moc"
