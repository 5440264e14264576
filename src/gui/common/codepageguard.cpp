#include "gui/common/codepageguard.h"

#include "core/io/codepage.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <QValidator>

namespace tavix::gui {

namespace {

class CodePageValidator final : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override
    {
        m_refused = firstCharacterOutsideCodePage(input);
        return m_refused.isEmpty() ? Acceptable : Invalid;
    }
    // The character of the last text refused, for the hint.
    QString refused() const { return m_refused; }

private:
    mutable QString m_refused;
};

class CodePageDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *field = qobject_cast<QLineEdit *>(editor))
            guardCodePage(field);
        return editor;
    }
};

} // namespace

void guardCodePage(QLineEdit *field)
{
    auto *validator = new CodePageValidator(field);
    field->setValidator(validator);
    // The line edit has already undone the edit; the validator still knows why.
    QObject::connect(field, &QLineEdit::inputRejected, validator, [field, validator] {
        const QString character = validator->refused();
        if (character.isEmpty())
            return; // refused for its length, not for its characters
        QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), codePageRefusalText(character),
                           field);
    });
}

void guardCodePage(QAbstractItemView *view)
{
    view->setItemDelegate(new CodePageDelegate(view));
}

} // namespace tavix::gui
