#include "gui/help/helpdocuments.h"

#include "gui/common/userinteraction.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

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

void openHelpDocument(QWidget *parent, const QString &startDirectory, HelpDocument document)
{
    // Always the start directory, whatever folder a file dialog visited since.
    const QString path = QDir(startDirectory).absoluteFilePath(helpDocumentFileName(document));
    const bool opened = QFileInfo::exists(path) && openWithShell(QUrl::fromLocalFile(path));
    if (!opened)
        userInteraction().showMessage(parent, MessageKind::Error, helpDocumentErrorText(document));
}

} // namespace tavix::gui
