#include "app/commandline.h"
#include "app/desktop.h"

#include "core/io/codepage.h"
#include "gui/common/userinteraction.h"

#include <QApplication>

#include <cstdio>

namespace {

// Without the code page every project, catalogue and company file would lose its umlauts
// or fail to load; better to say so once, before anything is read or written.
int reportMissingCodePage(bool commandLine, int argc, char *argv[])
{
    const QString text = tavix::codePageMissingText();
    if (commandLine) {
        const QByteArray bytes = text.toUtf8() + '\n';
        std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
        return 2;
    }
    QApplication app(argc, argv);
    tavix::gui::showError(nullptr, text);
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    const tavix::app::CommandLine commandLine(tavix::app::argumentsFromNative(argc, argv));
    if (!tavix::codePageAvailable())
        return reportMissingCodePage(!commandLine.startsWindow(), argc, argv);
    if (commandLine.startsWindow())
        return tavix::app::runDesktop(argc, argv, commandLine.projectFile());
    return commandLine.run(argc, argv);
}
