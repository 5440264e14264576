#include "gui/reports/form_qrep.h"

#include "core/reports/reportdocument.h"
#include "core/session/projectsession.h"
#include "gui/common/startdirectory.h"
#include "gui/common/userinteraction.h"
#include "gui/reports/previewicons.h"
#include "gui/reports/reportpagesource.h"
#include "gui/reports/reportprinter.h"
#include "ui_form_qrep.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>

namespace tavix::gui {

namespace {

constexpr int MinZoom = 50;
constexpr int MaxZoom = 150;

QString zoomCaption(int percent)
{
    return QString::number(percent) + QStringLiteral(" %");
}

QString pdfOfferText(const QString &reason)
{
    return reason + QStringLiteral("\r Soll der Bericht stattdessen als PDF-Datei gespeichert werden? ");
}

// Counts a message box or file dialog of the preview while it is shown: it takes the
// focus, and that must not close the preview underneath it.
class OwnDialog
{
public:
    explicit OwnDialog(int &count) : m_count(count) { ++m_count; }
    ~OwnDialog() { --m_count; }
    OwnDialog(const OwnDialog &) = delete;
    OwnDialog &operator=(const OwnDialog &) = delete;

private:
    int &m_count;
};

} // namespace

TForm_QRep::TForm_QRep(const ProjectSession &session, QWidget *parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::TForm_QRep>()), m_session(session),
      m_defaultPrinter(std::make_unique<DefaultReportPrinter>())
{
    createControls();
    setObjectName(QStringLiteral("Form_QRep"));
    FormCreate();
    // The report shown belongs to the project it was composed from.
    connect(&session, &ProjectSession::projectReplaced, this, &TForm_QRep::btn_ExitClick);
}

TForm_QRep::~TForm_QRep()
{
    delete m_view; // before the printer it draws on, which is a member and goes first
}

void TForm_QRep::createControls()
{
    ui->setupUi(this);
    ui->btn_100->setMinimumWidth(ui->btn_100->fontMetrics().horizontalAdvance(zoomCaption(MaxZoom)) + 16);
    ui->btn_ZoomPage->setIcon(previewicons::fitPage());
    ui->btn_Page1->setIcon(previewicons::page(QStringLiteral("1")));
    ui->btn_Page2->setIcon(previewicons::page(QStringLiteral("2")));
    ui->btn_Page3->setIcon(previewicons::page(QStringLiteral("3")));
    ui->btn_Print->setIcon(previewicons::printer());
    ui->btn_Exit->setIcon(previewicons::exit());
    ui->btn_PDF->setIcon(previewicons::page(QStringLiteral("PDF")));

    // The preview draws through the same page painter as the printer and the PDF, on an
    // A4 page with the report's margins.
    m_previewPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_previewPrinter->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                                QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    m_view = new QPrintPreviewWidget(m_previewPrinter.get(), this);
    m_view->setObjectName(QStringLiteral("QRPreview"));
    m_view->setViewMode(QPrintPreviewWidget::SinglePageView);
    ui->layout_Form->addWidget(m_view, 1);

    connect(ui->Zoom, &QSlider::valueChanged, this, &TForm_QRep::ZoomChange);
    connect(ui->btn_100, &QToolButton::clicked, this, &TForm_QRep::btn_100Click);
    connect(ui->btn_ZoomPage, &QToolButton::clicked, this, &TForm_QRep::btn_ZoomPageClick);
    connect(ui->btn_Page1, &QToolButton::clicked, this, &TForm_QRep::btn_Page1Click);
    connect(ui->btn_Page2, &QToolButton::clicked, this, &TForm_QRep::btn_Page2Click);
    connect(ui->btn_Page3, &QToolButton::clicked, this, &TForm_QRep::btn_Page3Click);
    connect(ui->btn_Print, &QToolButton::clicked, this, &TForm_QRep::btn_PrintClick);
    connect(ui->btn_Exit, &QToolButton::clicked, this, &TForm_QRep::btn_ExitClick);
    connect(ui->btn_PDF, &QToolButton::clicked, this, &TForm_QRep::btn_PDFClick);
    connect(m_view, &QPrintPreviewWidget::paintRequested, this, &TForm_QRep::paintPreview);
    // The footer numbers the page within the pages the print would hold.
    connect(ui->chk_Deckblatt, &QCheckBox::toggled, m_view, &QPrintPreviewWidget::updatePreview);
    connect(ui->chk_Nachweis, &QCheckBox::toggled, m_view, &QPrintPreviewWidget::updatePreview);
}

void TForm_QRep::FormCreate()
{
    resize(700, 640);
    ui->btn_Page1->setEnabled(false);
    ui->btn_Page2->setEnabled(true);
    m_page = 1;
    // Every opening after the first shows the page fitted with the slider at 100; the
    // first one looks the same.
    m_view->fitInView();
}

void TForm_QRep::showReport(std::shared_ptr<const ReportPageSource> source, const QString &projectName)
{
    m_source = std::move(source);
    m_projectName = projectName;
    // The proof page is there when the project has a requirement; the choice to print it
    // is kept for the next report that has one.
    const bool proof = hasProofPage();
    ui->btn_Page3->setEnabled(proof);
    ui->chk_Nachweis->setEnabled(proof);
    FormShow();
}

void TForm_QRep::FormShow()
{
    resize(700, 640);
    m_page = 1;
    m_view->updatePreview();
    show();
    scrollToPageTop();
    raise();
    activateWindow();
}

void TForm_QRep::setReportPrinter(ReportPrinter *printer)
{
    m_printer = printer;
}

ReportPrinter &TForm_QRep::printer()
{
    return m_printer ? *m_printer : *m_defaultPrinter;
}

QString TForm_QRep::documentTitle() const
{
    return reportDocumentTitle(m_projectName);
}

QString TForm_QRep::proposedPdfName() const
{
    // The project's file under its own name; a project never saved under its project name.
    const QString &file = m_session.fileName();
    QString name = file.isEmpty() ? m_projectName.trimmed() : QFileInfo(file).completeBaseName();
    // Characters no file name may hold on the systems the file may travel to.
    static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    name.replace(unsafe, QStringLiteral("_"));
    return (name.isEmpty() ? QStringLiteral("Schallschutznachweis") : name) + QStringLiteral(".pdf");
}

QList<int> TForm_QRep::chosenPages() const
{
    return m_source ? reportPages(*m_source, ui->chk_Deckblatt->isChecked(), ui->chk_Nachweis->isChecked())
                    : QList<int>();
}

bool TForm_QRep::hasProofPage() const
{
    return m_source && m_source->pageCount() >= ReportProofPage;
}

void TForm_QRep::paintPreview(QPrinter *printer)
{
    // Only the page the user looks at: the view then pages exactly as the buttons say. It
    // is numbered as the print of the current choice numbers it.
    if (m_source && m_page <= m_source->pageCount())
        m_source->paint(printer, {m_page}, chosenPages());
}

void TForm_QRep::showPage(int page)
{
    m_page = page;
    m_view->updatePreview();
    scrollToPageTop();
}

void TForm_QRep::scrollToPageTop()
{
    // A page larger than the view is read from its top left corner.
    if (auto *view = m_view->findChild<QGraphicsView *>()) {
        view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->minimum());
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->minimum());
    }
}

