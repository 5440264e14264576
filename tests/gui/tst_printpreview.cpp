// The print preview window: its tool bar, zoom and paging, leaving it, printing with and
// without the cover page, a missing or failing printer, and saving the report as a PDF.
#include "fakereport.h"
#include "gui/common/startdirectory.h"
#include "gui/mainwindow/simplifiedmodel.h"
#include "gui/reports/form_qrep.h"
#include "recordingprinter.h"
#include "widgettest.h"

#include "core/io/filelayer.h"
#include "core/projectfile/projectfile.h"

#include <QCheckBox>
#include <QDir>
#include <QGraphicsView>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <cerrno>

using namespace tavix;
using namespace tavix::gui;

namespace {

const QString PdfOffer = QStringLiteral("\r Soll der Bericht stattdessen als PDF-Datei gespeichert werden? ");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int pdfPageCount(const QByteArray &pdf)
{
    return int(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

// A text of the document information dictionary as the PDF writer stores it: UTF-16BE.
QByteArray pdfText(const QString &text)
{
    QByteArray bytes("\xfe\xff");
    for (const QChar c : text)
        bytes.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xff));
    return bytes;
}

} // namespace

class TestPrintPreview : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void toolBar();
    void paging();
    void proposedPdfName();
    void zoom_data();
    void zoom();
    void leaving_data();
    void leaving();
    void printReadsCoverChoiceAtEachPrint();
    void proofPage_data();
    void proofPage();
    void printFailureOffersPdf_data();
    void printFailureOffersPdf();
    void pdfSave_data();
    void pdfSave();
    void pictures();

private:
    template<typename T> T *control(const QString &name) const
    {
        auto *widget = m_preview->findChild<T *>(name);
        if (!widget)
            qFatal("control %s missing", qPrintable(name));
        return widget;
    }
    void click(const QString &name) { control<QToolButton>(name)->click(); }

    std::unique_ptr<TSimplifiedModel> m_main;
    TForm_QRep *m_preview = nullptr;
    std::shared_ptr<fixtures::FakeReport> m_report;
    fixtures::RecordingPrinter m_printer;
    std::unique_ptr<QTemporaryDir> m_startDir;
};

void TestPrintPreview::init()
{
    m_startDir = std::make_unique<QTemporaryDir>();
    setStartDirectory(m_startDir->path());
    m_main = std::make_unique<TSimplifiedModel>();
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    m_preview = new TForm_QRep(m_main->session(), m_main.get());
    m_printer = {};
    m_preview->setReportPrinter(&m_printer);
    m_report = std::make_shared<fixtures::FakeReport>();
    m_preview->showReport(m_report, QStringLiteral("Wohnhaus Lindenstraße"));
    // The transient preview counts as active with its main window; wait for its own focus.
    QTRY_COMPARE(QApplication::activeWindow(), m_preview);
}

void TestPrintPreview::cleanup()
{
    setWriteFaultHookForTesting({});
    m_main.reset();
}

void TestPrintPreview::toolBar()
{
    struct Control
    {
        const char *name, *hint, *caption;
        bool enabled;
    };
    // Left to right; the two print choices one above the other.
    const Control controls[] = {
        {"Zoom", " Zoom ", nullptr, true},
        {"btn_100", " 100% Darstellung ", "100%", true},
        {"btn_ZoomPage", " auf Formulargröße anpassen ", nullptr, true},
        {"btn_Page1", " erste Seite ", nullptr, false},
        {"btn_Page2", " zweite Seite ", nullptr, true},
        {"btn_Page3", " dritte Seite (Nachweis) ", nullptr, false},
        {"chk_Deckblatt", "", "Deckblatt drucken ", true},
        {"chk_Nachweis", " Nachweisseite; es gibt sie, wenn das Projekt eine Anforderung hat ",
         "Nachweis drucken ", false},
        {"btn_Print", " drucken ", nullptr, true},
        {"btn_Exit", " Vorschau beenden ", nullptr, true},
        {"btn_PDF", " als PDF speichern ", nullptr, true},
    };
    int left = -1;
    for (const Control &expected : controls) {
        auto *widget = control<QWidget>(QString::fromUtf8(expected.name));
        const bool below = QByteArray(expected.name) == "chk_Nachweis";
        QVERIFY2(widget->isVisible() && (below ? widget->x() == left : widget->x() > left), expected.name);
        left = widget->x();
        QCOMPARE(widget->toolTip(), QString::fromUtf8(expected.hint));
        if (expected.caption)
            QCOMPARE(widget->property("text").toString(), QString::fromUtf8(expected.caption));
        QCOMPARE(widget->isEnabled(), expected.enabled);
    }
    QVERIFY(control<QCheckBox>(QStringLiteral("chk_Deckblatt"))->isChecked());
}

