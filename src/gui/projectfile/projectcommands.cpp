#include "gui/projectfile/projectcommands.h"

#include "gui/common/userinteraction.h"
#include "gui/mainwindow/simplifiedmodel.h"
#include "core/model/numbers.h"
#include "core/projectfile/projectfile.h"

#include <QFileInfo>
#include <QFrame>
#include <QTabWidget>

namespace tavix::gui {

namespace {

const QString ResetQuestion = QString::fromUtf8("Alle Eingaben rücksetzen ?\r  ");
const QString OpenUnsavedQuestion =
    QString::fromUtf8("Das aktuelle Projekt ist nicht gespeichert!\rMöchten Sie die trotzdem ein neues "
                      "Projekts öffnen?");
const QString CloseUnsavedQuestion =
    QString::fromUtf8("Die aktuellen Eingaben sind nicht gespeichert!\rMöchten Sie die Daten vor dem "
                      "Schließen speichern?");
const QString OlderVersionMessage =
    QString::fromUtf8("Die eingelesene Datei wurde nicht mit der aktuellen Programmversion erstellt!"
                      "                \rIn der neuen Version ist zur Bestimmung von D,nTW die Angabe "
                      "des Raumvolumens hinzugekommen. \r\rWeitere Informationen sind dem Handbuch "
                      "(siehe Menüleiste / Info) zu entnehmen.              ");
const QString DirectIndexCaption = QString::fromUtf8("Direktschalldämmung: ");

} // namespace

ProjectCommands::ProjectCommands(TSimplifiedModel &window) : QObject(&window), m_window(window) {}

QString ProjectCommands::fileFilter()
{
    return QStringLiteral("Projektdaten (*.dat)");
}

void ProjectCommands::newProject()
{
    // Asked even for a saved project: a reset cannot be undone.
    if (!userInteraction().askYesNo(&m_window, MessageKind::Confirmation, ResetQuestion))
        return;
    m_window.ResetProject(); // hides the file name display as well
    m_projectFileName.clear();
    m_window.controls().PageControl->setCurrentIndex(0);
    m_window.model().Highlight = 0;
    m_window.PrepareSchematicColours();
    m_window.Recalculate();
    m_window.model().Saved = true;
    m_window.controls().PanelTavix->setFocus();
}

void ProjectCommands::openProject()
{
    if (!m_window.model().Saved &&
        !userInteraction().askYesNo(&m_window, MessageKind::Confirmation, OpenUnsavedQuestion))
        return;
    FileDialogOptions options;
    options.caption = QString::fromUtf8("Öffnen");
    // The start directory every time, whatever folder the last dialog ended in.
    options.directory = startDirectory();
    options.filter = fileFilter();
    const QString path = userInteraction().getOpenFileName(&m_window, options);
    if (path.isEmpty())
        return;
    openFile(path);
}

bool ProjectCommands::openFile(const QString &path)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    LoadedProject loaded = loadProject(fullPath, localeDecimalSeparator());
    if (!loaded.ok()) {
        showError(&m_window, loaded.error);
        return false;
    }

    ProjectModel &model = m_window.model();
    // Window state that a reset leaves alone survives opening too: an open results
    // window keeps following the project.
    loaded.model.ResultsShown = model.ResultsShown;
    loaded.model.everCalculated = model.everCalculated;
    model = std::move(loaded.model);
    // No recalculation per field while the window takes over the loaded values.
    model.RecalcEnabled = false;
    m_projectFileName = fullPath;
    m_window.showProjectFileName(fullPath);
    m_window.refreshFromModel();
    m_window.showDirectIndexNote(DirectIndexCaption);

    // Only after the loaded values are on screen, so the planner sees the missing volumes.
    if (loaded.fileVersion < 2)
        userInteraction().showMessage(&m_window, MessageKind::Information, OlderVersionMessage);

    model.RecalcEnabled = true;
    m_window.controls().PageControl->setCurrentIndex(0);
    model.Highlight = 0;
    m_window.PrepareSchematicColours();
    m_window.Recalculate();
    model.Saved = true;
    m_window.controls().PanelTavix->setFocus();
    return true;
}

void ProjectCommands::saveAs()
{
    ProjectModel &model = m_window.model();
    // Every edit writes its text into the model at once, so names and lining texts are
    // there already; only the field handlers must stay quiet while the dialog runs.
    model.RecalcEnabled = false;
    FileDialogOptions options;
    options.caption = QString::fromUtf8("Speichern unter");
    options.directory = startDirectory();
    options.filter = fileFilter();
    options.defaultSuffix = QStringLiteral("dat");
    QString path = userInteraction().getSaveFileName(&m_window, options);
    if (!path.isEmpty()) {
        // The dialog appends the suffix itself; a platform dialog that does not is covered here.
        if (QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".dat");
        writeTo(QFileInfo(path).absoluteFilePath());
    }
    model.RecalcEnabled = true;
}

void ProjectCommands::save()
{
    if (m_projectFileName.isEmpty())
        saveAs();
    else
        writeTo(m_projectFileName);
}

bool ProjectCommands::writeTo(const QString &fullPath)
{
    ProjectModel &model = m_window.model();
    const QString error = saveProject(model, fullPath, localeDecimalSeparator());
    if (!error.isEmpty()) {
        // The project stays associated with the file it had: nothing was written to the
        // new one, and an existing file there is untouched.
        showError(&m_window, error);
        return false;
    }
    m_projectFileName = fullPath;
    m_window.showProjectFileName(fullPath);
    model.Saved = true;
    return true;
}

bool ProjectCommands::mayClose()
{
    if (m_window.model().Saved)
        return true;
    // "&Ja" means the planner wants to save first: the window stays open for "Speichern unter...".
    return !userInteraction().askYesNo(&m_window, MessageKind::Confirmation, CloseUnsavedQuestion);
}

} // namespace tavix::gui
