#include "core/reports/proofpage.h"

#include "core/buildup/buildupcalc.h"
#include "core/calculate/pathshares.h"
#include "core/impact/impacttext.h"
#include "core/model/numbers.h"
#include "core/reports/reportbands.h"
#include "core/reports/requirements.h"

#include <algorithm>
#include <cmath>

namespace tavix {

namespace {

using namespace reportbands;

// The page's grid: the tables span the width of the calculation sheet's tables; above
// them two columns, airborne sound on the left, impact sound (or the notes) on the right.
// The sections follow each other from the top; the signature stands at the foot.
constexpr int Left = 50;
constexpr int Right = 710;
constexpr int TextLeft = Left + Gap;
constexpr int TextRight = Right - Gap;
constexpr int ColumnEnd = 374;     // the left column
constexpr int SecondColumn = 388;  // the right column
constexpr int AirborneValue = 214; // values of the left column
constexpr int ImpactValue = 528;   // values of the right column
constexpr int RowPitch = 14;       // rows of 11 px text
constexpr int LinePitch = 13;      // lines of a word-wrapped 11 px text
constexpr int HeadingToRows = 17;  // from a 13 px heading to its first row
constexpr int SectionGap = 6;
constexpr int SignatureTop = 904;
// The tables, the calculation basis and the signature below the two columns need this
// much room; the columns end above it.
constexpr int TableHeight(int rows)
{
    return rows * RowPitch + 6;
}
constexpr int BasisLines = 3;
constexpr int BelowColumns = SectionGap + HeadingToRows + TableHeight(14) + SectionGap + TableHeight(6) +
                             SectionGap + HeadingToRows + BasisLines * LinePitch + 4 + TableHeight(6);
constexpr int ColumnsEnd = SignatureTop - SectionGap - BelowColumns;

// How many lines a text of 11 px takes in `width`, estimated from the mean width of its
// letters; the painter's fitting rule sets it smaller where the estimate falls short.
int estimatedLines(const QString &text, int width)
{
    constexpr qreal MeanLetterWidth = 5.3;
    return std::max(1, int(std::ceil(text.size() * MeanLetterWidth / width)));
}

QString oneDecimal(long double value, QChar sep)
{
    return formatFixed(value, 18, 1, sep);
}

QString nameOr(const QString &typed, const QString &fallback)
{
    return typed.trimmed().isEmpty() ? fallback : typed;
}

ReportFont verdictFont(bool fulfilled)
{
    ReportFont f = font(Small, true);
    f.colour = fulfilled ? ReportColour::Green : ReportColour::Red;
    return f;
}

// The short names the page gives the quantities of the impact calculation: the column
// is half a page wide.
QString impactRowLabel(ImpactQuantity quantity)
{
    switch (quantity) {
    case ImpactQuantity::Screed:
        return QStringLiteral("Estrich");
    case ImpactQuantity::ScreedMass:
        return QStringLiteral("m' Estrich");
    case ImpactQuantity::Stiffness:
        return QStringLiteral("s' Dämmschicht");
    case ImpactQuantity::Stiffness2:
        return QStringLiteral("s'2 zweite Dämmschicht");
    case ImpactQuantity::CombinedStiffness:
        return QStringLiteral("s' resultierend");
    case ImpactQuantity::DeltaLw:
        return QStringLiteral("Trittschallminderung ΔLw");
    case ImpactQuantity::SlabMass:
        return QStringLiteral("m's Rohdecke");
    case ImpactQuantity::Lneq0w:
        return QStringLiteral("Ln,eq,0,w");
    case ImpactQuantity::MeanFlankMass:
        return QStringLiteral("m'f,m Wände Raum 2");
    case ImpactQuantity::Correction:
        return QStringLiteral("Korrekturwert K");
    case ImpactQuantity::Lnw:
        return QStringLiteral("L'n,w");
    case ImpactQuantity::LnTw:
        return QStringLiteral("L'nT,w");
    case ImpactQuantity::LnwPlusU:
        return QStringLiteral("L'n,w + u_prog");
    case ImpactQuantity::ZulLnw:
        return QStringLiteral("Anforderung zul. L'n,w");
    case ImpactQuantity::Verdict:
        return QStringLiteral("Ergebnis:");
    }
    return {};
}

class ProofComposition
{
public:
    ProofComposition(ReportPage &page, const ProjectModel &model, QChar sep)
        : m_band(page, ReportBodyTop), m_model(model), m_fields(model.fields), m_sep(sep),
          m_checks(proofChecks(model)),
          m_impact(model.Orientation == 1 && model.impactInputs.screed != ScreedKind::None &&
                   model.impact.computed())
    {
    }

