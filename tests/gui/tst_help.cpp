#include "gui/help/formimpressum.h"
#include "gui/help/forminfo.h"
#include "gui/help/helpdocuments.h"
#include "widgettest.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

using namespace tavix::gui;

class TestHelp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void documentsOpenFromStartDirectory_data();
    void documentsOpenFromStartDirectory();
    void missingDocument_data();
    void missingDocument();
    void shellFailureIsReported();
    void liabilityWindow();
    void imprintWindow();
    void homepageCursor();
    void unscriptedDialogFailsTheTest();
};

void TestHelp::cleanup()
{
    setShellOpener({});
}

void TestHelp::documentsOpenFromStartDirectory_data()
{
    QTest::addColumn<HelpDocument>("document");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("manual") << HelpDocument::Handbuch << "Handbuch.pdf";
    QTest::newRow("calculation basics") << HelpDocument::Berechnungsgrundlagen << "Berechungsgrundlagen.pdf";
    QTest::newRow("practice tips") << HelpDocument::Praxistipps << "Tavix_Praxistipps.pdf";
}

void TestHelp::documentsOpenFromStartDirectory()
{
    QFETCH(HelpDocument, document);
    QFETCH(QString, fileName);
    QTemporaryDir startDir;
    QTemporaryDir elsewhere;
    QFile file(startDir.filePath(fileName));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    QList<QUrl> opened;
    setShellOpener([&opened](const QUrl &url) {
        opened << url;
        return true;
    });
    ScriptedInteraction dialogs;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(elsewhere.path()); // a file dialog moved the current folder
    openHelpDocument(nullptr, startDir.path(), document);
    QDir::setCurrent(previous);

    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened.first().toLocalFile(), QDir(startDir.path()).absoluteFilePath(fileName));
    QVERIFY(dialogs.recorded.isEmpty());
}

void TestHelp::missingDocument_data()
{
    QTest::addColumn<HelpDocument>("document");
    QTest::addColumn<QString>("message");
    QTest::newRow("manual") << HelpDocument::Handbuch
                            << " Datei \"Handbuch.pdf\" nicht im aktuellen Verzeichnis gefunden\r oder kein "
                               "pdf-Reader vorhanden! ";
    QTest::newRow("calculation basics") << HelpDocument::Berechnungsgrundlagen
                                        << " Datei \"Berechungsgrundlagen.pdf\" nicht im aktuellen "
                                           "Verzeichnis gefunden\r oder kein pdf-Reader vorhanden! ";
    QTest::newRow("practice tips") << HelpDocument::Praxistipps
                                   << " Datei \"Tavix_Praxistipps.pdf\" nicht im aktuellen Verzeichnis "
                                      "gefunden\r oder kein pdf-Reader vorhanden! ";
}

void TestHelp::missingDocument()
{
    QFETCH(HelpDocument, document);
    QFETCH(QString, message);
    QTemporaryDir startDir;
    bool shellCalled = false;
    setShellOpener([&shellCalled](const QUrl &) {
        shellCalled = true;
        return true;
    });
    ScriptedInteraction dialogs;
    openHelpDocument(nullptr, startDir.path(), document);
    QVERIFY(!shellCalled);
    QCOMPARE(dialogs.recorded.size(), 1);
    QCOMPARE(dialogs.recorded.first().kind, MessageKind::Error);
    QCOMPARE(dialogs.recorded.first().text, message);
}

void TestHelp::shellFailureIsReported()
{
    QTemporaryDir startDir;
    QFile file(startDir.filePath(QStringLiteral("Handbuch.pdf")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    setShellOpener([](const QUrl &) { return false; }); // no PDF reader
    ScriptedInteraction dialogs;
    openHelpDocument(nullptr, startDir.path(), HelpDocument::Handbuch);
    QCOMPARE(dialogs.texts(), QStringList{helpDocumentErrorText(HelpDocument::Handbuch)});
}

void TestHelp::liabilityWindow()
{
    TForm_Info info;
    QCOMPARE(info.windowTitle(), QStringLiteral(" Haftung"));
    QVERIFY(!info.isModal());
    QStringList shown;
    for (const QLabel *label : info.findChildren<QLabel *>())
        shown << label->text();
    QVERIFY(shown.contains(QStringLiteral("Haftung:")));
    for (const QString &line : TForm_Info::liabilityLines())
        QVERIFY2(shown.contains(line), qPrintable(line));
    QVERIFY(shown.contains(QStringLiteral(" Programms oder der Programmhilfe ergeben.")));
    info.resize(info.sizeHint());
    info.grab().save(QStringLiteral(TAVIX_BINARY_DIR "/help-haftung.png"));
}

void TestHelp::imprintWindow()
{
    TForm_Impressum imprint;
    QCOMPARE(imprint.windowTitle(), QStringLiteral(" Impressum"));
    QVERIFY(!imprint.isModal());
    bool titled = false;
    for (const QLabel *label : imprint.findChildren<QLabel *>())
        titled |= label->text().contains(QStringLiteral("(Version 2.0)"));
    QVERIFY(titled);
    imprint.resize(imprint.sizeHint());
    imprint.grab().save(QStringLiteral(TAVIX_BINARY_DIR "/help-impressum.png"));
}

void TestHelp::homepageCursor()
{
    QLabel image;
    image.resize(160, 50);
    image.setCursor(Qt::PointingHandCursor);
    QList<QUrl> opened;
    setShellOpener([&opened](const QUrl &url) {
        opened << url;
        return true;
    });
    const QUrl address(QStringLiteral("https://example.invalid/"));
    QCOMPARE(image.cursor().shape(), Qt::PointingHandCursor);
    homepageImageClicked(&image, address);
    QCOMPARE(image.cursor().shape(), Qt::WaitCursor);
    homepageImageClicked(&image, address);
    QCOMPARE(image.cursor().shape(), Qt::WaitCursor); // no movement: still waiting
    QCOMPARE(opened.size(), 2);
    QTest::mouseMove(&image, QPoint(30, 25));
    QMouseEvent move(QEvent::MouseMove, QPointF(31, 25), QPointF(31, 25), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&image, &move);
    QCOMPARE(image.cursor().shape(), Qt::PointingHandCursor);
}

// The safety net of every widget test: a message box nobody scripted is a failure, not a
// window that blocks the run.
void TestHelp::unscriptedDialogFailsTheTest()
{
    QEXPECT_FAIL("", "no script answers this message", Continue);
    showError(nullptr, QStringLiteral("nicht vorgesehen"));
    {
        ScriptedInteraction dialogs;
        QEXPECT_FAIL("", "the script has no answer for this question", Continue);
        QVERIFY(!userInteraction().askYesNo(nullptr, MessageKind::Confirmation, QStringLiteral("Frage?")));
        QCOMPARE(dialogs.unexpected, 1);
    }
}

TAVIX_WIDGET_TEST_MAIN(TestHelp)
#include "tst_help.moc"
