#include "core/buildup/buildupcalc.h"
#include "core/calculate/pathshares.h"
#include "core/calculate/transmission.h"
#include "core/impact/impactresult.h"
#include "core/model/numbers.h"
#include "core/projectfile/projectfile.h"
#include "core/reports/requirements.h"
#include "documentsource.h"
#include "exampleproject.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include <cmath>
#include <functional>
#include <map>
#include <optional>

using namespace tavix;

// The help documents state the program's method and its worked examples: every number of an
// example is recomputed here from the shipped example project, and the tables of junction
// formulas, lining improvements and mass laws are compared with the program's own rules.
class TestDocuments : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exampleNumbers_data();
    void exampleNumbers();
    void junctionTable();
    void liningTable_data();
    void liningTable();
    void massLawTable_data();
    void massLawTable();
    void manualCaptions();

private:
    static QString document(const QString &name)
    {
        QFile file(QStringLiteral(TAVIX_SOURCE_DIR "/docs/") + name);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll());
    }
    // The cells of the table rows of `text` whose first cell matches `firstCell`.
    static QList<QStringList> tableRows(const QString &text, const QRegularExpression &firstCell)
    {
        QList<QStringList> rows;
        for (const QString &line : text.split(QLatin1Char('\n'))) {
            if (!line.startsWith(QLatin1Char('|')))
                continue;
            QStringList cells = line.split(QLatin1Char('|'));
            cells = cells.mid(1, cells.size() - 2);
            for (QString &cell : cells)
                cell = cell.trimmed();
            if (!cells.isEmpty() && firstCell.match(cells.first()).hasMatch())
                rows.append(cells);
        }
        return rows;
    }
};

