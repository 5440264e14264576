#include "core/buildup/deliverynote.h"

#include <cstdint>

namespace tavix {

namespace {

// Bit t set = thickness item t is delivered. Thickness items: 0 7,0  1 10,0  2 11,5
// 3 15,0  4 17,5  5 20,0  6 21,4  7 24,0  8 26,5  9 30,0  10 36,5 cm.
constexpr std::uint16_t bits(std::initializer_list<int> items)
{
    std::uint16_t b = 0;
    for (int t : items)
        b |= std::uint16_t(1u << t);
    return b;
}

constexpr std::uint16_t All = 0x7FF;
constexpr std::uint16_t Standard = bits({2, 4, 7, 9, 10}); // 11,5 17,5 24,0 30,0 36,5

// [mortar][density class 1.2 .. 2.2]
constexpr std::uint16_t Deliverable[2][6] = {
    {0, Standard, Standard, Standard, bits({2, 4, 7, 9}), 0},
    {bits({1}), bits({1, 2, 4, 7, 9, 10}), Standard, All, All, 0},
};

} // namespace

bool tavixProductDeliverable(int moertel, int densityClass, int thickness)
{
    if (moertel < 0 || moertel > 1 || densityClass < 0 || densityClass > 5 || thickness < 0 || thickness > 10)
        return false;
    return (Deliverable[moertel][densityClass] >> thickness) & 1u;
}

QString deliveryNoteText()
{
    return QStringLiteral("Liefermöglichkeit für gewähltes Tavix-Produkt prüfen!");
}

} // namespace tavix
