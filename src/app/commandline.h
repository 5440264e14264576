#pragma once

// Batch use without a window: reading project files and printing their results.
//
//   tavix-schallschutz --json A.dat [B.dat ...]  per file one JSON object with every input the
//                                               calculation reads and, when complete, every
//                                               result; several files: one object per line,
//                                               each with "File"
//   tavix-schallschutz --text A.dat [B.dat ...]  the detailed results text (UTF-8); several
//                                               files: the texts separated by a form feed
//   tavix-schallschutz --pdf OUT.pdf FILE.dat    the two-page report as PDF (company data from
//                                               Firma.set in the current directory)
//   ... --anforderung DB                         with --json the requirement check against
//                                               erf. R'w = DB (under "Requirement")
//   tavix-schallschutz --help | --version
//
// Exit status: the worst of the files, 0 calculated, 1 inputs incomplete (the output is
// printed all the same), 2 a file cannot be read, a value has no JSON number, the output
// cannot be written (German message on stderr); 64 a wrong call (German message and the
// usage on stderr).
//
// The arguments are parsed once, before any application object exists: the parse decides
// whether the window starts and what kind of application the command line needs.

#include <QString>
#include <QStringList>

#include <memory>

class QCommandLineParser;

namespace tavix::app {

// argv as QStrings that keep every byte of a file name (fileNameFromNative).
QStringList argumentsFromNative(int argc, char *argv[]);

class CommandLine
{
public:
    explicit CommandLine(const QStringList &arguments);
    ~CommandLine();
    CommandLine(const CommandLine &) = delete;
    CommandLine &operator=(const CommandLine &) = delete;

    // No option at all: the window starts and opens projectFile(), if one was named.
    bool startsWindow() const;
    QString projectFile() const;

    // Runs the command-line mode: creates the application it needs, prints, returns the
    // exit status.
    int run(int &argc, char *argv[]) const;

private:
    std::unique_ptr<QCommandLineParser> m_parser;
    bool m_parsed = false;
};

} // namespace tavix::app
