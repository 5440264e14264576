#pragma once

// The vocabulary of junction codes (Stoßstellen). A code is a type prefix, "_" and a
// separation suffix, for example "LSa_TrennungR2"; there are twenty. Codes come from
// project files, so an unknown code is an ordinary value here, never an error.

#include <QString>
#include <optional>

namespace tavix {

enum class JunctionType
{
    T = 0,
    Cross = 1,
    CornerA = 2,
    CornerB = 3
};
enum class Separation
{
    None = 0,
    SeparatingElement = 1,
    Room1 = 2,
    Room2 = 3,
    BothRooms = 4
};

constexpr int JunctionTypeCount = 4;
constexpr int SeparationCount = 5;

struct JunctionCode
{
    JunctionType type;
    Separation separation;
};

QString junctionPrefix(JunctionType type);       // "TS", "KS", "LSa", "LSb"
QString separationSuffix(Separation separation); // "ohneTrennung", ... "TrennungR1R2"
QString junctionCodeText(JunctionCode code);
// The code a text names, compared as a whole and case-sensitively; nullopt for anything else.
std::optional<JunctionCode> parseJunctionCode(const QString &text);

// Corner junctions are recognised by the first three characters alone, so that they
// decide the flank areas even for a damaged code.
bool isCornerA(const QString &code); // "LSa..."
bool isCornerB(const QString &code); // "LSb..."
// The type a code begins with ("TS", "KS", "LSa", "LSb"), recognised by the prefix alone
// like the corner tests above; nullopt when no type prefix matches.
std::optional<JunctionType> junctionTypeByPrefix(const QString &code);

// Type names of reports: "T-Stoß", "Kreuz-Stoß", "Winkel-Stoß A", "Winkel-Stoß B".
QString junctionTypeName(JunctionType type);
// Items of the dialog's type radio group: "T-Stoß ", "Kreuz-Stoß ", "Winkel-Stoß  A", "Winkel-Stoß  B".
QString junctionTypeItem(JunctionType type);
// Wording of reports, e.g. "akustische Trennung Flanke zu Raum 2".
QString separationMeaning(Separation separation);
// The dialog's hint for a variant; the two room variants name the rooms as they are now.
QString separationHint(Separation separation, const QString &room1Name, const QString &room2Name);
// Hint line text before any variant was chosen.
QString initialJunctionHint();
// ": " + type name + " (" + meaning + ")"; empty for a code that is none of the twenty.
QString junctionDescription(const QString &code);

// Which flank-area fields are shown: [flank 1..4][room 1..2] (index 0 unused). A corner
// junction A lets the user enter the flank's area in room 2, B its area in room 1.
struct FlankAreaVisibility
{
    bool visible[5][3] = {};
};
FlankAreaVisibility flankAreaVisibility(const QString (&codes)[5]);

} // namespace tavix
