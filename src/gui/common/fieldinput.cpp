#include "gui/common/fieldinput.h"

#include "core/model/numbers.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>

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
    if (c != QLatin1Char('.') && c != QLatin1Char(','))
        return true;
    // The text as it will be once the selection is replaced: one separator at most.
    QString remaining = field->text();
    if (field->hasSelectedText())
        remaining.remove(field->selectionStart(), field->selectedText().size());
    if (!remaining.contains(separator))
        field->insert(QString(separator));
    return true;
}

namespace {

// Selects the text after the focus arrived: a mouse press right after the focus event
// would otherwise place the cursor and undo the selection.
class SelectAllOnFocus : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn) {
            auto *field = static_cast<QLineEdit *>(watched);
            QTimer::singleShot(0, field, [field] { field->selectAll(); });
        }
        return false;
    }
};

} // namespace

void selectAllOnFocus(QLineEdit *field)
{
    field->installEventFilter(new SelectAllOnFocus(field));
}

void setFieldText(QLineEdit *field, const QString &text)
{
    if (field->text() == text)
        return;
    const QSignalBlocker blocker(field);
    field->setText(text);
}

} // namespace tavix::gui
