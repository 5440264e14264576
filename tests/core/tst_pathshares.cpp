// Path shares and the requirement check: the shares must reproduce R'w, removing a path
// must raise R'w by what that path carried, the verdict must hold at its 0.1 dB boundary,
// and the exported table must read back as what it claims to be.
#include "core/calculate/pathshares.h"
#include "core/calculate/recalculate.h"
#include "core/model/numbers.h"
#include "core/reports/requirements.h"
#include "exampleproject.h"

#include <QSet>
#include <QtTest>

#include <cmath>

using namespace tavix;

Q_DECLARE_METATYPE(tavix::ProjectModel)

namespace {

ProjectModel calculated(ProjectModel model)
{
    const RecalcOutcome outcome = Recalculate(model, QLatin1Char('.'));
    if (!outcome.ok() || !model.Calculated)
        qWarning() << "not calculated" << outcome.error << model.Messages;
    return model;
}

// The worked example with linings on both sides and every kind of junction.
ProjectModel withLiningsAndCorners()
{
    ProjectModel model = fixtures::exampleProject();
    model.f0[0][2] = 80;  // separating element, room 2
    model.f0[1][1] = 250; // a stiff lining that makes flank 1 worse
    model.f0[4][2] = 100;
    model.Stoss[2] = QStringLiteral("LSb_TrennungTB");
    model.fields.FF[2][1] = QStringLiteral("7.5");
    model.Stoss[3] = QStringLiteral("LSa_ohneTrennung");
    model.fields.FF[3][2] = QStringLiteral("6");
    model.Stoss[4] = QStringLiteral("KS_TrennungR1R2");
    return model;
}

// Reads the CSV of tableAsCsv back: cells split at ";" outside quotes, doubled quotes.
QList<QStringList> parseCsv(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                cell += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(';')) {
            row << cell;
            cell.clear();
        } else if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) {
            row << cell;
            rows << row;
            row.clear();
            cell.clear();
            ++i;
        } else {
            cell += c;
        }
    }
    return rows;
}

} // namespace

class TestPathShares : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sharesReproduceRw_data();
    void sharesReproduceRw();
    void ownRequirementValue_data();
    void ownRequirementValue();
    void verdictAtBoundary_data();
    void verdictAtBoundary();
    void notes_data();
    void notes();
    void catalogueIdsAreStable();
    void csvReadsBack();
};

void TestPathShares::sharesReproduceRw_data()
{
    QTest::addColumn<ProjectModel>("project");
    QTest::newRow("worked example") << calculated(fixtures::exampleProject());
    QTest::newRow("linings and corner junctions") << calculated(withLiningsAndCorners());
}

void TestPathShares::sharesReproduceRw()
{
    QFETCH(ProjectModel, project);
    QVERIFY(project.Calculated);
    const PathShares shares = computePathShares(project);

    QVERIFY(std::fabs(shares.rw - project.RwBau) < 1e-9L);
    long double sum = 0, flankSum = shares.separatingElement.share;
    QSet<QString> codes;
    for (int i = 0; i < TransmissionPathCount; ++i) {
        const PathShare &p = shares.paths[i];
        sum += p.share;
        codes << pathCode(p);
        QCOMPARE(p.R,
                 p.kind == PathKind::Dd ? project.RDd : project.Rij[p.flank][static_cast<int>(p.kind) - 1]);
        if (i > 0)
            QVERIFY(p.share <= shares.paths[i - 1].share);
        // Removing a path raises R'w by exactly what the path carried.
        QVERIFY(std::fabs((p.rwWithout - shares.rw) + 10 * std::log10(1 - p.share)) < 1e-9L);
        if (i > 0)
            QVERIFY(p.rwWithout <= shares.paths[0].rwWithout);
    }
    QCOMPARE(codes.size(), TransmissionPathCount);
    QVERIFY(std::fabs(sum - 1) < 1e-15L);
    for (int n = 1; n <= FlankCount; ++n) {
        flankSum += shares.flanks[n].share;
        QVERIFY(shares.flanks[n].rwWithout > shares.rw);
    }
    QVERIFY(std::fabs(flankSum - 1) < 1e-15L);
}

