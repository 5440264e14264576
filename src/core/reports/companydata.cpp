#include "core/reports/companydata.h"

#include "core/io/codepage.h"
#include "core/io/filelayer.h"

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

} // namespace

QByteArray companyDataFileContent(const CompanyData &data)
{
    CompanyData copy = data;
    QByteArray out;
    for (QString *field : textFields(copy)) {
        // A line break inside a value becomes a blank, as it would shift every later line.
        const QString &line = field->isEmpty() ? QStringLiteral(" ") : *field;
        out += encodeCodePageLine(line);
        out += "\r\n";
    }
    out += "1\r\n";
    return out;
}

CompanyData parseCompanyData(const QByteArray &content)
{
    CompanyData data;
    for (QString *field : textFields(data))
        field->clear();
    const QString text = decodeCodePage(content);
    QStringList lines = text.split(QLatin1Char('\n'));
    const QList<QString *> fields = textFields(data);
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

} // namespace tavix