namespace {

constexpr QChar Comma(u',');
const QChar Minus(0x2212);

int pathIndex(const QString &name)
{
    return QStringList{QStringLiteral("Ff"), QStringLiteral("Fd"), QStringLiteral("Df")}.indexOf(name);
}

// A change of an example project as the document writes it, e.g. "L1=0,25", "f0/0/2=80",
// "d2/*/*=22,5" (thickness of the wall layer of every flank in both rooms), "Stoss/2=KS_TrennungTB",
// "Steifigkeit=20" (the screed's inputs under the names of the project file).
bool applyChange(ProjectModel &model, const QString &change)
{
    const QString name = change.section(QLatin1Char('='), 0, 0);
    const QString value = change.section(QLatin1Char('='), 1);
    if (name.startsWith(QLatin1String("Stoss/")) && parseJunctionCode(value)) {
        model.Stoss[name.section(QLatin1Char('/'), 1).toInt()] = value;
        return true;
    }
    const auto number = parseReal(value, Comma);
    if (!number)
        return false;
    FieldTexts &f = model.fields;
    const QString dotted = QString(value).replace(Comma, QLatin1Char('.')); // as the file holds it
    std::map<QString, QString *> fields{{QStringLiteral("A"), &f.A},
                                        {QStringLiteral("L1"), &f.L1},
                                        {QStringLiteral("L2"), &f.L2},
                                        {QStringLiteral("Vol1"), &f.Vol1},
                                        {QStringLiteral("Vol2"), &f.Vol2}};
    for (int n = 1; n <= FlankCount; ++n)
        fields[QStringLiteral("LF%1").arg(n)] = &f.LF[n];
    if (fields.count(name)) {
        *fields[name] = dotted;
        return true;
    }
    const std::map<QString, long double *> screed{{QStringLiteral("EstrichMasse"), &model.impactInputs.screedMass},
                                                  {QStringLiteral("Steifigkeit"), &model.impactInputs.stiffness},
                                                  {QStringLiteral("Steifigkeit2"), &model.impactInputs.stiffness2}};
    if (screed.count(name)) {
        *screed.at(name) = *number;
        return true;
    }
    const QStringList parts = name.split(QLatin1Char('/'));
    if (parts.size() != 3)
        return false;
    if (parts[0] == QLatin1String("f0")) {
        const int e = parts[1].toInt(), s = parts[2].toInt();
        model.f0[e][s] = int(*number);
        f.VS[e][s] = QStringLiteral(" / f = %1Hz").arg(int(*number));
        return true;
    }
    if (parts[0] == QLatin1String("d2")) {
        auto names = [](const QString &part, int i) { return part == QLatin1String("*") || part.toInt() == i; };
        for (int n = 1; n <= FlankCount; ++n)
            for (int s = 1; s <= 2; ++s)
                if (names(parts[1], n) && names(parts[2], s)) {
                    BuildUpRecord record = model.buildUp[n][s];
                    record.d2 = *number;
                    fixtures::acceptBuildUp(model, n, s, record,
                                            {record.schichtName1, record.schichtName2, record.schichtName3});
                }
        return true;
    }
    return false;
}

// The value a document key names, computed by the program for the example. A key is a name
// and up to two indices: "RwBau", "Reserve/54", "Rw/1/2" (element, side), "Kij/3/Ff" (flank, path).
std::optional<long double> valueOf(const ProjectModel &m, const QString &key)
{
    using Value = std::optional<long double>;
    const QStringList p = key.split(QLatin1Char('/'));
    const int a = p.value(1).toInt(), s = p.value(2).toInt(), k = pathIndex(p.value(2));
    const bool side = a >= 0 && a < ElementCount && s >= 0 && s < SideCount;
    const bool flank = a >= 1 && a <= FlankCount && k >= 0;
    const ImpactResult &i = m.impact;
    const ProofChecks proof = proofChecks(m);
    auto when = [](bool available, long double value) { return available ? Value(value) : std::nullopt; };
    auto share = [&](bool percent) -> Value {
        for (const PathShare &path : computePathShares(m).paths)
            if (pathCode(path) == p.value(1))
                return percent ? 100 * path.share : path.rwWithout;
        return std::nullopt;
    };
    // A value of one element side or one flank path, only for indices that name one.
    auto atSide = [&](auto get) { return [&, get] { return when(side, side ? get(a, s) : 0); }; };
    auto onPath = [&](auto get) { return [&, get] { return when(flank, flank ? get(a, k) : 0); }; };
    // The junction's own reading of the masses: ratio r, M = lg r and the formula's Kij.
    auto junction = [&](int what) {
        return [&, what]() -> Value {
            const auto code = flank ? parseJunctionCode(m.Stoss[a]) : std::nullopt;
            if (!code)
                return std::nullopt;
            const JunctionPathRule rule = junctionPathRule(*code, FlankPath(k));
            const long double r = junctionMassRatio(rule.ratio, m.buildUp[0][0].m, m.buildUp[a][1].m,
                                                    m.buildUp[a][2].m);
            const long double read[] = {r, std::log10(r),
                                        rule.separated ? 20 : junctionFormula(rule.formula, r)};
            return read[what];
        };
    };
    // By name and number of parts of the key.
    const std::map<std::pair<QStringView, int>, std::function<Value()>> values{
        {{u"RwBau", 1}, [&] { return m.RwBau; }},
        {{u"DnTw12", 1}, [&] { return m.DnTw12; }},
        {{u"DnTw21", 1}, [&] { return m.DnTw21; }},
        {{u"RDd", 1}, [&] { return m.RDd; }},
        {{u"dRDd", 1}, [&] { return m.dRDd; }},
        {{u"ms", 1}, [&] { return when(i.computed(), i.ms); }},
        {{u"Lneq0w", 1}, [&] { return when(i.computed(), i.lneq0w); }},
        {{u"sStrich", 1}, [&] { return when(i.hasDeltaLw, i.stiffness); }},
        {{u"DeltaLw", 1}, [&] { return when(i.hasDeltaLw, i.deltaLw); }},
        {{u"mfm", 1}, [&] { return when(i.hasK, i.mfm); }},
        {{u"K", 1}, [&] { return when(i.hasK, i.K); }},
        {{u"Lnw", 1}, [&] { return when(i.hasLnw(), i.lnw); }},
        {{u"LnTw", 1}, [&] { return when(i.hasLnTw, i.lnTw); }},
        {{u"LnwPlusU", 1}, [&] { return proof.impact ? Value(proof.impact->lnwPlusU) : std::nullopt; }},
        {{u"TrittReserve", 1}, [&] { return proof.impact ? Value(proof.impact->margin) : std::nullopt; }},
        {{u"RwMinusU", 1}, [&] { return checkRequirement(m.RwBau, 0).rwMinusU; }},
        {{u"Unterschreitung", 2}, [&] { return -checkRequirement(m.RwBau, a).margin; }},
        {{u"Reserve", 2}, [&] { return checkRequirement(m.RwBau, a).margin; }},
        {{u"Anteil", 2}, [&] { return share(true); }},
        {{u"OhneWeg", 2}, [&] { return share(false); }},
        {{u"Rres", 2}, [&] { return when(side, side ? m.Rres[a] : 0); }},
        {{u"N", 2}, [&] { return when(side, side ? 10 * std::log10(m.A / m.LF[a]) : 0); }},
        {{u"dRw", 3}, atSide([&](int e, int s) { return m.dRw[e][s]; })},
        {{u"FA", 3}, atSide([&](int e, int s) { return m.FA[e][s]; })},
        {{u"f0", 3}, atSide([&](int e, int s) { return m.f0[e][s]; })},
        {{u"m", 3}, atSide([&](int e, int s) { return m.buildUp[e][s].m; })},
        {{u"Rw", 3}, atSide([&](int e, int s) { return m.buildUp[e][s].Rw; })},
        {{u"RwMasse", 3}, atSide([&](int e, int s) {
             const BuildUpRecord &b = m.buildUp[e][s];
             return massLawRw(b.Konstrukt, b.m, b.roh2);
         })},
        {{u"Kij", 3}, onPath([&](int n, int k) { return m.Kij[n][k]; })},
        {{u"Rij", 3}, onPath([&](int n, int k) { return m.Rij[n][k]; })},
        {{u"dRij", 3}, onPath([&](int n, int k) { return m.dRij[n][k]; })},
        {{u"Kmin", 3}, onPath([&](int n, int k) {
             const long double other = k == PathFf ? m.FA[n][2] : m.A;
             const long double own = k == PathDf ? m.FA[n][2] : m.FA[n][1];
             return 10 * std::log10(m.LF[n] * (1 / own + 1 / other));
         })},
        {{u"r", 3}, junction(0)},
        {{u"M", 3}, junction(1)},
        {{u"Kformel", 3}, junction(2)}};
    const auto found = values.find({QStringView(p[0]), int(p.size())});
    return found == values.end() ? std::nullopt : found->second();
}

// The number as the document writes it: the decimals it shows, a comma and a minus sign.
QString asWritten(long double value, const QString &written)
{
    const int comma = written.indexOf(Comma);
    const int decimals = comma < 0 ? 0 : int(written.size() - comma - 1);
    return formatFixed(value, 15, decimals, Comma).replace(QLatin1Char('-'), Minus);
}

} // namespace

