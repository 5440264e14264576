#include "app/commandline.h"
#include "app/desktop.h"

int main(int argc, char *argv[])
{
    if (tavix::app::wantsCommandLineMode(argc, argv))
        return tavix::app::runCommandLine(argc, argv);
    return tavix::app::runDesktop(argc, argv);
}
