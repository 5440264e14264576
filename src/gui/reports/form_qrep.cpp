#include "gui/reports/form_qrep.h"

#include "core/session/projectsession.h"
#include "gui/common/startdirectory.h"
#include "gui/common/userinteraction.h"
#include "gui/reports/previewicons.h"
#include "gui/reports/reportpagesource.h"
#include "gui/reports/reportprinter.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

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
    : QWidget(parent, Qt::Window), m_defaultPrinter(std::make_unique<DefaultReportPrinter>())
{
    setObjectName(QStringLiteral("Form_QRep"));
    setWindowTitle(QStringLiteral(" Druckvorschau "));
    createControls();
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
    auto *toolBar = new QFrame(this);
    toolBar->setObjectName(QStringLiteral("panel_Werkzeuge"));
    toolBar->setFrameShape(QFrame::StyledPanel);
    auto *tools = new QHBoxLayout(toolBar);
    tools->setContentsMargins(6, 4, 6, 4);
    tools->setSpacing(4);

    auto toolButton = [this, tools](const QString &name, const QString &hint, const QIcon &icon) {
        auto *button = new QToolButton(this);
        button->setObjectName(name);
        button->setToolTip(hint);
        button->setIcon(icon);
        button->setIconSize(QSize(24, 24));
        button->setAutoRaise(true);
        tools->addWidget(button);
        return button;
    };

    Zoom = new QSlider(Qt::Horizontal, this);
    Zoom->setObjectName(QStringLiteral("Zoom"));
    Zoom->setToolTip(QStringLiteral(" Zoom "));
    Zoom->setRange(MinZoom, MaxZoom);
    Zoom->setPageStep(10);
    Zoom->setValue(100);
    Zoom->setFixedWidth(150);
    tools->addWidget(Zoom);

    btn_100 = toolButton(QStringLiteral("btn_100"), QStringLiteral(" 100% Darstellung "), {});
    btn_100->setText(QStringLiteral("100%"));
    btn_100->setToolButtonStyle(Qt::ToolButtonTextOnly);
    btn_100->setMinimumWidth(btn_100->fontMetrics().horizontalAdvance(zoomCaption(MaxZoom)) + 16);
    btn_100->setAutoRaise(false);
    tools->addSpacing(6);
    btn_ZoomPage = toolButton(QStringLiteral("btn_ZoomPage"), QStringLiteral(" auf Formulargröße anpassen "),
                              previewicons::fitPage());
    btn_Page1 = toolButton(QStringLiteral("btn_Page1"), QStringLiteral(" erste Seite "),
                           previewicons::page(QStringLiteral("1")));
    btn_Page2 = toolButton(QStringLiteral("btn_Page2"), QStringLiteral(" zweite Seite "),
                           previewicons::page(QStringLiteral("2")));
    tools->addSpacing(10);

    chk_Deckblatt = new QCheckBox(QStringLiteral("Deckblatt drucken "), this);
    chk_Deckblatt->setObjectName(QStringLiteral("chk_Deckblatt"));
    chk_Deckblatt->setChecked(true);
    tools->addWidget(chk_Deckblatt);

    btn_Print = toolButton(QStringLiteral("btn_Print"), QStringLiteral(" drucken "), previewicons::printer());
    btn_Exit =
        toolButton(QStringLiteral("btn_Exit"), QStringLiteral(" Vorschau beenden "), previewicons::exit());
    btn_PDF = toolButton(QStringLiteral("btn_PDF"), QStringLiteral(" als PDF speichern "),
                         previewicons::page(QStringLiteral("PDF")));
    tools->addStretch(1);

    // The preview draws through the same page painter as the printer and the PDF, on an
    // A4 page with the report's margins.
    m_previewPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_previewPrinter->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                                QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    m_view = new QPrintPreviewWidget(m_previewPrinter.get(), this);
    m_view->setObjectName(QStringLiteral("QRPreview"));
    m_view->setViewMode(QPrintPreviewWidget::SinglePageView);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(m_view, 1);

    connect(Zoom, &QSlider::valueChanged, this, &TForm_QRep::ZoomChange);
    connect(btn_100, &QToolButton::clicked, this, &TForm_QRep::btn_100Click);
    connect(btn_ZoomPage, &QToolButton::clicked, this, &TForm_QRep::btn_ZoomPageClick);
    connect(btn_Page1, &QToolButton::clicked, this, &TForm_QRep::btn_Page1Click);
    connect(btn_Page2, &QToolButton::clicked, this, &TForm_QRep::btn_Page2Click);
    connect(btn_Print, &QToolButton::clicked, this, &TForm_QRep::btn_PrintClick);
    connect(btn_Exit, &QToolButton::clicked, this, &TForm_QRep::btn_ExitClick);
    connect(btn_PDF, &QToolButton::clicked, this, &TForm_QRep::btn_PDFClick);
    connect(m_view, &QPrintPreviewWidget::paintRequested, this, &TForm_QRep::paintPreview);
}

void TForm_QRep::FormCreate()
{
    resize(700, 640);
    btn_Page1->setEnabled(false);
    btn_Page2->setEnabled(true);
    m_page = 1;
    // Every opening after the first shows the page fitted with the slider at 100; the
    // first one looks the same.
    m_view->fitInView();
}

void TForm_QRep::showReport(std::shared_ptr<const ReportPageSource> source, const QString &projectName)
{
    m_source = std::move(source);
    m_projectName = projectName;
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
    const QString title = QStringLiteral("Schallschutznachweis");
    return m_projectName.isEmpty() ? title : title + QStringLiteral(" – ") + m_projectName;
}

QList<int> TForm_QRep::chosenPages() const
{
    return m_source ? reportPages(*m_source, chk_Deckblatt->isChecked()) : QList<int>();
}

void TForm_QRep::paintPreview(QPrinter *printer)
{
    // Only the page the user looks at: the view then pages exactly as the buttons say.
    if (m_source && m_page <= m_source->pageCount())
        m_source->paint(printer, {m_page});
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
    const int percent = qBound(MinZoom, Zoom->value(), MaxZoom);
    m_view->setZoomFactor(percent / 100.0);
    btn_100->setText(zoomCaption(percent));
}

void TForm_QRep::btn_100Click()
{
    m_view->setZoomFactor(1.0);
    btn_100->setText(zoomCaption(100));
    const QSignalBlocker blocker(Zoom);
    Zoom->setValue(100);
}

void TForm_QRep::btn_ZoomPageClick()
{
    m_view->fitInView();
}

void TForm_QRep::btn_Page1Click()
{
    showPage(1);
    btn_Page1->setEnabled(false);
    btn_Page2->setEnabled(true);
}

void TForm_QRep::btn_Page2Click()
{
    showPage(2);
    btn_Page1->setEnabled(true);
    btn_Page2->setEnabled(false);
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
        const QSignalBlocker blocker(Zoom);
        Zoom->setValue(100);
    }
    btn_100->setText(zoomCaption(100));
    m_view->fitInView();
    m_page = 1;
    btn_Page1->setEnabled(false);
    btn_Page2->setEnabled(true);
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