void TestDocuments::exampleNumbers_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Berechnungsgrundlagen") << "Berechungsgrundlagen.md";
    QTest::newRow("Praxistipps") << "Tavix_Praxistipps.md";
    QTest::newRow("Handbuch") << "Handbuch.md";
}

void TestDocuments::exampleNumbers()
{
    QFETCH(QString, name);
    const QString text = document(name);
    QVERIFY(!text.isEmpty());
    QStringList wrong;
    for (const docs::ExampleValue &value : docs::exampleValues(text)) {
        const QString where = QStringLiteral("%1:%2 %3").arg(name).arg(value.line).arg(value.key);
        const LoadedProject loaded =
            loadProject(QStringLiteral(TAVIX_SOURCE_DIR "/examples/") + value.project, QLatin1Char('.'));
        QVERIFY2(loaded.ok(), qPrintable(where + QStringLiteral(": no example project")));
        ProjectModel model = loaded.model;
        for (const QString &change : value.changes)
            QVERIFY2(applyChange(model, change), qPrintable(where + QStringLiteral(": change ") + change));
        QVERIFY(Recalculate(model, QLatin1Char('.')).ok());
        QVERIFY2(model.Calculated, qPrintable(where + QStringLiteral(": inputs missing")));
        const auto computed = valueOf(model, value.key);
        QVERIFY2(computed, qPrintable(where + QStringLiteral(": unknown key")));
        const QString expected = asWritten(*computed, value.text);
        if (expected != value.text)
            wrong << QStringLiteral("%1: written %2, program %3").arg(where, value.text, expected);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

void TestDocuments::junctionTable()
{
    const QList<QStringList> rows = tableRows(document(QStringLiteral("Berechungsgrundlagen.md")),
                                              QRegularExpression(QStringLiteral("^(TS|KS|LSa|LSb)_")));
    QCOMPARE(rows.size(), 20);
    const QStringList ratios{QStringLiteral("sF"), QStringLiteral("1"),  QStringLiteral("2"),
                             QStringLiteral("12"), QStringLiteral("1s"), QStringLiteral("2s")};
    const QRegularExpression formulaCell(QStringLiteral(R"(^([a-f]) \(r_\{(\w+)\}\)$)"));
    QStringList seen;
    for (const QStringList &row : rows) {
        const auto code = parseJunctionCode(row[0]);
        QVERIFY2(code, qPrintable(row[0]));
        seen << row[0];
        for (int k = 0; k < PathCount; ++k) {
            const JunctionPathRule rule = junctionPathRule(*code, FlankPath(k));
            const QString cell = row.value(k + 1);
            if (rule.separated) {
                QVERIFY2(cell == QLatin1String("20 dB"), qPrintable(row[0] + QLatin1Char(' ') + cell));
                continue;
            }
            const QRegularExpressionMatch match = formulaCell.match(cell);
            QVERIFY2(match.hasMatch(), qPrintable(row[0] + QLatin1Char(' ') + cell));
            QCOMPARE(match.captured(1).at(0).unicode() - u'a', int(rule.formula));
            QCOMPARE(ratios.indexOf(match.captured(2)), int(rule.ratio));
        }
    }
    seen.removeDuplicates();
    QCOMPARE(seen.size(), 20);
}

void TestDocuments::liningTable_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("cell");
    const QRegularExpression range(QStringLiteral(R"(^(?:(\d+) bis (\d+)|(\d+)|über (\d+))$)"));
    const QList<QStringList> rows = tableRows(document(QStringLiteral("Berechungsgrundlagen.md")), range);
    QCOMPARE(rows.size(), 12);
    for (const QStringList &row : rows) {
        const QRegularExpressionMatch m = range.match(row[0]);
        const int from = !m.captured(1).isEmpty()   ? m.captured(1).toInt()
                         : !m.captured(3).isEmpty() ? m.captured(3).toInt()
                                                    : m.captured(4).toInt() + 1;
        const int to = !m.captured(2).isEmpty()   ? m.captured(2).toInt()
                       : !m.captured(3).isEmpty() ? from
                                                  : 100000;
        QTest::newRow(qPrintable(row[0])) << from << to << row[1];
    }
}

// Each row of the lining table holds at both ends of its range, for a heavy and a light wall.
void TestDocuments::liningTable()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, cell);
    const QRegularExpression halfRw(QStringLiteral(R"(^(\d+) − R_\{w\}/2$)"));
    for (const long double rw : {40.0L, 62.0L}) {
        const QRegularExpressionMatch m = halfRw.match(cell);
        const long double stated = m.hasMatch()
                                       ? std::max(0.0L, m.captured(1).toInt() - rw / 2)
                                       : *parseReal(QString(cell).replace(Minus, QLatin1Char('-')), Comma);
        QCOMPARE(double(LiningImprovement(from, rw)), double(stated));
        QCOMPARE(double(LiningImprovement(to, rw)), double(stated));
    }
}

