#include "core/reports/resultstext.h"

#include "core/junctions/junctioncodes.h"
#include "core/model/numbers.h"

namespace tavix {

namespace {

// Each kind of value keeps its own precision: significant digits, then decimals.
enum class Kind
{
    Volume,    // room volumes
    Length,    // room depth/height, area of the separating element
    FlankArea, // flank areas
    Path,      // Kij and Rij of the flank paths
    Resulting, // Rw, Rd,w, R1,w .. R4,w, R'w, DnT,w
};

constexpr int SummaryLines = 3;
const QString Indent10 = QStringLiteral("          ");

class ReportWriter
{
public:
    explicit ReportWriter(QChar separator) : m_sep(separator) { m_lines.reserve(190); }

    void line(const QString &text) { m_lines.append(text); }
    void empty() { m_lines.append(QString()); }
    void rule() { m_lines.append(resultsSeparatorLine()); }

    QString value(long double v, Kind kind) const
    {
        switch (kind) {
        case Kind::Volume:
            return formatFixed(v, 6, 1, m_sep);
        case Kind::Length:
            return formatFixed(v, 6, 2, m_sep);
        case Kind::FlankArea:
            return formatFixed(v, 3, 2, m_sep);
        case Kind::Path:
            return formatFixed(v, 3, 1, m_sep);
        case Kind::Resulting:
            break;
        }
        return formatFixed(v, 4, 1, m_sep);
    }