// Page buttons, and a new opening while the old report shows its second page.
void TestPrintPreview::paging()
{
    auto *page1 = control<QToolButton>(QStringLiteral("btn_Page1"));
    auto *page2 = control<QToolButton>(QStringLiteral("btn_Page2"));
    QCOMPARE(m_preview->windowTitle(), QStringLiteral(" Druckvorschau "));
    QCOMPARE(m_preview->pageView()->pageCount(), 1);
    click(QStringLiteral("btn_Page2"));
    QCOMPARE(m_report->painted.constLast(), QList<int>{2});
    QVERIFY(page1->isEnabled() && !page2->isEnabled());
    click(QStringLiteral("btn_Page1"));
    QCOMPARE(m_report->painted.constLast(), QList<int>{1});
    QVERIFY(!page1->isEnabled() && page2->isEnabled());

    click(QStringLiteral("btn_Page2"));
    m_preview->resize(900, 500);
    auto next = std::make_shared<fixtures::FakeReport>();
    m_preview->showReport(next, QStringLiteral("Neubau"));
    QCOMPARE(m_preview->size(), QSize(700, 640));
    QCOMPARE(m_preview->currentPage(), 1);
    QCOMPARE(next->painted.constLast(), QList<int>{1});
    QCOMPARE(m_preview->documentTitle(), QStringLiteral("Schallschutznachweis – Neubau"));
}

// The PDF is proposed under the project file's name, else under the project name.
void TestPrintPreview::proposedPdfName()
{
    m_preview->showReport(m_report, QStringLiteral("Haus 3/4: \"Süd\""));
    QCOMPARE(m_preview->proposedPdfName(), QStringLiteral("Haus 3_4_ _Süd_.pdf"));
    const QString file = QDir(m_startDir->path()).filePath(QStringLiteral("Lindenstr 12.dat"));
    QCOMPARE(saveProject(m_main->model(), file, QLatin1Char('.')), QString());
    QVERIFY(m_main->session().openFile(file));
    QCOMPARE(m_preview->proposedPdfName(), QStringLiteral("Lindenstr 12.pdf"));
}

void TestPrintPreview::zoom_data()
{
    QTest::addColumn<int>("slider");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("fitted");
    QTest::addColumn<double>("factor");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("sliderAfter");
    QTest::newRow("slider at left end") << 50 << QString() << false << 0.5 << "50 %" << 50;
    QTest::newRow("slider at right end") << 150 << QString() << false << 1.5 << "150 %" << 150;
    QTest::newRow("100% after slider") << 75 << "btn_100" << false << 1.0 << "100 %" << 100;
    QTest::newRow("fit keeps slider and caption") << 75 << "btn_ZoomPage" << true << 0.0 << "75 %" << 75;
}

void TestPrintPreview::zoom()
{
    QFETCH(int, slider);
    QFETCH(QString, button);
    QFETCH(bool, fitted);
    QFETCH(double, factor);
    QFETCH(QString, caption);
    QFETCH(int, sliderAfter);
    auto *zoom = control<QSlider>(QStringLiteral("Zoom"));
    zoom->setValue(slider);
    QScrollBar *vertical = m_preview->pageView()->findChild<QGraphicsView *>()->verticalScrollBar();
    vertical->setValue(vertical->maximum());
    if (!button.isEmpty())
        click(button);
    QPrintPreviewWidget *view = m_preview->pageView();
    if (button == QLatin1String("btn_100")) {
        QVERIFY(vertical->maximum() > 0);
        QCOMPARE(vertical->value(), vertical->minimum()); // the top of the page
    }
    QCOMPARE(view->zoomMode(), fitted ? QPrintPreviewWidget::FitInView : QPrintPreviewWidget::CustomZoom);
    if (!fitted)
        QCOMPARE(view->zoomFactor(), factor);
    QCOMPARE(control<QToolButton>(QStringLiteral("btn_100"))->text(), caption);
    QCOMPARE(zoom->value(), sliderAfter);
}