void TestDocuments::massLawTable_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("mass");
    QTest::addColumn<double>("wallDensity");
    const QList<QStringList> rows =
        tableRows(document(QStringLiteral("Berechungsgrundlagen.md")),
                  QRegularExpression(QStringLiteral("^(Tavix|Beton|Ziegel|Poren|Leicht|sonst)")));
    const QList<std::tuple<int, double, double>> cases{{0, 300, 1700}, {1, 460, 2300}, {3, 309.5, 700},
                                                       {2, 250, 500},  {4, 320, 1200}, {4, 185, 550},
                                                       {5, 200, 1000}, {5, 120, 1000}};
    QCOMPARE(rows.size(), cases.size());
    for (int i = 0; i < rows.size(); ++i)
        QTest::newRow(qPrintable(rows[i][0]))
            << rows[i][1] << std::get<0>(cases[i]) << std::get<1>(cases[i]) << std::get<2>(cases[i]);
}

// Each mass law of the document gives the program's Rw for a build-up of that row.
void TestDocuments::massLawTable()
{
    QFETCH(QString, cell);
    QFETCH(int, kind);
    QFETCH(double, mass);
    QFETCH(double, wallDensity);
    const QRegularExpression law(QStringLiteral(R"(^([\d,]+) · lg m′ ([−+]) ([\d,]+)$)"));
    const QRegularExpressionMatch m = law.match(cell);
    QVERIFY2(m.hasMatch(), qPrintable(cell));
    const long double slope = *parseReal(m.captured(1), Comma);
    const long double offset = *parseReal(m.captured(3), Comma) * (m.captured(2) == Minus ? -1 : 1);
    QCOMPARE(double(massLawRw(kind, mass, wallDensity)),
             double(slope * std::log10((long double)mass) + offset));
}

