#pragma once

// The lining catalogues: one plain text file per category in the start directory, in the
// Windows code page with CR LF line ends. Four header lines (ignored when reading), then
// two lines per lining system: its description and its resonance frequency in hertz.
// The catalogues are user data, maintained with the table of the lining dialog.

#include <QList>
#include <QString>
#include <QStringList>

namespace tavix {

constexpr int LiningCategoryCount = 3; // 1 wall linings, 2 suspended ceilings, 3 floating screeds

// Rows beyond this are not read, so that a huge or foreign file cannot exhaust memory
// or freeze the table; lines are cut at MaxCatalogueLineLength characters likewise, and a
// file larger than MaxCatalogueFileSize is not read at all. A catalogue read only in part
// is marked so: writing the table back would lose what was not read.
constexpr int MaxCatalogueRows = 10000;
constexpr int MaxCatalogueLineLength = 1000;
constexpr qint64 MaxCatalogueFileSize = 32 * 1024 * 1024;

struct LiningCatalogueRow
{
    QString description;
    QString frequency; // as written; checked only when the row is chosen

    bool operator==(const LiningCatalogueRow &o) const
    {
        return description == o.description && frequency == o.frequency;
    }
};

// "VS_Wand.lib", "VS_Decke.lib", "VS_Estrich.lib"; empty for an unknown category.
QString liningCatalogueFileName(int category);
// The four header lines written for a category.
QStringList liningCatalogueHeader(int category);

struct LiningCatalogueReadResult
{
    QList<LiningCatalogueRow> rows; // in file order; may be empty
    // The file holds more than `rows`: a row, line or size cap was hit.
    bool truncated = false;
    QString error; // empty when the file could be read
    // Writing `rows` back would replace the file with less than it holds (or held).
    bool partial() const { return truncated || !error.isEmpty(); }
};

// Reads a catalogue file: a regular file of at most MaxCatalogueFileSize bytes (a FIFO,
// a device or a folder is refused with an error, never waited for). A record whose
// frequency line is missing at the end of the file gets an empty frequency. Line ends
// CR LF, LF and CR are all accepted.
LiningCatalogueReadResult readLiningCatalogue(const QString &path);
// The same for file contents already in memory (Windows code page).
LiningCatalogueReadResult parseLiningCatalogue(const QByteArray &contents);

// The file contents for a category: the header, then every row with a non-empty
// description. Line breaks inside a cell are written as blanks, as they would split the
// record and shift every later record by a line.
QByteArray serializeLiningCatalogue(int category, const QList<LiningCatalogueRow> &rows);
// Writes the file; an existing file is replaced only once the new one is complete.
// Returns the error text, empty on success.
QString writeLiningCatalogue(const QString &path, int category, const QList<LiningCatalogueRow> &rows);

} // namespace tavix
