#include "gui/help/helpdocuments.h"

#include "core/io/shippedfiles.h"
#include "gui/common/userinteraction.h"

#include <QCoreApplication>
#include <QDesktopServices>

namespace tavix::gui {

namespace {

ShellOpener &shellOpener()
{
    static ShellOpener opener;
    return opener;
}

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

bool openWithShell(const QUrl &url)
{
    if (shellOpener())
        return shellOpener()(url);
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
        userInteraction().showMessage(parent, MessageKind::Error, helpDocumentErrorText(document));
}

} // namespace tavix::gui
