#pragma once

// The project model: the one record of every input and derived value of the
// project that is open. It has two layers, and the calculation relies on the split:
//
//  * FieldTexts: what the main window's input fields show, exactly as the user typed
//    it (locale decimal separator). Geometry and volumes live only here and are
//    converted afresh by every recalculation.
//  * Numeric variables: the per-slot arrays the dialogs write (build-ups, lining
//    frequencies), junction codes, flags and the derived results.
//
// Slot addressing of every per-slot array is [element][side]: element 0 is the
// separating element, 1..4 the flanks; side 0 the element as a whole (used only by the
// separating element's build-up), 1 the part or side in room 1, 2 in room 2.
// The window layer binds its controls to these fields; there is no other access layer.

#include "core/impact/impactresult.h"
#include "core/model/projectextension.h"

#include <QString>
#include <QStringList>

#include <array>

namespace tavix {

constexpr int ElementCount = 5; // separating element + four flanks
constexpr int SideCount = 3;    // whole element, room 1, room 2
constexpr int FlankCount = 4;

// Mass per unit area (kg/m²) below which an element lies outside the simplified model: no
// Rw is derived for it, the recalculation names it as missing, the sketch does not draw it
// as solid, and accepting such a build-up asks first.
constexpr long double MinimumMass = 80;

enum FlankPath
{
    PathFf = 0,
    PathFd = 1,
    PathDf = 2
};
constexpr int PathCount = 3;

// DnT,w direction radio buttons of the result area.
enum class DnTwDirection
{
    Room1ToRoom2 = 0,
    Room2ToRoom1 = 1
};

// One build-up (Bauteilaufbau) of a slot; the reset values are the member initialisers.
struct BuildUpRecord
{
    int Konstrukt = 0;                        // construction kind 0..5
    int Moertel = 0;                          // 0 Dünnbettmörtel, 1 Normalmörtel
    int B1 = 1;                               // plaster of layer 1
    int B2 = 3;                               // density class of Tavix masonry
    int B2a = 0;                              // concrete choice
    int B2b = 7;                              // wall thickness of Tavix masonry
    int B3 = 1;                               // plaster of layer 3
    long double roh1 = 0, roh2 = 0, roh3 = 0; // kg/m³
    long double d1 = 0, d2 = 0, d3 = 0;       // cm
    QString schichtName1, schichtName2, schichtName3;
    long double m = 0;  // kg/m²
    long double Rw = 0; // dB
    int RwUserOn = 0;
    int Zulassung1 = 1;
    int Zulassung2 = 0;
    long double RwUser = 0; // dB

    bool operator==(const BuildUpRecord &o) const;
    bool operator!=(const BuildUpRecord &o) const { return !(*this == o); }
};

// Texts of the main window's input fields. Arrays indexed by flank use 1..4.
struct FieldTexts
{
    QString Projekt, Str, PLZ, Ort, Variante;
    QString room1, room2; // room names
    QString TB;           // name of the separating element
    QString A, L1, L2, Vol1, Vol2;
    QString Flanke[ElementCount];              // flank names, [1..4]
    QString LF[ElementCount];                  // common edge lengths, [1..4]
    QString FF[ElementCount][SideCount];       // directly entered flank areas, [1..4][1..2]
    QString VS[ElementCount][SideCount];       // lining texts, [0..4][1..2]; empty = no lining
    QStringList Memo[ElementCount][SideCount]; // three-line build-up summaries of the nine build-up slots
};

struct ProjectModel
{
    FieldTexts fields;

    // Inputs held as numbers
    QString Stoss[ElementCount]; // junction codes of flanks 1..4
    int Orientation = 0;         // 0 horizontal (wall), 1 vertical (floor)
    bool IdF[ElementCount] = {false, true, true, true, true};
    BuildUpRecord buildUp[ElementCount][SideCount];
    int f0[ElementCount][SideCount] = {}; // lining resonance frequencies, Hz; 0 = no lining
    ImpactInputs impactInputs;            // floating screed of a floor
    ProjectRequirement requirement;       // what the proof window checks against

    // Numbers converted from the fields by the recalculation
    long double A = 0, L1 = 0, L2 = 0, Vol1 = 0, Vol2 = 0;
    double LF[ElementCount] = {}; // edge lengths are double precision, [1..4]

