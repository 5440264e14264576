#pragma once

// Batch use without a window: reading a project file and printing its results.
//
//   tavix-schallschutz --json FILE.dat   one JSON object with every input the calculation
//                                        reads and, when complete, every result
//   tavix-schallschutz --help | --version
//
// Exit status: 0 calculated, 1 inputs incomplete (the JSON is printed all the same),
// 2 the file cannot be read or an option lacks its value (German message on stderr),
// 64 an unknown option (German message and the usage on stderr).

#include <QByteArray>

namespace tavix {
struct ProjectModel;
}

namespace tavix::app {

// True when the arguments hold any option before "--" (an unknown one too, which is then
// refused with the usage); a project file alone starts the window.
bool wantsCommandLineMode(int argc, char *argv[]);
int runCommandLine(int argc, char *argv[]);

// The JSON document of a loaded and recalculated project (UTF-8, ends with a newline).
QByteArray projectJson(const ProjectModel &model);

} // namespace tavix::app
