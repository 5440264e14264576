#pragma once

// The build-up dialog: edits the build-up (Bauteilaufbau) of one of the nine build-up
// slots. It is created once with the main window and reused; every opening reloads it
// completely from the slot's record.
//
// The dialog holds a working copy of the slot's record. Every event that can change the
// layers runs the core's build-up recomputation on it and shows what that returns
// (layer values, m', Rw and every Rw text); the dialog itself computes nothing. Only OK
// commits the working copy, the layer texts and the three summary lines into the model,
// then tells the main window through signals:
//
//   buildUpCommitted(e, s)  the slot and its memo lines changed (also when the user then
//                           keeps the dialog open after a warning): refresh the memos
//                           and, for the separating element, label_DirRw / label_VS.
//   buildUpAccepted(e, s)   the dialog closed after OK: enable the window, prepare the
//                           sketch, recalculate, clear Saved.
//
// Cancel leaves the model untouched and emits nothing. While the dialog is shown the main
// window is disabled, so it behaves as a modal dialog without blocking the event loop.

#include "core/model/variablen.h"

#include "gui/common/editingdialog.h"

#include <array>

#include <memory>

class QButtonGroup;
class QLineEdit;

namespace Ui {
class TForm_BT;
}

namespace tavix::gui {

class TForm_BT : public EditingDialog
{
    Q_OBJECT
public:
    static constexpr int NarrowWidth = 465; // kinds 0, 1 and 5
    static constexpr int WideWidth = 780;   // kinds 2 to 4, with the reference table
    static constexpr int FormHeight = 515;

    TForm_BT(ProjectModel &model, QWidget *mainWindow);
    ~TForm_BT() override;

    // Opens the dialog on a build-up slot (element 0 side 0 = "TB", flank n sides 1 and 2)
    // and disables the main window. Other slots are ignored.
    void openSlot(int element, int side);

Q_SIGNALS:
    void buildUpCommitted(int element, int side);
    void buildUpAccepted(int element, int side);

public Q_SLOTS:
    void btn_OKClick();
    void btn_ECSClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void cancel() override { btn_ECSClick(); }

private:
    void fillLists();
    void buildReferenceTable();
    void connectEvents();

    void combo_KonstruktChange();
    void combo_B1Click();
    void rg_MoertelClick();
    void rg_Zulassung1Click();
    void chk_RwUserClick();
    void edit_d1Change();

    void applyKindLayout(int kind);
    void evaluateDeliveryNote();
    void setRwUserEditable(bool editable);
    BuildUpRecord recordFromControls() const;
    bool recompute(); // false when a field was not a number (already reported)
    // edit_d1, edit_roh1, edit_d2, edit_roh2, edit_d3, edit_roh3: the core's field order.
    const std::array<QLineEdit *, 6> &numberFields() const;
    void accept(int element, int side);

    ProjectModel &m_model;
    int m_element = -1;
    int m_side = -1;
    BuildUpRecord m_working;

    std::unique_ptr<Ui::TForm_BT> ui;
    QButtonGroup *m_moertelGroup = nullptr;
    // edit_d1, edit_roh1, edit_d2, edit_roh2, edit_d3, edit_roh3
    std::array<QLineEdit *, 6> m_numberFields = {};
};

} // namespace tavix::gui
