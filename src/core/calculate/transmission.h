#pragma once

// The simplified single-number model for airborne sound between two rooms: the direct
// path Dd and, per flank, the flanking paths Ff, Fd and Df. All arithmetic is done in
// extended precision; nothing is rounded before display.

#include "core/junctions/junctioncodes.h"
#include "core/model/variablen.h"

namespace tavix {

// ΔRw of a lining with resonance frequency f0 [Hz] on an element of index rw [dB].
long double LiningImprovement(int f0, long double rw);
// The improvement of a path through two linings: the larger plus half the smaller.
long double CombineImprovements(long double a, long double b);

// The six junction formulas of the lg of a mass ratio, `a` to `f`.
enum class JunctionFormula
{
    A,
    B,
    C,
    D,
    E,
    F
};
long double junctionFormula(JunctionFormula formula, long double massRatio);

// The mass ratio a junction formula is evaluated for (m′ of the separating element s and of
// the flank in room 1 and room 2): 2·ms/(m1 + m2), 2·m1/(ms + m2), 2·m2/(ms + m1), m1/m2,
// m1/ms, m2/ms.
enum class MassRatio
{
    SeparatingToFlank,
    Room1Flank,
    Room2Flank,
    Room1ToRoom2,
    Room1ToSeparating,
    Room2ToSeparating
};
long double junctionMassRatio(MassRatio ratio, long double ms, long double m1, long double m2);

// How Kij of one flanking path of a junction is found: the constant 20 dB of an
// acoustically separated path, or a formula of a mass ratio.
struct JunctionPathRule
{
    bool separated;
    JunctionFormula formula;
    MassRatio ratio;
};
JunctionPathRule junctionPathRule(JunctionCode code, FlankPath path);

// Kij of the four flanks from their junction codes and the masses of the slots.
// A flank whose code is not one of the twenty keeps its previous Kij.
void JunctionIndices(ProjectModel &model);

// Steps after a successful validation: lining and path improvements, Kij, flank areas,
// path indices, partial sums and R'w. `flankAreaInputs` are the values of the eight
// flank-area fields as the validation read them ([1..4][1..2]).
void computeTransmission(ProjectModel &model, const long double flankAreaInputs[ElementCount][SideCount]);

// DnT,w in both directions from R'w and the volumes, and the normative direction.
void computeLevelDifference(ProjectModel &model);

// Clears the fifteen lining improvements and the path improvements.
void clearImprovements(ProjectModel &model);

} // namespace tavix