void TestPrintPreview::leaving_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("leaves");
    QTest::newRow("Vorschau beenden") << "exit" << true;
    QTest::newRow("Escape") << "escape" << true;
    QTest::newRow("close box") << "close" << true;
    QTest::newRow("click into the main window") << "main window" << true;
    QTest::newRow("own message box takes the focus") << "message box" << false;
    QTest::newRow("own save dialog takes the focus") << "save dialog" << false;
}

void TestPrintPreview::leaving()
{
    QFETCH(QString, how);
    QFETCH(bool, leaves);
    ScriptedInteraction dialogs;
    auto *zoom = control<QSlider>(QStringLiteral("Zoom"));
    zoom->setValue(130);
    click(QStringLiteral("btn_Page2"));

    if (how == QLatin1String("exit")) {
        click(QStringLiteral("btn_Exit"));
    } else if (how == QLatin1String("escape")) {
        QTest::keyClick(m_preview, Qt::Key_Escape);
    } else if (how == QLatin1String("close")) {
        m_preview->close();
    } else if (how == QLatin1String("main window")) {
        m_main->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), m_main.get());
    } else if (how == QLatin1String("message box")) {
        // A message box of the preview is its child window and takes the focus.
        QWidget box(m_preview, Qt::Dialog);
        dialogs.whileShown = [&box] {
            box.show();
            box.activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), &box);
        };
        m_printer.answer.status = PrintOutcome::NotStarted;
        dialogs.yesNoAnswers << false;
        click(QStringLiteral("btn_Print"));
    } else {
        // A platform save dialog is no window of ours: the application loses the focus.
        dialogs.whileShown = [this] {
            QApplication::setActiveWindow(nullptr);
            QTRY_VERIFY(!m_preview->isActiveWindow());
        };
        dialogs.saveFileAnswers << QString(); // cancelled
        click(QStringLiteral("btn_PDF"));
    }

    QCOMPARE(m_preview->isVisible(), !leaves);
    QCOMPARE(dialogs.unexpected, 0);
    if (!leaves) {
        QCOMPARE(m_preview->currentPage(), 2);
        QCOMPARE(zoom->value(), 130);
        return;
    }
    QCOMPARE(zoom->value(), 100);
    QCOMPARE(control<QToolButton>(QStringLiteral("btn_100"))->text(), QStringLiteral("100 %"));
    QCOMPARE(m_preview->pageView()->zoomMode(), QPrintPreviewWidget::FitInView);
    QCOMPARE(m_preview->currentPage(), 1);
    QVERIFY(!control<QToolButton>(QStringLiteral("btn_Page1"))->isEnabled());
    QVERIFY(control<QToolButton>(QStringLiteral("btn_Page2"))->isEnabled());
}

void TestPrintPreview::printReadsCoverChoiceAtEachPrint()
{
    ScriptedInteraction dialogs;
    auto *cover = control<QCheckBox>(QStringLiteral("chk_Deckblatt"));
    cover->setChecked(false);
    click(QStringLiteral("btn_Print"));
    cover->setChecked(true);
    click(QStringLiteral("btn_Print"));
    QCOMPARE(m_printer.jobs, (QList<QList<int>>{{2}, {1, 2}}));
    QCOMPARE(m_printer.documentNames.constFirst(),
             QStringLiteral("Schallschutznachweis – Wohnhaus Lindenstraße"));
    QVERIFY(dialogs.recorded.isEmpty());
}

void TestPrintPreview::proofPage_data()
{
    QTest::addColumn<bool>("cover");
    QTest::addColumn<bool>("proof");
    QTest::addColumn<QList<int>>("printed");
    QTest::newRow("everything") << true << true << QList<int>{1, 2, 3};
    QTest::newRow("without cover page") << false << true << QList<int>{2, 3};
    QTest::newRow("without proof page") << true << false << QList<int>{1, 2};
}