    // Derived values (valid only while Calculated)
    long double FA[ElementCount][SideCount] = {};   // flank areas [1..4][1..2]
    long double dRw[ElementCount][SideCount] = {};  // lining improvements
    long double dRDd = 0;                           // combined improvement of the direct path
    long double dRij[ElementCount][PathCount] = {}; // combined improvements of the flank paths
    long double Kij[ElementCount][PathCount] = {};  // vibration reduction indices after the lower bound
    long double RDd = 0;                            // direct path
    long double Rij[ElementCount][PathCount] = {};  // flank paths
    long double Rres[ElementCount] = {};            // [0] Rd,w, [1..4] R1,w..R4,w
    long double RwBau = 0;                          // R'w
    long double DnTw12 = 0, DnTw21 = 0;
    ImpactResult impact; // L'n,w of a floor; computed with every recalculation

    // State of the result area that the recalculation decides
    DnTwDirection dnTwDirection = DnTwDirection::Room1ToRoom2;
    bool dnTwHintShown = true;   // panel_DnTW: a room volume is missing
    bool dnTwNoteShown = false; // lb_AnmDnTW: the chosen direction is not the normative one

    QStringList Messages; // missing-input messages of the last recalculation
    bool Calculated = false;
    bool Saved = true;
    bool ResultsShown = false;
    bool RecalcEnabled = true;

    int Highlight = 0;      // element highlighted in the schematic (0 none, 1..4 flank)
    int liningCategory = 1; // 1 wall linings, 2 suspended ceilings, 3 floating screeds
    int editElement = 0;    // slot the build-up or lining dialog is editing
    int editSide = 0;
};

// The nine build-up slots in their conventional order (TB, F1_R1, F1_R2, ... F4_R2).
struct BuildUpSlot
{
    int element;
    int side;
};
constexpr BuildUpSlot BuildUpSlots[9] = {{0, 0}, {1, 1}, {1, 2}, {2, 1}, {2, 2},
                                         {3, 1}, {3, 2}, {4, 1}, {4, 2}};
// "TB", "F1_R1" .. "F4_R2"
QString buildUpSlotKey(int element, int side);
// The ten lining slots in their conventional order (VS0_1, VS0_2, VS1_1 ... VS4_2).
constexpr BuildUpSlot LiningSlots[10] = {{0, 1}, {0, 2}, {1, 1}, {1, 2}, {2, 1},
                                         {2, 2}, {3, 1}, {3, 2}, {4, 1}, {4, 2}};
// "VS0_1" .. "VS4_2"
QString liningSlotName(int element, int side);

QString defaultFlankName(int flank);          // "Flanke 1" .. "Flanke 4"
QString defaultRoomName(int room);            // "Raum 1", "Raum 2"
extern const char *const DefaultJunctionCode; // "TS_ohneTrennung"

// Restores every input and value to its reset value; number fields get "0.00" (flank
// areas "1.00") written with the given decimal separator. Leaves RecalcEnabled true and
// runs no recalculation: the caller refreshes its view and then recalculates once.
void resetModel(ProjectModel &model, QChar decimalSeparator);

// Copies room 1 of flank n to room 2: build-up record, summary lines, lining text and f0.
void copyFlankRoom1ToRoom2(ProjectModel &model, int flank);

// "identisch zu Raum 1": while a flank's box is ticked its room-2 slot is locked (it only
// mirrors room 1 and cannot be edited, pasted into or cleared), and every change of its
// room-1 slot goes to room 2 as well. The separating element has no such rule.
bool isLockedRoom2(const ProjectModel &model, int element, int side);
bool mirrorsToRoom2(const ProjectModel &model, int element, int side);

// The seventeen number fields of the main window, in the order in which they are examined
// (and in which the first empty one is refilled): Vol1, Vol2, L1, L2, A, then per flank
// FF n_1, LF n, FF n_2.
constexpr int NumberFieldCount = 17;
std::array<QString *, NumberFieldCount> numberFieldTexts(FieldTexts &fields);
std::array<const QString *, NumberFieldCount> numberFieldTexts(const FieldTexts &fields);
// The field's control name ("edit_Vol1" .. "edit_FF4_2").
QString numberFieldName(int index);
// What an emptied field is set back to: "1" for the flank areas, "0" for the others.
QString numberFieldDefault(int index);

} // namespace tavix
