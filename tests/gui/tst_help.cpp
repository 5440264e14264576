#include "gui/common/programpictures.h"
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
    void viewerFailureNamesTheCause_data();
    void viewerFailureNamesTheCause();
    void liabilityWindow();
    void imprintWindow();
    void homepageCursor();
    void programPictures();
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
    openHelpDocument(nullptr, startDir.path(), document, {});
    QVERIFY(!shellCalled);
    QCOMPARE(dialogs.recorded.size(), 1);
    QCOMPARE(dialogs.recorded.first().kind, MessageKind::Error);
    // The message as it has always read, and beneath it where the program looked.
    const QString text = dialogs.recorded.first().text;
    QVERIFY2(text.startsWith(message + QStringLiteral("\r\rDie Datei wurde nicht gefunden. Gesucht in: „")),
             qPrintable(text));
    QVERIFY(text.contains(QDir::toNativeSeparators(startDir.path())));
}

void TestHelp::viewerFailureNamesTheCause_data()
{
    QTest::addColumn<bool>("openerInstalled");
    QTest::addColumn<QString>("cause");
    QTest::newRow("no xdg-open on the PATH")
        << false
        << "aber es ist kein Programm zum Öffnen von PDF-Dateien installiert (xdg-open aus dem Paket "
           "xdg-utils und ein PDF-Betrachter).";
    QTest::newRow("the opener fails")
        << true << "aber kein Programm konnte sie öffnen. Ist ein PDF-Betrachter installiert?";
}

// A document that was found but could not be shown: the message says where it lies and why.
void TestHelp::viewerFailureNamesTheCause()
{
    QFETCH(bool, openerInstalled);
    QFETCH(QString, cause);
    QTemporaryDir startDir;
    QTemporaryDir path; // the PATH of a desktop without or with a failing opener
    QFile file(startDir.filePath(QStringLiteral("Handbuch.pdf")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    if (openerInstalled) {
        QFile opener(path.filePath(QStringLiteral("xdg-open")));
        QVERIFY(opener.open(QIODevice::WriteOnly));
        opener.write("#!/bin/sh\nexit 3\n");
        opener.close();
        opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        setShellOpener([](const QUrl &) { return false; });
    }
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(path.path()));
    ScriptedInteraction dialogs;
    openHelpDocument(nullptr, startDir.path(), HelpDocument::Handbuch, {});
    qputenv("PATH", oldPath);

    QCOMPARE(dialogs.recorded.size(), 1);
    const QString expected = helpDocumentErrorText(HelpDocument::Handbuch) +
                             QStringLiteral("\r\rDie Datei liegt in „%1“, ")
                                 .arg(QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath())) +
                             cause;
    QCOMPARE(dialogs.recorded.first().text, expected);
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
    QStringList shown;
    for (const QLabel *label : imprint.findChildren<QLabel *>())
        shown << label->text();
    const QString all = shown.join(QLatin1Char('\n'));
    QVERIFY(all.contains(QStringLiteral("(Version 2.0)")));
    QVERIFY(shown.contains(QStringLiteral("8. Dezember 2026"))); // the release, in German
    for (const char *part : {"Herausgeber:", "Autoren:", "Lizenz:"})
        QVERIFY2(shown.contains(QString::fromLatin1(part)), part);
    // Only addresses that exist: none is configured, so none is shown.
    QVERIFY(!all.contains(QLatin1Char('@')) && !all.contains(QStringLiteral("www.")) &&
            !all.contains(QStringLiteral("http")));
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
    int imprints = 0;
    auto showImprint = [&imprints] {
        ++imprints;
    };
    // No homepage configured: the logo shows the imprint and keeps its hand.
    homepageImageClicked(&image, QUrl(), showImprint);
    QCOMPARE(imprints, 1);
    QVERIFY(opened.isEmpty());
    QCOMPARE(image.cursor().shape(), Qt::PointingHandCursor);

    const QUrl address(QStringLiteral("https://example.invalid/"));
    homepageImageClicked(&image, address, showImprint);
    QCOMPARE(image.cursor().shape(), Qt::WaitCursor);
    homepageImageClicked(&image, address, showImprint);
    QCOMPARE(image.cursor().shape(), Qt::WaitCursor); // no movement: still waiting
    QCOMPARE(opened.size(), 2);
    QCOMPARE(imprints, 1);
    QTest::mouseMove(&image, QPoint(30, 25));
    QMouseEvent move(QEvent::MouseMove, QPointF(31, 25), QPointF(31, 25), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&image, &move);
    QCOMPARE(image.cursor().shape(), Qt::PointingHandCursor);
}

// The program's icon and every tool-bar picture are drawn, and a disabled picture is grey
// and faint beside its enabled form.
void TestHelp::programPictures()
{
    installProgramIdentity();
    QVERIFY(!QApplication::windowIcon().pixmap(48).isNull());
    QDialog window;
    QCOMPARE(window.windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    auto inkAndColour = [](const QImage &image) {
        qreal ink = 0, colour = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                ink += c.alphaF();
                colour += c.alphaF() * c.hsvSaturationF();
            }
        return std::pair{ink, colour};
    };
    for (int i = 0; i <= int(ToolBarPicture::PracticeTips); ++i) {
        const QIcon icon = toolBarPicture(ToolBarPicture(i));
        const auto [ink, colour] = inkAndColour(icon.pixmap(24).toImage());
        const auto [faintInk, faintColour] = inkAndColour(icon.pixmap(24, QIcon::Disabled).toImage());
        QVERIFY2(ink > 24 * 24 / 8.0, qPrintable(QString::number(i)));
        QVERIFY(faintInk < ink / 2);
        QCOMPARE(faintColour, 0.0);
        QVERIFY(colour > 0);
    }
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
