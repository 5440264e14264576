#pragma once

// What the impact-sound calculation of a floor leaves in the project model after each
// recalculation. Plain values; the texts that describe them are composed in impacttext.h.

namespace tavix {

enum class ImpactStatus
{
    NoScreed,         // the project has no impact inputs: nothing to compute or show
    NotFloor,         // horizontal orientation: impact sound is computed for floors only
    Incomplete, // the airborne inputs are incomplete, so the masses are not settled
    Computed,   // ran; L'n,w exists unless a value of the screed or an unlined wall is missing
};

// Hints that go with a result: ranges of the formulas, what the method leaves out, and
// what is missing. Several may apply at once.
enum ImpactHint : unsigned
{
    HintSlabMassRange = 0x1,         // m's outside 100 … 600 kg/m² (Ln,eq,0,w)
    HintScreedMassRange = 0x2,       // m' outside the range of the screed's formula
    HintStiffnessRange = 0x4,        // s' outside the range of the screed's formula
    HintCorrectionSlabRange = 0x8,   // m's outside 100 … 900 kg/m² (K)
    HintCorrectionFlankRange = 0x10, // m'f,m outside 100 … 500 kg/m² (K)
    HintSuspendedCeiling = 0x20,     // a lining under the slab in room 2 is not credited
    HintNoVolume = 0x40,             // no V2, so no L'nT,w
    HintMissingScreedMass = 0x80,
    HintMissingStiffness = 0x100,
    HintMissingDeltaLw = 0x200,
    HintAllFlanksLined = 0x400, // no unlined wall in room 2, so no K and no L'n,w
};

struct ImpactResult
{
    ImpactStatus status = ImpactStatus::NoScreed;
    unsigned hints = 0;            // ImpactHint bits
    unsigned countedWalls = 0;     // bit n: flank n of room 2 counted for m'f,m
    long double ms = 0;            // m's, slab with plaster and bonded screed, kg/m²
    long double lneq0w = 0;        // Ln,eq,0,w, dB
    long double stiffness = 0;     // s' of the insulation (two layers combined), MN/m³
    long double deltaLw = 0;       // ΔLw, dB
    long double mfm = 0;           // m'f,m, mean of the counted walls, kg/m²
    long double K = 0;             // dB
    long double lnw = 0;           // L'n,w, dB
    long double lnTw = 0;          // L'nT,w, dB; valid only with hasLnTw
    bool hasDeltaLw = false;       // the screed's values are complete
    bool hasK = false;             // at least one wall of room 2 is unlined
    bool hasLnTw = false;          // L'n,w exists and V2 > 0

    // The calculation ran; lneq0w and ms are valid, the others as their flags say.
    bool computed() const { return status == ImpactStatus::Computed; }
    bool hasLnw() const { return computed() && hasDeltaLw && hasK; }
    bool hasHint(ImpactHint hint) const { return (hints & hint) != 0; }
    bool wallCounted(int flank) const { return (countedWalls >> flank) & 1u; }
};

} // namespace tavix
