#pragma once

// The vocabulary of junction codes (Stoßstellen). A code is a type prefix, "_" and a
// separation suffix, for example "LSa_TrennungR2"; there are twenty. Codes come from
// project files, so an unknown code is an ordinary value here, never an error.

#include <QString>
#include <optional>

namespace tavix {

enum class JunctionType { T = 0, Cross = 1, CornerA = 2, CornerB = 3 };
enum class Separation { None = 0, SeparatingElement = 1, Room1 = 2, Room2 = 3, BothRooms = 4 };

constexpr int JunctionTypeCount = 4;
constexpr int SeparationCount = 5;

struct JunctionCode
{
    JunctionType type;
    Separation separation;
};

QString junctionPrefix(JunctionType type);      // "TS", "KS", "LSa", "LSb"
QString separationSuffix(Separation separation); // "ohneTrennung", ... "TrennungR1R2"
QString junctionCodeText(JunctionCode code);
// The code a text names, compared as a whole and case-sensitively; nullopt for anything else.
std::optional<JunctionCode> parseJunctionCode(const QString &text);

// Corner junctions are recognised by the first three characters alone, so that they
// decide the flank areas even for a damaged code.
bool isCornerA(const QString &code); // "LSa..."
bool isCornerB(const QString &code); // "LSb..."

} // namespace tavix
