#include "core/session/projectsession.h"

#include "core/calculate/recalculate.h"
#include "core/io/filelayer.h"
#include "core/model/numbers.h"
#include "core/projectfile/projectfile.h"

#include <QFileInfo>
#include <QScopedValueRollback>

namespace tavix {

namespace {

const QString ResetQuestion = QStringLiteral("Alle Eingaben rücksetzen ?\r  ");
const QString OpenUnsavedQuestion =
    QStringLiteral("Das aktuelle Projekt ist nicht gespeichert!\rMöchten Sie die trotzdem ein neues "
                   "Projekts öffnen?");
const QString CloseUnsavedQuestion =
    QStringLiteral("Die aktuellen Eingaben sind nicht gespeichert!\rMöchten Sie die Daten vor dem "
                   "Schließen speichern?");
const QString OlderVersionMessage =
    QStringLiteral("Die eingelesene Datei wurde nicht mit der aktuellen Programmversion erstellt!"
                   "                \rIn der neuen Version ist zur Bestimmung von D,nTW die Angabe "
                   "des Raumvolumens hinzugekommen. \r\rWeitere Informationen sind dem Handbuch "
                   "(siehe Menüleiste / Info) zu entnehmen.              ");

const QString StudyAlsoLost =
    QStringLiteral("\r\rDie Ergebnisse der Variantenuntersuchung gehen beim Schließen ebenfalls verloren.");
const QString StudyLostQuestion = QStringLiteral(
    "Beim Schließen des Programms gehen die Angaben der Variantenuntersuchung verloren!\rMöchten Sie das "
    "Programm trotzdem beenden?");

QString changedOnDiskQuestion(const QString &path)
{
    return QStringLiteral("Die Projektdatei „%1“ wurde seit dem Öffnen oder letzten Speichern von einem "
                          "anderen Programm geändert.\rMöchten Sie sie trotzdem überschreiben?")
        .arg(displayFileName(path));
}

QString openElsewhereQuestion(const QString &path)
{
    QString holder = OpenFileMark::holderOf(path);
    if (!holder.isEmpty())
        holder = QStringLiteral(" (") + holder + QLatin1Char(')');
    return QStringLiteral(
               "Die Projektdatei „%1“ ist bereits in einem anderen Fenster des Programms geöffnet%2."
               "\rWer zuletzt speichert, überschreibt die Änderungen des anderen.\rMöchten Sie die "
               "Datei trotzdem öffnen?")
        .arg(displayFileName(path), holder);
}

// Answers for a session nobody converses with: nothing is chosen, nothing confirmed.
class NoDialogs final : public SessionDialogs
{
public:
    bool confirm(const QString &) override { return false; }
    Answer ask(const QString &) override { return Answer::Cancel; }
    void inform(const QString &) override {}
    void showError(const QString &) override {}
    QString chooseFileToOpen() override { return {}; }
    QString chooseFileToSave() override { return {}; }
};

} // namespace

ProjectSession::ProjectSession(QObject *parent) : QObject(parent)
{
    resetModel(m_model, localeDecimalSeparator());
}

ProjectSession::~ProjectSession() = default;

void ProjectSession::setDialogs(SessionDialogs *dialogs)
{
    m_dialogs = dialogs;
}

SessionDialogs &ProjectSession::dialogs()
{
    static NoDialogs none;
    return m_dialogs ? *m_dialogs : none;
}

void ProjectSession::markChanged()
{
    setSaved(false);
}

void ProjectSession::setSaved(bool saved)
{
    if (m_model.Saved == saved)
        return;
    m_model.Saved = saved;
    Q_EMIT savedChanged(saved);
}

void ProjectSession::setFileName(const QString &fileName)
{
    if (m_fileName == fileName)
        return;
    m_fileName = fileName;
    Q_EMIT fileNameChanged(fileName);
}

bool ProjectSession::Recalculate()
{
    if (!m_model.RecalcEnabled)
        return false;
    const RecalcOutcome outcome = tavix::Recalculate(m_model, localeDecimalSeparator());
    if (!outcome.ok()) {
        Q_EMIT recalculationFailed(outcome.error);
        return false;
    }
    Q_EMIT recalculated();
    return true;
}

// Window state that a reset leaves alone survives a replacement too: an open results
// window keeps following the project. No recalculation per field while the windows take
// over the new values.
void ProjectSession::adopt(ProjectModel model)
{
    model.ResultsShown = m_model.ResultsShown;
    model.Saved = m_model.Saved;
    model.Highlight = 0;
    m_model = std::move(model);
    const QScopedValueRollback suspended(m_model.RecalcEnabled, false);
    Q_EMIT projectReplaced();
}

void ProjectSession::replaceProject(ProjectModel model)
{
    adopt(std::move(model));
    Recalculate();
}

void ProjectSession::reset()
{
    ProjectModel fresh;
    resetModel(fresh, localeDecimalSeparator());
    fresh.requirement = m_newProjectRequirement;
    m_mark.clear();
    m_fileContent.clear();
    setFileName(QString());
    replaceProject(std::move(fresh));
    setSaved(true);
}

void ProjectSession::setNewProjectRequirement(const ProjectRequirement &requirement)
{
    m_newProjectRequirement = requirement;
}

void ProjectSession::newProject()
{
    // Asked even for a saved project: a reset cannot be undone.
    if (!dialogs().confirm(ResetQuestion))
        return;
    reset();
}

void ProjectSession::openProject()
{
    if (!isSaved() && !dialogs().confirm(OpenUnsavedQuestion))
        return;
    const QString path = dialogs().chooseFileToOpen();
    if (!path.isEmpty())
        openFile(path);
}

// The file is read into a model of its own that becomes the project only when it was read
// to its end, so a damaged file leaves the project, its file name and its saved state as
// they were.
bool ProjectSession::openFile(const QString &path)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    LoadedProject loaded = loadProject(fullPath, localeDecimalSeparator());
    if (!loaded.ok()) {
        dialogs().showError(loaded.error);
        return false;
    }
    // Two windows on one file: whoever saves last would silently replace the other's work.
    OpenFileMark mark;
    if (fullPath != m_mark.markedFile() && mark.mark(fullPath) == OpenFileMark::Outcome::OpenElsewhere &&
        !dialogs().confirm(openElsewhereQuestion(fullPath)))
        return false;
    if (fullPath != m_mark.markedFile())
        m_mark = std::move(mark);
    rememberContentOf(fullPath);
    setFileName(fullPath);
    adopt(std::move(loaded.model));
    // Only once the loaded values are on screen, so the planner sees what is missing.
    if (loaded.incomplete)
        dialogs().inform(incompleteProjectText(fullPath, loaded));
    if (loaded.fileVersion < 2)
        dialogs().inform(OlderVersionMessage);
    Recalculate();
    setSaved(true);
    return true;
}

