#pragma once

// The frame of every widget test: QTEST_MAIN with a safety net that fails the running test
// on any message box or file dialog the test did not script.

#include "core/io/openfilemark.h"
#include "scriptedinteraction.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace tavix::gui {

// Fails the running test because of a dialog nobody scripted.
inline void failRunningTest(const QString &type, const QString &text)
{
    const QByteArray what = QStringLiteral("unscripted %1 dialog: %2").arg(type, text).toUtf8();
    if (QTest::currentTestFunction())
        QTest::qFail(what.constData(), __FILE__, __LINE__);
    else
        qCritical("%s", what.constData());
}

// Installed for a whole widget test program: answers every dialog "&Nein" / "&Abbrechen" /
// cancelled and fails the test in which it came up.
class UnscriptedDialogCatcher final : public UserInteraction
{
public:
    UnscriptedDialogCatcher()
    {
        setUserInteraction(this);
        unscriptedDialogHandler() = &failRunningTest;
    }
    ~UnscriptedDialogCatcher() override
    {
        unscriptedDialogHandler() = nullptr;
        setUserInteraction(nullptr);
    }

    bool askYesNo(QWidget *, MessageKind, const QString &text) override
    {
        failRunningTest(QStringLiteral("question"), text);
        return false;
    }
    Answer askYesNoCancel(QWidget *, MessageKind, const QString &text) override
    {
        failRunningTest(QStringLiteral("question with cancel"), text);
        return Answer::Cancel;
    }
    void showMessage(QWidget *, MessageKind, const QString &text) override
    {
        failRunningTest(QStringLiteral("message"), text);
    }
    QString getOpenFileName(QWidget *, const FileDialogOptions &options) override
    {
        failRunningTest(QStringLiteral("open file"), options.caption);
        return {};
    }
    QString getSaveFileName(QWidget *, const FileDialogOptions &options) override
    {
        failRunningTest(QStringLiteral("save file"), options.caption);
        return {};
    }
};

} // namespace tavix::gui

// QTEST_MAIN for widget tests, with every dialog that no test scripted counted as a failure,
// and per-user settings of their own, so that no choice on the machine reaches a test.
#define TAVIX_WIDGET_TEST_MAIN(TestObject)                                                                   \
    int main(int argc, char *argv[])                                                                         \
    {                                                                                                        \
        QApplication app(argc, argv);                                                                        \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                             \
        const QTemporaryDir settings;                                                                        \
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());                  \
        tavix::gui::UnscriptedDialogCatcher catcher;                                                         \
        tavix::setOpenFileMarksEnabledForTesting(false); /* marks are the core tests' */                     \
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }
