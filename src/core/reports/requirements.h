#pragma once

// The airborne sound requirement a planner proves against, and the proof itself: the
// required R'w between two rooms by kind of building and element, the check by
// calculation with its safety margin u_prog, the notes that go with a check, and the path
// table as text for the screen, the clipboard (tab-separated) and CSV files.
//
// The check: fulfilled when R'w − u_prog ≥ erf. R'w, with u_prog = 2 dB and R'w rounded to
// 0.1 dB before the comparison, as the proof document states it.

#include "core/calculate/pathshares.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

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
    QString id;            // stable key, remembered between runs
    QString group;         // kind of building
    QString text;          // element the requirement is set on
    long double erfRw = 0; // dB; the own requirement takes the value the user typed
    RequirementElement element = RequirementElement::Any;
    bool partyWall = false; // party wall between terraced or semi-detached houses
};

// The table to choose from, in the order of the standards; the own requirement is last.
const QList<Requirement> &requirementCatalogue();
// nullptr when no entry has this id.
const Requirement *findRequirement(const QString &id);
extern const char *const OwnRequirementId; // "eigen"

constexpr long double UProg = 2; // dB, safety margin of a proof by calculation

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
// A level in dB as the proof shows it: "51,8 dB".
QString decibelText(long double value, QChar decimalSeparator);
// Label of a catalogue entry in a choice list: "Wohnungstrenndecken (erf. R'w = 54 dB)".
QString requirementLabel(const Requirement &requirement);

// The notes that apply to a proof: a requirement for another kind of element than the
// orientation (0 wall, 1 floor) describes, a party wall between houses, a separating area
// below 10 m², and that the results are a prediction (always, last).
QStringList requirementNotes(const Requirement &requirement, int orientation, long double separatingArea);

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
