#include "core/reports/companydata.h"

#include "core/io/codepage.h"
#include "core/io/filelayer.h"

#include <QDate>
#include <QFileInfo>
#include <QList>

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
    return QLatin1Char('\'') + text + QString::fromUtf8("' ist kein gültiger Integerwert");
}

QString companySettingsRefusedText()
{
    return QString::fromUtf8("Falsche Eingabe!  Einstellungen wurden nicht übernommen.");
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
    for (const auto &[text, value] : positions) {
        if (*value < 0 || *value > MaxCompanyPosition) {
            checked.problem = CheckedCompanyPositions::Problem::OutOfRange;
            checked.message = companySettingsRefusedText();
            return checked;
        }
    }
    return checked;
}

bool isPositionFieldCharacter(QChar c)
{
    const ushort u = c.unicode();
    return u < 0x20 || u == 0x7f || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

} // namespace tavix
