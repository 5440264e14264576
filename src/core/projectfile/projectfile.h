#pragma once

// Project files (*.dat): a fixed sequence of 282 lines, one value per line, read back by
// position. Windows-1252 text, CR LF after every line, "." as decimal point whatever the
// locale; reals are fixed-point with the width and decimals of their line, integers plain
// or right-aligned to five characters.
//
// The reader is tolerant the way the format always was: numbers may carry blanks before
// them and text after them, blank lines where a number is expected are skipped, a short
// file reads as zeros and empty texts, byte 26 ends the file, and a first line other than
// the version 2.0 header marks an older file whose last forty lines are ignored. Values
// are taken as read (no range checks); every table lookup elsewhere is bounds-safe.
//
// A project with impact-sound inputs or a chosen requirement carries them after line 282,
// where every reader of the 282 lines has stopped: a line "[Tavix-Erweiterung]", then
// "Key=Value" lines (Anforderung, EigeneAnforderungRw, EigeneAnforderungLnw, Estrichart,
// EstrichMasse, Steifigkeit, Steifigkeit2, DeltaLw) with "." as decimal point. Unknown keys
// are passed over. Without such inputs nothing follows line 282.
//
// A file that an editor saved as UTF-8 with a byte order mark is read as UTF-8 text of the
// same layout (see decodeUtf8LineToCodePage for its characters). A file shorter than its
// format still opens, as short files always did, but the load result says so.
//
// Unlike a plain line-by-line reader, loading never touches the caller's project: the
// file goes into a fresh model that the caller adopts only on success, so a damaged
// file cannot destroy the project that is open. Likewise saving replaces an existing
// file only once the new content is complete.

#include "core/model/variablen.h"

#include <QByteArray>
#include <QString>

namespace tavix {

constexpr int ProjectFileLineCount = 282;
constexpr int OlderProjectFileLineCount = 242; // an older file: the lines before the variant name
// A project file is a few kilobytes; a larger file is refused before it is read, so that a
// damaged or foreign file cannot fill the memory.
constexpr qint64 MaxProjectFileSize = 64 * 1024 * 1024;
extern const char *const ProjectFileHeader; // "Projektdaten: Tavix-Schallschutzrechner Version 2.0"

struct LoadedProject
{
    ProjectModel model;
    double fileVersion = 0; // 2.0 for the current format, 0 for an older file
    // Empty on success; otherwise the file layer's message, which names the file, with
    // "Ungültige numerische Eingabe" or the I/O error ("Datei nicht gefunden", ...) as
    // its reason (readProject, which has no file, gives the reason alone).
    QString error;
    bool ok() const { return error.isEmpty(); }
    // The file had fewer lines than its format (ProjectFileLineCount, or
    // OlderProjectFileLineCount for an older file); whatever is missing keeps its reset
    // value. lineCount is the number of lines it had, a last line without line end included.
    bool incomplete = false;
    int lineCount = 0;
    bool utf8 = false; // began with a UTF-8 byte order mark and was read as UTF-8
};

// The notice for an incomplete file: "Die Projektdatei „…“ ist unvollständig: ..."
QString incompleteProjectText(const QString &path, const LoadedProject &loaded);

// Reads a project as opening it in the main window does: starts from resetModel(), reads
// the file, and brings the model up to date the way the main window shows a loaded
// project (field texts of numbers in general form with the given separator, empty name
// of the separating element -> "Trennbauteil", DnT,w direction from the volumes,
// build-up summaries rebuilt from the records, Saved and RecalcEnabled set). Adopt
// `model` only when ok(). Runs no recalculation.
LoadedProject loadProject(const QString &path, QChar decimalSeparator);
// The same from the bytes of a file.
LoadedProject readProject(const QByteArray &content, QChar decimalSeparator);

// Writes the project; returns the I/O error text, empty on success. An existing file is
// replaced only when the whole new content was written. Numbers of the main window's
// fields (A, L1, L2, Vol1, Vol2, LFk, FFk_i) are taken from their texts, read with the
// given separator; a text that is not a number falls back to the model's value (0 for
// the flank areas).
QString saveProject(const ProjectModel &model, const QString &path, QChar decimalSeparator);
// The file content saveProject writes; *writable (when given) says whether saveProject
// would write it or refuse the project with "Ungültige numerische Eingabe".
QByteArray projectFileContent(const ProjectModel &model, QChar decimalSeparator, bool *writable = nullptr);

} // namespace tavix
