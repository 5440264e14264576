#pragma once

// How the transmitted sound energy divides among the thirteen paths: the direct path Dd
// and, for each flank, Ff, Fd and Df. The transmission factor of a path is
// τ_ij = 10^(−R_ij/10); their sum τ gives R'w = −10·lg τ, and τ_ij/τ is the path's share.
// A path's "R'w without it" is the index of the situation with that path removed: the
// most any measure on that path alone can achieve.

#include "core/model/variablen.h"

#include <array>

namespace tavix {

enum class PathKind
{
    Dd,
    Ff,
    Fd,
    Df
};

struct PathShare
{
    PathKind kind = PathKind::Dd;
    int flank = 0;             // 1..4 for the flanking paths, 0 for Dd
    long double R = 0;         // R_ij [dB]
    long double share = 0;     // τ_ij/τ, 0..1
    long double rwWithout = 0; // R'w without this path [dB]
};

struct ElementShare
{
    long double share = 0;     // the element's paths together, 0..1
    long double rwWithout = 0; // R'w without all of them [dB]
};

constexpr int TransmissionPathCount = 1 + FlankCount * PathCount;

struct PathShares
{
    // Largest share first; equal shares keep the order Dd, Ff1, Fd1, Df1, ..., Df4.
    std::array<PathShare, TransmissionPathCount> paths;
    long double tau = 0;               // sum of the thirteen transmission factors
    long double rw = 0;                // −10·lg τ, the R'w the paths reproduce
    ElementShare separatingElement;    // Dd alone
    ElementShare flanks[ElementCount]; // [1..4]: Ff, Fd and Df of the flank
};

// Shares of the paths of a calculated model (RDd and Rij as the last recalculation left them).
PathShares computePathShares(const ProjectModel &model);

// "Dd", "Ff1", "Fd1", "Df1", ..., "Df4"
QString pathCode(const PathShare &path);

} // namespace tavix