// A report with a proof page: its page button, its choice, kept for the next report.
void TestPrintPreview::proofPage()
{
    QFETCH(bool, cover);
    QFETCH(bool, proof);
    QFETCH(QList<int>, printed);
    auto withProof = std::make_shared<fixtures::FakeReport>();
    withProof->pages = 3;
    m_preview->showReport(withProof, QStringLiteral("Neubau"));
    auto *page3 = control<QToolButton>(QStringLiteral("btn_Page3"));
    auto *choice = control<QCheckBox>(QStringLiteral("chk_Nachweis"));
    QVERIFY(page3->isEnabled() && choice->isEnabled() && choice->isChecked());
    click(QStringLiteral("btn_Page3"));
    QCOMPARE(withProof->painted.constLast(), QList<int>{3});
    QVERIFY(!page3->isEnabled() && control<QToolButton>(QStringLiteral("btn_Page2"))->isEnabled());

    control<QCheckBox>(QStringLiteral("chk_Deckblatt"))->setChecked(cover);
    choice->setChecked(proof);
    click(QStringLiteral("btn_Print"));
    QCOMPARE(m_printer.jobs.constLast(), printed);

    click(QStringLiteral("btn_Exit"));
    m_preview->showReport(m_report, QStringLiteral("Altbau"));
    QVERIFY(!page3->isEnabled() && !choice->isEnabled());
    m_preview->showReport(withProof, QStringLiteral("Neubau"));
    QCOMPARE(choice->isChecked(), proof);
}

void TestPrintPreview::printFailureOffersPdf_data()
{
    QTest::addColumn<bool>("systemPrinter");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("savePdf");
    QTest::addColumn<QString>("reason");
    const QString none =
        QStringLiteral(" Es ist kein Drucker installiert. Der Bericht wurde nicht gedruckt.");
    QTest::newRow("no printer, declined") << false << int(PrintOutcome::NoPrinter) << false << none;
    QTest::newRow("printer does not start, saved as PDF")
        << false << int(PrintOutcome::NotStarted) << true
        << " Der Drucker \"Büro-Laser\" konnte nicht gestartet werden. Der Bericht wurde nicht gedruckt.";
    QTest::newRow("this system without printer") << true << int(PrintOutcome::NoPrinter) << false << none;
}

void TestPrintPreview::printFailureOffersPdf()
{
    QFETCH(bool, systemPrinter);
    QFETCH(int, status);
    QFETCH(bool, savePdf);
    QFETCH(QString, reason);
    if (systemPrinter && !QPrinterInfo::defaultPrinter().isNull())
        QSKIP("a printer is installed here");
    if (systemPrinter)
        m_preview->setReportPrinter(nullptr);
    m_printer.answer.status = PrintOutcome::Status(status);
    m_report->painted.clear();
    ScriptedInteraction dialogs;
    dialogs.yesNoAnswers << savePdf;
    const QString pdf = QDir(m_startDir->path()).filePath(QStringLiteral("Nachweis.pdf"));
    if (savePdf)
        dialogs.saveFileAnswers << pdf;

    click(QStringLiteral("btn_Print"));

    QCOMPARE(dialogs.recorded.constFirst().type, QStringLiteral("question"));
    QCOMPARE(dialogs.recorded.constFirst().text, reason + PdfOffer);
    QCOMPARE(dialogs.recorded.size(), savePdf ? 2 : 1);
    QCOMPARE(dialogs.unexpected, 0);
    QVERIFY(m_printer.jobs.isEmpty());
    QCOMPARE(QFileInfo::exists(pdf), savePdf);
    if (!savePdf)
        QVERIFY(m_report->painted.isEmpty()); // nothing went anywhere
}

