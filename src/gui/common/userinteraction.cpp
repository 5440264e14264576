#include "gui/common/userinteraction.h"

#include "gui/common/picturefile.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace tavix::gui {

namespace {

QMessageBox::Icon iconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString titleOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Information:
        return QStringLiteral("Information");
    case MessageKind::Warning:
        return QStringLiteral("Warnung");
    case MessageKind::Error:
        return QStringLiteral("Fehler");
    case MessageKind::Confirmation:
        return QStringLiteral("Bestätigen");
    }
    return {};
}

class WidgetInteraction final : public UserInteraction
{
public:
    bool askYesNo(QWidget *parent, MessageKind kind, const QString &text) override
    {
        QMessageBox box(iconOf(kind), titleOf(kind), displayText(text), QMessageBox::NoButton, parent);
        QPushButton *yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        QPushButton *no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes;
    }

    Answer askYesNoCancel(QWidget *parent, MessageKind kind, const QString &text) override
    {
        QMessageBox box(iconOf(kind), titleOf(kind), displayText(text), QMessageBox::NoButton, parent);
        QPushButton *yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        QPushButton *no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        QPushButton *cancel = box.addButton(QStringLiteral("&Abbrechen"), QMessageBox::RejectRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == yes)
            return Answer::Yes;
        if (box.clickedButton() == no)
            return Answer::No;
        return Answer::Cancel;
    }

    void showMessage(QWidget *parent, MessageKind kind, const QString &text) override
    {
        QMessageBox box(iconOf(kind), titleOf(kind), displayText(text), QMessageBox::Ok, parent);
        box.exec();
    }

    QString getOpenFileName(QWidget *parent, const FileDialogOptions &options) override
    {
        return QFileDialog::getOpenFileName(parent, options.caption, options.directory, options.filter);
    }

    QString getSaveFileName(QWidget *parent, const FileDialogOptions &options) override
    {
        QFileDialog dialog(parent, options.caption, options.directory, options.filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(options.defaultSuffix);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
        if (!options.fileName.isEmpty())
            dialog.selectFile(options.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }

    QString getOpenPictureFileName(QWidget *parent, const FileDialogOptions &options) override
    {
        // Qt's own dialog, because a preview cannot be added to the platform's.
        QFileDialog dialog(parent, options.caption, options.directory, options.filter);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        auto *preview = new QLabel(&dialog);
        preview->setObjectName(QStringLiteral("picturePreview"));
        const QSize previewSize(160, 160);
        preview->setFixedSize(previewSize);
        preview->setAlignment(Qt::AlignCenter);
        preview->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout()))
            grid->addWidget(preview, 1, grid->columnCount(), 1, 1, Qt::AlignTop);
        QObject::connect(&dialog, &QFileDialog::currentChanged, preview,
                         [preview, previewSize](const QString &path) {
                             const QImage picture = readPictureFile(path, previewSize);
                             preview->setPixmap(QPixmap::fromImage(picture));
                         });
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }
};

WidgetInteraction &widgetInteraction()
{
    static WidgetInteraction instance;
    return instance;
}

UserInteraction *installed = nullptr;

} // namespace

UserInteraction &userInteraction()
{
    return installed ? *installed : widgetInteraction();
}

void setUserInteraction(UserInteraction *interaction)
{
    installed = interaction;
}

void showError(QWidget *parent, const QString &text)
{
    userInteraction().showMessage(parent, MessageKind::Error, text);
}

QString displayText(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace tavix::gui
