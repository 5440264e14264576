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
    const bool commandLine = tavix::app::wantsCommandLineMode(argc, argv);
    if (!tavix::codePageAvailable())
        return reportMissingCodePage(commandLine, argc, argv);
    if (commandLine)
        return tavix::app::runCommandLine(argc, argv);
    return tavix::app::runDesktop(argc, argv);
}
