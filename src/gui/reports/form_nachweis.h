#pragma once

// The proof window: the project's requirement against the airborne result (R'w − u_prog)
// and, for a floor, the impact-sound part (L'n,w + u_prog) with their verdicts, and how
// the transmitted energy divides among the thirteen paths, so that the planner sees which
// path to improve first. Non-modal; it follows every recalculation and every replaced
// project of the session while it is shown. The requirement and the screed inputs belong
// to the project: an edit here goes into the model, recalculates and marks the project as
// changed. Everything it displays is composed in the core; the layout is form_nachweis.ui.

#include "core/model/projectextension.h"

#include <QWidget>

#include <memory>

class QLineEdit;

namespace Ui {
class TForm_Nachweis;
}

namespace tavix {
class ProjectSession;
struct ProjectModel;
} // namespace tavix

namespace tavix::gui {

class TForm_Nachweis : public QWidget
{
    Q_OBJECT

public:
    explicit TForm_Nachweis(ProjectSession &session, QWidget *parent = nullptr);
    ~TForm_Nachweis() override;

    // Shows the state of the model's last recalculation (nothing to do while hidden).
    void refresh();

    // The requirement a new project starts with: the planner's last choice, kept per user
    // between runs (none until one was chosen).
    static ProjectRequirement newProjectRequirement();
    static QString settingsOrganization();
    static QString settingsApplication();

public Q_SLOTS:
    void combo_AnforderungChange();
    void edit_eigeneAnforderungChange();
    void combo_EstrichartChange();
    void edit_EstrichMasseChange();
    void btn_KopierenClick();
    void btn_CSVClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void prepareControls();
    void fillRequirementChoice();
    void showInputs();
    void enableInputs();
    void rememberChoice() const;
    void inputChanged();
    void showAirborne();
    void showImpact();
    void showNotes();
    void showTables();

    ProjectSession &m_session;
    ProjectModel &m_model;
    std::unique_ptr<Ui::TForm_Nachweis> ui;
    QList<QLineEdit *> m_numberFields;
};

} // namespace tavix::gui
