#pragma once

// The print preview: shows the composed report one page at a time, zooms, prints it on
// the default printer with or without the cover page, and saves it as a PDF. Created once
// and reused; shown without blocking the main window, and hidden again as soon as it
// loses the focus or the session's project is replaced.

#include <QWidget>

#include <memory>

class QPrinter;
class QPrintPreviewWidget;

namespace Ui {
class TForm_QRep;
}

namespace tavix {
class ProjectSession;
}

namespace tavix::gui {

class ReportPageSource;
class ReportPrinter;

class TForm_QRep : public QWidget
{
    Q_OBJECT

public:
    explicit TForm_QRep(const ProjectSession &session, QWidget *parent = nullptr);
    ~TForm_QRep() override;

    // Shows the report just composed, page 1 first. The project name goes into the
    // document name of the print job and the title of a saved PDF.
    void showReport(std::shared_ptr<const ReportPageSource> source, const QString &projectName);

    // The printer "drucken" uses (not owned); nullptr restores the default printer.
    void setReportPrinter(ReportPrinter *printer);

    int currentPage() const { return m_page; }
    QPrintPreviewWidget *pageView() const { return m_view; }

    // "Schallschutznachweis – " and the project name.
    QString documentTitle() const;
    // The project file's name with ".pdf", or the project name's when it was never saved.
    QString proposedPdfName() const;

    void ZoomChange();
    void btn_100Click();
    void btn_ZoomPageClick();
    void btn_Page1Click();
    void btn_Page2Click();
    void btn_Page3Click();
    void btn_PrintClick();
    void btn_ExitClick();
    void btn_PDFClick();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void FormDeactivate();
    void createControls();
    void showPage(int page);
    void scrollToPageTop();
    void paintPreview(QPrinter *printer);
    void resetView();
    void offerPdfInstead(const QString &reason);
    ReportPrinter &printer();
    QList<int> chosenPages() const;
    bool hasProofPage() const;
    void enablePageButtons();

    std::unique_ptr<Ui::TForm_QRep> ui; // the tool bar

    const ProjectSession &m_session;
    std::unique_ptr<QPrinter> m_previewPrinter;
    QPrintPreviewWidget *m_view = nullptr;
    std::unique_ptr<ReportPrinter> m_defaultPrinter;
    ReportPrinter *m_printer = nullptr;
    std::shared_ptr<const ReportPageSource> m_source;
    QString m_projectName;
    int m_page = 1;
    int m_openDialogs = 0; // our own message boxes and file dialogs currently shown
};

} // namespace tavix::gui