void ProjectSession::saveAs()
{
    // Only the field handlers must stay quiet while the planner chooses the file.
    const QScopedValueRollback suspended(m_model.RecalcEnabled, false);
    QString path = dialogs().chooseFileToSave();
    if (path.isEmpty())
        return;
    // A file dialog appends the suffix itself; one that does not is covered here.
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".dat");
    writeTo(QFileInfo(path).absoluteFilePath());
}

void ProjectSession::save()
{
    if (m_fileName.isEmpty())
        saveAs();
    else
        writeTo(m_fileName);
}

// On failure the project stays associated with the file it had: nothing was written to
// the new one, and an existing file there is untouched.
bool ProjectSession::writeTo(const QString &fullPath)
{
    if (changedOnDisk(fullPath) && !dialogs().confirm(changedOnDiskQuestion(fullPath)))
        return false;
    const QString error = saveProject(m_model, fullPath, localeDecimalSeparator());
    if (!error.isEmpty()) {
        dialogs().showError(error);
        return false;
    }
    if (fullPath != m_mark.markedFile()) {
        // A file that another window holds open stays without the mark of this one.
        OpenFileMark mark;
        if (mark.mark(fullPath) == OpenFileMark::Outcome::Marked)
            m_mark = std::move(mark);
        else
            m_mark.clear();
    }
    rememberContentOf(fullPath);
    setFileName(fullPath);
    setSaved(true);
    return true;
}

// Only the project's own file is watched: another file was chosen in the save dialog,
// which asked before replacing it. A file that is gone or unreadable holds nothing that
// saving could destroy unseen.
bool ProjectSession::changedOnDisk(const QString &fullPath) const
{
    if (fullPath != m_fileName || m_fileContent.isNull())
        return false;
    const FileReadResult now = readFileCapped(fullPath, MaxProjectFileSize);
    return now.ok() && now.content != m_fileContent;
}

void ProjectSession::rememberContentOf(const QString &fullPath)
{
    const FileReadResult file = readFileCapped(fullPath, MaxProjectFileSize);
    m_fileContent = file.ok() ? file.content : QByteArray();
}

// "&Ja" means the planner wants to save first: the program stays for "Speichern unter...";
// "&Abbrechen" (Escape) keeps everything as it is.
bool ProjectSession::mayClose()
{
    if (isSaved())
        return !m_variantStudyFilled || dialogs().confirm(StudyLostQuestion);
    const QString question =
        m_variantStudyFilled ? CloseUnsavedQuestion + StudyAlsoLost : CloseUnsavedQuestion;
    return dialogs().ask(question) == Answer::No;
}

void ProjectSession::copyBuildUp(int element, int side)
{
    m_buildUpClipboard = tavix::copyBuildUp(m_model, element, side);
}

bool ProjectSession::pasteBuildUp(int element, int side)
{
    if (!tavix::pasteBuildUp(m_model, m_buildUpClipboard, element, side))
        return false;
    Recalculate();
    markChanged();
    return true;
}

void ProjectSession::copyLining(LiningSlot slot)
{
    m_liningClipboard = tavix::copyLining(m_model, slot);
}

LiningChange ProjectSession::pasteLining(LiningSlot slot)
{
    const LiningChange change = tavix::pasteLining(m_model, m_liningClipboard, slot);
    if (!change.isEmpty()) {
        Recalculate();
        markChanged();
    }
    return change;
}

LiningChange ProjectSession::clearLining(LiningSlot slot)
{
    const LiningChange change = tavix::clearLining(m_model, slot);
    if (!change.isEmpty()) {
        Recalculate();
        markChanged();
    }
    return change;
}

} // namespace tavix