    QStringList take() { return std::move(m_lines); }

private:
    QChar m_sep;
    QStringList m_lines;
};

// The first three lines of a build-up summary; a shorter summary is filled with lines of
// the indentation alone.
void summary(ReportWriter &w, const QStringList &memo)
{
    for (int i = 0; i < SummaryLines; ++i)
        w.line(Indent10 + (i < memo.size() ? memo.at(i) : QString()));
}

// The block of one flank in one room: name and area, build-up, lining if there is one.
void flankBlock(ReportWriter &w, const ProjectModel &model, int flank, int room)
{
    const FieldTexts &f = model.fields;
    w.line(QStringLiteral("      %1.  ").arg(flank) + f.Flanke[flank] + QStringLiteral("  Fläche = ") +
           w.value(model.FA[flank][room], Kind::FlankArea) + QStringLiteral(" [m²]"));
    summary(w, f.Memo[flank][room]);
    if (!f.VS[flank][room].isEmpty())
        w.line(QStringLiteral("           Vorsatzschale: ") + f.VS[flank][room]);
    w.empty();
}

void roomHeader(ReportWriter &w, int room, const QString &name, long double volume, long double depth)
{
    w.line(QStringLiteral(" RAUM %1: ").arg(room) + name);
    w.empty();
    w.line(QStringLiteral("      Raumvolumen V%1 = ").arg(room) + w.value(volume, Kind::Volume) +
           QStringLiteral(" [m³]"));
    w.line(QStringLiteral("      Raumtiefe/Raumhöhe = ") + w.value(depth, Kind::Length) +
           QStringLiteral(" [m]"));
    w.empty();
}

// Three lines per flank, Ff, Fd and Df, each followed by an empty line.
void pathTable(ReportWriter &w, const long double (&values)[ElementCount][PathCount])
{
    static const char *const labels[PathCount] = {"     /   Ff:    ", "     /   Fd:   ", "     /   Df:    "};
    for (int n = 1; n <= FlankCount; ++n) {
        for (int p = 0; p < PathCount; ++p)
            w.line(QStringLiteral("     ") + QString::number(n) + QLatin1String(labels[p]) +
                   w.value(values[n][p], Kind::Path) + QStringLiteral(" [dB]"));
        w.empty();
    }
}

void levelDifference(ReportWriter &w, const ProjectModel &model)
{
    if (!(model.Vol1 > 0 && model.Vol2 > 0)) {
        w.line(QStringLiteral(" Standard-Schallpegeldifferenz DnT,w kann nicht berechnet werden, da kein "
                              "Raumvolumen vorhanden ist!"));
        return;
    }
    // The normative direction runs from the larger room into the smaller one.
    const QString norm =
        QStringLiteral("(Normrichtung: Schallübertragung vom größeren Raumvolumen zum kleineren)");
    w.line(QStringLiteral(" bewertete Standard-Schallpegeldifferenz:"));
    w.line(QStringLiteral(" DnT,w Raum 1 -> Raum 2 = ") + w.value(model.DnTw12, Kind::Resulting) +
           QStringLiteral(" [dB]  ") + (model.Vol1 > model.Vol2 ? norm : QString()));
    w.line(QStringLiteral(" DnT,w Raum 2 -> Raum 1 = ") + w.value(model.DnTw21, Kind::Resulting) +
           QStringLiteral(" [dB]  ") + (model.Vol2 > model.Vol1 ? norm : QString()));
}

} // namespace

QString resultsSeparatorLine()
{
    static const QString rule = QLatin1Char(' ') + QString(98, QLatin1Char('_'));
    return rule;
}

QStringList BuildResultsText(const ProjectModel &model, QChar decimalSeparator)
{
    if (!model.Calculated)
        return {QString(), QStringLiteral(" Eingabefehler -> keine Berechnung möglich!")};

    const FieldTexts &f = model.fields;
    ReportWriter w(decimalSeparator);

    w.rule();
    w.line(QStringLiteral(" PROJEKTBESCHREIBUNG:"));
    w.empty();
    w.line(QLatin1Char(' ') + f.Projekt);
    w.line(QLatin1Char(' ') + f.Str);
    w.line(QLatin1Char(' ') + f.PLZ + QStringLiteral("  ") + f.Ort);
    w.empty();
    w.line(QStringLiteral(" Variante: ") + f.Variante);

    w.rule();
    w.line(QStringLiteral(" EINGABEDATEN:"));
    w.empty();
    roomHeader(w, 1, f.room1, model.Vol1, model.L1);
    w.line(QStringLiteral("      Flankenaufbau:"));
    for (int n = 1; n <= FlankCount; ++n)
        flankBlock(w, model, n, 1);

    w.empty();
    w.line(QStringLiteral(" TRENNBAUTEIL:"));
    w.line(QStringLiteral("      Bezeichnung: ") + f.TB);
    w.line(QStringLiteral("      Fläche = ") + w.value(model.A, Kind::Length) + QStringLiteral(" [m²]"));
    w.empty();
    w.line(QStringLiteral("      Bauteilaufbau:"));
    summary(w, f.Memo[0][0]);
    const QString *roomNames[3] = {nullptr, &f.room1, &f.room2};
    for (int room = 1; room <= 2; ++room) {
        if (!f.VS[0][room].isEmpty())
            w.line(QStringLiteral("          Vorsatzschale in ") + *roomNames[room] + QStringLiteral(": ") +
                   f.VS[0][room]);
    }
    w.empty();
    for (int n = 1; n <= FlankCount; ++n) {
        const QString description = junctionDescription(model.Stoss[n]);
        if (!description.isEmpty())
            w.line(QStringLiteral("          Stoßstelle Flanke ") + QString::number(n) + description);
    }

    w.empty();
    w.empty();
    roomHeader(w, 2, f.room2, model.Vol2, model.L2);
    w.line(QStringLiteral("      Flankenflächen:"));
    for (int n = 1; n <= FlankCount; ++n)
        flankBlock(w, model, n, 2);

    w.rule();
    w.line(QStringLiteral(" ZWISCHENERGEBNISSE SCHALLÜBERTRAGUNGSWEGE:"));
    w.empty();
    w.line(QStringLiteral(" Stoßstellendämm-Maß Kij:"));
    w.empty();
    w.line(QStringLiteral(" Flanke / Weg      Kij"));
    pathTable(w, model.Kij);

    w.rule();
    w.empty();
    w.line(QStringLiteral(" Flankendämmung Rij:"));
    w.empty();
    w.line(QStringLiteral(" Flanke / Weg      Rij"));
    pathTable(w, model.Rij);

    w.empty();
    w.rule();
    w.line(QStringLiteral(" BERECHNUNGSERGEBNISSE:"));
    w.empty();
    w.line(QStringLiteral(" Trennbauteil:"));
    w.line(QStringLiteral("    Direktschalldämm-Maß Trennbauteil ohne Vorsatzschalen und Nebenwegen:"));
    w.line(QStringLiteral("    Rw = ") + w.value(model.buildUp[0][0].Rw, Kind::Resulting) +
           QStringLiteral(" [dB]"));
    w.empty();
    w.line(QStringLiteral(
        "    bewertetes Schalldämm-Maß Trennbauteil mit Vorsatzschalen und d-Nebenwegen (Wege 1 und 3):"));
    w.line(QStringLiteral("    Rd,w = ") + w.value(model.Rres[0], Kind::Resulting) + QStringLiteral(" [dB]"));
    w.empty();
    w.line(QStringLiteral(" Flankendämm-Maße:"));
    for (int n = 1; n <= FlankCount; ++n)
        w.line(QStringLiteral("    %1. ").arg(n) + f.Flanke[n] + QStringLiteral("  R%1,w = ").arg(n) +
               w.value(model.Rres[n], Kind::Resulting) + QStringLiteral(" [dB]"));
    w.empty();
    w.line(QStringLiteral(" bewertetes Bau-Schalldämm-Maß:"));
    w.line(QStringLiteral(" R´w = ") + w.value(model.RwBau, Kind::Resulting) + QStringLiteral(" [dB]"));
    w.empty();
    levelDifference(w, model);

    w.line(QStringLiteral(" "));
    w.line(QStringLiteral(" (Berechnungsergebnisse ohne Vorhaltemaß)"));
    w.rule();
    return w.take();
}

} // namespace tavix
