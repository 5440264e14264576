#pragma once

// The interface is German by design, whatever the system's language: Qt's own texts
// (file dialogs, the overwrite question, the context menus of text fields, standard
// buttons) come from Qt's German translations. Numbers keep the separator of the locale.

class QCoreApplication;

namespace tavix::gui {

// Installs Qt's German translations into `app`; false when they are not installed.
bool installGermanQtTranslations(QCoreApplication &app);

} // namespace tavix::gui
