#include "core/io/filelayer.h"
#include "core/model/numbers.h"
#include "core/projectfile/projectfile.h"
#include "exampleproject.h"
#include "fixtures.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <charconv>
#include <cmath>

using namespace tavix;

Q_DECLARE_METATYPE(tavix::ProjectRequirement)
Q_DECLARE_METATYPE(tavix::ImpactInputs)

namespace {

const QChar Dot = QLatin1Char('.');
const QChar Comma = QLatin1Char(',');

QList<QByteArray> linesOf(const QByteArray &content)
{
    QList<QByteArray> lines = content.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines)
        line.chop(1); // CR
    return lines;
}

QByteArray withLine(const QByteArray &content, int lineNumber, const QByteArray &text)
{
    QList<QByteArray> lines = linesOf(content);
    lines[lineNumber - 1] = text;
    return lines.join("\r\n") + "\r\n";
}

QByteArray firstLines(const QByteArray &content, int count)
{
    return linesOf(content).mid(0, count).join("\r\n") + "\r\n";
}

// Every value different from its reset value and from its neighbours, and exact at the
// precision of its line.
ProjectModel filledProject(QChar sep)
{
    ProjectModel m = fixtures::workedExample(sep);
    FieldTexts &f = m.fields;
    f.Projekt = QStringLiteral("Mehrfamilienhaus Süd");
    f.Str = QStringLiteral("Große Straße 5");
    f.PLZ = QStringLiteral("01234");
    f.Ort = QStringLiteral("Musterstadt");
    f.Variante = QStringLiteral("Variante B");
    f.room1 = QStringLiteral("Wohnen");
    f.room2 = QStringLiteral("Schlafen");
    f.TB = QStringLiteral("Wohnungstrennwand");
    f.A = QStringLiteral("12") + sep + QStringLiteral("375");
    m.Orientation = 1;
    const char *codes[] = {"", "LSa_TrennungR2", "KS_TrennungTB", "LSb_ohneTrennung", "Unbekannt"};
    int value = 1;
    for (const BuildUpSlot &slot : BuildUpSlots) {
        BuildUpRecord &b = m.buildUp[slot.element][slot.side];
        b.Konstrukt = value % 6;
        b.Moertel = 1;
        b.B1 = value % 4;
        b.B2 = value % 6;
        b.B2a = 1;
        b.B2b = value;
        b.B3 = (value + 1) % 4;
        b.roh1 = 1000 + value + 0.25L;
        b.roh2 = 500 + value;
        b.roh3 = 4.5L;
        b.d1 = 1.125L;
        b.d2 = 17.5L + value;
        b.d3 = 0.4L;
        b.schichtName1 = QStringLiteral("Putz %1").arg(value);
        b.schichtName2 = QStringLiteral("Wand ä %1").arg(value);
        b.schichtName3.clear();
        b.m = 300 + value + 0.75L;
        b.Rw = 50 + value + 0.125L;
        b.RwUser = 40 + value + 0.5L;
        b.RwUserOn = value % 2;
        b.Zulassung1 = value % 2;
        b.Zulassung2 = 1 - value % 2;
        ++value;
    }
    for (const BuildUpSlot &slot : LiningSlots) {
        f.VS[slot.element][slot.side] = QStringLiteral("System %1 / f = %2Hz").arg(value).arg(60 + value);
        m.f0[slot.element][slot.side] = 60 + value;
        ++value;
    }
    for (int k = 1; k <= FlankCount; ++k) {
        f.Flanke[k] = QStringLiteral("Wand %1").arg(k);
        f.FF[k][1] = formatGeneral(3.5L + k, sep);
        f.FF[k][2] = formatGeneral(7.25L + k, sep);
        f.LF[k] = formatGeneral(2.125L * k, sep);
        m.Stoss[k] = QString::fromLatin1(codes[k]);
        m.IdF[k] = k % 2 == 0;
    }
    f.Vol1 = QStringLiteral("45");
    f.Vol2 = QStringLiteral("60") + sep + QStringLiteral("125");
    return m;
}

