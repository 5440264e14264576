#pragma once

// Answers the program's message boxes and file dialogs from a script, and records what
// was asked, so that widget tests never block on a modal dialog. A question without a
// prepared answer is answered "&Nein" / cancelled and counted in `unexpected`.

#include "gui/common/userinteraction.h"

#include <QQueue>

#include <functional>

namespace tavix::gui {

struct RecordedDialog
{
    QString type; // "question", "message", "open", "save", "openPicture"
    MessageKind kind = MessageKind::Information;
    QString text;
    FileDialogOptions options;
};

class ScriptedInteraction final : public UserInteraction
{
public:
    ScriptedInteraction() { setUserInteraction(this); }
    ~ScriptedInteraction() override { setUserInteraction(nullptr); }

    QQueue<bool> yesNoAnswers;
    QQueue<QString> openFileAnswers;
    QQueue<QString> saveFileAnswers;
    QQueue<QString> openPictureAnswers;
    QList<RecordedDialog> recorded;
    int unexpected = 0;
    // Runs while each dialog is "open", e.g. to move the focus as a real dialog would.
    std::function<void()> whileShown;

    bool askYesNo(QWidget *, MessageKind kind, const QString &text) override
    {
        if (whileShown)
            whileShown();
        recorded.append({QStringLiteral("question"), kind, text, {}});
        if (yesNoAnswers.isEmpty()) {
            ++unexpected;
            return false;
        }
        return yesNoAnswers.dequeue();
    }

    void showMessage(QWidget *, MessageKind kind, const QString &text) override
    {
        if (whileShown)
            whileShown();
        recorded.append({QStringLiteral("message"), kind, text, {}});
    }

    QString getOpenFileName(QWidget *, const FileDialogOptions &options) override
    {
        if (whileShown)
            whileShown();
        recorded.append({QStringLiteral("open"), MessageKind::Information, {}, options});
        if (openFileAnswers.isEmpty()) {
            ++unexpected;
            return {};
        }
        return openFileAnswers.dequeue();
    }

    QString getSaveFileName(QWidget *, const FileDialogOptions &options) override
    {
        if (whileShown)
            whileShown();
        recorded.append({QStringLiteral("save"), MessageKind::Information, {}, options});
        if (saveFileAnswers.isEmpty()) {
            ++unexpected;
            return {};
        }
        return saveFileAnswers.dequeue();
    }

    QString getOpenPictureFileName(QWidget *, const FileDialogOptions &options) override
    {
        recorded.append({QStringLiteral("openPicture"), MessageKind::Information, {}, options});
        if (openPictureAnswers.isEmpty()) {
            ++unexpected;
            return {};
        }
        return openPictureAnswers.dequeue();
    }

    QStringList texts() const
    {
        QStringList out;
        for (const auto &r : recorded)
            out << r.text;
        return out;
    }
};

} // namespace tavix::gui