    void compose(const CompanyData &company, const QDate &today)
    {
        m_band.text(Left, 4, QStringLiteral("Nachweis des Schallschutzes"), font(Title, true));
        int y = subject(26) + SectionGap;
        y = requirement(y) + SectionGap;
        y = results(y) + SectionGap;
        y = paths(y) + SectionGap;
        basis(y);
        QString signature = QStringLiteral("Aufgestellt: ") + placeAndDateText(company, today);
        if (!company.Bearbeiter.trimmed().isEmpty())
            signature += QStringLiteral(", ") + company.Bearbeiter.trimmed();
        m_band.text(TextLeft, SignatureTop, signature, font(Normal), TextRight);
    }

private:
    QString dB(long double value) const { return decibelText(value, m_sep); }
    QString flankName(int k) const
    {
        return m_fields.Flanke[k].trimmed().isEmpty() ? defaultFlankName(k) : m_fields.Flanke[k];
    }

    // A label and its value in a row of a column.
    void row(int x, int valueX, int right, int y, const QString &label, const QString &value,
             ReportFont valueFont = font(Small))
    {
        m_band.text(x, y, label, font(Small), valueX - Gap);
        m_band.text(valueX, y, value, valueFont, right);
    }

    // A 13 px heading; returns where its rows begin.
    int heading(int x, int y, const QString &text, int right = TextRight)
    {
        m_band.text(x, y, text, font(Normal, true), right);
        return y + HeadingToRows;
    }

    // A word-wrapped text of 11 px in `lines` lines.
    void paragraph(int x, int y, int right, int lines, const QString &text)
    {
        ReportText &item = m_band.text(x, y, text, font(Small));
        item.box = QSize(right - x, lines * LinePitch);
        item.wordWrap = true;
    }

    // Project, rooms, variant, orientation; returns where the block ends.
    int subject(int y)
    {
        constexpr int Value = 130;
        constexpr int SecondValue = 470;
        const bool floor = m_model.Orientation == 1;
        row(TextLeft, Value, TextRight, y, QStringLiteral("Projekt:"), m_fields.Projekt);
        row(TextLeft, Value, TextRight, y + RowPitch, QStringLiteral("Raum 1:"),
            m_fields.room1 + (floor ? QStringLiteral(" (oben, Senderaum)") : QString()));
        row(TextLeft, Value, TextRight, y + 2 * RowPitch, QStringLiteral("Raum 2:"),
            m_fields.room2 + (floor ? QStringLiteral(" (unten, Empfangsraum)") : QString()));
        row(TextLeft, Value, ColumnEnd, y + 3 * RowPitch, QStringLiteral("Variante:"),
            nameOr(m_fields.Variante, QStringLiteral("–")));
        row(SecondColumn, SecondValue, TextRight, y + 3 * RowPitch, QStringLiteral("Ausrichtung:"),
            floor ? QStringLiteral("vertikal (Decke/Boden)") : QStringLiteral("horizontal (Wand)"));
        row(TextLeft, Value, ColumnEnd, y + 4 * RowPitch, QStringLiteral("Trennbauteil:"),
            nameOr(m_fields.TB, QStringLiteral("Trennbauteil")));
        row(SecondColumn, SecondValue, TextRight, y + 4 * RowPitch, QStringLiteral("Trennfläche:"),
            m_fields.A + QStringLiteral(" m²"));
        return y + 5 * RowPitch;
    }