void compareInputs(const ProjectModel &actual, const ProjectModel &expected)
{
    const FieldTexts &a = actual.fields;
    const FieldTexts &e = expected.fields;
    QCOMPARE(a.Projekt, e.Projekt);
    QCOMPARE(a.Str, e.Str);
    QCOMPARE(a.PLZ, e.PLZ);
    QCOMPARE(a.Ort, e.Ort);
    QCOMPARE(a.Variante, e.Variante);
    QCOMPARE(a.room1, e.room1);
    QCOMPARE(a.room2, e.room2);
    QCOMPARE(a.TB, e.TB);
    QCOMPARE(a.A, e.A);
    QCOMPARE(a.L1, e.L1);
    QCOMPARE(a.L2, e.L2);
    QCOMPARE(a.Vol1, e.Vol1);
    QCOMPARE(a.Vol2, e.Vol2);
    QCOMPARE(actual.Orientation, expected.Orientation);
    for (int k = 1; k <= FlankCount; ++k) {
        QCOMPARE(a.Flanke[k], e.Flanke[k]);
        QCOMPARE(a.LF[k], e.LF[k]);
        QCOMPARE(a.FF[k][1], e.FF[k][1]);
        QCOMPARE(a.FF[k][2], e.FF[k][2]);
        QCOMPARE(actual.Stoss[k], expected.Stoss[k]);
        QCOMPARE(actual.IdF[k], expected.IdF[k]);
    }
    for (const BuildUpSlot &slot : LiningSlots) {
        QCOMPARE(a.VS[slot.element][slot.side], e.VS[slot.element][slot.side]);
        QCOMPARE(actual.f0[slot.element][slot.side], expected.f0[slot.element][slot.side]);
    }
    for (const BuildUpSlot &slot : BuildUpSlots) {
        const BuildUpRecord &ra = actual.buildUp[slot.element][slot.side];
        const BuildUpRecord &re = expected.buildUp[slot.element][slot.side];
        QVERIFY2(ra == re, qPrintable(buildUpSlotKey(slot.element, slot.side)));
    }
}

} // namespace

class TestProjectFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultProjectRoundTrip();
    void filledProjectRoundTrip_data();
    void filledProjectRoundTrip();
    void fieldWidths_data();
    void fieldWidths();
    void windows1252();
    void olderVersion();
    void shortFile_data();
    void shortFile();
    void tokenRules();
    void invalidNumbers_data();
    void invalidNumbers();
    void lineRules_data();
    void lineRules();
    void volumesAndDirection_data();
    void volumesAndDirection();
    void summariesRebuilt();
    void fileErrors();
    void saveReplacesOnlyWhenComplete();
    void valueRoundTrip_data();
    void valueRoundTrip();
    void extensionOnlyWhenNeeded();
    void extensionRoundTrip_data();
    void extensionRoundTrip();
    void extensionReading_data();
    void extensionReading();
};

void TestProjectFile::defaultProjectRoundTrip()
{
    ProjectModel model;
    resetModel(model, Comma);
    const QByteArray content = projectFileContent(model, Comma);
    QCOMPARE(content.count("\r\n"), ProjectFileLineCount);
    QVERIFY(content.endsWith("\r\n"));
    QCOMPARE(content.count('\n'), ProjectFileLineCount); // no LF without CR
    const QList<QByteArray> lines = linesOf(content);
    // The format's own version, whatever version the program has.
    QCOMPARE(lines.at(0), QByteArray("Projektdaten: Tavix-Schallschutzrechner Version 2.0"));
    QCOMPARE(lines.at(1), QByteArray("______________________"));
    QCOMPARE(lines.at(6), QByteArray("0"));
    QCOMPARE(lines.at(9), QByteArray("0.000"));
    QCOMPARE(lines.at(35), QByteArray(""));
    QCOMPARE(lines.at(36), QByteArray("Flanken / R\xe4ume:"));
    QCOMPARE(lines.at(87), QByteArray("TS_ohneTrennung"));
    QCOMPARE(lines.at(88), QByteArray("TRUE"));
    QCOMPARE(lines.at(89), QByteArray("Flanke 2"));
    QCOMPARE(lines.at(281), QByteArray("Trennbauteil"));

    const LoadedProject loaded = readProject(content, Comma);
    QVERIFY2(loaded.ok(), qPrintable(loaded.error));
    QCOMPARE(loaded.fileVersion, 2.0);
    ProjectModel expected = model;
    for (QString *text : {&expected.fields.A, &expected.fields.L1, &expected.fields.L2, &expected.fields.Vol1,
                          &expected.fields.Vol2})
        *text = QStringLiteral("0");
    for (int k = 1; k <= FlankCount; ++k) {
        expected.fields.LF[k] = QStringLiteral("0");
        expected.fields.FF[k][1] = expected.fields.FF[k][2] = QStringLiteral("1");
    }
    compareInputs(loaded.model, expected);
    QVERIFY(loaded.model.Saved);
    QVERIFY(loaded.model.RecalcEnabled);
    QCOMPARE(projectFileContent(loaded.model, Comma), content);
}

void TestProjectFile::filledProjectRoundTrip_data()
{
    QTest::addColumn<QChar>("sep");
    QTest::newRow("decimal point") << Dot;
    QTest::newRow("decimal comma") << Comma;
}

void TestProjectFile::filledProjectRoundTrip()
{
    QFETCH(QChar, sep);
    const ProjectModel model = filledProject(sep);
    const QByteArray content = projectFileContent(model, sep);
    QCOMPARE(content.count("\r\n"), ProjectFileLineCount);
    QVERIFY(!content.contains(','));
    const LoadedProject loaded = readProject(content, sep);
    QVERIFY2(loaded.ok(), qPrintable(loaded.error));
    compareInputs(loaded.model, model);
    // Written twice, the file does not change.
    QCOMPARE(projectFileContent(loaded.model, sep), content);
}

