#include "desktop.h"

#include <QApplication>
#include <QMainWindow>

namespace tavix::app {

int runDesktop(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavix-Schallschutz Rechner"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral(" Tavix-Schallschutz Rechner (Version 2.0)"));
    window.resize(1000, 700);
    window.show();
    return app.exec();
}

} // namespace tavix::app
