#pragma once

// Small helpers shared by every window with input fields.

class QKeyEvent;
class QLineEdit;
class QString;

namespace tavix::gui {

// The key filter of the numeric fields: digits, backspace and the locale's decimal
// separator pass; with the separator "." a typed "," is entered as "."; every other typed
// character is swallowed. Keys that type no character (cursor and editing keys, shortcuts
// held with Ctrl or Alt) pass. Pasted text is not filtered. True when the key was consumed.
bool filterDecimalKey(QLineEdit *field, QKeyEvent *event);

// Writes a field's text without running its change handlers; an unchanged text is left
// alone, so the cursor stays where it was.
void setFieldText(QLineEdit *field, const QString &text);

} // namespace tavix::gui
