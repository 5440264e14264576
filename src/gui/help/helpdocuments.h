#pragma once

// The three reference documents (PDF files beside the program, in the start directory)
// and the publisher's homepage, opened through the desktop shell. The shell is a
// replaceable function so that tests never launch a viewer.

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class QWidget;

namespace tavix::gui {

enum class HelpDocument
{
    Handbuch,
    Berechnungsgrundlagen,
    Praxistipps
};

// "Handbuch.pdf", "Berechungsgrundlagen.pdf", "Tavix_Praxistipps.pdf" (names on disk).
QString helpDocumentFileName(HelpDocument document);
// The error shown when the document is missing or no viewer could open it.
QString helpDocumentErrorText(HelpDocument document);
// The same message with its cause beneath it: where the document lies and that no program
// to open PDF files is installed, or, when it was not found, the folders searched.
// `foundPath` is empty when the document was not found.
QString helpDocumentFailureText(HelpDocument document, const QString &foundPath, const QStringList &searched);

// Asks the desktop shell to open a URL; returns whether it succeeded. Without a replacement a
// local file needs the desktop's opener "xdg-open" on the PATH; without it nothing is tried.
using ShellOpener = std::function<bool(const QUrl &)>;
void setShellOpener(ShellOpener opener); // an empty function restores QDesktopServices
bool openWithShell(const QUrl &url);

// The document in the start directory, else in the first of `shippedFolders` that holds
// it; empty when none does.
QString findHelpDocument(const QString &startDirectory, HelpDocument document,
                         const QStringList &shippedFolders);

// Opens the document from `startDirectory` or from where the program installed it;
// reports a failure through the message interface.
void openHelpDocument(QWidget *parent, const QString &startDirectory, HelpDocument document);
// The same with the folders of the shipped documents given.
void openHelpDocument(QWidget *parent, const QString &startDirectory, HelpDocument document,
                      const QStringList &shippedFolders);

// The publisher's homepage; empty while the build configures none (TAVIX_HOMEPAGE_URL).
QUrl publisherHomepage();

// A click on the publisher's logo (the main window's ImageTavix): opens `address` when one is
// given and shows the hourglass on `image` until the mouse moves over it again, as a sign
// that the browser is starting; without an address it calls `showImprint` instead.
void homepageImageClicked(QWidget *image, const QUrl &address, const std::function<void()> &showImprint);

} // namespace tavix::gui
