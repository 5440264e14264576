#pragma once

// The words of the impact-sound proof, composed once for every place that shows it: the
// proof window, the printed proof page and the command line. Numbers carry one decimal and
// the given decimal separator; nothing is rounded before.

#include "core/model/variablen.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tavix {

// "kein schwimmender Estrich", "Zement- oder Calciumsulfatestrich", …; the order of ScreedKind.
QString screedKindText(ScreedKind kind);

// The quantities of the calculation, in the order the proof lists them.
enum class ImpactQuantity
{
    Screed,          // kind of screed
    ScreedMass,      // m'
    Stiffness,       // s' of the (first) insulation layer
    Stiffness2,      // s' of a second layer
    CombinedStiffness,
    DeltaLw,
    SlabMass,        // m's
    Lneq0w,
    MeanFlankMass,   // m'f,m
    Correction,      // K
    Lnw,
    LnTw,
    LnwPlusU,        // L'n,w + u_prog
    ZulLnw,          // zul. L'n,w
    Verdict,
};

// "bewerteter Norm-Trittschallpegel L'n,w", … (without colon).
QString impactLabel(ImpactQuantity quantity);
// The short caption of an input field beside its unit: "Estrich m'", "Dämmschicht s'",
// "2. Dämmschicht s'", "ΔLw (Prüfzeugnis)"; impactLabel() gives the full name.
QString impactInputCaption(ImpactQuantity quantity);
// A unit in brackets for the text report: "dB", "kg/m²", "MN/m³"; empty for the others.
QString impactUnit(ImpactQuantity quantity);

struct ImpactLine
{
    ImpactQuantity quantity;
    QString label;
    QString value; // "41,3 dB", "nicht berechnet (…)", the verdict, …
};

// What the proof shows for a project that computes impact sound (vertical, screed chosen,
// complete inputs): the screed inputs of its kind, the computed values, L'n,w, L'nT,w and,
// with a zul. L'n,w, the check. Empty when the calculation did not run.
QList<ImpactLine> impactLines(const ProjectModel &model, QChar decimalSeparator);

// Why there are no impact results, or empty when there are: floors only, no screed,
// incomplete inputs.
QString impactStatusText(const ImpactResult &result);
// The same for the impact part of the proof, which a wall shows too: for a wall, that
// impact sound is computed for floors only, whether a screed is given or not.
QString impactPartStatusText(const ProjectModel &model);
// The walls of room 2 counted for m'f,m and those left out for their lining:
// "Flurwand (308,0 kg/m²), … ; nicht berücksichtigt (Vorsatzschale): Außenwand".
QString countedWallsText(const ProjectModel &model, QChar decimalSeparator);
// Flank numbers 1..4 of the counted walls.
QList<int> countedWalls(const ImpactResult &result);
// The hints of the last calculation, in a fixed order.
QStringList impactHints(const ProjectModel &model);
// What the method covers, for the window and the printout.
QString impactScopeText();

// The impact part of the results text, after the airborne results: empty for a project
// without impact inputs.
QStringList impactResultLines(const ProjectModel &model, QChar decimalSeparator);

// The impact results as plain values, for machine-readable output.
struct ImpactReport
{
    std::optional<long double> lneq0w, deltaLw, mfm, K, lnw, lnTw;
    QList<int> wallsCounted;
    QStringList hints;
    // Present when the project's requirement sets a zul. L'n,w and L'n,w exists.
    std::optional<long double> zulLnw, lnwPlusU, margin;
    std::optional<bool> fulfilled;
};
// nullopt for a project that does not compute impact sound (no screed, or horizontal).
std::optional<ImpactReport> impactReport(const ProjectModel &model);

} // namespace tavix
