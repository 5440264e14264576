#pragma once

// The non-modal windows of the main window (information, results, reports, variants) are
// created on first use, then reused: every command shows the same window again, raised
// and active.

#include <QWidget>

namespace tavix::gui {

// Creates `window` with `parent` unless it exists, then shows, raises and activates it.
template<typename Window> Window *showReusedWindow(Window *&window, QWidget *parent)
{
    if (!window)
        window = new Window(parent);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace tavix::gui