void TestProjectFile::fieldWidths_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("5:2 zero roh1") << 19 << QByteArray(" 0.00");
    QTest::newRow("5:2 below ten roh3") << 21 << QByteArray(" 4.50");
    QTest::newRow("5:2 roh2 1800") << 20 << QByteArray("1800.00");
    QTest::newRow("3:3 zero d1") << 22 << QByteArray("0.000");
    QTest::newRow("3:3 d2 17.5") << 23 << QByteArray("17.500");
    QTest::newRow("4:3 area 12.5") << 10 << QByteArray("12.500");
    QTest::newRow("6:3 volume 5") << 244 << QByteArray(" 5.000");
    QTest::newRow("4:1 RwUser zero") << 246 << QByteArray(" 0.0");
    QTest::newRow("4:1 RwUser 53") << 248 << QByteArray("53.0");
    QTest::newRow("width 5 f0 zero") << 33 << QByteArray("    0");
    QTest::newRow("width 5 f0 80") << 35 << QByteArray("   80");
    QTest::newRow("plain negative") << 11 << QByteArray("-1");
    QTest::newRow("placeholder") << 12 << QByteArray("0");
    QTest::newRow("5:2 m of TB") << 28 << QByteArray("417.60");
    QTest::newRow("3:3 Rw of TB rounds half away") << 29 << QByteArray("58.779");
    QTest::newRow("flag") << 89 << QByteArray("FALSE");
    QTest::newRow("RwUserOn") << 247 << QByteArray("0");
}

void TestProjectFile::fieldWidths()
{
    QFETCH(int, line);
    QFETCH(QByteArray, expected);
    ProjectModel m;
    resetModel(m, Dot);
    BuildUpRecord &tb = m.buildUp[0][0];
    tb.Konstrukt = -1;
    tb.roh2 = 1800;
    tb.roh3 = 4.5L;
    tb.d2 = 17.5L;
    tb.m = 417.6L;
    tb.Rw = 58.7785L;
    m.fields.A = QStringLiteral("12.5");
    m.fields.Vol1 = QStringLiteral("5");
    m.f0[0][2] = 80;
    m.buildUp[1][1].RwUser = 53;
    m.IdF[1] = false;
    QCOMPARE(linesOf(projectFileContent(m, Dot)).at(line - 1), expected);
}

void TestProjectFile::windows1252()
{
    ProjectModel m;
    resetModel(m, Dot);
    m.fields.Projekt = QStringLiteral("Käse €");
    m.fields.Str = QStringLiteral("Ω\u001a end"); // not representable, and the end-of-file code
    m.fields.PLZ = QStringLiteral("a\rb\nc");        // a line break must not shift the layout
    const QByteArray content = projectFileContent(m, Dot);
    const QList<QByteArray> lines = linesOf(content);
    QCOMPARE(lines.at(2), QByteArray("K\xe4se \x80"));
    QCOMPARE(lines.at(3), QByteArray("?  end"));
    QCOMPARE(lines.at(4), QByteArray("a b c"));
    QCOMPARE(lines.size(), ProjectFileLineCount);
    const LoadedProject loaded = readProject(content, Dot);
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.model.fields.Projekt, m.fields.Projekt);
    QCOMPARE(loaded.model.fields.TB, QStringLiteral("Trennbauteil"));
}

void TestProjectFile::olderVersion()
{
    ProjectModel m = filledProject(Dot);
    QByteArray content =
        withLine(projectFileContent(m, Dot), 1, "Projektdaten: Tavix-Schallschutzrechner Version 1.0");
    const LoadedProject loaded = readProject(content, Dot);
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.fileVersion, 0.0);
    // Lines 1 to 242 as in the current format, the rest ignored.
    QCOMPARE(loaded.model.fields.Projekt, m.fields.Projekt);
    QCOMPARE(loaded.model.Stoss[4], m.Stoss[4]);
    QCOMPARE(loaded.model.buildUp[4][2].d2, m.buildUp[4][2].d2);
    QCOMPARE(loaded.model.fields.Vol1, QStringLiteral("0"));
    QCOMPARE(loaded.model.fields.Vol2, QStringLiteral("0"));
    QCOMPARE(loaded.model.dnTwDirection, DnTwDirection::Room1ToRoom2);
    QCOMPARE(loaded.model.fields.Variante, QString());
    QCOMPARE(loaded.model.fields.TB, QStringLiteral("Trennbauteil"));
    QCOMPARE(double(loaded.model.buildUp[0][0].RwUser), 0.0);
    QCOMPARE(loaded.model.buildUp[2][1].Zulassung1, 1);

    // An older file is usually just 242 lines long.
    const LoadedProject shortOld = readProject(firstLines(content, 242), Dot);
    QVERIFY(shortOld.ok());
    QCOMPARE(shortOld.fileVersion, 0.0);
    QCOMPARE(shortOld.model.IdF[4], m.IdF[4]);
    QVERIFY(!shortOld.incomplete);
    QVERIFY(readProject(firstLines(content, 241), Dot).incomplete);
}

