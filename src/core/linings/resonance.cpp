#include "core/linings/resonance.h"

#include "core/model/numbers.h"

#include <cmath>

namespace tavix {

std::optional<long double> resonanceFrequency(LiningConstruction construction, long double a, long double b)
{
    if (!(a > 0) || !(b > 0))
        return std::nullopt;
    if (construction == LiningConstruction::AirGap)
        return 60 / std::sqrt(a * b);
    return 160 * std::sqrt(a / b);
}

ResonanceText resonanceFrequencyText(LiningConstruction construction, const QString &aText,
                                     const QString &bText, QChar sep)
{
    ResonanceText result{QStringLiteral("???"), {}};
    const auto a = parseReal(aText, sep);
    if (!a) {
        result.error = invalidRealMessage(aText);
        return result;
    }
    const auto b = parseReal(bText, sep);
    if (!b) {
        result.error = invalidRealMessage(bText);
        return result;
    }
    const auto f0 = resonanceFrequency(construction, *a, *b);
    if (f0 && std::isfinite(*f0))
        result.text = formatFixed(*f0, 5, 0, sep);
    return result;
}

std::optional<int> readFrequency(const QString &text)
{
    return parseWholeNumber(text);
}

} // namespace tavix
