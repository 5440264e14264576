// Writes the shipped example projects from the test fixtures they are compared with; run
// through scripts/regenerate-example.sh after a deliberate change of the file format or an
// example.
#include "core/projectfile/projectfile.h"
#include "exampleproject.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fputs("Aufruf: tavix_regenerate_example ZIELORDNER\n", stderr);
        return 64;
    }
    const QDir folder(arguments.at(1));
    const std::pair<const char *, tavix::ProjectModel> examples[] = {
        {"worked-example.dat", tavix::fixtures::exampleProject()},
        {"floor-example.dat", tavix::fixtures::floorExampleProject()},
        {"impact-example.dat", tavix::fixtures::impactExampleProject()}};
    for (const auto &[name, model] : examples) {
        const QString error =
            tavix::saveProject(model, folder.filePath(QString::fromLatin1(name)), QLatin1Char('.'));
        if (!error.isEmpty()) {
            std::fputs((error + QLatin1Char('\n')).toUtf8().constData(), stderr);
            return 1;
        }
    }
    return 0;
}
