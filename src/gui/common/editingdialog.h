#pragma once

// The base of the editing dialogs (build-up, lining, junction, company data). Each is
// created once with the main window and reused. While one is shown the main window is disabled and the
// dialog is kept above it, so it behaves as a modal dialog without a nested event loop.
// The dialogs have no title-bar buttons: they are left through their own buttons, and
// Escape or a close request from the window system counts as their cancel.

#include <QDialog>
#include <QPointer>

namespace tavix::gui {

class EditingDialog : public QDialog
{
    Q_OBJECT

public:
    explicit EditingDialog(QWidget *mainWindow);

protected:
    QWidget *mainWindow() const { return m_mainWindow; }
    // Disables the main window; opening calls it before loading, so that a message shown
    // while loading already finds the main window locked.
    void disableMainWindow();
    // Disables the main window and shows the dialog over it, as the active window.
    void showOverMainWindow();
    // Enables the main window again and hides the dialog.
    void finish();
    // The dialog keeps itself in the middle of the screen, also when it changes its size.
    void setCentredOnScreen(bool centred) { m_centred = centred; }

    // What the dialog's cancel button does; Escape and the window system's close request
    // call it too.
    virtual void cancel() = 0;

    void reject() override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void centreOnScreen();

    QPointer<QWidget> m_mainWindow; // not owned
    bool m_centred = false;
};

} // namespace tavix::gui
