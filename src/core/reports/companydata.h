#pragma once

// The data of the firm that prepares a report: its name in the page header, an optional
// logo, the address block and signature lines of the cover page. They belong to the
// installation, not to a project, and are kept in "Firma.set" in the start directory:
// sixteen lines, one value each, Windows-1252 text with CR LF, an empty text written as a
// single space, line 16 the constant 1 (written, never read).
//
// The four position fields are kept as the texts the user typed: the report converts them
// when it is composed, and a text that is not a whole number stops it with the message of
// the conversion.

#include <QString>

namespace tavix {

struct CompanyData
{
    QString Fa;         // company name
    QString Str;        // street
    QString PLZ;        // postal code
    QString Ort;        // town
    QString Bearbeiter; // person in charge
    QString Date;       // at most 20 characters
    QString Tel;
    QString Fax;
    QString Mail;
    QString www;
    QString Logo; // path of the logo picture
    QString LogoLeft = QStringLiteral("0");
    QString LogoTop = QStringLiteral("0");
    QString FaNameLeft = QStringLiteral("0");
    QString FaNameTop = QStringLiteral("0");
};

inline const QString CompanyDataFileName = QStringLiteral("Firma.set");

struct LoadedCompanyData
{
    CompanyData data;
    bool found = false; // false when the file does not exist (the data keep their defaults)
    QString error;      // German I/O error text, empty on success
    bool ok() const { return error.isEmpty(); }
};

// The file content of the sixteen lines.
QByteArray companyDataFileContent(const CompanyData &data);
// Reads lines 1 to 15 as they stand; missing lines give empty texts.
CompanyData parseCompanyData(const QByteArray &content);
// Reads `path`; a missing file is no error (found = false).
LoadedCompanyData loadCompanyData(const QString &path);
// Writes atomically; returns the German error text, empty on success.
QString saveCompanyData(const CompanyData &data, const QString &path);

} // namespace tavix