void TForm_QRep::ZoomChange()
{
    const int percent = qBound(MinZoom, ui->Zoom->value(), MaxZoom);
    m_view->setZoomFactor(percent / 100.0);
    ui->btn_100->setText(zoomCaption(percent));
}

void TForm_QRep::btn_100Click()
{
    m_view->setZoomFactor(1.0);
    ui->btn_100->setText(zoomCaption(100));
    const QSignalBlocker blocker(ui->Zoom);
    ui->Zoom->setValue(100);
    // A page is read from its top; zooming alone would keep the middle in view.
    scrollToPageTop();
}

void TForm_QRep::btn_ZoomPageClick()
{
    m_view->fitInView();
}

void TForm_QRep::btn_Page1Click()
{
    showPage(1);
    enablePageButtons();
}

void TForm_QRep::btn_Page2Click()
{
    showPage(2);
    enablePageButtons();
}

void TForm_QRep::btn_Page3Click()
{
    showPage(ReportProofPage);
    enablePageButtons();
}

// Every page button but the one of the page shown, where the page exists.
void TForm_QRep::enablePageButtons()
{
    ui->btn_Page1->setEnabled(m_page != 1);
    ui->btn_Page2->setEnabled(m_page != 2);
    ui->btn_Page3->setEnabled(m_page != ReportProofPage && hasProofPage());
}

