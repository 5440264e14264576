#pragma once

// Batch use without a window: reading a project file and printing its results.
//
//   tavix-schallschutz --json FILE.dat   one JSON object with every input the calculation
//                                        reads and, when complete, every result
//   tavix-schallschutz --text FILE.dat   the detailed results text, one line per line (UTF-8)
//   tavix-schallschutz --help | --version
//
// Exit status: 0 calculated, 1 inputs incomplete (the output is printed all the same),
// 2 the file cannot be read or the arguments are wrong (German message on stderr).

#include <QByteArray>
#include <QChar>

namespace tavix {
struct ProjectModel;
}

namespace tavix::app {

// True when the arguments ask for the command-line mode (--json, --text, --help, --version, -h,
// -v); everything else starts the window.
bool wantsCommandLineMode(int argc, char *argv[]);
int runCommandLine(int argc, char *argv[]);

// The JSON document of a loaded and recalculated project (UTF-8, ends with a newline).
QByteArray projectJson(const ProjectModel &model);
// The detailed results text of the same project, every line ended by a newline.
QByteArray projectText(const ProjectModel &model, QChar decimalSeparator);

} // namespace tavix::app
