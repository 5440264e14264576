#include "core/calculate/pathshares.h"

#include <algorithm>
#include <cmath>

namespace tavix {

namespace {

long double transmissionFactor(long double R)
{
    return ::exp10l(-R / 10.0L); // several times faster than powl, and as exact
}

long double indexOf(long double tau)
{
    return -10 * std::log10(tau);
}

// The remaining paths are summed afresh rather than subtracted from τ: when one path carries
// nearly all the energy, τ − τ_ij would lose most of its digits.
long double indexWithout(const std::array<long double, TransmissionPathCount> &tau,
                         const std::array<bool, TransmissionPathCount> &removed)
{
    long double rest = 0;
    for (int i = 0; i < TransmissionPathCount; ++i) {
        if (!removed[i])
            rest += tau[i];
    }
    return indexOf(rest);
}

int indexOfPath(int flank, int path)
{
    return 1 + (flank - 1) * PathCount + path;
}

} // namespace

PathShares computePathShares(const ProjectModel &model)
{
    PathShares result;
    std::array<long double, TransmissionPathCount> tau{};

    result.paths[0].kind = PathKind::Dd;
    result.paths[0].R = model.RDd;
    constexpr PathKind kinds[PathCount] = {PathKind::Ff, PathKind::Fd, PathKind::Df};
    for (int n = 1; n <= FlankCount; ++n) {
        for (int p = 0; p < PathCount; ++p) {
            PathShare &path = result.paths[indexOfPath(n, p)];
            path.kind = kinds[p];
            path.flank = n;
            path.R = model.Rij[n][p];
        }
    }

    for (int i = 0; i < TransmissionPathCount; ++i) {
        tau[i] = transmissionFactor(result.paths[i].R);
        result.tau += tau[i];
    }
    result.rw = indexOf(result.tau);

    std::array<bool, TransmissionPathCount> removed{};
    for (int i = 0; i < TransmissionPathCount; ++i) {
        PathShare &path = result.paths[i];
        path.share = tau[i] / result.tau;
        removed[i] = true;
        path.rwWithout = indexWithout(tau, removed);
        removed[i] = false;
    }

    result.separatingElement = {result.paths[0].share, result.paths[0].rwWithout};
    for (int n = 1; n <= FlankCount; ++n) {
        ElementShare &flank = result.flanks[n];
        for (int p = 0; p < PathCount; ++p) {
            const int i = indexOfPath(n, p);
            flank.share += result.paths[i].share;
            removed[i] = true;
        }
        flank.rwWithout = indexWithout(tau, removed);
        removed.fill(false);
    }

    std::stable_sort(result.paths.begin(), result.paths.end(),
                     [](const PathShare &a, const PathShare &b) { return a.share > b.share; });
    return result;
}

QString pathCode(const PathShare &path)
{
    switch (path.kind) {
    case PathKind::Dd:
        return QStringLiteral("Dd");
    case PathKind::Ff:
        return QStringLiteral("Ff%1").arg(path.flank);
    case PathKind::Fd:
        return QStringLiteral("Fd%1").arg(path.flank);
    case PathKind::Df:
        return QStringLiteral("Df%1").arg(path.flank);
    }
    return {};
}

} // namespace tavix
