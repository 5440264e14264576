#include "core/reports/requirements.h"

#include "core/model/numbers.h"

#include <cmath>

namespace tavix {

const char *const OwnRequirementId = "eigen";

namespace {

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

QList<Requirement> buildCatalogue()
{
    using E = RequirementElement;
    const QString mfh = u8("Mehrfamilienhäuser, Bürogebäude und gemischt genutzte Gebäude");
    const QString houses = u8("Reihen- und Doppelhäuser");
    const QString hotels = u8("Beherbergungsstätten");
    const QString hospitals = u8("Krankenhäuser und Sanatorien");
    const QString schools = u8("Schulen");
    const QString enhanced = u8("Erhöhter Schallschutz (DIN 4109-5:2020)");
    return {
        {u8("mfh-decke"), mfh, u8("Wohnungstrenndecken"), 54, E::Floor, false},
        {u8("mfh-wand"), mfh, u8("Wohnungstrennwände und Wände zwischen fremden Arbeitsräumen"), 53, E::Wall,
         false},
        {u8("mfh-treppenhaus"), mfh, u8("Treppenhauswände und Wände neben Hausfluren"), 53, E::Wall, false},
        {u8("mfh-durchfahrt"), mfh,
         u8("Wände neben Durchfahrten und Einfahrten von Sammelgaragen sowie Wände von Spiel- oder ähnlichen "
            "Gemeinschaftsräumen"),
         55, E::Wall, false},
        {u8("haus-unten"), houses, u8("Haustrennwände zu Aufenthaltsräumen im untersten Geschoss"), 59,
         E::Wall, true},
        {u8("haus-darueber"), houses,
         u8("Haustrennwände zu Aufenthaltsräumen mit mindestens einem Geschoss darunter"), 62, E::Wall, true},
        {u8("hotel-wand"), hotels,
         u8("Wände zwischen Übernachtungsräumen und zwischen Fluren und Übernachtungsräumen"), 47, E::Wall,
         false},
        {u8("hotel-decke"), hotels, u8("Decken"), 54, E::Floor, false},
        {u8("klinik-decke"), hospitals, u8("Decken"), 54, E::Floor, false},
        {u8("klinik-wand"), hospitals,
         u8("Wände zwischen Krankenräumen und zwischen Fluren und Krankenräumen"), 47, E::Wall, false},
        {u8("klinik-ruhe"), hospitals,
         u8("Wände zwischen Räumen mit erhöhtem Ruhebedürfnis oder Vertraulichkeit"), 52, E::Wall, false},
        {u8("klinik-op"), hospitals, u8("Wände von Operations- und Behandlungsräumen"), 42, E::Wall, false},
        {u8("schule-wand"), schools, u8("Wände zwischen Unterrichtsräumen und zu Fluren"), 47, E::Wall,
         false},
        {u8("schule-decke"), schools, u8("Decken zwischen Unterrichtsräumen"), 55, E::Floor, false},
        {u8("schule-treppenhaus"), schools, u8("Wände zu Treppenhäusern"), 52, E::Wall, false},
        {u8("schule-laut"), schools, u8("Wände zu lauten Räumen"), 55, E::Wall, false},
        {u8("schule-sehrlaut"), schools, u8("Wände zu besonders lauten Räumen"), 60, E::Wall, false},
        {u8("erhoeht-wand"), enhanced, u8("Wohnungstrennwände"), 56, E::Wall, false},
        {u8("erhoeht-decke"), enhanced, u8("Wohnungstrenndecken"), 57, E::Floor, false},
        {u8("erhoeht-haus"), enhanced, u8("Haustrennwände"), 67, E::Wall, true},
        {QLatin1String(OwnRequirementId), u8("Eigene Anforderung"), u8("eigene Anforderung"), 0, E::Any,
         false},
    };
}

// A value in tenths of a dB, rounded as every displayed value is.
long long tenths(long double value)
{
    QString text = formatFixed(value, 18, 1, QLatin1Char('.'));
    text.remove(QLatin1Char('.'));
    return text.toLongLong();
}

QString oneDecimal(long double value, QChar sep)
{
    return formatFixed(value, 18, 1, sep);
}

QString elementName(const QString &typed, const QString &fallback)
{
    return typed.trimmed().isEmpty() ? fallback : typed;
}

QString separatingName(const FieldTexts &names)
{
    return elementName(names.TB, QStringLiteral("Trennbauteil"));
}

QString flankName(const FieldTexts &names, int flank)
{
    return elementName(names.Flanke[flank], defaultFlankName(flank));
}

QString transmissionText(PathKind kind)
{
    switch (kind) {
    case PathKind::Dd:
        return u8("Trennbauteil → Trennbauteil");
    case PathKind::Ff:
        return u8("Flanke → Flanke");
    case PathKind::Fd:
        return u8("Flanke → Trennbauteil");
    case PathKind::Df:
        return u8("Trennbauteil → Flanke");
    }
    return {};
}

QString csvCell(const QString &cell)
{
    const bool quote = cell.contains(QLatin1Char(';')) || cell.contains(QLatin1Char('"')) ||
                       cell.contains(QLatin1Char('\n')) || cell.contains(QLatin1Char('\r'));
    if (!quote)
        return cell;
    QString quoted = cell;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

const QList<Requirement> &requirementCatalogue()
{
    static const QList<Requirement> catalogue = buildCatalogue();
    return catalogue;
}

const Requirement *findRequirement(const QString &id)
{
    for (const Requirement &r : requirementCatalogue()) {
        if (r.id == id)
            return &r;
    }
    return nullptr;
}

RequirementCheck checkRequirement(long double rw, long double erfRw)
{
    RequirementCheck check;
    if (!std::isfinite(rw) || !std::isfinite(erfRw)) {
        check.rw = rw;
        check.erfRw = erfRw;
        check.rwMinusU = rw - UProg;
        check.margin = check.rwMinusU - erfRw;
        return check;
    }
    // Compared in whole tenths, so that 55.0 − 2 against 53 is not lost to binary fractions.
    const long long rwTenths = tenths(rw);
    const long long erfTenths = tenths(erfRw);
    static const long long uTenths = tenths(UProg);
    check.rw = rwTenths / 10.0L;
    check.erfRw = erfTenths / 10.0L;
    check.rwMinusU = (rwTenths - uTenths) / 10.0L;
    check.margin = (rwTenths - uTenths - erfTenths) / 10.0L;
    check.fulfilled = rwTenths - uTenths >= erfTenths;
    return check;
}

QString verdictText(const RequirementCheck &check, QChar sep)
{
    if (check.fulfilled)
        return u8("erfüllt (Reserve %1 dB)").arg(oneDecimal(check.margin, sep));
    return u8("nicht erfüllt (Unterschreitung %1 dB)").arg(oneDecimal(-check.margin, sep));
}

QString decibelText(long double value, QChar sep)
{
    return oneDecimal(value, sep) + QStringLiteral(" dB");
}

QString requirementLabel(const Requirement &requirement)
{
    if (requirement.id == QLatin1String(OwnRequirementId))
        return requirement.text;
    return u8("%1 (erf. R'w = %2 dB)")
        .arg(requirement.text, formatGeneral(requirement.erfRw, QLatin1Char(',')));
}

QStringList requirementNotes(const Requirement &requirement, int orientation, long double separatingArea)
{
    QStringList notes;
    const bool floor = orientation == 1;
    if (requirement.element == RequirementElement::Wall && floor)
        notes << u8("Die gewählte Anforderung gilt für Wände, das Trennbauteil ist aber als Decke "
                    "(vertikal) angelegt.");
    if (requirement.element == RequirementElement::Floor && !floor)
        notes << u8("Die gewählte Anforderung gilt für Decken, das Trennbauteil ist aber als Wand "
                    "(horizontal) angelegt.");
    if (requirement.partyWall)
        notes << u8(
            "Zweischalige Haustrennwände zwischen Reihen- und Doppelhäusern werden nach dem Verfahren "
            "der DIN 4109-2 für solche Wände nachgewiesen, nicht mit diesem Modell.");
    if (separatingArea < 10)
        notes << u8("Die Trennfläche ist kleiner als 10 m²: DIN 4109-1 stellt die Anforderung dann an Dn,w, "
                    "nicht an R'w.");
    notes << u8("Die Ergebnisse sind eine Prognose nach dem vereinfachten Modell der DIN EN 12354-1; "
                "der Sicherheitsabschlag u_prog = 2 dB ist im Nachweis berücksichtigt.");
    return notes;
}

QList<QStringList> pathTable(const PathShares &shares, const FieldTexts &names, QChar sep)
{
    QList<QStringList> table;
    table << QStringList{QStringLiteral("Weg"),
                         QStringLiteral("Bauteil"),
                         u8("Übertragung"),
                         QStringLiteral("R_ij [dB]"),
                         QStringLiteral("Anteil [%]"),
                         QStringLiteral("R'w ohne diesen Weg [dB]")};
    for (const PathShare &path : shares.paths) {
        const QString element =
            path.kind == PathKind::Dd ? separatingName(names) : flankName(names, path.flank);
        table << QStringList{pathCode(path),
                             element,
                             transmissionText(path.kind),
                             oneDecimal(path.R, sep),
                             oneDecimal(100 * path.share, sep),
                             oneDecimal(path.rwWithout, sep)};
    }
    return table;
}

QList<QStringList> elementTable(const PathShares &shares, const FieldTexts &names, QChar sep)
{
    QList<QStringList> table;
    table << QStringList{QStringLiteral("Bauteil"), QStringLiteral("Wege"), QStringLiteral("Anteil [%]"),
                         QStringLiteral("R'w ohne [dB]")};
    table << QStringList{separatingName(names), QStringLiteral("Dd"),
                         oneDecimal(100 * shares.separatingElement.share, sep),
                         oneDecimal(shares.separatingElement.rwWithout, sep)};
    for (int n = 1; n <= FlankCount; ++n) {
        table << QStringList{flankName(names, n), QStringLiteral("Ff%1, Fd%1, Df%1").arg(n),
                             oneDecimal(100 * shares.flanks[n].share, sep),
                             oneDecimal(shares.flanks[n].rwWithout, sep)};
    }
    return table;
}

QString tableAsTabSeparated(const QList<QStringList> &table)
{
    QString text;
    for (const QStringList &row : table) {
        QStringList cells;
        for (QString cell : row) {
            cell.replace(QLatin1Char('\t'), QLatin1Char(' '));
            cell.replace(QLatin1Char('\r'), QLatin1Char(' '));
            cell.replace(QLatin1Char('\n'), QLatin1Char(' '));
            cells << cell;
        }
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QByteArray tableAsCsv(const QList<QStringList> &table)
{
    QString text;
    for (const QStringList &row : table) {
        QStringList cells;
        for (const QString &cell : row)
            cells << csvCell(cell);
        text += cells.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace tavix
