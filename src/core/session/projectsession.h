#pragma once

// The project session: the one object that owns the project that is open and announces
// what happens to it. It holds the project model, the file the project belongs to, the
// saved state, the build-up and lining clipboards (which outlive "Neu" and opening), and
// runs the recalculation. New, Open, Save, Save as and the question on closing run here;
// whatever they must ask or tell the planner goes through SessionDialogs, which the
// window layer answers with message boxes and file dialogs and tests answer from a script.
//
// Windows read the model's fields directly and learn of changes only from the signals:
// none of them tells another about a change.

#include "core/buildup/buildupclipboard.h"
#include "core/io/openfilemark.h"
#include "core/linings/liningclipboard.h"
#include "core/model/variablen.h"
#include "core/session/answer.h"

#include <QByteArray>
#include <QObject>
#include <QString>

namespace tavix {

// The questions, messages and file choices of the project lifecycle.
class SessionDialogs
{
public:
    virtual ~SessionDialogs() = default;

    // A confirmation with "&Ja" and "&Nein"; true for "&Ja". Escape answers "&Nein".
    virtual bool confirm(const QString &question) = 0;
    // A question with "&Ja", "&Nein" and "&Abbrechen", for where "&Nein" would drop the
    // planner's work; Escape answers Cancel.
    virtual Answer ask(const QString &question) = 0;
    // An information with an OK button.
    virtual void inform(const QString &text) = 0;
    // The general error display.
    virtual void showError(const QString &text) = 0;
    // The chosen project file; empty when the planner cancels. Saving asks before it
    // picks an existing file.
    virtual QString chooseFileToOpen() = 0;
    virtual QString chooseFileToSave() = 0;
};

class ProjectSession : public QObject
{
    Q_OBJECT

public:
    // Starts with a reset project that has not been recalculated yet; reset() brings it
    // to the state of program start once the windows listen.
    explicit ProjectSession(QObject *parent = nullptr);
    ~ProjectSession() override;

    ProjectModel &model() { return m_model; }
    const ProjectModel &model() const { return m_model; }

    // The questions of the lifecycle go to `dialogs` (not owned); without any, every
    // question is answered "&Nein", every file choice cancelled and messages dropped.
    void setDialogs(SessionDialogs *dialogs);

    // Full path of the file last opened or saved; empty for a fresh project.
    const QString &fileName() const { return m_fileName; }
    // `Saved`: nothing changed since the project was created, opened or saved.
    bool isSaved() const { return m_model.Saved; }
    // The one place where an edit clears `Saved`.
    void markChanged();

    // Validates and computes the project with the locale's decimal separator, unless
    // RecalcEnabled is cleared. Announces recalculated(), or recalculationFailed() when a
    // field is not a number (the model then keeps its previous results). True when
    // recalculated() was announced.
    bool Recalculate();

    // The model becomes the project (window state such as ResultsShown stays, nothing is
    // highlighted); announced as projectReplaced(), then recalculated once. The file name
    // and the saved state are left alone.
    void replaceProject(ProjectModel model);
    // Every input back to its reset value and no file; announced, recalculated, saved.
    // The new project is proven against the requirement set here (the planner's last choice,
    // which the window layer keeps per user); none until one is set.
    void reset();
    void setNewProjectRequirement(const ProjectRequirement &requirement);

    // "&Neu": asks, then resets.
    void newProject();
    // "&Öffnen...": asks about unsaved changes, lets the planner choose a file, opens it.
    void openProject();
    // Opens `path` without file choice (the file named on the command line). A file that
    // cannot be read is reported and leaves the project as it was; a file that another
    // running copy of the program holds open is opened only after a question; a file cut
    // short opens with a notice of how many lines it had.
    bool openFile(const QString &path);
    // "&Speichern unter...": lets the planner choose a file and writes the project there.
    void saveAs();
    // "&Speichern": writes to the project's file; without one it acts as "Speichern unter".
    // Both ask before replacing the project's file when another program changed it since
    // it was opened or saved here.
    void save();
    // Whether the program may end: nothing would be lost, or the planner lets it go. For a
    // changed project "&Abbrechen" (Escape, the close box) keeps the program open.
    bool mayClose();
    // The variant study holds results that ending the program would lose; the study
    // window keeps this up to date.
    void setVariantStudyFilled(bool filled) { m_variantStudyFilled = filled; }

    // The build-up and lining clipboards. Copying changes nothing; a paste or a clear
    // recalculates and marks the project as changed when it changed a slot.
    void copyBuildUp(int element, int side);
    bool pasteBuildUp(int element, int side);
    void copyLining(LiningSlot slot);
    LiningChange pasteLining(LiningSlot slot);
    LiningChange clearLining(LiningSlot slot);

Q_SIGNALS:
    // A recalculation ran to its end; the model holds its results or its messages.
    void recalculated();
    // A recalculation stopped at a field that is not a number; `message` names it.
    void recalculationFailed(const QString &message);
    // Another project took the place of the one shown (reset or opened); a
    // recalculation follows.
    void projectReplaced();
    void savedChanged(bool saved);
    void fileNameChanged(const QString &fileName);

private:
    void adopt(ProjectModel model);
    bool writeTo(const QString &fullPath);
    bool changedOnDisk(const QString &fullPath) const;
    void rememberContentOf(const QString &fullPath);
    void setSaved(bool saved);
    void setFileName(const QString &fileName);
    SessionDialogs &dialogs();

    ProjectModel m_model;
    QString m_fileName;
    ProjectRequirement m_newProjectRequirement;
    SessionDialogs *m_dialogs = nullptr;
    // The project's file as it lay on disk when it was opened or last saved here, to tell
    // whether another program changed it since; the mark tells other copies that it is open.
    QByteArray m_fileContent;
    OpenFileMark m_mark;
    bool m_variantStudyFilled = false;
    BuildUpClipboard m_buildUpClipboard;
    LiningClipboard m_liningClipboard;
};

} // namespace tavix
