#pragma once

// The text fields whose contents end up in the program's Windows-1252 files (project,
// lining catalogues, company data) accept only what that code page can hold. A character
// it lacks is refused where it is typed or pasted, and a tool tip under the field says
// which character and why, so that nothing turns into "?" on disk unnoticed.

class QAbstractItemView;
class QLineEdit;

namespace tavix::gui {

void guardCodePage(QLineEdit *field);
// The same for the line editors in which the cells of `view` are edited.
void guardCodePage(QAbstractItemView *view);

} // namespace tavix::gui
