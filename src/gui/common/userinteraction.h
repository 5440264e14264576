#pragma once

// Every message box and file dialog of the program goes through this interface, so that
// tests can answer them without a modal dialog ever blocking. The widget implementation
// shows real dialogs; ScriptedInteraction (tests) hands out prepared answers.
//
// Message texts are the program's fixed German texts; "\r" inside a text is a line break.

#include "core/session/answer.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace tavix::gui {

enum class MessageKind
{
    Information,
    Warning,
    Error,
    Confirmation
};

struct FileDialogOptions
{
    QString caption;
    QString directory;     // folder the dialog starts in
    QString filter;        // Qt filter text, e.g. "Projektdateien (*.dat)"
    QString defaultSuffix; // save dialogs: appended when the user types no extension
    QString fileName;      // save dialogs: the name proposed in the folder
};

class UserInteraction
{
public:
    virtual ~UserInteraction() = default;

    // A question with the buttons "&Ja" and "&Nein"; true for "&Ja". Escape and the close
    // box answer "&Nein".
    virtual bool askYesNo(QWidget *parent, MessageKind kind, const QString &text) = 0;
    // A question with the buttons "&Ja", "&Nein" and "&Abbrechen", for where "&Nein" would
    // drop work: Escape and the close box answer Cancel, which must leave everything as
    // it was. An implementation without the third button answers as askYesNo() does.
    virtual Answer askYesNoCancel(QWidget *parent, MessageKind kind, const QString &text)
    {
        return askYesNo(parent, kind, text) ? Answer::Yes : Answer::No;
    }
    // A message with a single OK button.
    virtual void showMessage(QWidget *parent, MessageKind kind, const QString &text) = 0;
    // Empty when the user cancels.
    virtual QString getOpenFileName(QWidget *parent, const FileDialogOptions &options) = 0;
    // Empty when the user cancels; the dialog itself asks before overwriting.
    virtual QString getSaveFileName(QWidget *parent, const FileDialogOptions &options) = 0;
    // An open dialog that previews the picture under the cursor; empty when cancelled.
    // Without a preview of its own an implementation shows its plain open dialog.
    virtual QString getOpenPictureFileName(QWidget *parent, const FileDialogOptions &options)
    {
        return getOpenFileName(parent, options);
    }
};

// The interface the program uses; a widget implementation unless a test installed another.
UserInteraction &userInteraction();
// Installs `interaction` (not owned); nullptr restores the widget implementation.
void setUserInteraction(UserInteraction *interaction);

// The general error display ("'…' ist kein gültiger Fließkommawert", file errors).
void showError(QWidget *parent, const QString &text);

// "\r" line breaks of the fixed texts as Qt shows them.
QString displayText(const QString &text);

} // namespace tavix::gui
