#pragma once

// Small helpers shared by every window with input fields.

class QKeyEvent;
class QLineEdit;
class QString;

namespace tavix::gui {

// The key filter of the numeric fields: digits, backspace and the locale's decimal
// separator pass; the other of "," and "." is entered as the locale's separator, so that
// "45.5" typed with a German locale becomes "45,5" instead of 455; a second separator in
// the field is swallowed, as is every other typed character. Keys that type no character
// (cursor and editing keys, shortcuts held with Ctrl or Alt) pass. Pasted text is not
// filtered. True when the key was consumed.
bool filterDecimalKey(QLineEdit *field, QKeyEvent *event);

// The whole text of `field` is selected whenever it receives the focus, by mouse or by
// keyboard, so that typing replaces a reset value such as "0" instead of extending it.
void selectAllOnFocus(QLineEdit *field);

// Writes a field's text without running its change handlers; an unchanged text is left
// alone, so the cursor stays where it was.
void setFieldText(QLineEdit *field, const QString &text);

} // namespace tavix::gui