void TestProjectFile::shortFile_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("zulassungRead"); // pairs present
    QTest::addColumn<bool>("nameRead");
    QTest::newRow("ends after 263") << 263 << 0 << false;
    QTest::newRow("ends after TB pair") << 265 << 1 << false;
    QTest::newRow("ends after three pairs") << 269 << 3 << false;
    QTest::newRow("ends after 281") << 281 << 9 << false;
    QTest::newRow("complete") << 282 << 9 << true;
}

void TestProjectFile::shortFile()
{
    QFETCH(int, lines);
    QFETCH(int, zulassungRead);
    QFETCH(bool, nameRead);
    const ProjectModel m = filledProject(Dot);
    const LoadedProject loaded = readProject(firstLines(projectFileContent(m, Dot), lines), Dot);
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.fileVersion, 2.0);
    QCOMPARE(loaded.lineCount, lines);
    QCOMPARE(loaded.incomplete, lines < ProjectFileLineCount);
    for (int s = 0; s < 9; ++s) {
        const BuildUpRecord &r = loaded.model.buildUp[BuildUpSlots[s].element][BuildUpSlots[s].side];
        const BuildUpRecord &e = m.buildUp[BuildUpSlots[s].element][BuildUpSlots[s].side];
        QCOMPARE(r.RwUser, e.RwUser);
        QCOMPARE(r.Zulassung1, s < zulassungRead ? e.Zulassung1 : 1);
        QCOMPARE(r.Zulassung2, s < zulassungRead ? e.Zulassung2 : 0);
    }
    QCOMPARE(loaded.model.fields.TB, nameRead ? m.fields.TB : QStringLiteral("Trennbauteil"));

    // Far shorter: numbers past the end read as 0 and texts as empty, without an error.
    const LoadedProject tiny = readProject(firstLines(projectFileContent(m, Dot), 12), Dot);
    QVERIFY(tiny.ok());
    QCOMPARE(tiny.model.buildUp[0][0].B1, 0);
    QCOMPARE(tiny.model.Stoss[2], QString());
    QVERIFY(!tiny.model.IdF[2]);
    QVERIFY(tiny.incomplete);
    QCOMPARE(tiny.lineCount, 12);
    const LoadedProject empty = readProject(QByteArray(), Dot);
    QVERIFY(empty.ok() && empty.incomplete);
    QCOMPARE(empty.lineCount, 0);
}

void TestProjectFile::tokenRules()
{
    ProjectModel m;
    resetModel(m, Dot);
    QByteArray content = projectFileContent(m, Dot);
    content = withLine(content, 10, "  \t 12.5 m2 (Wand)"); // blanks before, text after
    content = withLine(content, 33, "+85");
    content = withLine(content, 7, " 0");    // not exactly "0": vertical
    content = withLine(content, 89, "true"); // not exactly "TRUE"
    content = withLine(content, 140, "TRUE");
    content = withLine(content, 246, "4.25E1");
    content = withLine(content, 13, "99999 " + QByteArray(100000, 'x')); // index far outside, overlong line
    const LoadedProject loaded = readProject(content, Comma);
    QVERIFY2(loaded.ok(), qPrintable(loaded.error));
    QCOMPARE(loaded.model.fields.A, QStringLiteral("12,5"));
    QCOMPARE(loaded.model.f0[0][1], 85);
    QCOMPARE(loaded.model.Orientation, 1);
    QVERIFY(!loaded.model.IdF[1]);
    QVERIFY(loaded.model.IdF[2]);
    QCOMPARE(double(loaded.model.buildUp[0][0].RwUser), 42.5);
    QCOMPARE(loaded.model.buildUp[0][0].Moertel, 99999);
    QCOMPARE(loaded.model.buildUp[0][0].B1, 1);
}

void TestProjectFile::invalidNumbers_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("comma as decimal point") << 10 << QByteArray("12,5");
    QTest::newRow("letters") << 11 << QByteArray("x");
    QTest::newRow("real in an integer line") << 13 << QByteArray("1.5");
    QTest::newRow("beyond 32 bits") << 14 << QByteArray("4294967296");
    QTest::newRow("overflowing real") << 244 << QByteArray("1e99999");
    QTest::newRow("two signs") << 33 << QByteArray("+-5");
    QTest::newRow("not a number") << 19 << QByteArray("nan");
    QTest::newRow("lone point") << 20 << QByteArray(".");
    QTest::newRow("edge length beyond double") << 138 << QByteArray("1e400");
    // Longer than any real the writer writes: refused, never cut to a different value.
    QTest::newRow("overlong real") << 20 << QByteArray(5001, '1');
    QTest::newRow("overlong integer") << 13 << QByteArray(32, '0') + "1";
}

