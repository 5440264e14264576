#pragma once

// The variant study window. It stays open beside the main window, which remains usable;
// each press of the add button appends the current results of the project as the next
// numbered variant to an editable list and as bars to three charts (R'w, DnT,w, both),
// of which the view choice shows one. The window has no close box: it is left through
// its close button, which asks first when the list holds something.
//
// The study's state, lines and axis limits are the core's VariantStudy; this window
// shows them and forwards the buttons.

#include "core/variants/variantstudy.h"

#include <QWidget>

class QPlainTextEdit;
class QRadioButton;
class QStackedWidget;
class QToolButton;

namespace tavix {
class ProjectSession;
struct ProjectModel;
} // namespace tavix

namespace tavix::gui {

class VariantChartView;

class TForm_Variant : public QWidget
{
    Q_OBJECT

public:
    // The study reads the last recalculation of the session's project when a variant is
    // added; what the project does meanwhile does not touch the study. The session learns
    // whether the study holds results, which ending the program would lose.
    explicit TForm_Variant(ProjectSession &session, QWidget *parent = nullptr);

    // The command of the main window: without results a message; otherwise a new study
    // (or the running one) is shown and brought to the front.
    void openStudy();

    const VariantStudy &study() const { return m_study; }

public Q_SLOTS:
    void btn_AddVariantClick();
    void btn_ClearVariantClick();
    void btn_ExitClick();
    void rg_RwClick();
    void rg_DnTWClick();
    void rg_RwDnTWClick();
    void btn_UpTopClick();
    void btn_DownTopClick();
    void btn_UpBottomClick();
    void btn_DownBottomClick();
    void SpeedButton1Click();
    void ZA1Click(); // Chart_RwDnTW
    void ZA2Click(); // Chart_Rw
    void ZA3Click(); // Chart_DnTW

protected:
    // A close request while the main window is open is the close button's; closing as
    // the program ends is not asked about.
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *createChartArea();
    QWidget *createViewPanel();
    QWidget *createScalePanel();
    void startEmpty();
    void showChart(VariantChartView *chart);
    // Beside the main window, wholly on the free area of its screen.
    void placeOnScreen();
    void applyLimits();
    void refreshChartArea();

    ProjectSession &m_session;
    const ProjectModel &m_model;
    VariantStudy m_study;

    QPlainTextEdit *memo_Variant = nullptr;
    QWidget *panel_Chart = nullptr;
    QStackedWidget *stack_Charts = nullptr;
    VariantChartView *Chart_Rw = nullptr;
    VariantChartView *Chart_DnTW = nullptr;
    VariantChartView *Chart_RwDnTW = nullptr;
    QRadioButton *rg_Rw = nullptr;
    QRadioButton *rg_DnTW = nullptr;
    QRadioButton *rg_RwDnTW = nullptr;
};

} // namespace tavix::gui
