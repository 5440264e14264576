#pragma once

// The pictures of the preview's tool buttons, drawn in code so that they look the same
// on every platform and style.

#include <QIcon>

namespace tavix::gui::previewicons {

QIcon fitPage();                  // a page inside four corner marks
QIcon page(const QString &label); // a sheet with a folded corner and a short label
QIcon printer();                  // a printer with a sheet coming out
QIcon exit();                     // a door with an arrow leading out

} // namespace tavix::gui::previewicons