void TestProjectFile::invalidNumbers()
{
    QFETCH(int, line);
    QFETCH(QByteArray, text);
    const ProjectModel m = filledProject(Dot);
    const LoadedProject loaded = readProject(withLine(projectFileContent(m, Dot), line, text), Dot);
    QCOMPARE(loaded.error, QStringLiteral("Ungültige numerische Eingabe"));
    // What was read before the bad value is there; the caller does not adopt it anyway.
    QCOMPARE(loaded.model.fields.Projekt, m.fields.Projekt);
}

void TestProjectFile::lineRules_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<double>("area");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("project");
    QTest::addColumn<int>("lines");

    const QByteArray head = QByteArray(ProjectFileHeader) + "\r\n__\r\n";
    const QByteArray middle = "Str\r\nPLZ\r\nOrt\r\n0\r\nTrennbauteil:\r\n__\r\n";
    QTest::newRow("code 26 ends the file") << head + "P\x1aX\r\n" + middle + "7\r\n" << 0.0 << 0 << "P" << 3;
    QTest::newRow("blank line shifts numbers") << head + "P\r\n" + middle + "\r\n7\r\n3\r\n"
                                               << 7.0 << 3 << "P" << 12;
    QTest::newRow("LF alone ends a line") << head + "P\n" + middle + "7\n2\n" << 7.0 << 2 << "P" << 11;
    QTest::newRow("CR alone ends a line") << head + "P\r" + middle + "7\r2\r" << 7.0 << 2 << "P" << 11;
    QTest::newRow("last line without line end")
        << head + "P\r\n" + middle + "7\r\n2" << 7.0 << 2 << "P" << 11;
    // Saved by an editor as UTF-8 with a byte order mark: the same layout, the same version.
    const QByteArray bom = "\xef\xbb\xbf";
    QTest::newRow("UTF-8 with BOM: umlauts")
        << bom + head + "Pr\xc3\xbc\x66ung \xe2\x82\xac\r\n" + middle + "7\r\n2\r\n"
        << 7.0 << 2 << "Prüfung €" << 11;
    QTest::newRow("UTF-8 with BOM: beyond the code page")
        << bom + head + "\xc5\x81\xc3\xb3\x64\xc5\xba\r\n" + middle + "7\r\n2\r\n"
        << 7.0 << 2 << "?ód?" << 11;
    QTest::newRow("UTF-8 with BOM: a line in the code page")
        << bom + head + "Pr\xfc\x66ung\r\n" + middle + "7\r\n2\r\n"
        << 7.0 << 2 << "Prüfung" << 11;
}

void TestProjectFile::lineRules()
{
    QFETCH(QByteArray, content);
    QFETCH(double, area);
    QFETCH(int, kind);
    QFETCH(QString, project);
    QFETCH(int, lines);
    const LoadedProject loaded = readProject(content, Dot);
    QVERIFY2(loaded.ok(), qPrintable(loaded.error));
    QCOMPARE(loaded.fileVersion, 2.0);
    QCOMPARE(loaded.utf8, content.startsWith("\xef\xbb\xbf"));
    QCOMPARE(loaded.model.fields.Projekt, project);
    QCOMPARE(double(loaded.model.A), area);
    QCOMPARE(loaded.model.buildUp[0][0].Konstrukt, kind);
    QCOMPARE(loaded.lineCount, lines);
    QVERIFY(loaded.incomplete);
}

void TestProjectFile::volumesAndDirection_data()
{
    QTest::addColumn<QByteArray>("vol1");
    QTest::addColumn<QByteArray>("vol2");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<int>("direction");
    QTest::newRow("room 1 larger") << QByteArray("60.000") << QByteArray("48.000") << "60"
                                   << "48" << 0;
    QTest::newRow("room 2 larger") << QByteArray("48.5") << QByteArray("60") << "48,5"
                                   << "60" << 1;
    QTest::newRow("equal") << QByteArray("50") << QByteArray("50") << "50"
                           << "50" << 0;
    QTest::newRow("negative") << QByteArray("-5.000") << QByteArray("0.000") << "0"
                              << "0" << 0;
    QTest::newRow("negative second") << QByteArray("5") << QByteArray("-1") << "5"
                                     << "0" << 0;
}

void TestProjectFile::volumesAndDirection()
{
    QFETCH(QByteArray, vol1);
    QFETCH(QByteArray, vol2);
    QFETCH(QString, text1);
    QFETCH(QString, text2);
    QFETCH(int, direction);
    ProjectModel m;
    resetModel(m, Dot);
    QByteArray content = withLine(projectFileContent(m, Dot), 244, vol1);
    content = withLine(content, 245, vol2);
    const LoadedProject loaded = readProject(content, Comma);
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.model.fields.Vol1, text1);
    QCOMPARE(loaded.model.fields.Vol2, text2);
    QCOMPARE(static_cast<int>(loaded.model.dnTwDirection), direction);
}

