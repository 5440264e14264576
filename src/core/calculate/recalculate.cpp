#include "core/calculate/recalculate.h"

#include "core/calculate/transmission.h"
#include "core/impact/impactsound.h"
#include "core/model/numbers.h"

#include <array>

namespace tavix {

namespace {

class FieldReader
{
public:
    explicit FieldReader(QChar separator) : m_separator(separator) {}

    // Reads a field; a value not greater than 0 is stored as 0.
    bool readPositive(const QString &text, long double &target)
    {
        const auto v = parseReal(text, m_separator);
        if (!v) {
            m_error = invalidRealMessage(text);
            return false;
        }
        target = *v > 0 ? *v : 0;
        return true;
    }

    const QString &error() const { return m_error; }

private:
    QChar m_separator;
    QString m_error;
};

// The message texts are built once; a fresh project lists seventeen of them per keystroke.
const QString &edgeMessage(int flank)
{
    static const QString texts[ElementCount] = {
        {},
        QStringLiteral(" Flanke 1: keine gemeinsame Kantenlänge vorhanden"),
        QStringLiteral(" Flanke 2: keine gemeinsame Kantenlänge vorhanden"),
        QStringLiteral(" Flanke 3: keine gemeinsame Kantenlänge vorhanden"),
        QStringLiteral(" Flanke 4: keine gemeinsame Kantenlänge vorhanden")};
    return texts[flank];
}

const QString &flankMassMessage(int flank, int room)
{
    static const auto texts = [] {
        std::array<std::array<QString, SideCount>, ElementCount> all;
        for (int n = 1; n <= FlankCount; ++n)
            for (int s = 1; s <= 2; ++s)
                all[n][s] = QStringLiteral(" Flächenmasse Flanke %1 / Raum %2 < 80 kg/m²").arg(n).arg(s);
        return all;
    }();
    return texts[flank][room];
}

} // namespace

RecalcOutcome Recalculate(ProjectModel &model, QChar decimalSeparator)
{
    FieldReader reader(decimalSeparator);
    FieldTexts &f = model.fields;
    QStringList messages;
    messages.reserve(17);

    if (!reader.readPositive(f.A, model.A))
        return {reader.error()};
    if (model.A <= 0)
        messages << QStringLiteral(" Trennbauteil: keine Fläche vorhanden");
    if (model.buildUp[0][0].m < MinimumMass)
        messages << QStringLiteral(" Flächenmasse Trennbauteil < 80 kg/m²");
    if (!(model.buildUp[0][0].Rw > 0))
        messages << QStringLiteral(" Trennbauteil: Direktschalldämmung Rw nicht vorhanden");

    if (!reader.readPositive(f.L1, model.L1))
        return {reader.error()};
    if (model.L1 <= 0)
        messages << QStringLiteral(" Raum 1: keine Raumtiefe/-höhe vorhanden");
    if (!reader.readPositive(f.L2, model.L2))
        return {reader.error()};
    if (model.L2 <= 0)
        messages << QStringLiteral(" Raum 2: keine Raumtiefe/-höhe vorhanden");

    // Flank areas: a value not greater than 0 becomes "1", visible field or not.
    long double flankAreas[ElementCount][SideCount] = {};
    for (int n = 1; n <= FlankCount; ++n) {
        for (int s = 1; s <= 2; ++s) {
            const auto v = parseReal(f.FF[n][s], decimalSeparator);
            if (!v)
                return {invalidRealMessage(f.FF[n][s])};
            if (*v > 0) {
                flankAreas[n][s] = *v;
            } else {
                f.FF[n][s] = QStringLiteral("1");
                flankAreas[n][s] = 1;
            }
        }
    }

    for (int n = 1; n <= FlankCount; ++n) {
        long double ln = 0;
        if (!reader.readPositive(f.LF[n], ln))
            return {reader.error()};
        // Edge lengths are double precision: a value beyond that range is no valid length
        // and could not be saved either.
        if (ln > MaxEdgeLength)
            return {invalidRealMessage(f.LF[n])};
        model.LF[n] = static_cast<double>(ln);
        if (!(model.LF[n] > 0)) {
            model.LF[n] = 0;
            messages << edgeMessage(n);
        }
    }

    for (int n = 1; n <= FlankCount; ++n) {
        for (int s = 1; s <= 2; ++s) {
            if (model.buildUp[n][s].m < MinimumMass)
                messages << flankMassMessage(n, s);
        }
    }

    const bool complete = messages.isEmpty();
    // The volumes are read before any result changes, so that a volume that is not a
    // number leaves the previous results intact.
    if (complete) {
        if (!reader.readPositive(f.Vol1, model.Vol1) || !reader.readPositive(f.Vol2, model.Vol2))
            return {reader.error()};
    }

    model.Messages = messages;
    model.Calculated = complete;
    clearImprovements(model);
    if (complete) {
        computeTransmission(model, flankAreas);
        computeLevelDifference(model);
    }
    model.impact = computeImpact(model);
    return {};
}

QStringList messagePanelLines(const QStringList &messages)
{
    QStringList lines{QStringLiteral(" Zur Berechnung der Luftschalldämmung müssen alle weiß hinter-"),
                      QStringLiteral(" legten Eingabfelder bearbeitet werden."), QStringLiteral(" "),
                      QStringLiteral(" Fehlende Angaben:")};
    for (const QString &m : messages) {
        if (!m.isEmpty())
            lines << QStringLiteral("      ") + m;
    }
    return lines;
}

bool fillEmptyNumberFields(FieldTexts &fields)
{
    bool changed = false;
    const auto texts = numberFieldTexts(fields);
    for (int k = 0; k < NumberFieldCount; ++k) {
        if (texts[k]->isEmpty()) {
            *texts[k] = numberFieldDefault(k);
            changed = true;
        }
    }
    return changed;
}

} // namespace tavix