void TestPrintPreview::pdfSave_data()
{
    QTest::addColumn<bool>("withCover");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<int>("pages"); // 0: the old file stays
    QTest::addColumn<QString>("message");
    const QString replace =
        QStringLiteral(" Die Datei \"Nachweis.pdf\" existiert bereits.\r Soll sie ersetzt werden? ");
    QTest::newRow("with cover page") << true << "Nachweis.pdf" << false << 2 << QString();
    QTest::newRow("without cover page, suffix added") << false << "Bericht" << false << 1 << QString();
    QTest::newRow("upper-case suffix kept") << true << "NACHWEIS.PDF" << false << 2 << QString();
    QTest::newRow("disk full") << true << "Nachweis.pdf" << true << 0 << ioErrorText(ENOSPC);
    QTest::newRow("completed name exists, not replaced") << true << "Nachweis" << false << 0 << replace;
}

void TestPrintPreview::pdfSave()
{
    QFETCH(bool, withCover);
    QFETCH(QString, typed);
    QFETCH(bool, diskFull);
    QFETCH(int, pages);
    QFETCH(QString, message);
    const QDir dir(m_startDir->path());
    const QByteArray old("%PDF-1.4 old report");
    if (pages == 0) {
        QFile file(dir.filePath(QStringLiteral("Nachweis.pdf")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    }
    if (diskFull)
        setWriteFaultHookForTesting([](WriteStep step) { return step == WriteStep::Flush ? ENOSPC : 0; });
    control<QCheckBox>(QStringLiteral("chk_Deckblatt"))->setChecked(withCover);
    ScriptedInteraction dialogs;
    dialogs.saveFileAnswers << dir.filePath(typed);
    dialogs.yesNoAnswers << false;

    click(QStringLiteral("btn_PDF"));

    QCOMPARE(dialogs.recorded.constFirst().options.directory, m_startDir->path());
    QCOMPARE(dialogs.recorded.constFirst().options.filter, QStringLiteral("PDF-Dokument (*.pdf)"));
    QCOMPARE(dialogs.recorded.constFirst().options.fileName, QStringLiteral("Wohnhaus Lindenstraße.pdf"));
    QCOMPARE(dialogs.recorded.size(), message.isEmpty() ? 1 : 2);
    if (pages == 0) {
        QCOMPARE(dialogs.recorded.constLast().text,
                 diskFull ? fileWriteErrorText(dir.filePath(QStringLiteral("Nachweis.pdf")), message)
                          : message);
        QCOMPARE(dir.entryList(QDir::Files), QStringList{QStringLiteral("Nachweis.pdf")});
        QCOMPARE(readAll(dir.filePath(QStringLiteral("Nachweis.pdf"))), old);
        return;
    }
    const QString written =
        typed.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ? typed : typed + QStringLiteral(".pdf");
    const QByteArray pdf = readAll(dir.filePath(written));
    QVERIFY(pdf.startsWith("%PDF-"));
    QCOMPARE(pdfPageCount(pdf), pages);
    QVERIFY(pdf.contains("/MediaBox [0 0 595"));                // A4
    QVERIFY(pdf.contains("/FontFile2"));                        // fonts embedded
    QVERIFY(pdf.contains(pdfText(m_preview->documentTitle()))); // document title
    QCOMPARE(m_report->painted.constLast(), withCover ? (QList<int>{1, 2}) : (QList<int>{2}));
}

void TestPrintPreview::pictures()
{
    QDir().mkpath(QStringLiteral(TAVIX_BINARY_DIR "/pictures"));
    QScrollBar *vertical = m_preview->pageView()->findChild<QGraphicsView *>()->verticalScrollBar();
    QCOMPARE(vertical->maximum(), 0); // the whole page fits
    QVERIFY(m_preview->grab().save(QStringLiteral(TAVIX_BINARY_DIR "/pictures/preview_fit.png")));

    control<QSlider>(QStringLiteral("Zoom"))->setValue(150);
    click(QStringLiteral("btn_Page2"));
    QApplication::processEvents();
    QVERIFY(vertical->maximum() > 0);                 // larger than the view: it scrolls
    QCOMPARE(vertical->value(), vertical->minimum()); // from the top of the new page
    QVERIFY(m_preview->grab().save(QStringLiteral(TAVIX_BINARY_DIR "/pictures/preview_150.png")));
}

TAVIX_WIDGET_TEST_MAIN(TestPrintPreview)
#include "tst_printpreview.moc"