void TestProjectFile::summariesRebuilt()
{
    ProjectModel m;
    resetModel(m, Dot);
    BuildUpRecord &tb = m.buildUp[0][0];
    tb.Konstrukt = 3;
    tb.d1 = tb.d3 = 1.5L;
    tb.roh1 = tb.roh3 = 1800;
    tb.d2 = 36.5L;
    tb.roh2 = 700;
    tb.schichtName1 = tb.schichtName3 = QStringLiteral("Putz");
    tb.schichtName2 = QStringLiteral("Ziegel-Mauerwerk");
    BuildUpRecord &f1 = m.buildUp[1][1];
    f1.d2 = 24;
    f1.roh2 = 1700;
    f1.schichtName2 = QStringLiteral("24 cm  Tavix, Rohdichteklasse  1.8");
    const LoadedProject loaded = readProject(projectFileContent(m, Dot), Comma);
    QCOMPARE(loaded.model.fields.Memo[0][0],
             QStringList({QStringLiteral("1,5 cm  Putz (1800 kg/m³)"),
                          QStringLiteral("36,5 cm  Ziegel-Mauerwerk (700 kg/m³)"),
                          QStringLiteral("1,5 cm  Putz (1800 kg/m³)")}));
    QCOMPARE(loaded.model.fields.Memo[1][1], QStringList{f1.schichtName2});
    QVERIFY(loaded.model.fields.Memo[4][2].isEmpty());
}

void TestProjectFile::fileErrors()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    ProjectModel m = filledProject(Dot);

    const QString missingPath = dir.filePath(QStringLiteral("fehlt.dat"));
    LoadedProject missing = loadProject(missingPath, Dot);
    QCOMPARE(missing.error, QStringLiteral("Datei „%1“ konnte nicht gelesen werden: Datei nicht gefunden")
                                .arg(QDir::toNativeSeparators(missingPath)));
    LoadedProject directory = loadProject(dir.path(), Dot);
    QCOMPARE(directory.error, fileReadErrorText(dir.path(), QStringLiteral("Dateizugriff verweigert")));
    const QString broken = dir.filePath(QStringLiteral("kaputt.dat"));
    QCOMPARE(writeFileAtomically(broken, "Projektdaten\r\n\r\n\r\n\r\n\r\n\r\n0\r\n\r\n\r\n12,5\r\n"),
             QString());
    QCOMPARE(loadProject(broken, Dot).error,
             fileReadErrorText(broken, QStringLiteral("Ungültige numerische Eingabe")));

    const QString noFolder = dir.filePath(QStringLiteral("nicht/da.dat"));
    QCOMPARE(saveProject(m, noFolder, Dot),
             fileWriteErrorText(noFolder, QStringLiteral("Datei nicht gefunden")));
    QVERIFY(!saveProject(m, dir.path(), Dot).isEmpty());
    QVERIFY(QFileInfo(dir.path()).isDir());

    const QString path = dir.filePath(QStringLiteral("projekt.dat"));
    QCOMPARE(saveProject(m, path, Dot), QString());
    const LoadedProject loaded = loadProject(path, Dot);
    QVERIFY(loaded.ok());
    compareInputs(loaded.model, m);
}

void TestProjectFile::saveReplacesOnlyWhenComplete()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("alt.dat"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old content\r\n");
    }
    // A target that cannot be replaced (a directory of the same name) fails and leaves
    // the old project beside it untouched.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("neu.dat")));
    QVERIFY(!saveProject(filledProject(Dot), dir.filePath(QStringLiteral("neu.dat")), Dot).isEmpty());
    QFile old(path);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old content\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("alt.dat")});
}

void TestProjectFile::valueRoundTrip_data()
{
    QTest::addColumn<QString>(
        "where"); // "m" of TB (5:2), "Rw" of TB (3:3), field "A" (4:3), field "LF1" (3:3)
    QTest::addColumn<QString>("value"); // decimal text, "." as point
    QTest::addColumn<bool>("saves");    // false: refused with the number message
    QTest::newRow("10^60") << "m"
                           << "1e60" << true;
    QTest::newRow("-10^60 as a field") << "A"
                                       << "-1.234567890123456e60" << true;
    QTest::newRow("10^300") << "Rw"
                            << "-3.5e300" << true;
    QTest::newRow("10^4000") << "m"
                             << "7.25e4000" << true;
    QTest::newRow("largest value") << "m"
                                   << "1.18973149535723176502e4932" << true;
    QTest::newRow("largest negative field") << "A"
                                            << "-1.18973149535723176e4932" << true;
    QTest::newRow("smallest value") << "Rw"
                                    << "3.6e-4951" << true;
    QTest::newRow("negative rounding to zero") << "Rw"
                                               << "-0.00006" << true;
    QTest::newRow("largest edge length") << "LF1"
                                         << "1.79769313486231e308" << true;
    QTest::newRow("edge length at the end of double") << "LF1"
                                                      << "1.7976931348623157e308" << false;
    QTest::newRow("infinite") << "m"
                              << "inf" << false;
    QTest::newRow("not a number") << "Rw"
                                  << "nan" << false;
    QTest::newRow("edge length beyond double") << "LF1"
                                               << "1e400" << false;
}

