#pragma once

// What a project keeps beyond the 282 lines of its file: the impact-sound inputs of a
// floor and the requirement the project is proven against. The project file writes them
// into a block after its last line, and only when there is something to keep, so that a
// project without them saves exactly as it always did.

#include <QString>

namespace tavix {

// The floating screed on the slab; the number is what the project file stores.
enum class ScreedKind
{
    None = 0,
    CementOrCalciumSulphate = 1,
    MasticAsphaltOrDry = 2,
    TypedImprovement = 3, // ΔLw from a test certificate
};
constexpr int ScreedKindCount = 4;

struct ImpactInputs
{
    ScreedKind screed = ScreedKind::None;
    long double screedMass = 0; // m' of the screed, kg/m²
    long double stiffness = 0;  // s' of the insulation layer, MN/m³
    long double stiffness2 = 0; // s' of a second insulation layer, MN/m³; 0 = none
    long double deltaLw = 0;    // ΔLw typed from a test certificate, dB

    // Nothing typed and no screed chosen: the project has no impact inputs to keep.
    bool isEmpty() const
    {
        return screed == ScreedKind::None && screedMass == 0 && stiffness == 0 && stiffness2 == 0 &&
               deltaLw == 0;
    }
    bool operator==(const ImpactInputs &o) const
    {
        return screed == o.screed && screedMass == o.screedMass && stiffness == o.stiffness &&
               stiffness2 == o.stiffness2 && deltaLw == o.deltaLw;
    }
    bool operator!=(const ImpactInputs &o) const { return !(*this == o); }
};

// A catalogue entry by its id, the own requirement ("eigen") with the values the user
// typed, or none (empty id).
struct ProjectRequirement
{
    QString id;
    long double ownRw = 0;  // erf. R'w of the own requirement, dB; 0 = no airborne requirement
    long double ownLnw = 0; // zul. L'n,w of the own requirement, dB; 0 = no impact requirement

    bool isSet() const { return !id.isEmpty(); }
    bool operator==(const ProjectRequirement &o) const
    {
        return id == o.id && ownRw == o.ownRw && ownLnw == o.ownLnw;
    }
    bool operator!=(const ProjectRequirement &o) const { return !(*this == o); }
};

} // namespace tavix
