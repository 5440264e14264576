#pragma once

// Answers the program's message boxes and file dialogs from a script, and records what
// was asked, so that widget tests never block on a modal dialog. A question or file dialog
// without a prepared answer is answered "&Nein" / cancelled, counted in `unexpected` and
// fails the running test; so does every dialog that comes up while no script is installed
// (see TAVIX_WIDGET_TEST_MAIN). Messages shown under a script are recorded for the test to
// check.

#include "gui/common/userinteraction.h"

#include <QApplication>
#include <QQueue>
#include <QtTest>

#include <functional>

namespace tavix::gui {

// Fails the running test because of a dialog nobody scripted.
inline void failUnscriptedDialog(const QString &type, const QString &text)
{
    const QByteArray what = QStringLiteral("unscripted %1 dialog: %2").arg(type, text).toUtf8();
    if (QTest::currentTestFunction())
        QTest::qFail(what.constData(), __FILE__, __LINE__);
    else
        qCritical("%s", what.constData());
}

// Installed for a whole widget test program: answers every dialog "&Nein" / cancelled and
// fails the test in which it came up.
class UnscriptedDialogCatcher final : public UserInteraction
{
public:
    UnscriptedDialogCatcher() { setUserInteraction(this); }
    ~UnscriptedDialogCatcher() override { setUserInteraction(nullptr); }

    bool askYesNo(QWidget *, MessageKind, const QString &text) override
    {
        failUnscriptedDialog(QStringLiteral("question"), text);
        return false;
    }
    void showMessage(QWidget *, MessageKind, const QString &text) override
    {
        failUnscriptedDialog(QStringLiteral("message"), text);
    }
    QString getOpenFileName(QWidget *, const FileDialogOptions &options) override
    {
        failUnscriptedDialog(QStringLiteral("open file"), options.caption);
        return {};
    }
    QString getSaveFileName(QWidget *, const FileDialogOptions &options) override
    {
        failUnscriptedDialog(QStringLiteral("save file"), options.caption);
        return {};
    }
};

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
    ScriptedInteraction() : m_previous(&userInteraction()) { setUserInteraction(this); }
    ~ScriptedInteraction() override { setUserInteraction(m_previous); }

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
            failUnscriptedDialog(QStringLiteral("question"), text);
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

// QTEST_MAIN for widget tests, with every dialog that no test scripted counted as a failure.
#define TAVIX_WIDGET_TEST_MAIN(TestObject)                                                                   \
    int main(int argc, char *argv[])                                                                         \
    {                                                                                                        \
        QApplication app(argc, argv);                                                                        \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                             \
        tavix::gui::UnscriptedDialogCatcher catcher;                                                         \
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }
