#pragma once

// The junction dialog: the user picks the junction type and the separation variant of
// one flank. Created once and reused; while it is shown the main window is disabled,
// and both of its buttons enable it again. Accepting writes the code into the model and
// emits junctionAccepted; the main window then refreshes the junction button, the
// flank-area fields and the results.

#include "core/junctions/junctioncodes.h"
#include "core/model/variablen.h"

#include "gui/common/editingdialog.h"

#include <memory>

class QButtonGroup;
class QFrame;
class QToolButton;

namespace Ui {
class TForm_SS;
}

namespace tavix::gui {

class TForm_SS : public EditingDialog
{
    Q_OBJECT

public:
    TForm_SS(ProjectModel &model, QWidget *mainWindow);
    ~TForm_SS() override;

    // Shows the dialog for flank 1..4 with that flank's current code; false (and
    // nothing shown) for any other flank number.
    bool openForFlank(int flank);

    int currentFlank() const { return m_flank; }
    int selectedType() const;                         // radio index 0..3
    int selectedVariant() const { return m_variant; } // -1: no frame highlighted
    QString hintText() const;

    // The handlers of the dialog's controls, callable as the controls call them.
    void rgStossClick(int typeIndex);
    void button_0Click(int variant); // variant buttons, the two-picture button and its pictures
    void btn_ExitClick();            // "&Übernehmen"
    void btn_ESCClick();             // "&Abbrechen"

Q_SIGNALS:
    void junctionAccepted(int flank);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void cancel() override { btn_ESCClick(); }

private:
    void connectControls();
    void layoutForType(JunctionType type);
    void highlight(int variant);
    void setHint(int variant);

    ProjectModel &m_model;
    int m_flank = 0;
    int m_variant = -1;

    std::unique_ptr<Ui::TForm_SS> ui;
    QButtonGroup *m_typeGroup = nullptr;
    QFrame *panel[SeparationCount] = {};
    QToolButton *button[SeparationCount] = {};
};

} // namespace tavix::gui