// Every caption the manual quotes („…“) is a text of the program: a whole string literal of
// its sources or a whole text of a Designer file, blanks around it and accelerator marks
// aside. Adjacent literals count as one.
void TestDocuments::manualCaptions()
{
    QSet<QString> texts;
    const QRegularExpression literals(QStringLiteral(R"re("((?:[^"\\\n]|\\.)*)"(?:\s*"((?:[^"\\\n]|\\.)*)")*)re"));
    const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\\n]|\\.)*)")re"));
    const QRegularExpression uiText(QStringLiteral("<string>([^<]*)</string>"));
    auto add = [&texts](QString text) {
        texts.insert(text.remove(QLatin1Char('&')).trimmed());
    };
    QDirIterator files(QStringLiteral(TAVIX_SOURCE_DIR "/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.ui")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString source = QString::fromUtf8(file.readAll());
        if (file.fileName().endsWith(QLatin1String(".ui"))) {
            for (const auto &m : uiText.globalMatch(source))
                add(m.captured(1).replace(QLatin1String("&amp;"), QLatin1String("&")).replace(QLatin1String("&quot;"), QLatin1String("\"")));
            continue;
        }
        for (const auto &m : literals.globalMatch(source)) {
            QString joined;
            for (const auto &part : literal.globalMatch(m.captured(0)))
                joined += part.captured(1);
            add(joined.replace(QLatin1String("\\\""), QLatin1String("\"")));
        }
    }
    QStringList unknown;
    const QRegularExpression quoted(QStringLiteral("„([^“]+)“"));
    for (const auto &m : quoted.globalMatch(document(QStringLiteral("Handbuch.md"))))
        if (!texts.contains(m.captured(1).simplified()))
            unknown << m.captured(1).simplified();
    QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(QLatin1Char('\n'))));
}

QTEST_APPLESS_MAIN(TestDocuments)
#include "tst_documents.moc"
