#pragma once

// The data of the firm that prepares a report: its name in the page header, an optional
// logo, the address block and signature lines of the cover page. They belong to the
// installation, not to a project, and are kept in "Firma.set" in the start directory:
// sixteen lines, one value each, Windows-1252 text with CR LF, an empty text written as a
// single space, line 16 the constant 1 (written, never read).
//
// The four position fields are kept as the texts the user typed: they are converted with
// checkCompanyPositions() when the settings are accepted and when a report is composed.

#include <QString>

class QDate;

namespace tavix {

struct CompanyData
{
    QString Fa;         // company name
    QString Str;        // street
    QString PLZ;        // postal code
    QString Ort;        // town
    QString Bearbeiter; // person in charge
    QString Date;       // at most CompanyDateMaxLength characters in the settings window
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
constexpr int CompanyDateMaxLength = 20;

struct LoadedCompanyData
{
    CompanyData data;
    bool found = false; // false when the file does not exist (the data keep their defaults)
    QString error;      // German I/O error text, empty on success
    // Lines with text after line 16, which the program neither reads nor writes back.
    int unreadLines = 0;
    bool ok() const { return error.isEmpty(); }
};

// The file content of the sixteen lines. A character Windows-1252 cannot carry is written
// as "?", a control character (a pasted line break or tab) as a blank, so that every value
// stays on its own line.
QByteArray companyDataFileContent(const CompanyData &data);
// Reads lines 1 to 15 as they stand; missing lines give empty texts.
CompanyData parseCompanyData(const QByteArray &content);
// The company data as the settings window holds them once it has shown `data`: a position
// left empty (a missing or empty line) reads "0", as the window's change handler makes
// it, and the date is cut to the field's CompanyDateMaxLength characters. A report made
// without the window uses these, so that it accepts every Firma.set the window accepts.
CompanyData asSettingsWindowHolds(CompanyData data);
// The lines with text after line 16.
int unreadCompanyLines(const QByteArray &content);
// Reads `path`; a missing file is no error (found = false).
LoadedCompanyData loadCompanyData(const QString &path);
// Writes atomically; returns the German error text, empty on success.
QString saveCompanyData(const CompanyData &data, const QString &path);

// The date shortcut of the settings window: day, month and year without leading zeros,
// joined by ". " (7. 12. 2026).
QString companyDateText(const QDate &date);

// The date a report carries, on its cover and in its footer alike: the company's date
// when one is set, else `today` in the form of the date shortcut.
QString reportDateText(const CompanyData &data, const QDate &today);

// The place and date under "Aufgestellt:": "Kassel, den 7. 12. 2026", or the date alone
// when the company's town is empty.
QString placeAndDateText(const CompanyData &data, const QDate &today);

// The positions of logo and company name in the report's page header, in report pixels
// (1/96 inch), measured from the left and top edges of the header band.
struct CompanyPositions
{
    int logoLeft = 0;
    int logoTop = 0;
    int nameLeft = 0;
    int nameTop = 0;
};

// Far beyond any page: larger values are refused like negative ones, so that the report's
// offsets cannot overflow.
constexpr int MaxCompanyPosition = 10000;

struct CheckedCompanyPositions
{
    enum class Problem
    {
        None,
        NotAnInteger, // message: "'…' ist kein gültiger Integerwert" (general error display)
        OutOfRange    // message: "Falsche Eingabe!  Einstellungen wurden nicht übernommen."
    };
    CompanyPositions values;
    Problem problem = Problem::None;
    int field = -1; // the field at fault: 0 logo left, 1 logo top, 2 name left, 3 name top
    QString message;
    bool ok() const { return problem == Problem::None; }
};

// Converts the four position texts in the order logo left, logo top, name left, name top.
// All four are converted before the range is checked, so a text that is not a whole number
// is reported even when another field is negative. A value out of range is refused with
// companySettingsRefusedText() and, beneath it, the field, the value and the limits.
CheckedCompanyPositions checkCompanyPositions(const CompanyData &data);
// "Firmenlogo, Abstand vom linken Rand" .. "Firmenname, Abstand vom oberen Rand"
QString companyPositionName(int field);

// Whether accepting the settings may replace the company file without asking: it may unless
// the file exists and the window's texts did not come from it completely. `readAtStart`
// is what reading it at start-up found, `now` what reading it again finds. Empty when it
// may; otherwise the question that says what would be lost.
QString companyFileOverwriteQuestion(const QString &path, const LoadedCompanyData &readAtStart,
                                     const LoadedCompanyData &now);

QString invalidIntegerText(const QString &text);
// "Falsche Eingabe!  Einstellungen wurden nicht übernommen."
QString companySettingsRefusedText();
// "Kein Logo definiert oder\rfalscher Logo- bzw. Pfadname."
QString noCompanyLogoText();

// Whether the company block of the report would be empty: no text in any of the first ten
// fields (blanks count as nothing).
bool companyDataEmpty(const CompanyData &data);
// The hint of the first print without company data: what stays empty and where to enter it.
QString missingCompanyDataHint();

// The position fields take digits only; control characters (backspace, shortcuts) pass.
bool isPositionFieldCharacter(QChar c);
// A position text without leading zeros ("0240" becomes "240", "00" becomes "0"), as the
// field shows a typed number.
QString withoutLeadingZeros(const QString &text);

} // namespace tavix
