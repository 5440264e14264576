#pragma once

// The company data window: name, address and contact of the firm printed on the report,
// the logo picture and the positions of logo and name in the page header. Created once
// with the main window and kept until the program ends; its field texts are the company
// data the report uses, so texts typed and then cancelled still reach the report.
// Accepting checks the positions, reloads the logo and writes "Firma.set" into the start
// directory. It is an editing dialog: while it is shown the main window is disabled, and
// it is left through its two buttons; Escape and a close request count as "&Abbrechen".

#include "core/reports/companydata.h"
#include "gui/common/editingdialog.h"

#include <QImage>

#include <memory>

class QLineEdit;

namespace Ui {
class TForm_FaSet;
}

namespace tavix::gui {

class TForm_FaSet : public EditingDialog
{
    Q_OBJECT

public:
    explicit TForm_FaSet(QWidget *mainWindow);
    ~TForm_FaSet() override;

    // The folder that holds "Firma.set"; the logo dialog starts there unless the current
    // logo names an existing folder.
    void setStartDirectory(const QString &path) { m_startDirectory = path; }
    QString companyFilePath() const;

    // Start-up: fills the fields from "Firma.set" if it exists and loads the logo it names;
    // a logo that cannot be used empties the logo field. A file that exists but cannot be
    // read is reported and leaves the fields as they were.
    void readCompanyFile();
    // Disables the main window and shows this window centred on the screen.
    void openSettings();

    // The current field texts, as the report uses them.
    CompanyData companyData() const;
    // Before a print: when no company data are entered, says once per program run where
    // to enter them.
    void hintMissingDataOnce(QWidget *parent);
    // The logo loaded at start-up or on the last accepting; null when there is none.
    const QImage &logo() const { return m_logo; }

    // The handlers of the window's controls, callable as the controls call them.
    void Button_Save_FaDatClick(); // "&Übernehmen"
    void Button2Click();           // "&Abbrechen"
    void Button1Click();           // "Firmenlogo"
    void edit_DateDblClick();
    void edit_LogoLeftChange(QLineEdit *field); // the four position fields

Q_SIGNALS:
    // The settings were written; the logo may have changed.
    void companyDataAccepted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void cancel() override;

private:
    void setCompanyData(const CompanyData &data);
    QList<QLineEdit *> positionFields() const;
    QString logoDialogDirectory() const;

    std::unique_ptr<Ui::TForm_FaSet> ui;
    QString m_startDirectory;
    QImage m_logo;
    // What reading "Firma.set" at start-up found: accepting asks before it replaces a file
    // the fields did not come from completely.
    LoadedCompanyData m_readAtStart;
    bool m_missingDataHinted = false;
};

} // namespace tavix::gui
