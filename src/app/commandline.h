#pragma once

// Batch use without a window: reading a project file and printing its results.

namespace tavix::app {

// True when the arguments ask for the command-line mode (--json, --help, --version).
bool wantsCommandLineMode(int argc, char *argv[]);
int runCommandLine(int argc, char *argv[]);

} // namespace tavix::app
