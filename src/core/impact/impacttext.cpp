#include "core/impact/impacttext.h"

#include "core/model/numbers.h"
#include "core/reports/requirements.h"

namespace tavix {

namespace {

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

QString oneDecimal(long double value, QChar sep)
{
    return formatFixed(value, 18, 1, sep);
}

QString withUnit(long double value, ImpactQuantity quantity, QChar sep)
{
    return oneDecimal(value, sep) + QLatin1Char(' ') + impactUnit(quantity);
}

QString flankName(const ProjectModel &model, int flank)
{
    const QString &typed = model.fields.Flanke[flank];
    return typed.trimmed().isEmpty() ? defaultFlankName(flank) : typed;
}

bool usesFormula(ScreedKind kind)
{
    return kind == ScreedKind::CementOrCalciumSulphate || kind == ScreedKind::MasticAsphaltOrDry;
}

QString notComputed(const char *why)
{
    return u8("nicht berechnet (%1)").arg(u8(why));
}

} // namespace

QString screedKindText(ScreedKind kind)
{
    switch (kind) {
    case ScreedKind::None:
        return u8("kein schwimmender Estrich");
    case ScreedKind::CementOrCalciumSulphate:
        return u8("Zement- oder Calciumsulfatestrich");
    case ScreedKind::MasticAsphaltOrDry:
        return u8("Gussasphalt- oder Trockenestrich");
    case ScreedKind::TypedImprovement:
        return u8("ΔLw aus Prüfzeugnis");
    }
    return {};
}

QString impactLabel(ImpactQuantity quantity)
{
    switch (quantity) {
    case ImpactQuantity::Screed:
        return u8("schwimmender Estrich");
    case ImpactQuantity::ScreedMass:
        return u8("flächenbezogene Masse des Estrichs m'");
    case ImpactQuantity::Stiffness:
        return u8("dynamische Steifigkeit der Dämmschicht s'");
    case ImpactQuantity::Stiffness2:
        return u8("zweite Dämmschicht s'2");
    case ImpactQuantity::CombinedStiffness:
        return u8("resultierende Steifigkeit s' (1/s' = 1/s'1 + 1/s'2)");
    case ImpactQuantity::DeltaLw:
        return u8("bewertete Trittschallminderung ΔLw");
    case ImpactQuantity::SlabMass:
        return u8("flächenbezogene Masse der Rohdecke m's");
    case ImpactQuantity::Lneq0w:
        return u8("äquivalenter bewerteter Norm-Trittschallpegel Ln,eq,0,w");
    case ImpactQuantity::MeanFlankMass:
        return u8("mittlere flächenbezogene Masse der Wände in Raum 2 m'f,m");
    case ImpactQuantity::Correction:
        return u8("Korrekturwert für flankierende Übertragung K");
    case ImpactQuantity::Lnw:
        return u8("bewerteter Norm-Trittschallpegel L'n,w");
    case ImpactQuantity::LnTw:
        return u8("bewerteter Standard-Trittschallpegel L'nT,w");
    case ImpactQuantity::LnwPlusU:
        return u8("L'n,w + u_prog (u_prog = 3 dB)");
    case ImpactQuantity::ZulLnw:
        return u8("Anforderung zul. L'n,w");
    case ImpactQuantity::Verdict:
        return u8("Ergebnis");
    }
    return {};
}

QString impactInputCaption(ImpactQuantity quantity)
{
    switch (quantity) {
    case ImpactQuantity::ScreedMass:
        return u8("Estrich m'");
    case ImpactQuantity::Stiffness:
        return u8("Dämmschicht s'");
    case ImpactQuantity::Stiffness2:
        return u8("2. Dämmschicht s'");
    case ImpactQuantity::DeltaLw:
        return u8("ΔLw (Prüfzeugnis)");
    default:
        return impactLabel(quantity);
    }
}

QString impactUnit(ImpactQuantity quantity)
{
    switch (quantity) {
    case ImpactQuantity::ScreedMass:
    case ImpactQuantity::SlabMass:
    case ImpactQuantity::MeanFlankMass:
        return u8("kg/m²");
    case ImpactQuantity::Stiffness:
    case ImpactQuantity::Stiffness2:
    case ImpactQuantity::CombinedStiffness:
        return u8("MN/m³");
    case ImpactQuantity::DeltaLw:
    case ImpactQuantity::Lneq0w:
    case ImpactQuantity::Correction:
    case ImpactQuantity::Lnw:
    case ImpactQuantity::LnTw:
    case ImpactQuantity::LnwPlusU:
    case ImpactQuantity::ZulLnw:
        return u8("dB");
    case ImpactQuantity::Screed:
    case ImpactQuantity::Verdict:
        break;
    }
    return {};
}

QList<ImpactLine> impactLines(const ProjectModel &model, QChar sep)
{
    const ImpactResult &r = model.impact;
    const ImpactInputs &in = model.impactInputs;
    QList<ImpactLine> lines;
    if (!r.computed())
        return lines;
    auto add = [&lines](ImpactQuantity q, const QString &value) { lines << ImpactLine{q, impactLabel(q), value}; };
    auto input = [&](ImpactQuantity q, long double value) {
        add(q, value > 0 ? withUnit(value, q, sep) : u8("fehlt"));
    };
    add(ImpactQuantity::Screed, screedKindText(in.screed));
    if (usesFormula(in.screed)) {
        input(ImpactQuantity::ScreedMass, in.screedMass);
        input(ImpactQuantity::Stiffness, in.stiffness);
        if (in.stiffness2 > 0) {
            input(ImpactQuantity::Stiffness2, in.stiffness2);
            if (r.hasDeltaLw)
                add(ImpactQuantity::CombinedStiffness, withUnit(r.stiffness, ImpactQuantity::CombinedStiffness, sep));
        }
    }
    add(ImpactQuantity::DeltaLw,
        r.hasDeltaLw ? withUnit(r.deltaLw, ImpactQuantity::DeltaLw, sep) : notComputed("Estrichangaben fehlen"));
    add(ImpactQuantity::SlabMass, withUnit(r.ms, ImpactQuantity::SlabMass, sep));
    add(ImpactQuantity::Lneq0w, withUnit(r.lneq0w, ImpactQuantity::Lneq0w, sep));
    add(ImpactQuantity::MeanFlankMass, r.hasK ? withUnit(r.mfm, ImpactQuantity::MeanFlankMass, sep)
                                              : notComputed("alle Wände in Raum 2 mit Vorsatzschale"));
    add(ImpactQuantity::Correction, r.hasK ? withUnit(r.K, ImpactQuantity::Correction, sep)
                                           : notComputed("alle Wände in Raum 2 mit Vorsatzschale"));
    if (!r.hasLnw()) {
        add(ImpactQuantity::Lnw, notComputed(r.hasDeltaLw ? "kein Korrekturwert K" : "Estrichangaben fehlen"));
        return lines;
    }
    add(ImpactQuantity::Lnw, withUnit(r.lnw, ImpactQuantity::Lnw, sep));
    add(ImpactQuantity::LnTw,
        r.hasLnTw ? withUnit(r.lnTw, ImpactQuantity::LnTw, sep) : notComputed("Raumvolumen V2 fehlt"));
    const ProofChecks checks = proofChecks(model);
    if (checks.impact) {
        add(ImpactQuantity::LnwPlusU, decibelText(checks.impact->lnwPlusU, sep));
        add(ImpactQuantity::ZulLnw, decibelText(checks.impact->zulLnw, sep));
        add(ImpactQuantity::Verdict, verdictText(*checks.impact, sep));
        return lines;
    }
    add(ImpactQuantity::LnwPlusU, decibelText(checkImpactRequirement(r.lnw, 0).lnwPlusU, sep));
    add(ImpactQuantity::ZulLnw, QStringLiteral("–"));
    const Requirement *entry = checks.requirement.entry;
    if (!entry)
        add(ImpactQuantity::Verdict, u8("keine Anforderung gewählt"));
    else if (entry->id == QLatin1String(OwnRequirementId) && !checks.requirement.erfRw)
        add(ImpactQuantity::Verdict, u8("bitte eine eigene Anforderung in dB eingeben"));
    else
        add(ImpactQuantity::Verdict, u8("keine Anforderung an L'n,w"));
    return lines;
}

QString impactStatusText(const ImpactResult &result)
{
    switch (result.status) {
    case ImpactStatus::NoScreed:
        return u8("Für den Trittschallnachweis den schwimmenden Estrich angeben.");
    case ImpactStatus::NotFloor:
        return u8("Trittschall wird nur für Decken berechnet (Ausrichtung „vertikal (Decke/Boden)“).");
    case ImpactStatus::Incomplete:
        return u8("keine Ergebnisse: die Eingaben sind unvollständig");
    case ImpactStatus::Computed:
        break;
    }
    return {};
}

QString impactPartStatusText(const ProjectModel &model)
{
    if (model.Orientation == 1)
        return impactStatusText(model.impact);
    ImpactResult wall;
    wall.status = ImpactStatus::NotFloor;
    return impactStatusText(wall);
}

QList<int> countedWalls(const ImpactResult &result)
{
    QList<int> walls;
    for (int n = 1; n <= FlankCount; ++n) {
        if (result.wallCounted(n))
            walls << n;
    }
    return walls;
}

QString countedWallsText(const ProjectModel &model, QChar sep)
{
    QStringList counted, lined;
    for (int n = 1; n <= FlankCount; ++n) {
        if (model.impact.wallCounted(n))
            counted << u8("%1 (%2 kg/m²)").arg(flankName(model, n), oneDecimal(model.buildUp[n][2].m, sep));
        else
            lined << flankName(model, n);
    }
    QString text = counted.isEmpty() ? u8("keine") : counted.join(QStringLiteral(", "));
    if (!lined.isEmpty())
        text += u8("; nicht berücksichtigt (Vorsatzschale in Raum 2): ") + lined.join(QStringLiteral(", "));
    return text;
}

QStringList impactHints(const ProjectModel &model)
{
    const ImpactResult &r = model.impact;
    const bool cement = model.impactInputs.screed == ScreedKind::CementOrCalciumSulphate;
    QStringList hints;
    if (r.hasHint(HintMissingScreedMass))
        hints << u8("Die flächenbezogene Masse des Estrichs m' fehlt.");
    if (r.hasHint(HintMissingStiffness))
        hints << u8("Die dynamische Steifigkeit der Dämmschicht s' fehlt.");
    if (r.hasHint(HintMissingDeltaLw))
        hints << u8("Die Trittschallminderung ΔLw aus dem Prüfzeugnis fehlt.");
    if (r.hasHint(HintAllFlanksLined))
        hints << u8("Alle Wände in Raum 2 tragen eine Vorsatzschale: m'f,m und K lassen sich nicht bilden, "
                    "L'n,w wird nicht berechnet.");
    if (r.hasHint(HintSlabMassRange))
        hints << u8("m's liegt außerhalb von 100 … 600 kg/m², dem Gültigkeitsbereich der Formel für Ln,eq,0,w.");
    if (r.hasHint(HintScreedMassRange))
        hints << (cement ? u8("m' liegt außerhalb von 60 … 160 kg/m², dem Gültigkeitsbereich der Formel für "
                              "Zement- und Calciumsulfatestrich.")
                         : u8("m' liegt außerhalb von 15 … 87 kg/m², dem Gültigkeitsbereich der Formel für "
                              "Gussasphalt- und Trockenestrich."));
    if (r.hasHint(HintStiffnessRange))
        hints << (cement ? u8("s' liegt außerhalb von 6 … 50 MN/m³, dem Gültigkeitsbereich der Formel für "
                              "Zement- und Calciumsulfatestrich.")
                         : u8("s' liegt außerhalb von 15 … 50 MN/m³, dem Gültigkeitsbereich der Formel für "
                              "Gussasphalt- und Trockenestrich."));
    if (r.hasHint(HintCorrectionSlabRange))
        hints << u8("m's liegt außerhalb von 100 … 900 kg/m², dem Gültigkeitsbereich des Korrekturwerts K.");
    if (r.hasHint(HintCorrectionFlankRange))
        hints << u8("m'f,m liegt außerhalb von 100 … 500 kg/m², dem Gültigkeitsbereich des Korrekturwerts K.");
    if (r.hasHint(HintSuspendedCeiling))
        hints << u8("Das Trennbauteil trägt in Raum 2 eine Vorsatzschale: Decken mit Unterdecke erfasst dieses "
                    "Verfahren nicht, L'n,w gilt für die Decke ohne Unterdecke.");
    if (r.hasHint(HintNoVolume))
        hints << u8("L'nT,w wird erst mit dem Raumvolumen V2 berechnet.");
    return hints;
}

QString impactScopeText()
{
    return u8("Massivdecke ohne Unterdecke, Raum 2 direkt darunter (DIN 4109-2:2018); Holzbalkendecken und "
              "versetzt liegende Räume sind nicht erfasst, der Bodenbelag wird nicht angerechnet.");
}

QStringList impactResultLines(const ProjectModel &model, QChar sep)
{
    const ImpactResult &r = model.impact;
    if (r.status == ImpactStatus::NoScreed)
        return {};
    QStringList lines;
    lines << u8(" TRITTSCHALL:") << QString();
    if (!r.computed()) {
        lines << QStringLiteral(" ") + impactStatusText(r) << QString();
        return lines;
    }
    for (const ImpactLine &line : impactLines(model, sep)) {
        const bool result = line.quantity >= ImpactQuantity::Lnw;
        lines << (result ? QStringLiteral(" ") : QStringLiteral("    ")) + line.label + QStringLiteral(": ") +
                     line.value;
        if (line.quantity == ImpactQuantity::MeanFlankMass && r.hasK)
            lines << u8("       gezählte Wände: ") + countedWallsText(model, sep);
    }
    const QStringList hints = impactHints(model);
    if (!hints.isEmpty()) {
        lines << QString() << u8(" Hinweise:");
        for (const QString &hint : hints)
            lines << QStringLiteral("    ") + hint;
    }
    lines << QString() << QStringLiteral(" ") + impactScopeText();
    return lines;
}

std::optional<ImpactReport> impactReport(const ProjectModel &model)
{
    const ImpactResult &r = model.impact;
    if (r.status == ImpactStatus::NoScreed)
        return std::nullopt;
    ImpactReport report;
    if (!r.computed()) {
        report.hints << impactStatusText(r);
        return report;
    }
    report.lneq0w = r.lneq0w;
    if (r.hasDeltaLw)
        report.deltaLw = r.deltaLw;
    if (r.hasK) {
        report.mfm = r.mfm;
        report.K = r.K;
    }
    report.wallsCounted = countedWalls(r);
    if (r.hasLnw())
        report.lnw = r.lnw;
    if (r.hasLnTw)
        report.lnTw = r.lnTw;
    report.hints = impactHints(model);
    const ProofChecks checks = proofChecks(model);
    if (checks.impact) {
        report.zulLnw = checks.impact->zulLnw;
        report.lnwPlusU = checks.impact->lnwPlusU;
        report.margin = checks.impact->margin;
        report.fulfilled = checks.impact->fulfilled;
    }
    return report;
}

} // namespace tavix