void TestProjectFile::valueRoundTrip()
{
    QFETCH(QString, where);
    QFETCH(QString, value);
    QFETCH(bool, saves);
    long double number = 0;
    const QByteArray ascii = value.toLatin1();
    std::from_chars(ascii.constData(), ascii.constData() + ascii.size(), number);
    ProjectModel m = filledProject(Dot);
    BuildUpRecord &tb = m.buildUp[0][0];
    if (where == QLatin1String("m"))
        tb.m = number;
    else if (where == QLatin1String("Rw"))
        tb.Rw = number;
    else if (where == QLatin1String("A"))
        m.fields.A = value;
    else
        m.fields.LF[1] = value;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.dat"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old\r\n");
    old.close();
    const QString error = saveProject(m, path, Dot);
    if (!saves) {
        QCOMPARE(error, fileWriteErrorText(path, QStringLiteral("Ungültige numerische Eingabe")));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old\r\n"));
        return;
    }
    QCOMPARE(error, QString());
    const LoadedProject loaded = loadProject(path, Dot);
    QVERIFY2(loaded.ok(), qPrintable(loaded.error));
    const ProjectModel &back = loaded.model;
    long double got = 0;
    int decimals = 3;
    if (where == QLatin1String("m")) {
        got = back.buildUp[0][0].m;
        decimals = 2;
    } else if (where == QLatin1String("Rw")) {
        got = back.buildUp[0][0].Rw;
    } else {
        got = where == QLatin1String("A") ? back.A : back.LF[1];
    }
    // To the precision of the line: its decimals, and 18 significant digits (an edge
    // length: those of a double).
    const long double relative = where == QLatin1String("LF1") ? 1.2e-16L : 1e-17L;
    const long double tolerance = 0.5L * std::pow(10.0L, -decimals) + std::fabs(number) * relative;
    QVERIFY2(std::fabs(got - number) <= tolerance, qPrintable(formatGeneral(got, Dot, 18)));
    // A value that rounds to zero carries no sign, and a second save writes the same bytes.
    QVERIFY(!QRegularExpression(QStringLiteral("^ *-0\\.0*\r?$"), QRegularExpression::MultilineOption)
                 .match(QString::fromLatin1(projectFileContent(back, Dot)))
                 .hasMatch());
    QCOMPARE(saveProject(back, path, Dot), QString());
    QCOMPARE(projectFileContent(loadProject(path, Dot).model, Dot), projectFileContent(back, Dot));
}

void TestProjectFile::extensionOnlyWhenNeeded()
{
    // The shipped example is today's output; inputs typed and taken back leave no trace.
    ProjectModel model = fixtures::exampleProject();
    const QByteArray today = projectFileContent(model, Dot);
    QCOMPARE(linesOf(today).size(), ProjectFileLineCount);
    model.impactInputs.screed = ScreedKind::CementOrCalciumSulphate;
    model.impactInputs.stiffness = 10;
    model.requirement.id = QStringLiteral("mfh-decke");
    const QByteArray extended = projectFileContent(model, Dot);
    QVERIFY(extended.startsWith(today));
    QCOMPARE(extended.mid(today.size()), QByteArray("[Tavix-Erweiterung]\r\nAnforderung=mfh-decke\r\n"
                                                    "Estrichart=1\r\nEstrichMasse=0\r\nSteifigkeit=10\r\n"
                                                    "Steifigkeit2=0\r\nDeltaLw=0\r\n"));
    model.impactInputs = ImpactInputs();
    model.requirement = ProjectRequirement();
    QCOMPARE(projectFileContent(model, Dot), today);

    // What a reader of the 282 lines takes from the file does not change with the block.
    const LoadedProject plain = readProject(today, Comma);
    const LoadedProject withBlock = readProject(extended, Comma);
    QVERIFY(plain.ok() && withBlock.ok());
    compareInputs(withBlock.model, plain.model);
    QCOMPARE(withBlock.fileVersion, plain.fileVersion);
}

