#pragma once

// Answers the program's message boxes and file dialogs from a script, and records what
// was asked, so that widget tests never block on a modal dialog. A question or file dialog
// without a prepared answer is answered "&Nein" / cancelled and counted in `unexpected`;
// in a widget test it also fails the running test, and so does every dialog that comes up
// while no script is installed (widgettest.h). Messages shown under a script are recorded
// for the test to check.

#include "gui/common/userinteraction.h"

#include <QQueue>

#include <functional>

namespace tavix::gui {

// Called for every dialog nobody scripted; widget tests make it fail the running test
// (widgettest.h), benchmarks leave it quiet.
inline void (*&unscriptedDialogHandler())(const QString &type, const QString &text)
{
    static void (*handler)(const QString &, const QString &) = nullptr;
    return handler;
}

inline void failUnscriptedDialog(const QString &type, const QString &text)
{
    if (unscriptedDialogHandler())
        unscriptedDialogHandler()(type, text);
}

struct RecordedDialog
{
    QString type; // "question", "question with cancel", "message", "open", "save", "openPicture"
    MessageKind kind = MessageKind::Information;
    QString text;
    FileDialogOptions options;
};

class ScriptedInteraction final : public UserInteraction
{
public:
    ScriptedInteraction() : m_previous(&userInteraction()) { setUserInteraction(this); }
    ~ScriptedInteraction() override { setUserInteraction(m_previous); }

    QQueue<bool> yesNoAnswers;
    // Answers of the questions with "&Abbrechen"; Answer::Cancel is what Escape gives.
    QQueue<Answer> yesNoCancelAnswers;
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
            failUnscriptedDialog(QStringLiteral("question"), text);
            return false;
        }
        return yesNoAnswers.dequeue();
    }

    Answer askYesNoCancel(QWidget *, MessageKind kind, const QString &text) override
    {
        if (whileShown)
            whileShown();
        recorded.append({QStringLiteral("question with cancel"), kind, text, {}});
        if (yesNoCancelAnswers.isEmpty()) {
            ++unexpected;
            failUnscriptedDialog(QStringLiteral("question with cancel"), text);
            return Answer::Cancel;
        }
        return yesNoCancelAnswers.dequeue();
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
            failUnscriptedDialog(QStringLiteral("open file"), options.caption);
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
            failUnscriptedDialog(QStringLiteral("save file"), options.caption);
            return {};
        }
        return saveFileAnswers.dequeue();
    }

    QString getOpenPictureFileName(QWidget *, const FileDialogOptions &options) override
    {
        recorded.append({QStringLiteral("openPicture"), MessageKind::Information, {}, options});
        if (openPictureAnswers.isEmpty()) {
            ++unexpected;
            failUnscriptedDialog(QStringLiteral("open picture"), options.caption);
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

private:
    UserInteraction *m_previous;
};

} // namespace tavix::gui
