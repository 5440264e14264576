#pragma once

// The working directory at program start, where catalogues, company data, documents and
// the report's pictures are looked for, and where the file dialogs start, whatever folder
// a dialog visited last. Recorded once by the start-up sequence.

#include <QString>

namespace tavix::gui {

QString startDirectory();
void setStartDirectory(const QString &path);

} // namespace tavix::gui
