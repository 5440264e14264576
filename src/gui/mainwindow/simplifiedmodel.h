#pragma once

// The main window: the one window the program lives in. It shows the project of the
// session and forwards the planner's edits to it: every edit writes its text into the
// model at once, the session recalculates and marks the project as changed, and the
// window shows what the session announces (a recalculation, another project, the file
// name). refreshFromModel() pushes the whole model into the widgets with their signals
// blocked.
//
// Handlers are named control + event; one handler serves a family of like controls and is
// told the slot (element 0..4, side 1..2) of the control that raised the event.

#include "core/model/variablen.h"
#include "core/session/projectsession.h"
#include "gui/buildup/form_btaufbau.h"
#include "gui/junctions/form_stoss.h"
#include "gui/linings/formdb.h"
#include "gui/mainwindow/mainwindowcontrols.h"
#include "gui/reports/reportpainter.h"
#include "gui/sketch/schematic.h"

#include <QHash>
#include <QImage>
#include <QMainWindow>

#include <memory>

namespace tavix::gui {

class ProjectDialogs;
class TForm_FaSet;
class TForm_C;
class TForm_QRep;
class TForm_Impressum;
class TForm_Info;
class TForm_Nachweis;
class TForm_Variant;

class TSimplifiedModel : public QMainWindow
{
    Q_OBJECT

public:
    explicit TSimplifiedModel(QWidget *parent = nullptr);
    ~TSimplifiedModel() override;

    // The session whose project the window shows; it lives as long as the window.
    ProjectSession &session() { return *m_session; }
    ProjectModel &model();
    const ProjectModel &model() const;
    const MainWindowControls &controls() const { return ui; }

    // Pushes the whole model into the widgets without triggering any handler.
    void refreshFromModel();

    // The company data window, whose field texts and logo the report prints.
    const TForm_FaSet &companySettings() const { return *m_formFaSet; }
    // Start-up: reads "Firma.set" and the logo from the start directory if they exist.
    void readCompanySettings();

    const QImage &wallPicture() const { return m_sketch.wall(); }
    const QImage &floorPicture() const { return m_sketch.floor(); }

public Q_SLOTS:
    // Menu and tool bar commands.
    void FileNewItemClick();
    void FileOpenItemClick();
    void FileSaveItemClick();
    void save_asClick();
    void SpeedButtonPrintClick();
    void FileExitItemClick();
    void Firmendaten1Click();
    void btn_ResultsClick();
    void button_VariantClick();
    void button_NachweisClick();
    void Internet1Click();
    void Internet2Click();
    void HandbuchClick();
    void BeschreibungdesRechenverfahrenspdfFormat1Click();
    void TavixPraxistippsClick();
    void ImageTavixClick();

    // Build-up and lining families.
    void Button_TBClick(int element, int side);
    void Memo_TBaMouseDown(int element, int side);
    void copyClick();
    void InsertClick();
    void Button_TB_VS1Click(int element, int side);
    void Button_TB_VS1clearClick(int element, int side);
    void edit_VS0_1MouseDown(int element, int side);
    void copyVSClick();
    void InsertVSClick();
    void button_Stoss1Click(int flank);

    // Editing rules of the window itself.
    void edit_Vol1Change();
    void edit_Flanke1Change(int flank);
    void edit_room1Change();
    void edit_room2Change();
    void edit_TBChange();
    void edit_ProjektChange();
    void chk_id_F1Click(int flank);
    void rg_horizontalClick();
    void rg_DnTW1Click();
    void PageControlMouseDown();
    void Image1Click();
    void GrafikinZwschenablagekopieren1Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // The unsaved-changes check of closing belongs to the project lifecycle; the event is
    // accepted unless this handler ignores it.
    void FormClose(QCloseEvent *event);

private:
    // What the session announces.
    void showRecalculation();
    void showRecalculationError(const QString &message);
    void showReplacedProject();
    void showProjectFileName(const QString &path);

    // What most edits set off: a recalculation (skipped while RecalcEnabled is
    // suspended), then the project marked as changed.
    void recalculateChanged();

    void FormCreate();
    void connectSession();
    QSize defaultWindowSize() const;
    void createDialogs();
    void connectHandlers();
    void connectFamilies();
    void installFilters();
    bool edit_AKeyPress(QWidget *field, QKeyEvent *event);
    void roomNameChanged(int room);
    void setJunctionButtonPicture(int flank, const QString &code);
    void setRoom2Locked(int flank, bool locked);
    void syncNumberFieldsFromModel();
    void showOutcome();
    void showResults();
    void showMessages();
    void enableResultCommands(bool enabled);
    void drawSchematic();
    void refreshTexts();
    void refreshFlankTab(int flank);
    void setNoteShown(bool shown);
    // Flank-area labels and fields follow the corner junctions of the four flanks.
    void applyFlankAreaVisibility();
    // label_DirRw shows caption + Rw of the separating element, label_VS beneath it.
    void showDirectIndexNote(const QString &caption);
    void showBuildUpSummary(int element, int side);
    void buildUpCommitted(int element, int side);
    void buildUpAccepted(int element, int side);
    void junctionAccepted(int flank);
    void liningAccepted(int element, int side);
    void showLiningText(int element, int side);
    void applyLiningChange(const LiningChange &change);
    QColor windowBackground() const;

    ProjectSession *m_session; // owned as a child
    ProjectModel &m_model;     // the session's
    std::unique_ptr<ProjectDialogs> m_projectDialogs;
    bool m_creating = true;
    MainWindowControls ui;
    SchematicPictures m_sketch;
    QHash<QObject *, BuildUpSlot> m_memoSlots;   // memo or its viewport -> build-up slot
    QHash<QObject *, BuildUpSlot> m_liningSlots; // lining text field -> lining slot
    BuildUpSlot m_buildUpContext{0, 0};
    // The editing dialogs, created once and reused.
    std::unique_ptr<TForm_BT> m_formBT;
    std::unique_ptr<TForm_DB> m_formDB;
    std::unique_ptr<TForm_SS> m_formSS;
    BuildUpSlot m_liningContext{0, 1};
    std::unique_ptr<TForm_FaSet> m_formFaSet;
    TForm_C *m_formC = nullptr;       // results window, created hidden with the dialogs
    TForm_QRep *m_formQRep = nullptr; // print preview, created hidden with the dialogs

private:
    // Printed report: the company data and logo it is composed with, and the preview it
    // is handed to.
    ReportCompany currentCompanyData() const;
    void showPrintPreview(std::shared_ptr<ReportPageSource> source);
    ReportComposer m_reportComposer;

    // Information windows: created on first use, then reused.
    TForm_Info *m_formInfo = nullptr;
    TForm_Impressum *m_formImpressum = nullptr;
    TForm_Nachweis *m_formNachweis = nullptr;
    TForm_Variant *m_formVariant = nullptr;
};

} // namespace tavix::gui
