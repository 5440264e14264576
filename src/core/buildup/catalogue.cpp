#include "core/buildup/catalogue.h"

namespace tavix {

namespace {

QStringList utf8List(std::initializer_list<const char *> items)
{
    QStringList list;
    for (const char *item : items)
        list << QString::fromUtf8(item);
    return list;
}

bool inside(int index, int size)
{
    return index >= 0 && index < size;
}

struct Plaster
{
    long double thickness;
    long double density;
};
constexpr Plaster Plasters[] = {{0, 0}, {0.4L, 1200}, {1.0L, 1000}, {1.5L, 1800}};

// Wall density of Tavix masonry [density class][mortar].
constexpr int MasonryDensities[6][2] = {{1100, 1180}, {1300, 1360}, {1500, 1540},
                                        {1700, 1720}, {1900, 1900}, {2100, 2080}};

constexpr long double MasonryThicknesses[] = {7.0L,  10.0L, 11.5L, 15.0L, 17.5L, 20.0L,
                                              21.4L, 24.0L, 26.5L, 30.0L, 36.5L};

constexpr int ConcreteDensities[] = {2300, 1400};

} // namespace

const ReferenceRow ReferenceRows[ReferenceRowCount] = {
    {"2,2", 2080, 1940, 2100}, {"2,0", 1900, 1770, 1900}, {"1,8", 1720, 1600, 1700},
    {"1,6", 1540, 1420, 1500}, {"1,4", 1360, 1260, 1300}, {"1,2", 1180, 1090, 1100},
    {"1,0", 1000, 950, 950},   {"0,9", 910, 860, 850},    {"0,8", 820, 770, 750},
    {"0,7", 730, 680, 650},    {"0,6", 640, 590, 550},    {"0,5", 550, 500, 450},
    {"0,4", 460, 405, 350}};

const QStringList &constructionKindItems()
{
    static const QStringList items =
        utf8List({"Tavix-Mauerwerk ", "Beton - (Wand/Decke) ", "Porenbeton ", "Ziegel-Mauerwerk ",
                  "Leichtbeton  ", "sonst. Hersteller/eigene Eingabe "});
    return items;
}

const QStringList &mortarItems()
{
    static const QStringList items = utf8List({"Dünnbettmörtel", "Normalmörtel"});
    return items;
}

const QStringList &plasterItems()
{
    static const QStringList items = utf8List({"Putz nicht definiert m´ = 0.0 [kg/m²]", "4 mm Dünnlagenputz",
                                               "10 mm Dünnputz", "15 mm Normalputz"});
    return items;
}

const QStringList &densityClassItems()
{
    static const QStringList items =
        utf8List({"Rohdichteklasse  1.2", "Rohdichteklasse  1.4", "Rohdichteklasse  1.6",
                  "Rohdichteklasse  1.8", "Rohdichteklasse  2.0", "Rohdichteklasse  2.2"});
    return items;
}

const QStringList &thicknessItems()
{
    static const QStringList items =
        utf8List({" 7,0  cm", "10,0 cm", "11,5 cm", "15,0 cm", "17,5 cm", "20,0 cm", "21,4 cm", "24,0 cm",
                  "26,5 cm", "30,0 cm", "36,5 cm"});
    return items;
}

const QStringList &concreteItems()
{
    static const QStringList items = utf8List({"Normalbeton  (2300 kg/m³)", "Leichtbeton   (1400 kg/m³)"});
    return items;
}

QString catalogueItem(const QStringList &items, int index)
{
    return inside(index, items.size()) ? items.at(index) : QString();
}

long double plasterThickness(int index)
{
    return inside(index, 4) ? Plasters[index].thickness : 0;
}

long double plasterDensity(int index)
{
    return inside(index, 4) ? Plasters[index].density : 0;
}

long double masonryDensity(int densityClass, int mortar)
{
    return inside(densityClass, 6) && inside(mortar, 2) ? MasonryDensities[densityClass][mortar] : 0;
}

long double masonryThickness(int index)
{
    return inside(index, 11) ? MasonryThicknesses[index] : 0;
}

long double concreteDensity(int index)
{
    return inside(index, 2) ? ConcreteDensities[index] : 0;
}

QString fixedLayer2Name(int kind)
{
    switch (kind) {
    case KindAeratedConcrete:
        return QStringLiteral("Porenbeton");
    case KindBrick:
        return QStringLiteral("Ziegel-Mauerwerk");
    case KindLightweightConcrete:
        return QStringLiteral("Leichtbeton");
    default:
        return {};
    }
}

QString plasterLayerName()
{
    return QStringLiteral("Putz");
}

const ReferenceTableTexts &referenceTableTexts()
{
    static const ReferenceTableTexts texts{
        QStringLiteral("Umrechnung Rohdichteklasse - Wand-Rohdichte"),
        QStringLiteral("Stein- Platten- Rohdichte"),
        QString::fromUtf8("[kg/dm³]"),
        QStringLiteral("Wand-Rohdichte"),
        QStringLiteral("1) 2)"),
        QString::fromUtf8("Normal- mörtel"),
        QString::fromUtf8("Leichtmörtel"),
        QString::fromUtf8("(Rohdichte      <= 1000 kg/m²)"),
        QString::fromUtf8("Dünnbett- mörtel"),
        QString::fromUtf8("[kg/m³]"),
        QString::fromUtf8(
            "1) Die angegebenen Werte sind für alle Formate der DIN 1053-1 und DIN 4103-1 für die "
            "Herstellung von Wämden aufgeführten Steine bzw. Platten zu verwenden."),
        QString::fromUtf8(
            "2) Dicke der Mörtelfugen von Wänden nach DIN 1053-1 bzw. DIN 4103-1. Bei Wänden aus "
            "dünnfugig zu verlegenden Plansteinen und -platten siehe Spalte Dünnbettmörtel."),
    };
    return texts;
}

} // namespace tavix
