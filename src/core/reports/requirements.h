#pragma once

// The sound insulation requirement a planner proves against, and the proof itself: the
// required R'w and the permissible L'n,w between two rooms by kind of building and element,
// the checks by calculation with their safety margins u_prog, the notes that go with a
// check, and the path table as text for the screen, the clipboard (tab-separated) and CSV
// files.
//
// The airborne check: fulfilled when R'w − u_prog ≥ erf. R'w, with u_prog = 2 dB and R'w
// rounded to 0.1 dB before the comparison, as the proof document states it. The impact
// check likewise: L'n,w + 3 dB ≤ zul. L'n,w.

#include "core/calculate/pathshares.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tavix {

// Which separating element a requirement is written for.
enum class RequirementElement
{
    Wall,
    Floor,
    Any
};

struct Requirement
{
    QString id;           // stable key, stored in project files and remembered between runs
    QString buildingKind; // "Mehrfamilienhäuser, …", "Schulen", …
    QString standard;     // "DIN 4109-1:2018" or "DIN 4109-5:2020"
    QString text;         // element the requirement is set on
    std::optional<long double> erfRw;  // dB; the own requirement takes the values the user typed
    std::optional<long double> zulLnw; // dB
    RequirementElement element = RequirementElement::Any;
    bool partyWall = false; // party wall between terraced or semi-detached houses
    // The protected room lies beside or diagonally below (stairs, floors between houses),
    // not directly below as the impact calculation assumes.
    bool receivingRoomAside = false;
};

// The table to choose from, grouped by standard and kind of building; the own requirement
// is last.
const QList<Requirement> &requirementCatalogue();
// nullptr when no entry has this id.
const Requirement *findRequirement(const QString &id);
extern const char *const OwnRequirementId; // "eigen"

constexpr long double UProg = 2;       // dB, safety margin of an airborne proof by calculation
constexpr long double UProgImpact = 3; // dB, the same for impact sound

// What a project is proven against: its catalogue entry (nullptr for none) and the two
// values, taken from the entry or from the own requirement.
struct RequirementValues
{
    const Requirement *entry = nullptr;
    std::optional<long double> erfRw;
    std::optional<long double> zulLnw;
};
RequirementValues requirementValues(const ProjectRequirement &requirement);

// A value typed into the proof window (own requirement, screed inputs): digits with at most
// one decimal separator of the locale, blanks around it; no sign, exponent or thousands
// separator. nullopt for anything else and for 0.
std::optional<long double> parseProofValue(const QString &text, QChar decimalSeparator);
// "--anforderung": a catalogue id, or a number (either decimal mark) as an own erf. R'w.
std::optional<ProjectRequirement> requirementFromArgument(const QString &text);

struct RequirementCheck
{
    long double rw = 0;       // R'w rounded to 0.1 dB
    long double rwMinusU = 0; // rounded R'w − u_prog
    long double erfRw = 0;    // rounded to 0.1 dB
    long double margin = 0;   // rwMinusU − erfRw; negative when not fulfilled
    bool fulfilled = false;
};

RequirementCheck checkRequirement(long double rw, long double erfRw);
// "erfüllt (Reserve 0,7 dB)" or "nicht erfüllt (Unterschreitung 3,2 dB)".
QString verdictText(const RequirementCheck &check, QChar decimalSeparator);

// The impact proof: fulfilled when L'n,w + u_prog ≤ zul. L'n,w, with L'n,w rounded to
// 0.1 dB before the comparison.
struct ImpactCheck
{
    long double lnw = 0;      // L'n,w rounded to 0.1 dB
    long double lnwPlusU = 0; // rounded L'n,w + u_prog
    long double zulLnw = 0;   // rounded to 0.1 dB
    long double margin = 0;   // zulLnw − lnwPlusU; negative when not fulfilled
    bool fulfilled = false;
};
ImpactCheck checkImpactRequirement(long double lnw, long double zulLnw);
// "erfüllt (Reserve 5,7 dB)" or "nicht erfüllt (Überschreitung 1,3 dB)".
QString verdictText(const ImpactCheck &check, QChar decimalSeparator);

