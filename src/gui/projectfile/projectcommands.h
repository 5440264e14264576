#pragma once

// The project lifecycle of the main window: New, Open, Save as and the unsaved-changes
// check on closing. The project itself lives in the window's model; this class only
// holds the file it is associated with and drives the window through its public API.
//
// Opening reads into a separate model that the window adopts only when the file was read
// to its end, so a damaged file leaves the project that is open, its file name and its
// saved state as they were. Saving replaces an existing file only once the new content
// is complete.

#include <QObject>
#include <QString>

class QCloseEvent;

namespace tavix::gui {

class TSimplifiedModel;

class ProjectCommands : public QObject
{
    Q_OBJECT

public:
    explicit ProjectCommands(TSimplifiedModel &window);

    // Full path of the file last opened or saved; empty for a fresh project.
    const QString &projectFileName() const { return m_projectFileName; }

    // "&Neu": asks, then resets everything.
    void newProject();
    // "&Öffnen...": asks about unsaved changes, shows the open dialog, reads the file.
    void openProject();
    // Reads `path` into the window as opening does, without dialog and question (the
    // file named on the command line). False when the file could not be read; the error
    // has been shown and the window is unchanged.
    bool openFile(const QString &path);
    // "&Speichern unter...": asks for a file name and writes the project.
    void saveAs();
    // "&Speichern": writes to the open project file without asking; without one it acts
    // as "&Speichern unter...".
    void save();
    // True when the window may close: the project is saved, or the user declines saving.
    bool mayClose();

    static QString fileFilter();

private:
    // Writes the project to `fullPath`; on success the project is associated with it and
    // saved, otherwise the error is shown and name, saved state and file stay as they were.
    bool writeTo(const QString &fullPath);

    TSimplifiedModel &m_window;
    QString m_projectFileName;
};

} // namespace tavix::gui