void TForm_QRep::btn_PrintClick()
{
    if (!m_source)
        return;
    const PrintOutcome outcome = printer().print(*m_source, chosenPages(), documentTitle());
    switch (outcome.status) {
    case PrintOutcome::Printed:
        return;
    case PrintOutcome::NoPrinter:
        offerPdfInstead(
            QStringLiteral(" Es ist kein Drucker installiert. Der Bericht wurde nicht gedruckt."));
        return;
    case PrintOutcome::NotStarted:
        offerPdfInstead(QStringLiteral(" Der Drucker \"%1\" konnte nicht gestartet werden. Der Bericht wurde "
                                       "nicht gedruckt.")
                            .arg(outcome.printerName));
        return;
    }
}

void TForm_QRep::offerPdfInstead(const QString &reason)
{
    bool savePdf = false;
    {
        const OwnDialog dialog(m_openDialogs);
        savePdf = userInteraction().askYesNo(this, MessageKind::Warning, pdfOfferText(reason));
    }
    if (savePdf)
        btn_PDFClick();
}

void TForm_QRep::btn_PDFClick()
{
    if (!m_source)
        return;
    const OwnDialog dialog(m_openDialogs);
    FileDialogOptions options;
    options.caption = QStringLiteral("Bericht als PDF speichern");
    options.directory = startDirectory();
    options.filter = QStringLiteral("PDF-Dokument (*.pdf)");
    options.defaultSuffix = QStringLiteral("pdf");
    options.fileName = proposedPdfName();
    QString path = userInteraction().getSaveFileName(this, options);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        // The dialog asked about the name as typed; the name we really write may exist.
        path += QStringLiteral(".pdf");
        if (QFileInfo::exists(path) &&
            !userInteraction().askYesNo(
                this, MessageKind::Confirmation,
                QStringLiteral(" Die Datei \"%1\" existiert bereits.\r Soll sie ersetzt werden? ")
                    .arg(QFileInfo(path).fileName())))
            return;
    }
    const QString error = writeReportPdf(*m_source, chosenPages(), path, documentTitle());
    if (!error.isEmpty())
        showError(this, error);
}

void TForm_QRep::resetView()
{
    {
        const QSignalBlocker blocker(ui->Zoom);
        ui->Zoom->setValue(100);
    }
    ui->btn_100->setText(zoomCaption(100));
    m_view->fitInView();
    m_page = 1;
    enablePageButtons();
}

void TForm_QRep::btn_ExitClick()
{
    resetView();
    hide();
}

void TForm_QRep::FormDeactivate()
{
    // Our own message box or save dialog takes the focus too; the preview stays behind it.
    if (!isVisible() || m_openDialogs > 0)
        return;
    btn_ExitClick();
}

void TForm_QRep::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        FormDeactivate();
}

void TForm_QRep::closeEvent(QCloseEvent *event)
{
    resetView();
    event->accept();
}

void TForm_QRep::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        btn_ExitClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace tavix::gui
