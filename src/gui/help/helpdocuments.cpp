#include "gui/help/helpdocuments.h"

#include "core/io/shippedfiles.h"
#include "core/model/appversion.h"
#include "gui/common/userinteraction.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QStandardPaths>
#include <QWidget>

namespace tavix::gui {

namespace {

ShellOpener &shellOpener()
{
    static ShellOpener opener;
    return opener;
}

// Turns the hourglass of a clicked homepage picture back into the hand on the next move.
class HandOnMove : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseMove)
            static_cast<QWidget *>(watched)->setCursor(Qt::PointingHandCursor);
        return false;
    }
};

} // namespace

QString helpDocumentFileName(HelpDocument document)
{
    switch (document) {
    case HelpDocument::Handbuch:
        return QStringLiteral("Handbuch.pdf");
    case HelpDocument::Berechnungsgrundlagen:
        return QStringLiteral("Berechungsgrundlagen.pdf");
    case HelpDocument::Praxistipps:
        return QStringLiteral("Tavix_Praxistipps.pdf");
    }
    return {};
}

QString helpDocumentErrorText(HelpDocument document)
{
    return QStringLiteral(
               " Datei \"%1\" nicht im aktuellen Verzeichnis gefunden\r oder kein pdf-Reader vorhanden! ")
        .arg(helpDocumentFileName(document));
}

void setShellOpener(ShellOpener opener)
{
    shellOpener() = std::move(opener);
}

QString helpDocumentFailureText(HelpDocument document, const QString &foundPath, const QStringList &searched)
{
    QString cause;
    if (foundPath.isEmpty()) {
        QStringList folders;
        for (const QString &folder : searched)
            folders << QStringLiteral("„%1“").arg(QDir::toNativeSeparators(folder));
        cause = QStringLiteral("Die Datei wurde nicht gefunden. Gesucht in: %1.")
                    .arg(folders.join(QStringLiteral(", ")));
    } else if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()) {
        cause =
            QStringLiteral("Die Datei liegt in „%1“, aber es ist kein Programm zum Öffnen von PDF-Dateien "
                           "installiert (xdg-open aus dem Paket xdg-utils und ein PDF-Betrachter).")
                .arg(QDir::toNativeSeparators(foundPath));
    } else {
        cause = QStringLiteral("Die Datei liegt in „%1“, aber kein Programm konnte sie öffnen. Ist ein "
                               "PDF-Betrachter installiert?")
                    .arg(QDir::toNativeSeparators(foundPath));
    }
    return helpDocumentErrorText(document) + QStringLiteral("\r\r") + cause;
}

bool openWithShell(const QUrl &url)
{
    if (shellOpener())
        return shellOpener()(url);
#ifdef Q_OS_UNIX
    // The desktop opens local files through xdg-open; without it Qt can only fail, with a
    // warning on the terminal.
    if (url.isLocalFile() && QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        return false;
#endif
    return QDesktopServices::openUrl(url);
}

QString findHelpDocument(const QString &startDirectory, HelpDocument document,
                         const QStringList &shippedFolders)
{
    // The start directory first, whatever folder a file dialog visited since: a document
    // there is the user's own; then the documents installed with the program.
    QStringList folders{startDirectory};
    folders += shippedFolders;
    return findShippedFile(folders, helpDocumentFileName(document));
}

void openHelpDocument(QWidget *parent, const QString &startDirectory, HelpDocument document)
{
    openHelpDocument(parent, startDirectory, document,
                     helpDocumentFolders(QCoreApplication::applicationDirPath()));
}

void openHelpDocument(QWidget *parent, const QString &startDirectory, HelpDocument document,
                      const QStringList &shippedFolders)
{
    const QString path = findHelpDocument(startDirectory, document, shippedFolders);
    const bool opened = !path.isEmpty() && openWithShell(QUrl::fromLocalFile(path));
    if (!opened)
        userInteraction().showMessage(
            parent, MessageKind::Error,
            helpDocumentFailureText(document, path, QStringList{startDirectory} + shippedFolders));
}

QUrl publisherHomepage()
{
    return QUrl(QStringLiteral(TAVIX_HOMEPAGE_URL));
}

void homepageImageClicked(QWidget *image, const QUrl &address, const std::function<void()> &showImprint)
{
    if (address.isEmpty() || !address.isValid()) {
        showImprint();
        return;
    }
    static const char *const filterInstalled = "tavixHandOnMove";
    if (!image->property(filterInstalled).toBool()) {
        image->setProperty(filterInstalled, true);
        image->setMouseTracking(true);
        image->installEventFilter(new HandOnMove(image));
    }
    // Shell failures of the homepage link are not reported.
    openWithShell(address);
    image->setCursor(Qt::WaitCursor);
}

} // namespace tavix::gui
