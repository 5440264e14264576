#pragma once

// The interactive program: creates the windows, records the start directory and runs
// the event loop. A project file given as the single argument is opened once the main
// window exists.

namespace tavix::app {

int runDesktop(int argc, char *argv[]);

} // namespace tavix::app