    // The requirement with its values, kind of building and standard.
    int requirement(int y)
    {
        constexpr int Value = 162;
        y = heading(Left, y, QStringLiteral("Anforderung"));
        const RequirementValues &values = m_checks.requirement;
        const Requirement *entry = values.entry;
        const bool own = entry->id == QLatin1String(OwnRequirementId);
        row(TextLeft, Value, TextRight, y, QStringLiteral("Anforderung:"),
            entry->text + QStringLiteral(": ") + requirementValuesText(values, m_sep));
        row(TextLeft, Value, TextRight, y + RowPitch, QStringLiteral("Gebäudeart, Norm:"),
            own ? QStringLiteral("eigene Festlegung, keine Norm") : requirementGroupText(*entry));
        return y + 2 * RowPitch;
    }

    // Airborne sound on the left, impact sound on the right, and the notes where there is room.
    int results(int y)
    {
        QStringList notes = proofNotes(m_model);
        // The calculation basis says what the last note says, that the results are a
        // prediction, and what the method of impact sound covers.
        if (!notes.isEmpty())
            notes.removeLast();
        notes.removeAll(QStringLiteral("Trittschall: ") + impactScopeText());
        const int left = airborne(y);
        if (!m_impact)
            return std::max(left, this->notes(notes, SecondColumn, y, TextRight, false));
        const int right = impact(y);
        notes << impactHints(m_model);
        return std::max(right, this->notes(notes, TextLeft, left + 4, ColumnEnd, true));
    }

    // The airborne check and both directions of DnT,w.
    int airborne(int y)
    {
        y = heading(Left, y, QStringLiteral("Luftschall"), ColumnEnd);
        const auto line = [this, &y](const QString &label, const QString &value) {
            row(TextLeft, AirborneValue, ColumnEnd, y, label, value);
            y += RowPitch;
        };
        line(QStringLiteral("Bau-Schalldämm-Maß R'w"), dB(m_model.RwBau));
        if (const std::optional<RequirementCheck> &check = m_checks.airborne) {
            line(QStringLiteral("Sicherheitsabschlag u_prog"), dB(UProg));
            line(QStringLiteral("R'w − u_prog"), dB(check->rwMinusU));
            line(QStringLiteral("Anforderung erf. R'w"), dB(check->erfRw));
            row(TextLeft, 114, ColumnEnd, y, QStringLiteral("Ergebnis:"), verdictText(*check, m_sep),
                verdictFont(check->fulfilled));
            y += RowPitch;
        } else {
            line(QStringLiteral("Anforderung erf. R'w"), QStringLiteral("keine"));
        }
        // Both directions; the one from the larger room into the smaller counts.
        const QString missing = dnTwNotComputedText(m_model);
        const bool firstCounts = m_model.DnTw12 <= m_model.DnTw21;
        const auto level = [&](long double value, bool counts) {
            if (!missing.isEmpty())
                return missing;
            return dB(value) + (counts ? QStringLiteral(" (maßgebend)") : QString());
        };
        line(QStringLiteral("DnT,w Raum 1 → Raum 2"), level(m_model.DnTw12, firstCounts));
        line(QStringLiteral("DnT,w Raum 2 → Raum 1"), level(m_model.DnTw21, !firstCounts));
        return y;
    }