void TestPathShares::ownRequirementValue_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QChar>("sep");
    QTest::addColumn<double>("value"); // 0: refused
    QTest::newRow("German decimal comma") << "53,5" << QChar(u',') << 53.5;
    QTest::newRow("blanks around") << " 54 " << QChar(u',') << 54.0;
    QTest::newRow("trailing separator") << "53," << QChar(u',') << 53.0;
    QTest::newRow("point under German settings") << "53.5" << QChar(u',') << 0.0;
    QTest::newRow("point under English settings") << "53.5" << QChar(u'.') << 53.5;
    QTest::newRow("exponent") << "1e2" << QChar(u',') << 0.0;
    QTest::newRow("sign") << "-53" << QChar(u',') << 0.0;
    QTest::newRow("zero") << "0" << QChar(u',') << 0.0;
    QTest::newRow("two separators") << "5,3,5" << QChar(u',') << 0.0;
    QTest::newRow("only the separator") << "," << QChar(u',') << 0.0;
    QTest::newRow("empty") << "" << QChar(u',') << 0.0;
}

void TestPathShares::ownRequirementValue()
{
    QFETCH(QString, typed);
    QFETCH(QChar, sep);
    QFETCH(double, value);
    const std::optional<long double> parsed = parseProofValue(typed, sep);
    QCOMPARE(parsed.has_value(), value > 0);
    if (parsed)
        QCOMPARE(double(*parsed), value);
}

void TestPathShares::verdictAtBoundary_data()
{
    QTest::addColumn<double>("rw");
    QTest::addColumn<double>("erf");
    QTest::addColumn<bool>("fulfilled");
    QTest::addColumn<double>("margin");
    QTest::newRow("exactly met") << 55.0 << 53.0 << true << 0.0;
    QTest::newRow("a tenth short") << 54.9 << 53.0 << false << -0.1;
    QTest::newRow("rounds up to the boundary") << 54.95 << 53.0 << true << 0.0;
    QTest::newRow("rounds down below it") << 54.9499 << 53.0 << false << -0.1;
    QTest::newRow("worked example") << 51.7694773830985 << 53.0 << false << -3.2;
    QTest::newRow("own requirement with decimals") << 55.6 << 53.5 << true << 0.1;
}

void TestPathShares::verdictAtBoundary()
{
    QFETCH(double, rw);
    QFETCH(double, erf);
    QFETCH(bool, fulfilled);
    QFETCH(double, margin);
    const RequirementCheck check = checkRequirement(rw, erf);
    QCOMPARE(check.fulfilled, fulfilled);
    QCOMPARE(formatFixed(check.margin, 18, 1, QLatin1Char('.')),
             formatFixed(margin, 18, 1, QLatin1Char('.')));
    QCOMPARE(formatFixed(check.rwMinusU, 18, 1, QLatin1Char('.')),
             formatFixed(std::round(rw * 10) / 10 - 2, 18, 1, QLatin1Char('.')));
}

void TestPathShares::notes_data()
{
    QTest::addColumn<QString>("requirement");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<double>("area");
    QTest::addColumn<QStringList>("expected"); // beginnings of the notes before the prediction note
    QTest::newRow("wall requirement, wall") << "mfh-wand" << 0 << 12.0 << QStringList{};
    QTest::newRow("wall requirement, floor")
        << "mfh-wand" << 1 << 12.0
        << QStringList{QString::fromUtf8("Die gewählte Anforderung gilt für Wände")};
    QTest::newRow("floor requirement, wall")
        << "mfh-decke" << 0 << 12.0
        << QStringList{QString::fromUtf8("Die gewählte Anforderung gilt für Decken")};
    QTest::newRow("own requirement, floor") << "eigen" << 1 << 12.0 << QStringList{};
    QTest::newRow("party wall, small area") << "haus-darueber" << 0 << 9.99
                                            << QStringList{QStringLiteral("Zweischalige Haustrennwände"),
                                                           QStringLiteral("Die Trennfläche ist kleiner")};
}

