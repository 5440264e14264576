#pragma once

// The mark a running program leaves beside a project file it has open, so that a second
// copy of the program opening the same file can say so before two windows save over each
// other. It is a lock file ("." + file name + ".lock") that records the process; it goes
// when the file is closed or the program ends, and a mark left by a program that crashed
// counts as gone, because its process no longer runs.

#include <QString>

#include <memory>

class QLockFile;

namespace tavix {

class OpenFileMark
{
public:
    OpenFileMark();
    ~OpenFileMark();
    OpenFileMark(OpenFileMark &&other) noexcept;
    OpenFileMark &operator=(OpenFileMark &&other) noexcept;

    enum class Outcome
    {
        Marked,        // the file is marked as open here
        OpenElsewhere, // another running program holds it
        Unmarkable     // no mark can be written there (a read-only folder); open it all the same
    };
    // Marks `path` as open here, giving up the mark of the file marked before.
    Outcome mark(const QString &path);
    // Gives up the mark, if any.
    void clear();
    // The file marked here; empty when none.
    const QString &markedFile() const { return m_path; }
    // Who holds the mark of `path`, as a person reads it ("Rechner „werkstatt“, Prozess 4711");
    // empty when nobody does.
    static QString holderOf(const QString &path);

private:
    std::unique_ptr<QLockFile> m_lock;
    QString m_path;
};

// Test seam: while switched off, mark() leaves no mark and answers Unmarkable. Widget tests
// in several processes open the same example files at once.
void setOpenFileMarksEnabledForTesting(bool enabled);

} // namespace tavix
