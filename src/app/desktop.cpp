#include "app/desktop.h"

#include "core/io/filelayer.h"
#include "core/session/projectsession.h"
#include "gui/common/germantranslations.h"
#include "gui/common/programpictures.h"
#include "gui/common/startdirectory.h"
#include "gui/mainwindow/simplifiedmodel.h"

#include <cerrno>
#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QTimer>

namespace tavix::app {

int runDesktop(int argc, char *argv[], const QString &project)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavix-Schallschutz Rechner"));
    gui::installGermanQtTranslations(app);
    gui::installProgramIdentity();

    // Told before the window opens, for whoever started the program from a shell; the
    // window then reports it as "Öffnen..." would.
    if (!project.isEmpty() && !fileExists(project)) {
        const QByteArray text = fileReadErrorText(project, ioErrorText(ENOENT)).toUtf8() + '\n';
        std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stderr);
        std::fflush(stderr);
    }

    gui::TSimplifiedModel window;
    // Catalogues, company data and documents are looked for where the program started,
    // whatever folder a file dialog visits later.
    gui::setStartDirectory(QDir::currentPath());
    window.readCompanySettings();
    window.show();

    // Opened once the window is on screen, so that messages have their window behind them;
    // a file that cannot be read leaves the fresh project.
    if (!project.isEmpty())
        QTimer::singleShot(0, &window, [&window, project] { window.session().openFile(project); });
    return app.exec();
}

} // namespace tavix::app
