#pragma once

// The interactive program: creates the windows, records the start directory and runs
// the event loop. The project file named on the command line, if any, is opened once the
// main window exists.

#include <QString>

namespace tavix::app {

int runDesktop(int argc, char *argv[], const QString &project);

} // namespace tavix::app