void TestProjectFile::extensionRoundTrip_data()
{
    QTest::addColumn<ProjectRequirement>("requirement");
    QTest::addColumn<ImpactInputs>("impact");
    QTest::addColumn<QByteArray>("block");
    const ImpactInputs none;
    QTest::newRow("catalogue entry only") << ProjectRequirement{QStringLiteral("schule-decke"), 0, 0} << none
                                          << QByteArray("Anforderung=schule-decke");
    QTest::newRow("own requirement with decimals")
        << ProjectRequirement{QStringLiteral("eigen"), 53.5L, 0} << none
        << QByteArray("Anforderung=eigen|EigeneAnforderungRw=53.5|EigeneAnforderungLnw=0");
    QTest::newRow("two layers, no requirement")
        << ProjectRequirement() << ImpactInputs{ScreedKind::MasticAsphaltOrDry, 57.5L, 20, 30, 0}
        << QByteArray("Estrichart=2|EstrichMasse=57.5|Steifigkeit=20|Steifigkeit2=30|DeltaLw=0");
    QTest::newRow("typed ΔLw and own values")
        << ProjectRequirement{QStringLiteral("eigen"), 55, 46.5L}
        << ImpactInputs{ScreedKind::TypedImprovement, 0, 0, 0, 33.25L}
        << QByteArray("Anforderung=eigen|EigeneAnforderungRw=55|EigeneAnforderungLnw=46.5|Estrichart=3|"
                      "EstrichMasse=0|Steifigkeit=0|Steifigkeit2=0|DeltaLw=33.25");
}

void TestProjectFile::extensionRoundTrip()
{
    QFETCH(ProjectRequirement, requirement);
    QFETCH(ImpactInputs, impact);
    QFETCH(QByteArray, block);
    ProjectModel model = filledProject(Comma);
    model.requirement = requirement;
    model.impactInputs = impact;
    const QByteArray content = projectFileContent(model, Comma);
    const QList<QByteArray> lines = linesOf(content);
    QCOMPARE(lines.at(ProjectFileLineCount), QByteArray("[Tavix-Erweiterung]"));
    QCOMPARE(lines.mid(ProjectFileLineCount + 1).join('|'), block);
    const LoadedProject loaded = readProject(content, Comma);
    QVERIFY2(loaded.ok(), qPrintable(loaded.error));
    compareInputs(loaded.model, model);
    QVERIFY(loaded.model.requirement == requirement);
    QVERIFY(loaded.model.impactInputs == impact);
}

void TestProjectFile::extensionReading_data()
{
    QTest::addColumn<QByteArray>("block"); // appended after line 282
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("requirement");
    QTest::addColumn<int>("screed");
    QTest::addColumn<double>("stiffness");
    QTest::newRow("unknown keys and blanks") << QByteArray("[Tavix-Erweiterung]\r\nFarbe=blau\r\n\r\n"
                                                          " Steifigkeit = 15 \r\nEstrichart=1\r\n")
                                             << true << "" << 1 << 15.0;
    QTest::newRow("LF line ends") << QByteArray("[Tavix-Erweiterung]\nAnforderung=mfh-decke\nSteifigkeit=7\n")
                                  << true << "mfh-decke" << 0 << 7.0;
    QTest::newRow("keys before the block are not ours") << QByteArray("Steifigkeit=9\r\n") << true << "" << 0
                                                        << 0.0;
    QTest::newRow("a later block is passed over")
        << QByteArray("[Tavix-Erweiterung]\r\nSteifigkeit=8\r\n[Andere]\r\nSteifigkeit=9\r\n") << true << ""
        << 0 << 8.0;
    QTest::newRow("unknown id is no requirement") << QByteArray("[Tavix-Erweiterung]\r\nAnforderung=xyz\r\n")
                                                  << true << "" << 0 << 0.0;
    QTest::newRow("unknown kind computes nothing")
        << QByteArray("[Tavix-Erweiterung]\r\nEstrichart=7\r\nSteifigkeit=12\r\n") << true << "" << 0 << 12.0;
    QTest::newRow("decimal comma is no number")
        << QByteArray("[Tavix-Erweiterung]\r\nSteifigkeit=7,5\r\n") << false << "" << 0 << 0.0;
    QTest::newRow("kind not a number") << QByteArray("[Tavix-Erweiterung]\r\nEstrichart=eins\r\n") << false
                                       << "" << 0 << 0.0;
}

void TestProjectFile::extensionReading()
{
    QFETCH(QByteArray, block);
    QFETCH(bool, ok);
    QFETCH(QString, requirement);
    QFETCH(int, screed);
    QFETCH(double, stiffness);
    const LoadedProject loaded = readProject(projectFileContent(filledProject(Dot), Dot) + block, Dot);
    QCOMPARE(loaded.ok(), ok);
    if (!ok) {
        QCOMPARE(loaded.error, QStringLiteral("Ungültige numerische Eingabe"));
        return;
    }
    compareInputs(loaded.model, filledProject(Dot));
    QCOMPARE(loaded.model.requirement.id, requirement);
    QCOMPARE(int(loaded.model.impactInputs.screed), screed);
    QCOMPARE(double(loaded.model.impactInputs.stiffness), stiffness);
}

QTEST_APPLESS_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
