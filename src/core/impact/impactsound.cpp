#include "core/impact/impactsound.h"

#include <cmath>

namespace tavix {

namespace {

struct Range
{
    long double low, high;
    bool contains(long double v) const { return v >= low && v <= high; }
};

// Where the formulas were fitted; outside it a result is a hint, not an error.
constexpr Range SlabMassRange{100, 600};
constexpr Range CementMassRange{60, 160};
constexpr Range CementStiffnessRange{6, 50};
constexpr Range AsphaltMassRange{15, 87};
constexpr Range AsphaltStiffnessRange{15, 50};
constexpr Range CorrectionSlabRange{100, 900};
constexpr Range CorrectionFlankRange{100, 500};

// ΔLw and its hints from the screed inputs; false when a value is missing.
bool screedResult(const ImpactInputs &in, ImpactResult &r)
{
    if (in.screed == ScreedKind::TypedImprovement) {
        if (!(in.deltaLw > 0)) {
            r.hints |= HintMissingDeltaLw;
            return false;
        }
        r.deltaLw = in.deltaLw;
        return true;
    }
    bool complete = true;
    if (!(in.screedMass > 0)) {
        r.hints |= HintMissingScreedMass;
        complete = false;
    }
    if (!(in.stiffness > 0)) {
        r.hints |= HintMissingStiffness;
        complete = false;
    }
    if (!complete)
        return false;
    r.stiffness = combinedStiffness(in.stiffness, in.stiffness2 > 0 ? in.stiffness2 : 0);
    r.deltaLw = screedImprovement(in.screed, in.screedMass, r.stiffness);
    const bool cement = in.screed == ScreedKind::CementOrCalciumSulphate;
    if (!(cement ? CementMassRange : AsphaltMassRange).contains(in.screedMass))
        r.hints |= HintScreedMassRange;
    if (!(cement ? CementStiffnessRange : AsphaltStiffnessRange).contains(r.stiffness))
        r.hints |= HintStiffnessRange;
    return true;
}

} // namespace

long double equivalentImpactLevel(long double slabMass)
{
    return 164 - 35 * std::log10(slabMass);
}

long double screedImprovement(ScreedKind kind, long double m, long double s)
{
    const long double lgs = std::log10(s);
    if (kind == ScreedKind::MasticAsphaltOrDry)
        return (-0.21L * m - 5.45L) * lgs + 0.46L * m + 23.8L;
    return 13 * std::log10(m) - 14.2L * lgs + 20.8L;
}

long double combinedStiffness(long double first, long double second)
{
    if (!(second > 0))
        return first;
    return 1 / (1 / first + 1 / second);
}

long double flankCorrection(long double slabMass, long double meanFlankMass)
{
    if (meanFlankMass > slabMass)
        return 0;
    return 0.6L + 5.5L * std::log10(slabMass / meanFlankMass);
}

ImpactResult computeImpact(const ProjectModel &model)
{
    ImpactResult r;
    const ImpactInputs &in = model.impactInputs;
    if (in.screed == ScreedKind::None)
        return r;
    if (model.Orientation != 1) {
        r.status = ImpactStatus::NotFloor;
        return r;
    }
    if (!model.Calculated) {
        r.status = ImpactStatus::Incomplete;
        return r;
    }
    r.status = ImpactStatus::Computed;
    r.ms = model.buildUp[0][0].m;
    r.lneq0w = equivalentImpactLevel(r.ms);
    if (!SlabMassRange.contains(r.ms))
        r.hints |= HintSlabMassRange;
    if (model.f0[0][2] > 0)
        r.hints |= HintSuspendedCeiling;
    r.hasDeltaLw = screedResult(in, r);

    long double sum = 0;
    int count = 0;
    for (int n = 1; n <= FlankCount; ++n) {
        if (model.f0[n][2] > 0)
            continue;
        r.countedWalls |= 1u << n;
        sum += model.buildUp[n][2].m;
        ++count;
    }
    if (count == 0) {
        r.hints |= HintAllFlanksLined;
    } else {
        r.hasK = true;
        r.mfm = sum / count;
        r.K = flankCorrection(r.ms, r.mfm);
        if (!CorrectionSlabRange.contains(r.ms))
            r.hints |= HintCorrectionSlabRange;
        if (!CorrectionFlankRange.contains(r.mfm))
            r.hints |= HintCorrectionFlankRange;
    }
    if (!r.hasLnw())
        return r;
    r.lnw = r.lneq0w - r.deltaLw + r.K;
    if (model.Vol2 > 0) {
        r.lnTw = r.lnw - 10 * std::log10(0.032L * model.Vol2);
        r.hasLnTw = true;
    } else {
        r.hints |= HintNoVolume;
    }
    return r;
}

} // namespace tavix
