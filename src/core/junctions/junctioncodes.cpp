#include "junctioncodes.h"

#include <array>

namespace tavix {

QString junctionPrefix(JunctionType type)
{
    switch (type) {
    case JunctionType::T:
        return QStringLiteral("TS");
    case JunctionType::Cross:
        return QStringLiteral("KS");
    case JunctionType::CornerA:
        return QStringLiteral("LSa");
    case JunctionType::CornerB:
        return QStringLiteral("LSb");
    }
    return {};
}

QString separationSuffix(Separation separation)
{
    switch (separation) {
    case Separation::None:
        return QStringLiteral("ohneTrennung");
    case Separation::SeparatingElement:
        return QStringLiteral("TrennungTB");
    case Separation::Room1:
        return QStringLiteral("TrennungR1");
    case Separation::Room2:
        return QStringLiteral("TrennungR2");
    case Separation::BothRooms:
        return QStringLiteral("TrennungR1R2");
    }
    return {};
}

QString junctionCodeText(JunctionCode code)
{
    return junctionPrefix(code.type) + QLatin1Char('_') + separationSuffix(code.separation);
}

std::optional<JunctionCode> parseJunctionCode(const QString &text)
{
    // Built once: the recalculation looks codes up at every keystroke.
    static const auto codes = [] {
        std::array<QString, JunctionTypeCount * SeparationCount> all;
        for (int t = 0; t < JunctionTypeCount; ++t)
            for (int s = 0; s < SeparationCount; ++s)
                all[t * SeparationCount + s] =
                    junctionCodeText({static_cast<JunctionType>(t), static_cast<Separation>(s)});
        return all;
    }();
    for (int i = 0; i < static_cast<int>(codes.size()); ++i) {
        if (codes[i] == text)
            return JunctionCode{static_cast<JunctionType>(i / SeparationCount),
                                static_cast<Separation>(i % SeparationCount)};
    }
    return std::nullopt;
}

bool isCornerA(const QString &code)
{
    return code.startsWith(QLatin1String("LSa"));
}

bool isCornerB(const QString &code)
{
    return code.startsWith(QLatin1String("LSb"));
}

} // namespace tavix
