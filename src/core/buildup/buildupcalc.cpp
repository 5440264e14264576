#include "core/buildup/buildupcalc.h"

#include "core/buildup/catalogue.h"
#include "core/model/numbers.h"

#include <cmath>

namespace tavix {

namespace {

constexpr long double ApprovalThickness = 24; // cm; thicker walls of kinds 3 and 4 have variants

bool hasApprovalVariants(int kind)
{
    return kind == KindBrick || kind == KindLightweightConcrete;
}

long double deduction(int kind)
{
    return kind == KindBrick ? 10.0L : 5.2L;
}

long double variant2DensityLimit(int kind)
{
    return kind == KindBrick ? 770 : 590;
}

// Thick bricks and lightweight concrete come in two approval variants.
bool approvalVariants(int kind, long double wallThickness)
{
    return hasApprovalVariants(kind) && wallThickness > ApprovalThickness;
}

// The mass law overrates them: variant 1 always, variant 2 below its density threshold.
bool correctionApplies(const BuildUpRecord &r, bool variant1)
{
    return approvalVariants(r.Konstrukt, r.d2) && (variant1 || r.roh2 < variant2DensityLimit(r.Konstrukt));
}

QString approvalCaption(int kind, int variant)
{
    if (kind == KindBrick)
        return variant == 1 ? QString::fromUtf8("wärmetechnisch optimierter HLZ nach Zulassung ")
                            : QStringLiteral("Steine nach DIN 105 und Verfüllziegel ");
    return variant == 1 ? QStringLiteral("Steine nach Zulassung ")
                        : QStringLiteral("Steine nach DIN 18151 bzw. DIN 18153 ");
}

QString oneDecimal(long double value, QChar sep)
{
    return formatFixed(value, 15, 1, sep);
}

QStringList correctionNotes(int kind, long double rwMassLaw, QChar sep)
{
    const QString deductionText = kind == KindBrick ? QStringLiteral("10") : QStringLiteral("5.2");
    return {
        QString::fromUtf8("  Wärmetechisch optimierte Lochsteine weisen i.d.R gegenüber den Werten der"),
        QString::fromUtf8("  Massenkurve eine deutlich verringerte Schalldämmung auf. Rw sollte daher aus"),
        QString::fromUtf8("  Prüfzeugnissen eingegeben werden. Liegen diese Werte nicht vor, wird dringend"),
        QString::fromUtf8("  empfohlen einen Abschlag von %1 dB zu berücksichtigen. (vgl. dazu Fraunhofer-")
            .arg(deductionText),
        QString::fromUtf8(
            "  Institut für Bauphysik, IBP-Bericht B-BA 3/2003, bzw. siehe \"Tavix-Praxistipps\")"),
        QStringLiteral("  Rw aus Massenkurve = ") + oneDecimal(rwMassLaw, sep) + QStringLiteral(" dB"),
    };
}

} // namespace

long double massPerUnitArea(long double roh1, long double d1, long double roh2, long double d2,
                            long double roh3, long double d3)
{
    return roh1 * d1 / 100 + roh2 * d2 / 100 + roh3 * d3 / 100;
}

long double massLawRw(int kind, long double m, long double roh2)
{
    if (!(m > 0))
        return 0;
    const long double lg = std::log10(m);
    switch (kind) {
    case KindTavix:
    case KindConcrete:
    case KindBrick:
        return 30.9L * lg - 22.2L;
    case KindAeratedConcrete:
        return 26.1L * lg - 8.4L;
    case KindLightweightConcrete:
        return roh2 > 1000 ? 32.4L * lg - 26 : 24.7L * lg - 5.8L;
    case KindOther:
        return m >= 150 ? 37.5L * lg - 42 : 17 * lg + 3;
    default:
        return 0;
    }
}

BuildUpDialogView recomputeBuildUp(const BuildUpDialogInput &input, QChar sep)
{
    BuildUpDialogView view;
    view.record = input.record;
    BuildUpRecord &r = view.record;
    for (int i = 0; i < 6; ++i)
        view.fields[i] = input.fields[i];
    view.rwUserText = input.rwUserText;

    // Mass half: the list kinds overwrite the fields they take from the catalogue.
    const int kind = r.Konstrukt;
    if (kind == KindTavix || kind == KindConcrete) {
        view.fields[FieldD1] = formatGeneral(plasterThickness(r.B1), sep);
        view.fields[FieldRoh1] = formatGeneral(plasterDensity(r.B1), sep);
        view.fields[FieldD3] = formatGeneral(plasterThickness(r.B3), sep);
        view.fields[FieldRoh3] = formatGeneral(plasterDensity(r.B3), sep);
        view.layerTextsFromLists = true;
        view.layerTexts[0] = catalogueItem(plasterItems(), r.B1);
        view.layerTexts[2] = catalogueItem(plasterItems(), r.B3);
        if (kind == KindTavix) {
            view.fields[FieldD2] = formatGeneral(masonryThickness(r.B2b), sep);
            view.fields[FieldRoh2] = formatGeneral(masonryDensity(r.B2, r.Moertel), sep);
            view.layerTexts[1] = catalogueItem(densityClassItems(), r.B2);
        } else {
            view.fields[FieldRoh2] = formatGeneral(concreteDensity(r.B2a), sep);
            view.layerTexts[1] = catalogueItem(concreteItems(), r.B2a);
        }
    }

    long double *const targets[6] = {&r.d1, &r.roh1, &r.d2, &r.roh2, &r.d3, &r.roh3};
    for (int i = 0; i < 6; ++i) {
        // An emptied field counts as 0, as the dialog shows it at once.
        if (view.fields[i].trimmed().isEmpty())
            view.fields[i] = QStringLiteral("0");
        const auto value = parseReal(view.fields[i], sep);
        if (!value) {
            view.error = invalidRealMessage(view.fields[i]);
            return view;
        }
        *targets[i] = *value;
        if (*value < 0) {
            *targets[i] = 0;
            view.fields[i] = QStringLiteral("0");
        }
    }
    r.m = massPerUnitArea(r.roh1, r.d1, r.roh2, r.d2, r.roh3, r.d3);
    view.massText = QString::fromUtf8("m´ = ") + formatFixed(r.m, 4, 1, sep) + QString::fromUtf8(" [kg/m²]");
    view.displayValid = true;

    // Rw half.
    const bool variants = approvalVariants(kind, r.d2);
    const bool variant1 = r.Zulassung1 == 1;
    if (variants) {
        view.approvalVisible = true;
        view.approval1Caption = approvalCaption(kind, 1);
        view.approval2Caption = approvalCaption(kind, 2);
        r.Zulassung1 = variant1 ? 1 : 0;
        r.Zulassung2 = variant1 ? 0 : 1;
    }

    if (r.m < MinimumMass) {
        r.Rw = 0;
        view.rwCaption = QString::fromUtf8("Flächenmasse kleiner 80 kg/m² !!!");
        view.rwCaptionRed = true;
        view.rwValueText = QStringLiteral("---");
        return view;
    }

    const long double rwMassLaw = massLawRw(kind, r.m, r.roh2);
    r.Rw = rwMassLaw;
    view.rwCaption = QString::fromUtf8("Direktschalldämm-Maß nach Massekurve:");
    view.rwValueText = QStringLiteral("Rw = ") + formatFixed(rwMassLaw, 4, 1, sep) + QStringLiteral(" [dB]");

    if (!correctionApplies(r, variant1))
        return view;

    view.correctionVisible = true;
    view.rwValueVisible = false;
    if (input.rwUserTicked) {
        view.rwCaption = QString::fromUtf8("Direktschalldämm-Maß (Anwendervorgabe):");
    } else {
        view.rwCaption = kind == KindBrick
                             ? QString::fromUtf8("um -10 dB korrigiertes Direktschalldämm-Maß:")
                             : QString::fromUtf8("um -5.2 dB korrigiertes Direktschalldämm-Maß:");
        view.rwUserText = oneDecimal(rwMassLaw - deduction(kind), sep);
    }
    // Rw on this path is the value as displayed, so that screen, file and calculation agree.
    const auto rwUser = parseReal(view.rwUserText, sep);
    if (!rwUser) {
        view.error = invalidRealMessage(view.rwUserText);
        r.Rw = input.record.Rw;
        return view;
    }
    r.RwUser = *rwUser;
    r.Rw = *rwUser;
    view.notes = correctionNotes(kind, rwMassLaw, sep);
    return view;
}

RwOrigin rwOrigin(const BuildUpRecord &record)
{
    RwOrigin origin;
    origin.massLawRw = massLawRw(record.Konstrukt, record.m, record.roh2);
    const bool variant1 = record.Zulassung1 == 1;
    if (approvalVariants(record.Konstrukt, record.d2))
        origin.approval = approvalCaption(record.Konstrukt, variant1 ? 1 : 2).trimmed();
    if (record.m >= MinimumMass && correctionApplies(record, variant1))
        origin.kind = record.RwUserOn == 1 ? RwOrigin::Kind::TestCertificate : RwOrigin::Kind::Deduction;
    return origin;
}

QStringList buildUpSummaryFromRecord(const BuildUpRecord &r, QChar sep)
{
    const long double d[3] = {r.d1, r.d2, r.d3};
    const long double roh[3] = {r.roh1, r.roh2, r.roh3};
    const QString names[3] = {r.schichtName1, r.schichtName2, r.schichtName3};
    QStringList lines;
    for (int j = 0; j < 3; ++j) {
        if (!(d[j] * roh[j] > 0))
            continue;
        if (r.Konstrukt >= 2)
            lines << formatGeneral(d[j], sep) + QStringLiteral(" cm  ") + names[j] + QStringLiteral(" (") +
                         formatGeneral(roh[j], sep) + QString::fromUtf8(" kg/m³)");
        else
            lines << names[j];
    }
    return lines;
}

BuildUpDialogInput dialogInputFromRecord(const BuildUpRecord &record, QChar decimalSeparator)
{
    BuildUpDialogInput input;
    input.record = record;
    const long double values[6] = {record.d1, record.roh1, record.d2, record.roh2, record.d3, record.roh3};
    for (int i = 0; i < 6; ++i)
        input.fields[i] = formatGeneral(values[i], decimalSeparator);
    input.rwUserText = formatGeneral(record.RwUser, decimalSeparator);
    input.rwUserTicked = record.RwUserOn == 1;
    return input;
}

} // namespace tavix
