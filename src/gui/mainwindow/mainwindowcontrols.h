#pragma once

// The widgets of the main window, built in code with Qt layouts. Every control carries its
// conventional name as objectName; the per-slot arrays use the model's addressing
// [element 0..4][side 1..2] (flank arrays [1..4]) so that handlers of a control family can
// work by slot instead of by name.

#include "core/model/variablen.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabWidget;
class QToolBar;
class QToolButton;
class QWidget;

namespace tavix::gui {

// The hint of the lining text fields; a field with a lining shows its whole text above it.
inline const QString LiningFieldHint =
    QStringLiteral(" Vorsatzschale kopieren, einfügen mit rechter Maustaste ");

struct MainWindowControls
{
    // Tool bar
    QToolBar *SpeedBar = nullptr;
    QToolButton *SpeedButtonNew = nullptr, *SpeedButtonOpen = nullptr, *SpeedButtonSave = nullptr;
    QToolButton *SpeedButtonSaveFile = nullptr; // "Speichern" into the open project file
    QToolButton *SpeedButtonPrint = nullptr, *button_Variant = nullptr, *btn_Results = nullptr;
    QToolButton *button_Nachweis = nullptr;
    QToolButton *SpeedButtonHandbuch = nullptr, *SpeedButtonBerechnungsgrundlagen = nullptr;
    QToolButton *SpeedButtonTavixTipps = nullptr, *SpeedButton3 = nullptr;
    QFrame *Bevel_Datei = nullptr;
    QLabel *lb_Datei = nullptr, *label_DatName = nullptr;

    // Menus
    QAction *FileSaveItem = nullptr;
    QAction *FileNewItem = nullptr, *FileOpenItem = nullptr, *save_as = nullptr, *FilePrintItem = nullptr,
            *FileExitItem = nullptr;
    QAction *Firmendaten1 = nullptr;
    QAction *Berechnungsergebnisse1 = nullptr, *Variantenuntersuchung1 = nullptr;
    QAction *Nachweis1 = nullptr;
    QAction *Internet1 = nullptr, *Internet2 = nullptr;
    QAction *Handbuch = nullptr, *BeschreibungdesRechenverfahrenspdfFormat1 = nullptr,
            *TavixPraxistipps = nullptr;

    // Project panel
    QFrame *panel_Tavix = nullptr, *PanelTavix = nullptr;
    QLabel *ImageTavix = nullptr;
    QLineEdit *edit_Projekt = nullptr, *edit_Str = nullptr, *edit_PLZ = nullptr, *edit_Ort = nullptr,
              *edit_Variante = nullptr;
    QLineEdit *edit_room1 = nullptr, *edit_room2 = nullptr;
    QLineEdit *edit_L1 = nullptr, *edit_L2 = nullptr, *edit_Vol1 = nullptr, *edit_Vol2 = nullptr;

    // Input tabs
    QTabWidget *PageControl = nullptr;
    QWidget *TabSheet[ElementCount] = {};
    QLineEdit *edit_TB = nullptr, *edit_A = nullptr;
    QRadioButton *rg_horizontal = nullptr, *rg_vertikal = nullptr;
    QLabel *label_DirRw = nullptr, *label_VS = nullptr;
    QLineEdit *edit_Flanke[ElementCount] = {};
    QLineEdit *edit_LF[ElementCount] = {};
    QPushButton *button_Stoss[ElementCount] = {};
    QCheckBox *chk_id[ElementCount] = {};
    QLabel *roomStrip[ElementCount][SideCount] = {};          // label_room0_1 .. label_room4_2
    QPushButton *buildUpButton[ElementCount][SideCount] = {}; // Button_TB, Button_F1_1 ..
    QPlainTextEdit *memo[ElementCount][SideCount] = {};       // Memo_TB, Memo_F1_1 ..
    QPushButton *liningButton[ElementCount][SideCount] = {};  // Button_TB_VS1, Button_VS1_1 ..
    QPushButton *liningClear[ElementCount][SideCount] = {};   // Button_TB_VS1clear, Button_VS1_1clear ..
    QLineEdit *liningText[ElementCount][SideCount] = {};      // edit_VS0_1 ..
    QLabel *flankAreaLabel[ElementCount][SideCount] = {};     // label_FF1_1 ..
    QLineEdit *flankArea[ElementCount][SideCount] = {};       // edit_FF1_1 ..
    QMenu *buildUpMenu = nullptr;
    QAction *copy = nullptr, *Insert = nullptr;
    QMenu *liningMenu = nullptr;
    QAction *copyVS = nullptr, *InsertVS = nullptr;

    // Results
    QStackedWidget *resultArea = nullptr;
    QFrame *panel_results = nullptr, *panel_errorMsg = nullptr;
    QPlainTextEdit *memo_error = nullptr;
    QLabel *label_Rges = nullptr, *label_DnTW = nullptr;
    QLabel *label_Ri[ElementCount] = {};   // [0] Rd,w, [1..4] flanks
    QLabel *label_resF[ElementCount] = {}; // flank names, [1..4]
    QRadioButton *rg_DnTW1 = nullptr, *rg_DnTW2 = nullptr;
    QButtonGroup *dnTwGroup = nullptr;
    QStackedWidget *dnTwRow = nullptr;
    QWidget *dnTwValues = nullptr;
    QFrame *panel_DnTW = nullptr;
    QLabel *lb_AnmDnTW = nullptr, *lb_Vorhaltemass = nullptr;

    // Drawing
    QFrame *panel_Grafic = nullptr;
    QLabel *Image1 = nullptr, *Image2 = nullptr;
    QMenu *graphicMenu = nullptr;
    QAction *GrafikinZwschenablagekopieren1 = nullptr;

    // The 17 number fields in the order the change handler examines them.
    QLineEdit *numberFields[NumberFieldCount] = {};

    void setupUi(QMainWindow *window);

private:
    void setupMenus(QMainWindow *window);
    void setupToolBar(QMainWindow *window);
    QWidget *setupProjectPanel();
    QWidget *setupSeparatingTab();
    QWidget *setupFlankTab(int flank);
    QWidget *setupRoomPanel(int flank, int side);
    QWidget *setupLiningRow(int element, int side, const QString &buttonText);
    QWidget *setupResultArea();
    QWidget *setupResultPanel();
    QWidget *setupMessagePanel();
    QWidget *setupDnTwRow();
    QWidget *setupDrawingPanel();
};

} // namespace tavix::gui
