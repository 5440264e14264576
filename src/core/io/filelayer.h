#pragma once

// The one way the program touches files. Every file it writes (projects, lining
// catalogues, company data, report pictures, PDF and CSV exports) goes through
// writeFileAtomically(); every file it reads through readFileCapped().
//
// Writing goes to a temporary file beside the target that replaces the target only after
// write, flush and commit all succeeded; on any failure the temporary file is dropped and
// the old file stays as it was, bit for bit. The explicit flush matters: QSaveFile::commit()
// of Qt 6.4 can report success although flushing its last buffered bytes failed.
//
// Reading refuses anything that is not a regular file (a FIFO, a device, a folder) before
// opening it, so that no read can block or run forever, and reads at most a stated number
// of bytes; a larger file is an error, never a silent truncation.
//
// Errors are the German texts the user sees, and they name the file:
// "Datei „/home/p/projekt.dat“ konnte nicht gespeichert werden: Kapazität der
// Diskette/Festplatte erschöpft". The reason is one of "Datei nicht gefunden",
// "Dateizugriff verweigert", "Kapazität der Diskette/Festplatte erschöpft",
// "I/O-Fehler %d" (ioErrorText) or a reader's own, such as a file over its size cap.
//
// File names are QStrings as everywhere in Qt, with one addition: a name that is not
// valid UTF-8 (possible on Unix file systems, and on a command line) carries each byte
// that does not decode as a lone surrogate U+DC80..U+DCFF. fileNameFromNative() makes
// such a name and every function here reaches the file under exactly the original bytes.

#include <QByteArray>
#include <QString>

#include <functional>

namespace tavix {

struct FileReadResult
{
    QByteArray content;
    QString error;         // empty on success
    bool tooLarge = false; // the file is over the cap (and was not read)
    bool ok() const { return error.isEmpty(); }
};

// Reads the whole file at `path`, refusing special files and files larger than maxBytes.
FileReadResult readFileCapped(const QString &path, qint64 maxBytes);

// Replaces (or creates) the file at `path` with `content`; returns the German error text,
// empty on success. On failure an existing file is left untouched.
QString writeFileAtomically(const QString &path, const QByteArray &content);

// The German text of an errno value: the reason in the messages below.
QString ioErrorText(int error);

// The reason a file larger than the read cap is reported with.
QString fileTooLargeText(qint64 maxBytes);

// "Datei „<path>“ konnte nicht gelesen werden: <reason>"
QString fileReadErrorText(const QString &path, const QString &reason);
// "Datei „<path>“ konnte nicht gespeichert werden: <reason>"
QString fileWriteErrorText(const QString &path, const QString &reason);

// A file name as the system spells it (a command-line argument, a directory entry), made
// lossless as described above, and back.
QString fileNameFromNative(const QByteArray &native);
QByteArray nativeFileName(const QString &name);
// Whether anything exists under the name (following symbolic links).
bool fileExists(const QString &name);
// The name as a person reads it: native separators, an undecodable byte as U+FFFD.
QString displayFileName(const QString &name);

// Test seam: the steps of an atomic write, so that tests can make flush or commit fail.
enum class WriteStep
{
    Open,
    Write,
    Flush,
    Commit
};
// While set, the hook is asked before each step; returning an errno value other than 0
// makes that step fail with it. Pass an empty function to remove the hook.
void setWriteFaultHookForTesting(std::function<int(WriteStep)> hook);

} // namespace tavix
