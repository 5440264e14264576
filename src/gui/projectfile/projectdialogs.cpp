#include "gui/projectfile/projectdialogs.h"

#include "gui/common/startdirectory.h"
#include "gui/common/userinteraction.h"

namespace tavix::gui {

ProjectDialogs::ProjectDialogs(ProjectSession &session, QWidget *dialogParent)
    : m_session(session), m_dialogParent(dialogParent)
{
    m_session.setDialogs(this);
}

ProjectDialogs::~ProjectDialogs()
{
    m_session.setDialogs(nullptr);
}

QString ProjectDialogs::fileFilter()
{
    return QStringLiteral("Projektdaten (*.dat)");
}

bool ProjectDialogs::confirm(const QString &question)
{
    return userInteraction().askYesNo(m_dialogParent, MessageKind::Confirmation, question);
}

Answer ProjectDialogs::ask(const QString &question)
{
    return userInteraction().askYesNoCancel(m_dialogParent, MessageKind::Confirmation, question);
}

void ProjectDialogs::inform(const QString &text)
{
    userInteraction().showMessage(m_dialogParent, MessageKind::Information, text);
}

void ProjectDialogs::showError(const QString &text)
{
    gui::showError(m_dialogParent, text);
}

QString ProjectDialogs::chooseFileToOpen()
{
    FileDialogOptions options;
    options.caption = QStringLiteral("Öffnen");
    options.directory = startDirectory();
    options.filter = fileFilter();
    return userInteraction().getOpenFileName(m_dialogParent, options);
}

QString ProjectDialogs::chooseFileToSave()
{
    FileDialogOptions options;
    options.caption = QStringLiteral("Speichern unter");
    options.directory = startDirectory();
    options.filter = fileFilter();
    options.defaultSuffix = QStringLiteral("dat");
    return userInteraction().getSaveFileName(m_dialogParent, options);
}

} // namespace tavix::gui
