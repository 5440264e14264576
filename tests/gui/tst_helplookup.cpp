#include "core/io/shippedfiles.h"
#include "gui/help/helpdocuments.h"
#include "widgettest.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tavix;
using namespace tavix::gui;

// Where the help documents are looked for: the user's start directory first, then the
// documents installed with the program, and only when neither has them the message.
class TestHelpLookup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lookupOrder_data();
    void lookupOrder();
    void installedLayoutIsFound();

private:
    static void touch(const QString &path)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
};

void TestHelpLookup::lookupOrder_data()
{
    QTest::addColumn<bool>("inStartDir");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("expected"); // "start", "installed" or "message"
    QTest::newRow("both: the start directory wins") << true << true << "start";
    QTest::newRow("installed only") << false << true << "installed";
    QTest::newRow("start directory only") << true << false << "start";
    QTest::newRow("neither: the message") << false << false << "message";
}

void TestHelpLookup::lookupOrder()
{
    QFETCH(bool, inStartDir);
    QFETCH(bool, installed);
    QFETCH(QString, expected);
    QTemporaryDir startDir;
    QTemporaryDir docDir;
    if (inStartDir)
        touch(startDir.filePath(QStringLiteral("Handbuch.pdf")));
    if (installed)
        touch(docDir.filePath(QStringLiteral("Handbuch.pdf")));

    QList<QUrl> opened;
    setShellOpener([&opened](const QUrl &url) {
        opened << url;
        return true;
    });
    ScriptedInteraction dialogs;
    openHelpDocument(nullptr, startDir.path(), HelpDocument::Handbuch, {docDir.path()});
    setShellOpener({});

    if (expected == QLatin1String("message")) {
        QVERIFY(opened.isEmpty());
        QCOMPARE(dialogs.recorded.size(), 1);
        QVERIFY(dialogs.recorded.first().text.startsWith(helpDocumentErrorText(HelpDocument::Handbuch)));
        return;
    }
    QCOMPARE(dialogs.recorded.size(), 0);
    QCOMPARE(opened.size(), 1);
    const QString folder = expected == QLatin1String("start") ? startDir.path() : docDir.path();
    QCOMPARE(opened.first().toLocalFile(), QDir(folder).absoluteFilePath(QStringLiteral("Handbuch.pdf")));
}

void TestHelpLookup::installedLayoutIsFound()
{
    // <prefix>/bin/program finds <prefix>/share/doc/tavix-schallschutz and the starter
    // catalogues; the build tree's docs/ and catalogues/ beside the program come after.
    QTemporaryDir prefix;
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    touch(prefix.filePath(QStringLiteral("share/doc/tavix-schallschutz/Handbuch.pdf")));
    touch(prefix.filePath(QStringLiteral("share/tavix-schallschutz/catalogues/VS_Wand.lib")));
    touch(prefix.filePath(QStringLiteral("bin/docs/Handbuch.pdf")));

    const QStringList docs = helpDocumentFolders(bin);
    QCOMPARE(docs.size(), 2);
    QCOMPARE(
        findShippedFile(docs, QStringLiteral("Handbuch.pdf")),
        QDir(prefix.path()).absoluteFilePath(QStringLiteral("share/doc/tavix-schallschutz/Handbuch.pdf")));
    QCOMPARE(findShippedFile(starterCatalogueFolders(bin), QStringLiteral("VS_Wand.lib")),
             QDir(prefix.path())
                 .absoluteFilePath(QStringLiteral("share/tavix-schallschutz/catalogues/VS_Wand.lib")));
    QVERIFY(findShippedFile(docs, QStringLiteral("Tavix_Praxistipps.pdf")).isEmpty());
}

TAVIX_WIDGET_TEST_MAIN(TestHelpLookup)
#include "tst_helplookup.moc"
