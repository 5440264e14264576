#pragma once

// The fixed material catalogue of the build-up dialog: construction kinds, plaster,
// density classes of Tavix masonry by mortar, wall thicknesses, concrete, and the
// reference table that converts the density class of stones into a wall density.
// Item texts are exactly what the lists show (trailing and double blanks included).
//
// Indices come from project files as well as from the lists, so every lookup accepts any
// integer: an index outside a table gives an empty text and the value 0.

#include <QString>
#include <QStringList>

namespace tavix {

enum ConstructionKind
{
    KindTavix = 0,
    KindConcrete = 1,
    KindAeratedConcrete = 2,
    KindBrick = 3,
    KindLightweightConcrete = 4,
    KindOther = 5
};
constexpr int ConstructionKindCount = 6;

const QStringList &constructionKindItems(); // combo_Konstrukt
const QStringList &mortarItems();           // rg_Moertel: "Dünnbettmörtel", "Normalmörtel"
const QStringList &plasterItems();          // combo_B1, combo_B3
const QStringList &densityClassItems();     // combo_B2
const QStringList &thicknessItems();        // combo_B2b
const QStringList &concreteItems();         // combo_B2a

// The item at `index` of a list, empty when the index is outside it.
QString catalogueItem(const QStringList &items, int index);

long double plasterThickness(int index);                  // cm
long double plasterDensity(int index);                    // kg/m³
long double masonryDensity(int densityClass, int mortar); // kg/m³; mortar 0 thin-bed, 1 normal
long double masonryThickness(int index);                  // cm
long double concreteDensity(int index);                   // kg/m³

// Fixed layer-2 text of kinds 2 to 4 ("Porenbeton", "Ziegel-Mauerwerk", "Leichtbeton"),
// empty for the other kinds.
QString fixedLayer2Name(int kind);
// The layer text kinds 2 to 5 preset for the plaster layers.
QString plasterLayerName(); // "Putz"

// Reference table shown beside the input area for kinds 2, 3 and 4; display only.
struct ReferenceRow
{
    const char *densityClass; // with decimal comma, e.g. "2,2"
    int normalMortar;         // kg/m³
    int lightweightMortar;
    int thinBedMortar;
};
constexpr int ReferenceRowCount = 13;
extern const ReferenceRow ReferenceRows[ReferenceRowCount];

struct ReferenceTableTexts
{
    QString heading;        // "Umrechnung Rohdichteklasse - Wand-Rohdichte"
    QString stoneCaption;   // "Stein- Platten- Rohdichte"
    QString stoneUnit;      // "[kg/dm³]"
    QString wallCaption;    // "Wand-Rohdichte"
    QString footnoteMarks;  // "1) 2)"
    QString normalCaption;  // "Normal- mörtel"
    QString lightCaption;   // "Leichtmörtel"
    QString lightNote;      // "(Rohdichte      <= 1000 kg/m²)"
    QString thinBedCaption; // "Dünnbett- mörtel"
    QString wallUnit;       // "[kg/m³]"
    QString footnote1, footnote2;
};
const ReferenceTableTexts &referenceTableTexts();

} // namespace tavix
