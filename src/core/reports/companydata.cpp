#include "core/reports/companydata.h"

#include "core/io/codepage.h"
#include "core/io/filelayer.h"

#include <QDate>
#include <QFileInfo>
#include <QList>

#include <algorithm>

namespace tavix {

namespace {

// A few hundred bytes in practice; the cap keeps a foreign file from filling the memory.
constexpr qint64 MaxCompanyFileSize = 1024 * 1024;

QList<QString *> textFields(CompanyData &d)
{
    return {&d.Fa,   &d.Str, &d.PLZ,  &d.Ort,      &d.Bearbeiter, &d.Date,       &d.Tel,      &d.Fax,
            &d.Mail, &d.www, &d.Logo, &d.LogoLeft, &d.LogoTop,    &d.FaNameLeft, &d.FaNameTop};
}

// Control characters would break the line layout and become blanks; the code page does
// the rest ("?" for what it cannot carry).
QByteArray encodeLine(QString text)
{
    for (QChar &c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char(' ');
    }
    return encodeCodePageLine(text);
}

} // namespace

QByteArray companyDataFileContent(const CompanyData &data)
{
    CompanyData copy = data;
    QByteArray out;
    for (const QString *field : textFields(copy)) {
        // No line may be empty: an empty text is written as a single blank.
        out += field->isEmpty() ? QByteArray(" ") : encodeLine(*field);
        out += "\r\n";
    }
    out += "1\r\n";
    return out;
}

CompanyData parseCompanyData(const QByteArray &content)
{
    CompanyData data;
    const QList<QString *> fields = textFields(data);
    for (QString *field : fields)
        field->clear();
    const QString text = decodeCodePage(content);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < fields.size() && i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        *fields.at(i) = line;
    }
    return data;
}

CompanyData asSettingsWindowHolds(CompanyData data)
{
    for (QString *position : {&data.LogoLeft, &data.LogoTop, &data.FaNameLeft, &data.FaNameTop}) {
        if (position->isEmpty())
            *position = QStringLiteral("0");
    }
    data.Date.truncate(CompanyDateMaxLength);
    return data;
}

int unreadCompanyLines(const QByteArray &content)
{
    const QList<QByteArray> lines = content.split('\n');
    int unread = 0;
    for (qsizetype i = 16; i < lines.size(); ++i)
        if (!lines.at(i).trimmed().isEmpty())
            ++unread;
    return unread;
}

LoadedCompanyData loadCompanyData(const QString &path)
{
    LoadedCompanyData result;
    if (!QFileInfo::exists(path))
        return result;
    result.found = true;
    if (!codePageAvailable()) {
        result.error = codePageMissingText();
        return result;
    }
    const FileReadResult file = readFileCapped(path, MaxCompanyFileSize);
    if (!file.ok()) {
        result.error = file.error;
        return result;
    }
    result.data = parseCompanyData(file.content);
    result.unreadLines = unreadCompanyLines(file.content);
    return result;
}

QString saveCompanyData(const CompanyData &data, const QString &path)
{
    if (!codePageAvailable())
        return codePageMissingText();
    return writeFileAtomically(path, companyDataFileContent(data));
}

QString companyDateText(const QDate &date)
{
    return QStringLiteral("%1. %2. %3").arg(date.day()).arg(date.month()).arg(date.year());
}

QString reportDateText(const CompanyData &data, const QDate &today)
{
    // "Firma.set" keeps an empty field as a single blank.
    const QString date = data.Date.trimmed();
    return date.isEmpty() ? companyDateText(today) : date;
}

QString placeAndDateText(const CompanyData &data, const QDate &today)
{
    const QString town = data.Ort.trimmed();
    const QString date = reportDateText(data, today);
    return town.isEmpty() ? date : town + QStringLiteral(", den ") + date;
}

QString invalidIntegerText(const QString &text)
{
    // Concatenated, not arg(): a pasted "%1" must appear as typed.
    return QLatin1Char('\'') + text + QStringLiteral("' ist kein gültiger Integerwert");
}

