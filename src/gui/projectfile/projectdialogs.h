#pragma once

// The window side of the project lifecycle: the session runs New, Open, Save as and the
// question on closing; this class answers what the session asks with message boxes and
// file dialogs that start in the start directory. It knows no window but the one the
// dialogs belong to.

#include "core/session/projectsession.h"

class QWidget;

namespace tavix::gui {

class ProjectDialogs final : public SessionDialogs
{
public:
    // Installs itself as the dialogs of `session` for as long as it lives.
    ProjectDialogs(ProjectSession &session, QWidget *dialogParent);
    ~ProjectDialogs() override;

    static QString fileFilter();

    bool confirm(const QString &question) override;
    Answer ask(const QString &question) override;
    void inform(const QString &text) override;
    void showError(const QString &text) override;
    QString chooseFileToOpen() override;
    QString chooseFileToSave() override;

private:
    ProjectSession &m_session;
    QWidget *m_dialogParent;
};

} // namespace tavix::gui