void TestPathShares::notes()
{
    QFETCH(QString, requirement);
    QFETCH(int, orientation);
    QFETCH(double, area);
    QFETCH(QStringList, expected);
    const Requirement *r = findRequirement(requirement);
    QVERIFY(r);
    const QStringList notes = requirementNotes(r, orientation, area, false);
    QCOMPARE(notes.size(), expected.size() + 1);
    for (int i = 0; i < expected.size(); ++i)
        QVERIFY2(notes.at(i).startsWith(expected.at(i)), qPrintable(notes.at(i)));
    QVERIFY(notes.last().startsWith(QStringLiteral("Die Ergebnisse sind eine Prognose")));
}

void TestPathShares::catalogueIdsAreStable()
{
    // The chosen entry is stored by id: ids must be unique, and every entry but the own one
    // carries a value for a wall or a floor; only floors limit L'n,w.
    // The closed choice list names each entry with its kind of building and standard, so
    // that no two read alike ("Decken: erf. R'w = 54 dB" is both a hotel's and a flat's).
    QSet<QString> ids, labels;
    for (const Requirement &r : requirementCatalogue()) {
        ids << r.id;
        labels << requirementLabel(r);
        const bool own = r.id == QLatin1String(OwnRequirementId);
        QVERIFY(own || (requirementLabel(r).contains(r.buildingKind) && requirementLabel(r).contains(r.standard)));
        QCOMPARE(r.erfRw.has_value() || r.zulLnw.has_value(), !own);
        QCOMPARE(r.element == RequirementElement::Any, own);
        QVERIFY(!r.zulLnw || r.element == RequirementElement::Floor);
    }
    QCOMPARE(ids.size(), requirementCatalogue().size());
    QCOMPARE(labels.size(), requirementCatalogue().size());
    QCOMPARE(requirementCatalogue().last().id, QLatin1String(OwnRequirementId));
    QCOMPARE(*findRequirement(QStringLiteral("mfh-wand"))->erfRw, 53.0L);
    QVERIFY(!findRequirement(QStringLiteral("unbekannt")));
}

void TestPathShares::csvReadsBack()
{
    ProjectModel project = calculated(withLiningsAndCorners());
    project.fields.Flanke[2] = QStringLiteral("Außenwand; \"Nord\"");
    const PathShares shares = computePathShares(project);
    const QList<QStringList> table = pathTable(shares, project.fields, QLatin1Char(','));

    const QByteArray csv = tableAsCsv(table);
    QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
    const QList<QStringList> rows = parseCsv(QString::fromUtf8(csv.mid(3)));
    QCOMPARE(rows, table);
    QCOMPARE(rows.size(), TransmissionPathCount + 1);
    long double percent = 0;
    for (int i = 1; i < rows.size(); ++i) {
        const PathShare &p = shares.paths[i - 1];
        QCOMPARE(rows.at(i).at(0), pathCode(p));
        QCOMPARE(rows.at(i).at(1), p.flank == 2             ? project.fields.Flanke[2]
                                   : p.kind == PathKind::Dd ? QStringLiteral("Wohnungstrennwand")
                                                            : QStringLiteral("Flanke %1").arg(p.flank));
        QVERIFY(std::fabs(*parseReal(rows.at(i).at(3), QLatin1Char(',')) - p.R) <= 0.05L);
        QVERIFY(std::fabs(*parseReal(rows.at(i).at(5), QLatin1Char(',')) - p.rwWithout) <= 0.05L);
        percent += *parseReal(rows.at(i).at(4), QLatin1Char(','));
    }
    QVERIFY(std::fabs(percent - 100) <= 13 * 0.05L);

    // The clipboard form has the same cells, one line per row.
    const QStringList lines = tableAsTabSeparated(table).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), table.size());
    QCOMPARE(lines.at(1).split(QLatin1Char('\t')), table.at(1));
}

QTEST_GUILESS_MAIN(TestPathShares)
#include "tst_pathshares.moc"
