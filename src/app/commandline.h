#pragma once

// Batch use without a window: reading a project file and printing its results.
//
//   tavix-schallschutz --json FILE.dat   one JSON object with every input the calculation
//                                        reads and, when complete, every result
//   tavix-schallschutz --text FILE.dat   the detailed results text, one line per line (UTF-8)
//   tavix-schallschutz --pdf OUT.pdf FILE.dat
//                                        the two-page report as PDF (company data from
//                                        Firma.set in the current directory)
//   tavix-schallschutz --json FILE.dat --anforderung DB
//                                        the same with the requirement check against
//                                        erf. R'w = DB (under "Requirement")
//   tavix-schallschutz --help | --version
//
// Exit status: 0 calculated, 1 inputs incomplete (the output is printed all the same),
// 2 the file cannot be read, a value has no JSON number, or the arguments are wrong
// (German message on stderr).

#include <QByteArray>
#include <QChar>
#include <QString>

#include <optional>

namespace tavix {
struct ProjectModel;
}

namespace tavix::app {

// True when the arguments ask for the command-line mode (--json, --text, --help, --version, -h,
// -v); everything else starts the window.
bool wantsCommandLineMode(int argc, char *argv[]);
int runCommandLine(int argc, char *argv[]);

// The JSON document of a loaded and recalculated project (UTF-8, ends with a newline).
// When calculated it lists the paths by share and, given erf. R'w, the requirement check.
// Every number is a finite double; when a value is not (beyond the range of a double, or
// not finite) the document is empty and `error` says why.
QByteArray projectJson(const ProjectModel &model, std::optional<long double> requirement = std::nullopt,
                       QString *error = nullptr);
// The detailed results text of the same project, every line ended by a newline.
QByteArray projectText(const ProjectModel &model, QChar decimalSeparator);

} // namespace tavix::app
