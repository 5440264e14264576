#include "documentsource.h"

#include <QRegularExpression>

namespace tavix::docs {

namespace {

const QRegularExpression &exampleLine()
{
    static const QRegularExpression re(
        QStringLiteral(R"(^\s*<!--\s*Beispiel:\s*(\S+)((?:\s+[^\s=]+=\S+)*)\s*-->\s*$)"));
    return re;
}

const QRegularExpression &valueMark()
{
    static const QRegularExpression re(QStringLiteral(R"(\{\{([^=}\s]+)=([^}]+)\}\})"));
    return re;
}

} // namespace

QList<ExampleValue> exampleValues(const QString &markdown)
{
    QList<ExampleValue> values;
    QString project;
    QStringList changes;
    const QStringList lines = markdown.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QRegularExpressionMatch example = exampleLine().match(lines.at(i));
        if (example.hasMatch()) {
            project = example.captured(1);
            changes = example.captured(2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            continue;
        }
        auto marks = valueMark().globalMatch(lines.at(i));
        while (marks.hasNext()) {
            const QRegularExpressionMatch mark = marks.next();
            values.append({project, changes, mark.captured(1), mark.captured(2).trimmed(), i + 1});
        }
    }
    return values;
}

QString expandDocumentMarkup(const QString &markdown)
{
    QStringList kept;
    for (const QString &line : markdown.split(QLatin1Char('\n')))
        if (!exampleLine().match(line).hasMatch())
            kept.append(line);
    QString text = kept.join(QLatin1Char('\n'));
    text.replace(valueMark(), QStringLiteral("\\2"));
    static const QRegularExpression sub(QStringLiteral(R"(_\{([^}]*)\})"));
    static const QRegularExpression sup(QStringLiteral(R"(\^\{([^}]*)\})"));
    text.replace(sub, QStringLiteral("<sub>\\1</sub>"));
    text.replace(sup, QStringLiteral("<sup>\\1</sup>"));
    // A number stays on the line of its unit, a standard's number on the line of "DIN", a
    // room or flank on the line of its number.
    static const QRegularExpression unit(QStringLiteral(R"((\d) (?=(kg|dB|Hz|cm|mm|MN|m²|m³|m\b|s\b|%)))"));
    static const QRegularExpression named(
        QStringLiteral(R"(\b(DIN|EN|Raum|Flanke|Flanken|Schritt|Abschnitt) (?=[\dE]))"));
    text.replace(unit, QStringLiteral("\\1\u00a0"));
    text.replace(named, QStringLiteral("\\1\u00a0"));
    // A unit such as kg/m² and a file name such as `impact-example.dat` are not broken at
    // their slash or hyphen (a word joiner forbids the break); a path may still break at
    // its slashes.
    static const QRegularExpression unitSlash(QStringLiteral("(kg|MN)/(?=m)"));
    text.replace(unitSlash, QStringLiteral("\\1/\u2060"));
    static const QRegularExpression code(QStringLiteral("`[^`\n]+`"));
    QString joined;
    qsizetype last = 0;
    for (const QRegularExpressionMatch &m : code.globalMatch(text)) {
        joined += QStringView(text).mid(last, m.capturedStart() - last);
        joined += m.captured(0).replace(QLatin1Char('-'), QStringLiteral("-\u2060"));
        last = m.capturedEnd();
    }
    joined += QStringView(text).mid(last);
    return joined;
}

} // namespace tavix::docs
