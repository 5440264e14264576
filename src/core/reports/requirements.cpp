#include "core/reports/requirements.h"

#include "core/impact/impacttext.h"
#include "core/model/numbers.h"

#include <cmath>
#include <optional>

namespace tavix {

const char *const OwnRequirementId = "eigen";

namespace {

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

struct Group
{
    QString kind;
    QString standard;
};

Requirement entry(const Group &group, const char *id, const char *text, std::optional<long double> erfRw,
                  std::optional<long double> zulLnw, RequirementElement element)
{
    Requirement r;
    r.id = u8(id);
    r.buildingKind = group.kind;
    r.standard = group.standard;
    r.text = u8(text);
    r.erfRw = erfRw;
    r.zulLnw = zulLnw;
    r.element = element;
    return r;
}

Requirement partyWall(Requirement r)
{
    r.partyWall = true;
    return r;
}

Requirement aside(Requirement r)
{
    r.receivingRoomAside = true;
    return r;
}

QList<Requirement> buildCatalogue()
{
    using E = RequirementElement;
    constexpr std::nullopt_t none = std::nullopt;
    const QString base = u8("DIN 4109-1:2018");
    const QString enhanced = u8("DIN 4109-5:2020");
    const QString flatsKind = u8("Mehrfamilienhäuser, Bürogebäude und gemischt genutzte Gebäude");
    const QString housesKind = u8("Einfamilien-Reihen- und Doppelhäuser");
    const Group flats{flatsKind, base};
    const Group houses{housesKind, base};
    const Group hotels{u8("Beherbergungsstätten"), base};
    const Group hospitals{u8("Krankenhäuser und Sanatorien"), base};
    const Group schools{u8("Schulen und vergleichbare Einrichtungen"), base};
    const Group flatsEnhanced{flatsKind, enhanced};
    const Group housesEnhanced{housesKind, enhanced};
    Requirement own;
    own.id = QLatin1String(OwnRequirementId);
    own.buildingKind = u8("Eigene Anforderung");
    own.text = u8("eigene Anforderung");
    return {
        entry(flats, "mfh-decke", "Wohnungstrenndecken", 54, 50, E::Floor),
        aside(entry(flats, "mfh-treppe", "Treppenläufe und -podeste", none, 53, E::Floor)),
        entry(flats, "mfh-wand", "Wohnungstrennwände und Wände zwischen fremden Arbeitsräumen", 53, none,
              E::Wall),
        entry(flats, "mfh-treppenhaus", "Treppenhauswände und Wände neben Hausfluren", 53, none, E::Wall),
        entry(flats, "mfh-durchfahrt",
              "Wände neben Durchfahrten und Einfahrten von Sammelgaragen sowie Wände von Spiel- oder "
              "ähnlichen Gemeinschaftsräumen",
              55, none, E::Wall),
        aside(entry(houses, "haus-decke", "Decken", none, 41, E::Floor)),
        aside(entry(houses, "haus-treppe", "Treppen", none, 46, E::Floor)),
        partyWall(entry(houses, "haus-unten", "Haustrennwände zu Aufenthaltsräumen im untersten Geschoss", 59,
                        none, E::Wall)),
        partyWall(entry(houses, "haus-darueber",
                        "Haustrennwände zu Aufenthaltsräumen mit mindestens einem Geschoss darunter", 62, none,
                        E::Wall)),
        entry(hotels, "hotel-wand",
              "Wände zwischen Übernachtungsräumen und zwischen Fluren und Übernachtungsräumen", 47, none,
              E::Wall),
        entry(hotels, "hotel-decke", "Decken", 54, 50, E::Floor),
        entry(hospitals, "klinik-decke", "Decken", 54, 53, E::Floor),
        entry(hospitals, "klinik-wand", "Wände zwischen Krankenräumen und zwischen Fluren und Krankenräumen",
              47, none, E::Wall),
        entry(hospitals, "klinik-ruhe", "Wände zwischen Räumen mit erhöhtem Ruhebedürfnis oder Vertraulichkeit",
              52, none, E::Wall),
        entry(hospitals, "klinik-op", "Wände von Operations- und Behandlungsräumen", 42, none, E::Wall),
        entry(schools, "schule-wand", "Wände zwischen Unterrichtsräumen und zu Fluren", 47, none, E::Wall),
        entry(schools, "schule-decke", "Decken zwischen Unterrichtsräumen", 55, 53, E::Floor),
        entry(schools, "schule-treppenhaus", "Wände zu Treppenhäusern", 52, none, E::Wall),
        entry(schools, "schule-laut", "Wände zu lauten Räumen", 55, none, E::Wall),
        entry(schools, "schule-sehrlaut", "Wände zu besonders lauten Räumen", 60, none, E::Wall),
        entry(flatsEnhanced, "erhoeht-wand", "Wohnungstrennwände", 56, none, E::Wall),
        entry(flatsEnhanced, "erhoeht-decke", "Wohnungstrenndecken", 57, 45, E::Floor),
        aside(entry(flatsEnhanced, "erhoeht-treppe", "Treppenläufe und -podeste", none, 47, E::Floor)),
        partyWall(entry(housesEnhanced, "erhoeht-haus", "Haustrennwände", 67, none, E::Wall)),
        aside(entry(housesEnhanced, "erhoeht-haus-decke", "Decken", none, 36, E::Floor)),
        aside(entry(housesEnhanced, "erhoeht-haus-treppe", "Treppen", none, 41, E::Floor)),
        own,
    };
}

// A value in tenths of a dB, rounded as every displayed value is.
long long tenths(long double value)
{
    if (const std::optional<long long> fast = roundedTenths(value))
        return *fast;
    QString text = formatFixed(value, 18, 1, QLatin1Char('.'));
    text.remove(QLatin1Char('.'));
    return text.toLongLong();
}

QString oneDecimal(long double value, QChar sep)
{
    return formatFixed(value, 18, 1, sep);
}

QString elementName(const QString &typed, const QString &fallback)
{
    return typed.trimmed().isEmpty() ? fallback : typed;
}

QString separatingName(const FieldTexts &names)
{
    return elementName(names.TB, QStringLiteral("Trennbauteil"));
}

QString flankName(const FieldTexts &names, int flank)
{
    return elementName(names.Flanke[flank], defaultFlankName(flank));
}

QString transmissionText(PathKind kind)
{
    switch (kind) {
    case PathKind::Dd:
        return u8("Trennbauteil → Trennbauteil");
    case PathKind::Ff:
        return u8("Flanke → Flanke");
    case PathKind::Fd:
        return u8("Flanke → Trennbauteil");
    case PathKind::Df:
        return u8("Trennbauteil → Flanke");
    }
    return {};
}

QString csvCell(const QString &cell)
{
    const bool quote = cell.contains(QLatin1Char(';')) || cell.contains(QLatin1Char('"')) ||
                       cell.contains(QLatin1Char('\n')) || cell.contains(QLatin1Char('\r'));
    if (!quote)
        return cell;
    QString quoted = cell;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

const QList<Requirement> &requirementCatalogue()
{
    static const QList<Requirement> catalogue = buildCatalogue();
    return catalogue;
}

const Requirement *findRequirement(const QString &id)
{
    for (const Requirement &r : requirementCatalogue()) {
        if (r.id == id)
            return &r;
    }
    return nullptr;
}

namespace {

// Both proofs in one: a level against its limit with u_prog on the unsafe side, that is
// taken off a sound insulation (higher is better) and added to an impact level (lower is
// better). The fields are in the order of RequirementCheck and ImpactCheck.
struct LevelCheck
{
    long double level = 0;    // rounded to 0.1 dB
    long double adjusted = 0; // rounded level with u_prog applied
    long double limit = 0;    // rounded to 0.1 dB
    long double margin = 0;   // how far adjusted stays on the good side of limit
    bool fulfilled = false;
};

LevelCheck checkLevel(long double level, long double limit, long double u, long long uTenths, bool higherIsBetter)
{
    LevelCheck check;
    if (!std::isfinite(level) || !std::isfinite(limit)) {
        check.level = level;
        check.limit = limit;
        check.adjusted = higherIsBetter ? level - u : level + u;
        check.margin = higherIsBetter ? check.adjusted - limit : limit - check.adjusted;
        return check;
    }
    // Compared in whole tenths, so that 55.0 − 2 against 53 is not lost to binary fractions.
    const long long levelTenths = tenths(level);
    const long long limitTenths = tenths(limit);
    const long long adjustedTenths = higherIsBetter ? levelTenths - uTenths : levelTenths + uTenths;
    const long long marginTenths = higherIsBetter ? adjustedTenths - limitTenths : limitTenths - adjustedTenths;
    check.level = levelTenths / 10.0L;
    check.limit = limitTenths / 10.0L;
    check.adjusted = adjustedTenths / 10.0L;
    check.margin = marginTenths / 10.0L;
    check.fulfilled = marginTenths >= 0;
    return check;
}

QString verdictText(bool fulfilled, long double margin, const char *shortfall, QChar sep)
{
    if (fulfilled)
        return u8("erfüllt (Reserve %1 dB)").arg(oneDecimal(margin, sep));
    return u8("nicht erfüllt (%1 %2 dB)").arg(u8(shortfall), oneDecimal(-margin, sep));
}

} // namespace

RequirementCheck checkRequirement(long double rw, long double erfRw)
{
    static const long long uTenths = tenths(UProg);
    const LevelCheck c = checkLevel(rw, erfRw, UProg, uTenths, true);
    return {c.level, c.adjusted, c.limit, c.margin, c.fulfilled};
}

QString verdictText(const RequirementCheck &check, QChar sep)
{
    return verdictText(check.fulfilled, check.margin, "Unterschreitung", sep);
}

ImpactCheck checkImpactRequirement(long double lnw, long double zulLnw)
{
    static const long long uTenths = tenths(UProgImpact);
    const LevelCheck c = checkLevel(lnw, zulLnw, UProgImpact, uTenths, false);
    return {c.level, c.adjusted, c.limit, c.margin, c.fulfilled};
}

QString verdictText(const ImpactCheck &check, QChar sep)
{
    return verdictText(check.fulfilled, check.margin, "Überschreitung", sep);
}

RequirementValues requirementValues(const ProjectRequirement &requirement)
{
    RequirementValues values;
    values.entry = requirement.isSet() ? findRequirement(requirement.id) : nullptr;
    if (!values.entry)
        return values;
    if (values.entry->id != QLatin1String(OwnRequirementId)) {
        values.erfRw = values.entry->erfRw;
        values.zulLnw = values.entry->zulLnw;
        return values;
    }
    if (requirement.ownRw > 0 && std::isfinite(requirement.ownRw))
        values.erfRw = requirement.ownRw;
    if (requirement.ownLnw > 0 && std::isfinite(requirement.ownLnw))
        values.zulLnw = requirement.ownLnw;
    return values;
}

std::optional<long double> parseProofValue(const QString &text, QChar sep)
{
    const QString trimmed = text.trimmed();
    // Levels, masses and stiffnesses of a few digits: the cap keeps the value far inside the
    // range of every type it passes through.
    constexpr int MaxLength = 8;
    if (trimmed.isEmpty() || trimmed.size() > MaxLength)
        return std::nullopt;
    int separators = 0;
    int digits = 0;
    for (const QChar c : trimmed) {
        if (c == sep)
            ++separators;
        else if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            ++digits;
        else
            return std::nullopt;
    }
    if (separators > 1 || digits == 0)
        return std::nullopt;
    const std::optional<long double> value = parseReal(trimmed, sep);
    if (!value || !(*value > 0))
        return std::nullopt;
    return value;
}

std::optional<ProjectRequirement> requirementFromArgument(const QString &text)
{
    const QString id = text.trimmed();
    if (const Requirement *entry = findRequirement(id); entry && id != QLatin1String(OwnRequirementId))
        return ProjectRequirement{entry->id, 0, 0};
    for (const QChar sep : {QLatin1Char('.'), QLatin1Char(',')}) {
        if (const std::optional<long double> value = parseProofValue(text, sep))
            return ProjectRequirement{QLatin1String(OwnRequirementId), *value, 0};
    }
    return std::nullopt;
}

ProofChecks proofChecks(const ProjectModel &model)
{
    ProofChecks checks;
    checks.requirement = requirementValues(model.requirement);
    if (model.Calculated && checks.requirement.erfRw)
        checks.airborne = checkRequirement(model.RwBau, *checks.requirement.erfRw);
    if (model.impact.hasLnw() && checks.requirement.zulLnw)
        checks.impact = checkImpactRequirement(model.impact.lnw, *checks.requirement.zulLnw);
    return checks;
}

QString decibelText(long double value, QChar sep)
{
    return oneDecimal(value, sep) + QStringLiteral(" dB");
}

namespace {

QString valueText(long double value, QChar sep)
{
    return formatGeneral(value, sep) + QStringLiteral(" dB");
}

} // namespace

QString requirementValuesText(const RequirementValues &values, QChar sep)
{
    QStringList parts;
    if (values.erfRw)
        parts << u8("erf. R'w = ") + valueText(*values.erfRw, sep);
    if (values.zulLnw)
        parts << u8("zul. L'n,w = ") + valueText(*values.zulLnw, sep);
    if (parts.isEmpty())
        return u8("keine Werte");
    return parts.join(QStringLiteral(", "));
}

QString requirementEntryText(const Requirement &requirement)
{
    if (requirement.id == QLatin1String(OwnRequirementId))
        return u8("eigene Anforderung (erf. R'w und/oder zul. L'n,w)");
    RequirementValues values;
    values.erfRw = requirement.erfRw;
    values.zulLnw = requirement.zulLnw;
    return requirement.text + QStringLiteral(": ") + requirementValuesText(values, QLatin1Char(','));
}

QString requirementGroupText(const Requirement &requirement)
{
    if (requirement.standard.isEmpty())
        return requirement.buildingKind;
    return u8("%1 (%2)").arg(requirement.buildingKind, requirement.standard);
}

QString requirementLabel(const Requirement &requirement)
{
    if (requirement.id == QLatin1String(OwnRequirementId))
        return requirementEntryText(requirement);
    return requirementGroupText(requirement) + u8(" – ") + requirementEntryText(requirement);
}

QStringList requirementNotes(const Requirement *requirement, int orientation, long double separatingArea,
                             bool impact)
{
    QStringList notes;
    const bool floor = orientation == 1;
    if (requirement) {
        if (requirement->element == RequirementElement::Wall && floor)
            notes << u8("Die gewählte Anforderung gilt für Wände, das Trennbauteil ist aber als Decke "
                        "(vertikal) angelegt.");
        if (requirement->element == RequirementElement::Floor && !floor)
            notes << u8("Die gewählte Anforderung gilt für Decken, das Trennbauteil ist aber als Wand "
                        "(horizontal) angelegt.");
        if (requirement->partyWall)
            notes << u8("Zweischalige Haustrennwände zwischen Reihen- und Doppelhäusern werden nach dem "
                        "Verfahren der DIN 4109-2 für solche Wände nachgewiesen, nicht mit diesem Modell.");
        if (requirement->receivingRoomAside && floor)
            notes << u8("Bei dieser Anforderung liegt der schutzbedürftige Raum oft neben oder schräg unter "
                        "dem Bauteil; der Trittschall wird nur für den Raum direkt darunter berechnet.");
    }
    const bool airborne = !requirement || requirement->erfRw || requirement->id == QLatin1String(OwnRequirementId);
    if (airborne && separatingArea < 10)
        notes << u8("Die Trennfläche ist kleiner als 10 m²: DIN 4109-1 stellt die Anforderung dann an Dn,w, "
                    "nicht an R'w.");
    if (requirement && requirement->zulLnw && floor && !impact)
        notes << u8("Die Anforderung begrenzt auch L'n,w: für den Trittschallnachweis den schwimmenden Estrich "
                    "unter „Trittschall“ angeben.");
    if (impact)
        notes << u8("Trittschall: ") + impactScopeText();
    if (impact)
        notes << u8("Die Ergebnisse sind eine Prognose (Luftschall nach dem vereinfachten Modell der "
                    "DIN EN 12354-1, Trittschall nach DIN 4109-2); die Sicherheitsabschläge u_prog = 2 dB "
                    "(Luftschall) und u_prog = 3 dB (Trittschall) sind im Nachweis berücksichtigt.");
    else
        notes << u8("Die Ergebnisse sind eine Prognose nach dem vereinfachten Modell der DIN EN 12354-1; "
                    "der Sicherheitsabschlag u_prog = 2 dB ist im Nachweis berücksichtigt.");
    return notes;
}

QStringList proofNotes(const ProjectModel &model)
{
    const bool impact = model.Orientation == 1 && model.impactInputs.screed != ScreedKind::None;
    return requirementNotes(requirementValues(model.requirement).entry, model.Orientation, model.A, impact);
}

QString airborneLabel(AirborneQuantity quantity)
{
    switch (quantity) {
    case AirborneQuantity::Rw:
        return u8("bewertetes Bau-Schalldämm-Maß R'w");
    case AirborneQuantity::RwMinusU:
        return u8("R'w − u_prog (u_prog = 2 dB)");
    case AirborneQuantity::ErfRw:
        return u8("Anforderung erf. R'w");
    case AirborneQuantity::Verdict:
        return u8("Ergebnis");
    }
    return {};
}

QList<AirborneLine> airborneLines(const ProjectModel &model, QChar sep)
{
    const QString none = QStringLiteral("–");
    QString rw = none, rwMinusU = none, erf = none, verdict;
    const ProofChecks checks = proofChecks(model);
    const bool own = checks.requirement.entry && checks.requirement.entry->id == QLatin1String(OwnRequirementId);
    if (!model.Calculated) {
        verdict = u8("keine Ergebnisse: die Eingaben sind unvollständig");
    } else {
        const RequirementCheck rounded = checkRequirement(model.RwBau, 0);
        rw = decibelText(rounded.rw, sep);
        rwMinusU = decibelText(rounded.rwMinusU, sep);
        if (checks.airborne) {
            erf = decibelText(checks.airborne->erfRw, sep);
            verdict = verdictText(*checks.airborne, sep);
        } else if (!checks.requirement.entry) {
            verdict = u8("keine Anforderung gewählt");
        } else if (own && !checks.requirement.zulLnw) {
            verdict = u8("bitte eine eigene Anforderung in dB eingeben");
        } else {
            verdict = u8("keine Anforderung an R'w");
        }
    }
    return {{AirborneQuantity::Rw, airborneLabel(AirborneQuantity::Rw), rw},
            {AirborneQuantity::RwMinusU, airborneLabel(AirborneQuantity::RwMinusU), rwMinusU},
            {AirborneQuantity::ErfRw, airborneLabel(AirborneQuantity::ErfRw), erf},
            {AirborneQuantity::Verdict, airborneLabel(AirborneQuantity::Verdict), verdict}};
}

VerdictState airborneVerdictState(const ProjectModel &model)
{
    const ProofChecks checks = proofChecks(model);
    if (!checks.airborne)
        return VerdictState::None;
    return checks.airborne->fulfilled ? VerdictState::Fulfilled : VerdictState::NotFulfilled;
}

VerdictState impactVerdictState(const ProjectModel &model)
{
    const ProofChecks checks = proofChecks(model);
    if (!checks.impact)
        return VerdictState::None;
    return checks.impact->fulfilled ? VerdictState::Fulfilled : VerdictState::NotFulfilled;
}

QString projectRequirementText(const ProjectModel &model, QChar sep)
{
    const RequirementValues values = requirementValues(model.requirement);
    if (!values.entry)
        return u8("keine Anforderung gewählt");
    if (values.entry->id == QLatin1String(OwnRequirementId))
        return u8("eigene Anforderung: ") + requirementValuesText(values, sep);
    return requirementLabel(*values.entry);
}

QList<QStringList> proofTable(const ProjectModel &model, QChar sep)
{
    QList<QStringList> table;
    table << QStringList{u8("Anforderung"), projectRequirementText(model, sep)};
    table << QStringList{u8("Luftschall")};
    for (const AirborneLine &line : airborneLines(model, sep))
        table << QStringList{line.label, line.value};
    const QList<ImpactLine> impact = impactLines(model, sep);
    if (!impact.isEmpty()) {
        table << QStringList{u8("Trittschall")};
        for (const ImpactLine &line : impact)
            table << QStringList{line.label, line.value};
    } else if (model.impact.status != ImpactStatus::NoScreed) {
        table << QStringList{u8("Trittschall"), impactStatusText(model.impact)};
    }
    if (model.Calculated) {
        table << QStringList();
        table << pathTable(computePathShares(model), model.fields, sep);
    }
    return table;
}

QList<QStringList> pathTable(const PathShares &shares, const FieldTexts &names, QChar sep)
{
    QList<QStringList> table;
    table << QStringList{QStringLiteral("Weg"),
                         QStringLiteral("Bauteil"),
                         u8("Übertragung"),
                         QStringLiteral("R_ij [dB]"),
                         QStringLiteral("Anteil [%]"),
                         QStringLiteral("R'w ohne diesen Weg [dB]")};
    for (const PathShare &path : shares.paths) {
        const QString element =
            path.kind == PathKind::Dd ? separatingName(names) : flankName(names, path.flank);
        table << QStringList{pathCode(path),
                             element,
                             transmissionText(path.kind),
                             oneDecimal(path.R, sep),
                             oneDecimal(100 * path.share, sep),
                             oneDecimal(path.rwWithout, sep)};
    }
    return table;
}

QList<QStringList> elementTable(const PathShares &shares, const FieldTexts &names, QChar sep)
{
    QList<QStringList> table;
    table << QStringList{QStringLiteral("Bauteil"), QStringLiteral("Wege"), QStringLiteral("Anteil [%]"),
                         QStringLiteral("R'w ohne [dB]")};
    table << QStringList{separatingName(names), QStringLiteral("Dd"),
                         oneDecimal(100 * shares.separatingElement.share, sep),
                         oneDecimal(shares.separatingElement.rwWithout, sep)};
    for (int n = 1; n <= FlankCount; ++n) {
        table << QStringList{flankName(names, n), QStringLiteral("Ff%1, Fd%1, Df%1").arg(n),
                             oneDecimal(100 * shares.flanks[n].share, sep),
                             oneDecimal(shares.flanks[n].rwWithout, sep)};
    }
    return table;
}

QString tableAsTabSeparated(const QList<QStringList> &table)
{
    QString text;
    for (const QStringList &row : table) {
        QStringList cells;
        for (QString cell : row) {
            cell.replace(QLatin1Char('\t'), QLatin1Char(' '));
            cell.replace(QLatin1Char('\r'), QLatin1Char(' '));
            cell.replace(QLatin1Char('\n'), QLatin1Char(' '));
            cells << cell;
        }
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QByteArray tableAsCsv(const QList<QStringList> &table)
{
    QString text;
    for (const QStringList &row : table) {
        QStringList cells;
        for (const QString &cell : row)
            cells << csvCell(cell);
        text += cells.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace tavix
