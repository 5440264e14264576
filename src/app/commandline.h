#pragma once

// Batch use without a window: reading a project file and printing its results.
//
//   tavix-schallschutz --json FILE.dat   one JSON object with every input the calculation
//                                        reads and, when complete, every result
//   tavix-schallschutz --help | --version
//
// Exit status: 0 calculated, 1 inputs incomplete (the JSON is printed all the same),
// 2 the file cannot be read, a value has no JSON number, or the arguments are wrong
// (German message on stderr).

#include <QByteArray>
#include <QString>

namespace tavix {
struct ProjectModel;
}

namespace tavix::app {

// True when the arguments ask for the command-line mode (--json, --help, --version, -h,
// -v); everything else starts the window.
bool wantsCommandLineMode(int argc, char *argv[]);
int runCommandLine(int argc, char *argv[]);

// The JSON document of a loaded and recalculated project (UTF-8, ends with a newline).
// Every number is a finite double; when a value is not (beyond the range of a double, or
// not finite) the document is empty and `error` says why.
QByteArray projectJson(const ProjectModel &model, QString *error = nullptr);

} // namespace tavix::app
