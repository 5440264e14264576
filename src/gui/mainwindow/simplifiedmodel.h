#pragma once

// The main window: the one window the program lives in. The project model is the single
// source of truth; every edit writes its text into `model().fields` at once, and
// refreshFromModel() pushes the whole model back into the widgets with their signals
// blocked (after a reset, a file load or an accepted dialog). Recalculate() runs the
// engine and shows its outcome: results or the missing-input list, the six commands that
// need results, and the sketch.
//
// Handlers are named control + event; one handler serves a family of like controls and is
// told the slot (element 0..4, side 1..2) of the control that raised the event.

#include "core/buildup/buildupclipboard.h"
#include "core/linings/liningclipboard.h"
#include "core/model/variablen.h"
#include "gui/buildup/form_btaufbau.h"
#include "gui/junctions/form_stoss.h"
#include "gui/linings/formdb.h"
#include "gui/mainwindow/mainwindowcontrols.h"
#include "gui/mainwindow/schematic.h"
#include "gui/reports/reportpainter.h"

#include <QHash>
#include <QImage>
#include <QMainWindow>

#include <memory>

namespace tavix::gui {

class ProjectCommands;
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

    ProjectModel &model() { return m_model; }
    const ProjectModel &model() const { return m_model; }
    const MainWindowControls &controls() const { return ui; }

    // The recalculation with the locale separator: on a field that is not a number the
    // error is shown and nothing else changes; otherwise results or messages, the six
    // commands and the sketch are brought up to date.
    void Recalculate();
    // Pushes the whole model into the widgets without triggering any handler.
    void refreshFromModel();
    // Colour tables of the sketch from the masses; the next recalculation paints with them.
    void PrepareSchematicColours();
    // Model reset, window reset (first tab, no highlight) and one recalculation.
    void ResetProject();
    // The one place where an edit clears `Saved`.
    void markChanged() { m_model.Saved = false; }

    // What an edit sets off, always in this order: new sketch colours (masses, linings or
    // junctions changed), a recalculation (skipped while RecalcEnabled is suspended), and
    // the project marked as changed.
    enum EditEffect
    {
        NewColours = 0x1,
        Recalculation = 0x2,
        UnsavedChange = 0x4,
    };
    Q_DECLARE_FLAGS(EditEffects, EditEffect)
    void applyEdit(EditEffects effects);

    // Flank-area labels and fields follow the corner junctions of the four flanks.
    void applyFlankAreaVisibility();
    // label_DirRw shows caption + Rw of the separating element, label_VS beneath it.
    void showDirectIndexNote(const QString &caption);
    // The "Projektdatei:" line of the tool bar; an empty path hides it.
    void showProjectFileName(const QString &path);

    // The company data window, whose field texts and logo the report prints.
    const TForm_FaSet &companySettings() const { return *m_formFaSet; }
    // Start-up: reads "Firma.set" and the logo from the start directory if they exist.
    void readCompanySettings();

    const QImage &wallPicture() const { return m_wallPicture; }
    const QImage &floorPicture() const { return m_floorPicture; }

Q_SIGNALS:
    // Emitted at the end of every recalculation that ran to its end.
    void recalculated();

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
    void FormCreate();
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
    void refreshResultsText();
    void refreshTexts();
    void refreshFlankTab(int flank);
    void setNoteShown(bool shown);
    void showBuildUpSummary(int element, int side);
    void buildUpCommitted(int element, int side);
    void buildUpAccepted(int element, int side);
    void junctionAccepted(int flank);
    void liningAccepted(int element, int side);
    void showLiningText(int element, int side);
    void applyLiningChange(const LiningChange &change);
    QColor windowBackground() const;

    ProjectModel m_model;
    MainWindowControls ui;
    SchematicColours m_colours;
    QImage m_wallPicture;
    QImage m_floorPicture;
    QHash<QObject *, BuildUpSlot> m_memoSlots;   // memo or its viewport -> build-up slot
    QHash<QObject *, BuildUpSlot> m_liningSlots; // lining text field -> lining slot
    BuildUpSlot m_buildUpContext{0, 0};
    // Build-up dialog and the build-up clipboard, which outlives "Neu" and opening a project.
    std::unique_ptr<TForm_BT> m_formBT;
    BuildUpClipboard m_buildUpClipboard;
    // Lining and junction dialogs; the lining clipboard outlives "Neu" and opening a project.
    std::unique_ptr<TForm_DB> m_formDB;
    std::unique_ptr<TForm_SS> m_formSS;
    LiningClipboard m_liningClipboard;
    BuildUpSlot m_liningContext{0, 1};
    std::unique_ptr<TForm_FaSet> m_formFaSet;
    TForm_C *m_formC = nullptr; // results window, created hidden with the dialogs
    TForm_QRep *m_formQRep = nullptr; // print preview, created hidden with the dialogs

    // Project lifecycle and information windows: created on first use, then reused.
public:
    // Full path of the file last opened or saved; empty for a fresh project.
    QString projectFileName() const;
    // Opens `path` as "&Öffnen..." does, without file dialog and unsaved-changes question
    // (the file named on the command line). False when it could not be read; the error was
    // shown and the project is unchanged.
    bool openProjectFile(const QString &path);

private:
    // Printed report: the company data and logo it is composed with, and the preview it
    // is handed to.
    ReportCompany currentCompanyData() const;
    void showPrintPreview(std::shared_ptr<ReportPageSource> source);
    ReportComposer m_reportComposer;

    ProjectCommands &projectCommands();
    ProjectCommands *m_projectCommands = nullptr;
    TForm_Info *m_formInfo = nullptr;
    TForm_Impressum *m_formImpressum = nullptr;
    TForm_Nachweis *m_formNachweis = nullptr;
    TForm_Variant *m_formVariant = nullptr;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TSimplifiedModel::EditEffects)

// The working directory at program start, where catalogues, company data and documents
// are looked for. Recorded once by the start-up sequence.
QString startDirectory();
void setStartDirectory(const QString &path);

} // namespace tavix::gui
