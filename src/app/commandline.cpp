#include "commandline.h"

namespace tavix::app {

bool wantsCommandLineMode(int, char *[])
{
    return false;
}

int runCommandLine(int, char *[])
{
    return 0;
}

} // namespace tavix::app