QString companySettingsRefusedText()
{
    return QStringLiteral("Falsche Eingabe!  Einstellungen wurden nicht übernommen.");
}

QString noCompanyLogoText()
{
    return QStringLiteral("Kein Logo definiert oder\rfalscher Logo- bzw. Pfadname.");
}

CheckedCompanyPositions checkCompanyPositions(const CompanyData &data)
{
    CheckedCompanyPositions checked;
    const std::pair<const QString *, int *> positions[] = {{&data.LogoLeft, &checked.values.logoLeft},
                                                           {&data.LogoTop, &checked.values.logoTop},
                                                           {&data.FaNameLeft, &checked.values.nameLeft},
                                                           {&data.FaNameTop, &checked.values.nameTop}};
    for (const auto &[text, value] : positions) {
        bool ok = false;
        *value = text->toInt(&ok, 10);
        if (!ok) {
            checked.values = {};
            checked.problem = CheckedCompanyPositions::Problem::NotAnInteger;
            checked.message = invalidIntegerText(*text);
            return checked;
        }
    }
    for (int field = 0; field < 4; ++field) {
        const int value = *positions[field].second;
        if (value < 0 || value > MaxCompanyPosition) {
            checked.problem = CheckedCompanyPositions::Problem::OutOfRange;
            checked.field = field;
            checked.message = companySettingsRefusedText() +
                              QString::fromUtf8("\r\r%1: %2 Pixel; erlaubt sind 0 bis %3 Pixel.")
                                  .arg(companyPositionName(field))
                                  .arg(value)
                                  .arg(MaxCompanyPosition);
            return checked;
        }
    }
    return checked;
}

QString companyPositionName(int field)
{
    const char *const names[] = {"Firmenlogo, Abstand vom linken Rand", "Firmenlogo, Abstand vom oberen Rand",
                                 "Firmenname, Abstand vom linken Rand",
                                 "Firmenname, Abstand vom oberen Rand"};
    return field >= 0 && field < 4 ? QString::fromLatin1(names[field]) : QString();
}

QString companyFileOverwriteQuestion(const QString &path, const LoadedCompanyData &readAtStart,
                                     const LoadedCompanyData &now)
{
    if (!now.found)
        return {};
    QString why;
    if (!now.ok())
        why = now.error;
    else if (!readAtStart.ok())
        why = readAtStart.error +
              QString::fromUtf8(" (beim Programmstart); die Angaben dieses Fensters stammen nicht aus ihr");
    else if (now.unreadLines > 0)
        why = QString::fromUtf8("Die Datei „%1“ enthält nach Zeile 16 noch %2 Zeile(n), die das Programm "
                                "nicht liest")
                  .arg(path)
                  .arg(now.unreadLines);
    else
        return {};
    return QLatin1Char(' ') + why +
           QString::fromUtf8(".\rBeim Übernehmen wird die Datei mit den Angaben dieses Fensters überschrieben; "
                             "ihr bisheriger Inhalt geht dabei verloren.\r Trotzdem überschreiben? ");
}

bool companyDataEmpty(const CompanyData &data)
{
    CompanyData copy = data;
    const QList<QString *> fields = textFields(copy).mid(0, 10);
    return std::all_of(fields.begin(), fields.end(),
                       [](const QString *text) { return text->trimmed().isEmpty(); });
}

QString missingCompanyDataHint()
{
    return QString::fromUtf8("Es sind keine Firmendaten eingetragen: Deckblatt und Kopfzeile des Berichts "
                             "bleiben ohne Firmenangaben.\rEintragen können Sie sie unter „Einstellungen“ → "
                             "„Firmendaten editieren“.");
}

QString withoutLeadingZeros(const QString &text)
{
    qsizetype zeros = 0;
    while (zeros + 1 < text.size() && text.at(zeros) == QLatin1Char('0'))
        ++zeros;
    return text.mid(zeros);
}

bool isPositionFieldCharacter(QChar c)
{
    const ushort u = c.unicode();
    return u < 0x20 || u == 0x7f || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

} // namespace tavix
