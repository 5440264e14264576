#include "gui/common/fieldinput.h"

#include "core/model/numbers.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace tavix::gui {

bool filterDecimalKey(QLineEdit *field, QKeyEvent *event)
{
    const QString text = event->text();
    if (text.size() != 1 || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    const QChar c = text.at(0);
    if (c.unicode() < 0x20 || c.unicode() == 0x7f || (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
        return false; // backspace and other control characters, digits
    const QChar separator = localeDecimalSeparator();
    if (c == separator)
        return false;
    if (separator == QLatin1Char('.') && c == QLatin1Char(','))
        field->insert(QStringLiteral("."));
    return true;
}

void setFieldText(QLineEdit *field, const QString &text)
{
    if (field->text() == text)
        return;
    const QSignalBlocker blocker(field);
    field->setText(text);
}

} // namespace tavix::gui
