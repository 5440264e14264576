// Writes the shipped example project from the test fixture it is compared with; run through
// scripts/regenerate-example.sh after a deliberate change of the file format or the example.
#include "core/projectfile/projectfile.h"
#include "exampleproject.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fputs("Aufruf: tavix_regenerate_example ZIEL.dat\n", stderr);
        return 64;
    }
    const QString error =
        tavix::saveProject(tavix::fixtures::exampleProject(), arguments.at(1), QLatin1Char('.'));
    if (!error.isEmpty()) {
        std::fputs((error + QLatin1Char('\n')).toUtf8().constData(), stderr);
        return 1;
    }
    return 0;
}
