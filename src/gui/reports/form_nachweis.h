#pragma once

// The proof window: the chosen airborne sound requirement against R'w − u_prog with its
// verdict, and how the transmitted energy divides among the thirteen paths, so that the
// planner sees which path to improve first. Non-modal; it follows every recalculation of
// the session while it is shown. Everything it displays is composed in the core.

#include "core/model/variablen.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tavix {
class ProjectSession;
struct Requirement;
} // namespace tavix

namespace tavix::gui {

class TForm_Nachweis : public QWidget
{
    Q_OBJECT

public:
    explicit TForm_Nachweis(ProjectSession &session, QWidget *parent = nullptr);

    // Shows the state of the model's last recalculation (nothing to do while hidden).
    void refresh();

    // Where the choice is remembered between runs (not in the project file).
    static QString settingsOrganization();
    static QString settingsApplication();

public Q_SLOTS:
    void combo_AnforderungChange();
    void edit_eigeneAnforderungChange();
    void btn_KopierenClick();
    void btn_CSVClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void setupUi();
    void fillRequirementChoice();
    void restoreChoice();
    void rememberChoice() const;
    const Requirement &chosenRequirement() const;
    std::optional<long double> requiredRw() const;
    void showCheck();
    void showTables();
    void showNoResults();

    const ProjectModel &m_model;
    QComboBox *combo_Anforderung = nullptr;
    QLineEdit *edit_eigeneAnforderung = nullptr;
    QLabel *label_Rw = nullptr, *label_RwMinusU = nullptr, *label_erfRw = nullptr, *label_Urteil = nullptr;
    QLabel *label_Hinweise = nullptr;
    QTableWidget *grid_Wege = nullptr, *grid_Bauteile = nullptr;
    QPushButton *btn_Kopieren = nullptr, *btn_CSV = nullptr, *btn_Schliessen = nullptr;
};

} // namespace tavix::gui
