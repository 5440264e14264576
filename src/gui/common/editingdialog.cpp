#include "gui/common/editingdialog.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace tavix::gui {

// Not a child of the main window: a child would be disabled together with it.
EditingDialog::EditingDialog(QWidget *mainWindow)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_mainWindow(mainWindow)
{
    setModal(false);
}

void EditingDialog::disableMainWindow()
{
    if (m_mainWindow)
        m_mainWindow->setEnabled(false);
}

void EditingDialog::showOverMainWindow()
{
    disableMainWindow();
    // Without a transient parent the window system would tie the dialog to a hidden
    // helper window, and a click on the disabled main window would raise it over the
    // dialog.
    if (m_mainWindow) {
        m_mainWindow->window()->winId();
        winId();
        windowHandle()->setTransientParent(m_mainWindow->window()->windowHandle());
    }
    if (m_centred)
        centreOnScreen();
    show();
    raise();
    activateWindow();
}

void EditingDialog::finish()
{
    if (m_mainWindow)
        m_mainWindow->setEnabled(true);
    hide();
}

void EditingDialog::reject()
{
    cancel();
}

void EditingDialog::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (isVisible())
        cancel();
}

void EditingDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (m_centred && isVisible())
        centreOnScreen();
}

void EditingDialog::centreOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry(); // move() places the frame, title bar included
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

} // namespace tavix::gui