// Both checks of a recalculated project against its requirement; a check is absent when
// the requirement sets no value for it or there is no result to check.
struct ProofChecks
{
    RequirementValues requirement;
    std::optional<RequirementCheck> airborne;
    std::optional<ImpactCheck> impact;
};
ProofChecks proofChecks(const ProjectModel &model);

// The airborne part of the proof as the window, the printout and the exported table show
// it: R'w, R'w − u_prog, erf. R'w and the verdict, or why there is none.
enum class AirborneQuantity
{
    Rw,
    RwMinusU,
    ErfRw,
    Verdict,
};
QString airborneLabel(AirborneQuantity quantity);
struct AirborneLine
{
    AirborneQuantity quantity;
    QString label;
    QString value; // "–" where there is nothing to show
};
// All four lines; without results every value is "–" and the verdict says why.
QList<AirborneLine> airborneLines(const ProjectModel &model, QChar decimalSeparator);
// The colour a verdict is shown in: fulfilled, not fulfilled, or no verdict.
enum class VerdictState
{
    Fulfilled,
    NotFulfilled,
    None,
};
VerdictState airborneVerdictState(const ProjectModel &model);
VerdictState impactVerdictState(const ProjectModel &model);

// The project's requirement in one line ("keine Anforderung gewählt" without one).
QString projectRequirementText(const ProjectModel &model, QChar decimalSeparator);

// The proof as a table for the clipboard and CSV: the requirement, the airborne lines,
// the impact lines (for a floor with impact inputs), an empty row, then the path table.
QList<QStringList> proofTable(const ProjectModel &model, QChar decimalSeparator);

// A level in dB as the proof shows it: "51,8 dB".
QString decibelText(long double value, QChar decimalSeparator);
// The values of an entry: "erf. R'w = 54 dB, zul. L'n,w = 50 dB" (with the own values for
// the own requirement; "keine Werte" when it has none yet).
QString requirementValuesText(const RequirementValues &values, QChar decimalSeparator);
// An entry as the open choice list shows it under its group heading:
// "Wohnungstrenndecken: erf. R'w = 54 dB, zul. L'n,w = 50 dB".
QString requirementEntryText(const Requirement &requirement);
// The group heading of an entry: "Beherbergungsstätten (DIN 4109-1:2018)".
QString requirementGroupText(const Requirement &requirement);
// An entry complete in one line, as the closed choice list, the printout and the exported
// table show it: "Beherbergungsstätten (DIN 4109-1:2018) – Decken: erf. R'w = 54 dB,
// zul. L'n,w = 50 dB".
QString requirementLabel(const Requirement &requirement);

// The notes that apply to a proof: a requirement for another kind of element than the
// orientation (0 wall, 1 floor) describes, a party wall between houses, a separating area
// below 10 m², a protected room that is not the one below, an impact requirement on a
// floor without impact inputs, what the impact method covers, and that the results are a
// prediction (always, last).
// `requirement` may be nullptr (none chosen); `impact`: the project computes impact sound.
QStringList requirementNotes(const Requirement *requirement, int orientation, long double separatingArea,
                             bool impact);
// The same for a project and its stored requirement.
QStringList proofNotes(const ProjectModel &model);

// The path table: a header row and one row per path, largest share first, with the
// names of the main window; numbers with one decimal and the given decimal separator.
// Columns: Weg, Bauteil, Übertragung, R_ij [dB], Anteil [%], R'w ohne diesen Weg [dB].
QList<QStringList> pathTable(const PathShares &shares, const FieldTexts &names, QChar decimalSeparator);
// The element subtotals: a header row, the separating element (Dd), then flanks 1..4.
// Columns: Bauteil, Wege, Anteil [%], R'w ohne [dB].
QList<QStringList> elementTable(const PathShares &shares, const FieldTexts &names, QChar decimalSeparator);

// Tab-separated lines for the clipboard; tabs and line breaks inside a cell become blanks.
QString tableAsTabSeparated(const QList<QStringList> &table);
// CSV for spreadsheets: UTF-8 with byte order mark, ";" between cells, CRLF line ends;
// cells holding ";", quotes or line breaks are quoted, quotes doubled.
QByteArray tableAsCsv(const QList<QStringList> &table);

} // namespace tavix
