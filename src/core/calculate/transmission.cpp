#include "core/calculate/transmission.h"

#include "core/junctions/junctioncodes.h"

#include <cmath>
#include <math.h>

namespace tavix {

namespace {

long double lg(long double x)
{
    return std::log10(x);
}

// Energy fraction of a path index: 10^(−R/10). glibc's exp10l is exact to the last bit
// of the extended format and an order of magnitude faster than powl.
long double energy(long double r)
{
    return ::exp10l(-r / 10.0L);
}

long double fromEnergy(long double e)
{
    return -10.0L * lg(e);
}

using PathRule = JunctionPathRule;

constexpr PathRule Sep{true, JunctionFormula::A, MassRatio::SeparatingToFlank};
constexpr PathRule rule(JunctionFormula f, MassRatio r)
{
    return PathRule{false, f, r};
}

using F = JunctionFormula;
using MR = MassRatio;

// [type][separation][path Ff, Fd, Df]
constexpr PathRule JunctionTable[JunctionTypeCount][SeparationCount][PathCount] = {
    // T-junction
    {{rule(F::C, MR::SeparatingToFlank), rule(F::D, MR::SeparatingToFlank),
      rule(F::D, MR::SeparatingToFlank)},
     {rule(F::F, MR::Room1ToRoom2), Sep, Sep},
     {Sep, Sep, rule(F::E, MR::Room2ToSeparating)},
     {Sep, rule(F::E, MR::Room1ToSeparating), Sep},
     {Sep, Sep, Sep}},
    // cross junction
    {{rule(F::A, MR::SeparatingToFlank), rule(F::B, MR::SeparatingToFlank),
      rule(F::B, MR::SeparatingToFlank)},
     {rule(F::C, MR::SeparatingToFlank), Sep, Sep},
     {Sep, Sep, rule(F::D, MR::Room2ToSeparating)},
     {Sep, rule(F::D, MR::Room1ToSeparating), Sep},
     {Sep, Sep, Sep}},
    // corner junction A
    {{rule(F::D, MR::Room1Flank), rule(F::D, MR::Room1Flank), rule(F::C, MR::Room1Flank)},
     {rule(F::E, MR::Room1ToRoom2), Sep, Sep},
     {Sep, Sep, rule(F::F, MR::Room2ToSeparating)},
     {Sep, rule(F::E, MR::Room1ToSeparating), Sep},
     {Sep, Sep, Sep}},
    // corner junction B
    {{rule(F::D, MR::Room2Flank), rule(F::C, MR::Room2Flank), rule(F::D, MR::Room2Flank)},
     {rule(F::E, MR::Room1ToRoom2), Sep, Sep},
     {Sep, Sep, rule(F::E, MR::Room2ToSeparating)},
     {Sep, rule(F::F, MR::Room1ToSeparating), Sep},
     {Sep, Sep, Sep}},
};

} // namespace

long double junctionMassRatio(MassRatio ratio, long double ms, long double m1, long double m2)
{
    switch (ratio) {
    case MR::SeparatingToFlank:
        return 2 * ms / (m1 + m2);
    case MR::Room1Flank:
        return 2 * m1 / (ms + m2);
    case MR::Room2Flank:
        return 2 * m2 / (ms + m1);
    case MR::Room1ToRoom2:
        return m1 / m2;
    case MR::Room1ToSeparating:
        return m1 / ms;
    case MR::Room2ToSeparating:
        return m2 / ms;
    }
    return 1;
}

JunctionPathRule junctionPathRule(JunctionCode code, FlankPath path)
{
    return JunctionTable[static_cast<int>(code.type)][static_cast<int>(code.separation)][path];
}

long double LiningImprovement(int f0, long double rw)
{
    long double dr;
    if (f0 <= 0)
        return 0;
    if (f0 <= 80)
        dr = 35 - rw / 2;
    else if (f0 <= 100)
        dr = 32 - rw / 2;
    else if (f0 <= 125)
        dr = 30 - rw / 2;
    else if (f0 <= 160)
        dr = 28 - rw / 2;
    else if (f0 <= 200)
        dr = -1;
    else if (f0 <= 315)
        dr = -3;
    else if (f0 <= 400)
        dr = -5;
    else if (f0 <= 500)
        dr = -7;
    else if (f0 <= 630)
        dr = -9;
    else if (f0 <= 1600)
        dr = -10;
    else
        dr = -5;
    // Low-frequency linings never worsen the element; exactly 200 Hz keeps its −1 dB.
    if (f0 < 200 && dr < 0)
        dr = 0;
    return dr;
}

long double CombineImprovements(long double a, long double b)
{
    return a >= b ? a + b / 2 : b + a / 2;
}

namespace {

long double formulaOfLg(JunctionFormula formula, long double M)
{
    switch (formula) {
    case JunctionFormula::A: {
        const long double k = 8.7L + 17.1L * M + 5.7L * M * M;
        return k > 12 ? 10.6L + 6.4L * M : k;
    }
    case JunctionFormula::B:
        return 5.7L + 15.4L * M * M;
    case JunctionFormula::C: {
        const long double k = 5.7L + 14.1L * M + 5.7L * M * M;
        return k > 9 ? 9.2L + 1.9L * M : k;
    }
    case JunctionFormula::D:
        return 4.7L + 5.7L * M * M;
    case JunctionFormula::E:
        return 2.7L + 2.7L * M * M;
    case JunctionFormula::F:
        return 5 * M * M - 5;
    }
    return 0;
}

} // namespace

long double junctionFormula(JunctionFormula formula, long double massRatio)
{
    return formulaOfLg(formula, lg(massRatio));
}

void JunctionIndices(ProjectModel &model)
{
    const long double ms = model.buildUp[0][0].m;
    for (int n = 1; n <= FlankCount; ++n) {
        const auto code = parseJunctionCode(model.Stoss[n]);
        if (!code)
            continue;
        const long double m1 = model.buildUp[n][1].m;
        const long double m2 = model.buildUp[n][2].m;
        const auto &rules = JunctionTable[static_cast<int>(code->type)][static_cast<int>(code->separation)];
        // The paths of one junction mostly share their mass ratio: take its lg once.
        int lastRatio = -1;
        long double M = 0;
        for (int p = 0; p < PathCount; ++p) {
            const PathRule &r = rules[p];
            if (r.separated) {
                model.Kij[n][p] = 20.0L;
                continue;
            }
            if (static_cast<int>(r.ratio) != lastRatio) {
                lastRatio = static_cast<int>(r.ratio);
                M = lg(junctionMassRatio(r.ratio, ms, m1, m2));
            }
            model.Kij[n][p] = formulaOfLg(r.formula, M);
        }
    }
}

void clearImprovements(ProjectModel &model)
{
    for (auto &row : model.dRw)
        for (auto &v : row)
            v = 0;
    model.dRDd = 0;
    for (auto &row : model.dRij)
        for (auto &v : row)
            v = 0;
}

void computeTransmission(ProjectModel &model, const long double flankAreaInputs[ElementCount][SideCount])
{
    const long double Rs = model.buildUp[0][0].Rw;
    const long double Ss = model.A;

    // Step 1: lining improvements, each with the Rw of the element it stands on.
    model.dRw[0][1] = LiningImprovement(model.f0[0][1], Rs);
    model.dRw[0][2] = LiningImprovement(model.f0[0][2], Rs);
    for (int n = 1; n <= FlankCount; ++n)
        for (int s = 1; s <= 2; ++s)
            model.dRw[n][s] = LiningImprovement(model.f0[n][s], model.buildUp[n][s].Rw);

    // Step 2: combined improvement of each path.
    model.dRDd = CombineImprovements(model.dRw[0][1], model.dRw[0][2]);
    for (int n = 1; n <= FlankCount; ++n) {
        model.dRij[n][PathFf] = CombineImprovements(model.dRw[n][1], model.dRw[n][2]);
        model.dRij[n][PathFd] = CombineImprovements(model.dRw[n][1], model.dRw[0][2]);
        model.dRij[n][PathDf] = CombineImprovements(model.dRw[0][1], model.dRw[n][2]);
    }

    // Step 3: vibration reduction indices.
    JunctionIndices(model);

    for (int n = 1; n <= FlankCount; ++n) {
        // Step 4: flank areas; a corner junction takes one side's area from its field.
        const long double ln = model.LF[n];
        model.FA[n][1] = model.L1 * ln;
        model.FA[n][2] = model.L2 * ln;
        if (isCornerB(model.Stoss[n]))
            model.FA[n][1] = flankAreaInputs[n][1];
        if (isCornerA(model.Stoss[n]))
            model.FA[n][2] = flankAreaInputs[n][2];
        const long double S1 = model.FA[n][1];
        const long double S2 = model.FA[n][2];

        // Step 5: flanking paths with the lower bound of Kij.
        const long double N = 10 * lg(Ss / ln);
        const long double R1 = model.buildUp[n][1].Rw;
        const long double R2 = model.buildUp[n][2].Rw;
        long double *K = model.Kij[n];

        const long double kminFf = 10 * lg(ln * (1 / S1 + 1 / S2));
        if (K[PathFf] < kminFf)
            K[PathFf] = kminFf;
        model.Rij[n][PathFf] = N + R1 / 2 + R2 / 2 + model.dRij[n][PathFf] + K[PathFf];

        const long double kminFd = 10 * lg(ln * (1 / Ss + 1 / S1));
        if (K[PathFd] < kminFd)
            K[PathFd] = kminFd;
        model.Rij[n][PathFd] = N + R1 / 2 + Rs / 2 + model.dRij[n][PathFd] + K[PathFd];

        const long double kminDf = 10 * lg(ln * (1 / Ss + 1 / S2));
        if (K[PathDf] < kminDf)
            K[PathDf] = kminDf;
        model.Rij[n][PathDf] = N + R2 / 2 + Rs / 2 + model.dRij[n][PathDf] + K[PathDf];
    }

    // Step 6: direct path.
    model.RDd = Rs + model.dRDd;

    // Step 7: partial sums.
    long double dPaths = energy(model.RDd);
    long double flankPaths[ElementCount] = {};
    for (int n = 1; n <= FlankCount; ++n) {
        flankPaths[n] = energy(model.Rij[n][PathFf]) + energy(model.Rij[n][PathDf]);
        model.Rres[n] = fromEnergy(flankPaths[n]);
        dPaths += energy(model.Rij[n][PathFd]);
    }
    model.Rres[0] = fromEnergy(dPaths);

    // Step 8: apparent index, the energetic sum of all paths on top of a start value of
    // 1000 dB. The partial sums are added as energies, not taken back and forth through
    // their dB values, which saves work on every keystroke and a little rounding.
    long double total = energy(1000) + dPaths;
    for (int n = 1; n <= FlankCount; ++n)
        total += flankPaths[n];
    model.RwBau = fromEnergy(total);
}

void computeLevelDifference(ProjectModel &model)
{
    model.DnTw12 = 0;
    model.DnTw21 = 0;
    model.dnTwHintShown = true;
    if (!(model.Vol1 > 0 && model.Vol2 > 0))
        return;
    model.dnTwHintShown = false;
    model.DnTw12 = model.RwBau + 10 * lg(0.32L * model.Vol2 / model.A);
    model.DnTw21 = model.RwBau + 10 * lg(0.32L * model.Vol1 / model.A);
    // Normative direction: from the larger volume to the smaller.
    model.dnTwDirection = model.Vol2 < model.Vol1 ? DnTwDirection::Room1ToRoom2 : DnTwDirection::Room2ToRoom1;
    model.dnTwNoteShown = false;
}

} // namespace tavix
