#pragma once

// Impact sound of a solid floor without suspended ceiling, the receiving room directly
// below (room 1 above, room 2 below, the separating element the slab):
//
//   L'n,w  = Ln,eq,0,w − ΔLw + K
//   Ln,eq,0,w = 164 − 35·lg(m's)           m's: slab with plaster and bonded screed
//   ΔLw of the floating screed, from its mass m' and the dynamic stiffness s' of the
//       insulation below it (two layers: 1/s' = 1/s'1 + 1/s'2), or from a test certificate
//   K = 0.6 + 5.5·lg(m's / m'f,m) while m'f,m ≤ m's, else 0; m'f,m is the mean mass of
//       the walls of room 2 without a lining on their room-2 side
//   L'nT,w = L'n,w − 10·lg(0.032·V2)
//
// The floor covering is not credited. Nothing is rounded here; the proof compares L'n,w
// rounded to 0.1 dB (requirements.h).

#include "core/model/variablen.h"

namespace tavix {

long double equivalentImpactLevel(long double slabMass); // Ln,eq,0,w
// ΔLw by the formula of the screed kind (cement or calcium sulphate; mastic asphalt or dry).
long double screedImprovement(ScreedKind kind, long double screedMass, long double stiffness);
// Two insulation layers act as springs in series; a second stiffness of 0 means one layer.
long double combinedStiffness(long double first, long double second);
long double flankCorrection(long double slabMass, long double meanFlankMass); // K

// The calculation for the model's inputs as the last recalculation left them: it runs only
// for a vertical orientation with a screed chosen and complete airborne inputs.
ImpactResult computeImpact(const ProjectModel &model);

} // namespace tavix
