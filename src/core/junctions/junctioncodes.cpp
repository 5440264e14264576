#include "core/junctions/junctioncodes.h"

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

std::optional<JunctionType> junctionTypeByPrefix(const QString &code)
{
    if (isCornerA(code))
        return JunctionType::CornerA;
    if (isCornerB(code))
        return JunctionType::CornerB;
    if (code.startsWith(QLatin1String("KS")))
        return JunctionType::Cross;
    if (code.startsWith(QLatin1String("TS")))
        return JunctionType::T;
    return std::nullopt;
}

QString junctionTypeName(JunctionType type)
{
    switch (type) {
    case JunctionType::T:
        return QString::fromUtf8("T-Stoß");
    case JunctionType::Cross:
        return QString::fromUtf8("Kreuz-Stoß");
    case JunctionType::CornerA:
        return QString::fromUtf8("Winkel-Stoß A");
    case JunctionType::CornerB:
        return QString::fromUtf8("Winkel-Stoß B");
    }
    return {};
}

QString junctionTypeItem(JunctionType type)
{
    switch (type) {
    case JunctionType::T:
        return QString::fromUtf8("T-Stoß ");
    case JunctionType::Cross:
        return QString::fromUtf8("Kreuz-Stoß ");
    case JunctionType::CornerA:
        return QString::fromUtf8("Winkel-Stoß  A");
    case JunctionType::CornerB:
        return QString::fromUtf8("Winkel-Stoß  B");
    }
    return {};
}

QString separationMeaning(Separation separation)
{
    switch (separation) {
    case Separation::None:
        return QStringLiteral("ohne akustische Trennung");
    case Separation::SeparatingElement:
        return QStringLiteral("akustische Trennung des Trennbauteils zur Flanke");
    case Separation::Room1:
        return QStringLiteral("akustische Trennung Flanke zu Raum 1");
    case Separation::Room2:
        return QStringLiteral("akustische Trennung Flanke zu Raum 2");
    case Separation::BothRooms:
        return QStringLiteral("akustische Trennung beider Flanken");
    }
    return {};
}

QString separationHint(Separation separation, const QString &room1Name, const QString &room2Name)
{
    const QString decoupled =
        QString::fromUtf8(" ist akustisch entkoppelt - Erhöhte Übertragung über Flanke in ");
    switch (separation) {
    case Separation::None:
        return QString::fromUtf8(
            "HINWEIS: Stumpfstoß und durchstoßende Trennwand sind akustisch gleichwertig.");
    case Separation::SeparatingElement:
        return QString::fromUtf8(
            "HINWEIS: Trennwand ist vom Flankenbauteil entkoppelt - Erhöhte Flankenübertragung auf Weg Ff.");
    case Separation::Room1:
        return QStringLiteral("HINWEIS: Flanke in ") + room1Name + decoupled + room2Name;
    case Separation::Room2:
        return QStringLiteral("HINWEIS: Flanke in ") + room2Name + decoupled + room1Name;
    case Separation::BothRooms:
        return QString::fromUtf8(
            "HINWEIS: Verminderte Flankenübertragung durch doppelte akustische Trennung.");
    }
    return {};
}

QString initialJunctionHint()
{
    return QString::fromUtf8("Stumpfstoß u. Trennwand durchstoßend sind akustisch gleichwertig.");
}

QString junctionDescription(const QString &code)
{
    const auto parsed = parseJunctionCode(code);
    if (!parsed)
        return {};
    return QStringLiteral(": ") + junctionTypeName(parsed->type) + QStringLiteral(" (") +
           separationMeaning(parsed->separation) + QLatin1Char(')');
}

FlankAreaVisibility flankAreaVisibility(const QString (&codes)[5])
{
    FlankAreaVisibility v;
    for (int n = 1; n <= 4; ++n) {
        v.visible[n][2] = isCornerA(codes[n]);
        v.visible[n][1] = isCornerB(codes[n]);
    }
    return v;
}

} // namespace tavix
