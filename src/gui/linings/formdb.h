#pragma once

// The lining dialog: a lining system and its resonance frequency for one lining slot,
// chosen from a catalogue file, calculated from the construction, or entered directly.
// Created once and reused; while it is shown the main window is disabled. Accepting
// writes the lining text and f0 into the model (room 2 of an identical flank too) and
// emits liningAccepted; the main window then refreshes the lining fields, the "löschen"
// buttons and the results.

#include "core/linings/liningcatalogue.h"
#include "core/linings/liningclipboard.h"
#include "core/model/variablen.h"

#include "gui/common/editingdialog.h"

#include <memory>

class QAction;
class QButtonGroup;
class QKeyEvent;
class QMenu;

namespace Ui {
class TForm_DB;
}

namespace tavix::gui {

class TForm_DB : public EditingDialog
{
    Q_OBJECT

public:
    enum Mode
    {
        CatalogueMode = 0,
        CalculationMode = 1,
        DirectMode = 2
    };

    TForm_DB(ProjectModel &model, QWidget *mainWindow);
    ~TForm_DB() override;

    // The folder of the catalogue files (the program's start directory).
    void setStartDirectory(const QString &directory);
    QString startDirectory() const { return m_startDirectory; }

    // Shows the dialog for "TB_VS1", "TB_VS2" or "VS1_1" .. "VS4_2"; false (and nothing
    // shown) for any other text.
    bool openForSlot(const QString &slotText);
    // The same for a slot given as element 0..4 and side 1..2.
    bool openForSlot(LiningSlot slot) { return openForSlot(liningDialogKey(slot)); }

    QString currentSlotText() const { return m_slotText; }
    int mode() const;
    int construction() const { return m_construction; }
    bool tableEditing() const;
    // What the last accepting changed, for refreshing the main window.
    LiningChange lastChange() const { return m_lastChange; }

    // The handlers of the dialog's controls, callable as the controls call them.
    void rg_AuswahlClick(int item);
    void selectConstruction(int construction); // RadioButton1/2, Label9Click, Label10Click
    void edit_sChange();                       // also edit_mChange: recalculates f0
    void edit_fresChange();
    void edit_fresKeyUp();
    void Button1Click() { chooseCategory(1); }
    void Button2Click() { chooseCategory(2); }
    void Button3Click() { chooseCategory(3); }
    void btn_EditTabClick();
    void btn_AddLineClick();
    void DeleteLibLineClick();
    void btn_SaveTabClick();
    void Button_EnterClick(); // "&Übernehmen"
    void Button_ESCClick();   // "&Abbrechen"

    // The catalogue table as rows (data rows only).
    QList<LiningCatalogueRow> tableRows() const;

Q_SIGNALS:
    void liningAccepted(int element, int side);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void cancel() override { Button_ESCClick(); }

private:
    void setUpCatalogueTable();
    void setUpCalculation();
    void connectControls(QButtonGroup *constructions);
    void chooseCategory(int category);
    void colourCategoryButtons();
    void loadCatalogue();
    void setTableRows(const QList<LiningCatalogueRow> &rows);
    void setTableEditing(bool editing);
    void setHeaderText(LiningSlot slot);
    bool digitKeyFilter(QKeyEvent *event);
    // Writes the table into the category's file; false when it was not written.
    bool saveTable();
    // Before the table is reloaded or the dialog closes: unsaved edits of the table are
    // saved ("Ja"), dropped ("Nein") or kept with the dialog as it is ("Abbrechen",
    // Escape); false means stay.
    bool mayDropTableEdits();
    int lowestSelectedRow() const;

    ProjectModel &m_model;
    QString m_startDirectory;
    QString m_slotText;
    LiningSlot m_slot;
    int m_construction = 1;
    LiningChange m_lastChange;
    // The catalogue file the table holds only part of (a cap was hit or reading failed);
    // empty when the table holds all of it.
    QString m_partialCatalogue;
    bool m_tableChanged = false; // cells edited since the table was loaded or saved

    std::unique_ptr<Ui::TForm_DB> ui;
    QButtonGroup *m_modeGroup = nullptr;
    QMenu *m_tableMenu = nullptr;
    QAction *DeleteLibLine = nullptr;
};

} // namespace tavix::gui