    int impact(int y)
    {
        y = heading(SecondColumn, y, QStringLiteral("Trittschall"));
        const QList<ImpactLine> lines = impactLines(m_model, m_sep);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const ImpactLine &line = lines.at(i);
            if (line.quantity == ImpactQuantity::LnwPlusU) {
                row(SecondColumn, ImpactValue, TextRight, y, QStringLiteral("Sicherheitsabschlag u_prog"),
                    dB(UProgImpact));
                y += RowPitch;
            }
            if (line.quantity == ImpactQuantity::Verdict) {
                const bool fulfilled = m_checks.impact && m_checks.impact->fulfilled;
                row(SecondColumn, SecondColumn + 56, TextRight, y, impactRowLabel(line.quantity), line.value,
                    verdictFont(fulfilled));
            } else {
                row(SecondColumn, ImpactValue, TextRight, y, impactRowLabel(line.quantity), line.value);
            }
            y += RowPitch;
            if (line.quantity == ImpactQuantity::MeanFlankMass && m_model.impact.hasK) {
                const QString walls = QStringLiteral("gezählt: ") + countedWallsText(m_model, m_sep);
                const int x = SecondColumn + 8;
                // As many lines as it needs, up to three, within the room the rows below leave:
                // those still to come and the one of u_prog or of the missing check.
                const int rowsBelow = int(lines.size() - i - 1) + 1;
                const int room = (ColumnsEnd - y - rowsBelow * RowPitch - 1) / LinePitch;
                const int wallLines =
                    std::clamp(estimatedLines(walls, TextRight - x), 1, std::clamp(room, 1, 3));
                paragraph(x, y, TextRight, wallLines, walls);
                y += wallLines * LinePitch + 1;
            }
        }
        if (!m_checks.impact) {
            // No check: the requirement sets no zul. L'n,w, or there is no L'n,w to check.
            const std::optional<long double> &zul = m_checks.requirement.zulLnw;
            row(SecondColumn, ImpactValue, TextRight, y, impactRowLabel(ImpactQuantity::ZulLnw),
                zul ? dB(*zul) : QStringLiteral("keine"));
            y += RowPitch;
        }
        return y;
    }

    // The notes as a list in a column, within the room the sections below leave.
    int notes(const QStringList &notes, int x, int y, int right, bool small)
    {
        if (notes.isEmpty())
            return y;
        if (small) {
            m_band.text(x, y, QStringLiteral("Hinweise:"), font(Small, true), right);
            y += RowPitch;
        } else {
            y = heading(x, y, QStringLiteral("Hinweise"), right);
        }
        QStringList items;
        int lines = 0;
        for (const QString &note : notes) {
            items << QStringLiteral("– ") + note;
            lines += estimatedLines(items.last(), right - x);
        }
        lines = std::clamp(lines, 1, std::max(1, (ColumnsEnd - y) / LinePitch));
        paragraph(x, y, right, lines, items.join(QChar::LineSeparator));
        return y + lines * LinePitch;
    }

    // A table in a frame: a bold header row, a rule under it, then the rows. `columns` are
    // the left edges of the cells and, last, the right end; the cells of numbers
    // (`rightAligned`) end at the next column's edge. A row with fewer cells than columns
    // lets its last cell run to the end of the row. Returns where the frame ends.
    int table(int top, const QList<QStringList> &rows, const QList<int> &columns,
              const QList<bool> &rightAligned)
    {
        const int height = TableHeight(int(rows.size()));
        m_band.frame(Left, top, Right - Left, height);
        // The rule under the header row keeps clear of the descenders above and the accents below.
        m_band.line(Left, top + RowPitch + 2, Right, top + RowPitch + 2);
        for (qsizetype r = 0; r < rows.size(); ++r) {
            const QStringList &cells = rows.at(r);
            const int y = top + (r == 0 ? 2 : 4) + int(r) * RowPitch;
            const ReportFont f = font(Small, r == 0);
            for (qsizetype c = 0; c < cells.size() && c + 1 < columns.size(); ++c) {
                const int left = columns.at(c);
                const int end = (c + 1 == cells.size() ? columns.last() : columns.at(c + 1)) - Gap;
                if (rightAligned.value(c)) {
                    ReportText &cell = m_band.text(end, y, cells.at(c), f);
                    cell.alignRight = true;
                    cell.width = end - left;
                } else {
                    m_band.text(left, y, cells.at(c), f, end);
                }
            }
        }
        return top + height;
    }

