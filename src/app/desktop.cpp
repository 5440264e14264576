#include "desktop.h"

#include "mainwindow/simplifiedmodel.h"

#include <QApplication>
#include <QDir>

namespace tavix::app {

int runDesktop(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavix-Schallschutz Rechner"));

    gui::TSimplifiedModel window;
    // Catalogues, company data and documents are looked for where the program started,
    // whatever folder a file dialog visits later.
    gui::setStartDirectory(QDir::currentPath());
    window.show();
    return app.exec();
}

} // namespace tavix::app