    // The thirteen paths, largest share first, and the elements under the same columns.
    int paths(int y)
    {
        y = heading(Left, y, QStringLiteral("Übertragungswege"));
        const PathShares shares = computePathShares(m_model);
        QList<QStringList> rows = pathTable(shares, m_fields, m_sep);
        rows.first()[3] = QStringLiteral("Rij [dB]");
        y = table(y, rows, {TextLeft, 90, 250, 404, 474, 564, Right},
                  {false, false, false, true, true, true});
        return table(y + SectionGap, elementTable(shares, m_fields, m_sep), {TextLeft, 250, 474, 564, Right},
                     {false, false, true, true});
    }

    // The methods and where each Rw comes from.
    void basis(int y)
    {
        y = heading(Left, y, QStringLiteral("Berechnungsgrundlage"));
        QString text = QStringLiteral(
            "Luftschall: vereinfachtes Modell der DIN EN 12354-1 / DIN 4109-2 mit Einzahlangaben, "
            "Direktweg Dd und je Flanke die Wege Ff, Fd und Df.");
        if (m_impact)
            text +=
                QStringLiteral(" Trittschall: DIN 4109-2:2018, Massivdecke ohne Unterdecke, Raum 2 direkt "
                               "darunter, Bodenbelag nicht angerechnet.");
        text += QStringLiteral(" Die Ergebnisse sind Prognosewerte; die Sicherheitsabschläge u_prog sind im "
                               "Nachweis berücksichtigt.");
        const int lines = std::min(estimatedLines(text, TextRight - TextLeft), BasisLines);
        paragraph(TextLeft, y, TextRight, lines, text);
        y += lines * LinePitch + 4;

        // The separating element is one build-up between both rooms: its cell spans both.
        QList<QStringList> rows;
        rows << QStringList{QStringLiteral("Rw der Bauteile"), QStringLiteral("Raum 1: ") + m_fields.room1,
                            QStringLiteral("Raum 2: ") + m_fields.room2};
        rows << QStringList{nameOr(m_fields.TB, QStringLiteral("Trennbauteil")),
                            rwOriginText(m_model.buildUp[0][0], m_sep)};
        for (int k = 1; k <= FlankCount; ++k)
            rows << QStringList{flankName(k), rwOriginText(m_model.buildUp[k][1], m_sep),
                                rwOriginText(m_model.buildUp[k][2], m_sep)};
        table(y, rows, {TextLeft, 200, 456, Right}, {});
    }

    BandWriter m_band;
    const ProjectModel &m_model;
    const FieldTexts &m_fields;
    QChar m_sep;
    ProofChecks m_checks;
    bool m_impact;
};

} // namespace

bool hasProofPage(const ProjectModel &model)
{
    return requirementValues(model.requirement).entry != nullptr;
}

void composeProofPage(ReportPage &page, const ProjectModel &model, const CompanyData &company,
                      const QDate &today, QChar decimalSeparator)
{
    if (!hasProofPage(model))
        return;
    page.texts.reserve(page.texts.size() + 200); // a page of tables
    ProofComposition(page, model, decimalSeparator).compose(company, today);
}

QString rwOriginText(const BuildUpRecord &record, QChar sep)
{
    const QString value = oneDecimal(record.Rw, sep) + QStringLiteral(" dB – ");
    const RwOrigin origin = rwOrigin(record);
    switch (origin.kind) {
    case RwOrigin::Kind::MassLaw:
        break;
    case RwOrigin::Kind::Deduction:
        return value +
               QStringLiteral("Massekurve %1 dB abzgl. %2 dB")
                   .arg(oneDecimal(origin.massLawRw, sep), oneDecimal(origin.massLawRw - record.Rw, sep));
    case RwOrigin::Kind::TestCertificate:
        return value + QStringLiteral("Prüfzeugnis") +
               (origin.approval.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(origin.approval));
    }
    return value + QStringLiteral("Massekurve");
}

} // namespace tavix
