// What a planner meets in the first hour: a window that fits a 1366 × 768 laptop, Qt's own
// texts in German, a sketch that keeps its colours behind a dialog.
#include "fixtures.h"
#include "gui/common/germantranslations.h"
#include "gui/mainwindow/simplifiedmodel.h"
#include "widgettest.h"

#include <QAction>
#include <QDir>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

using namespace tavix;
using namespace tavix::gui;

class TestUsability : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }
    void windowFitsLaptopScreen();
    void qtTextsAreGerman();
    void sketchKeepsColoursWhileDisabled();
    void fileCommandsHaveTheirKeys_data();
    void fileCommandsHaveTheirKeys();
    void plainSaveWritesTheOpenFile();
    void typingReplacesTheFieldText_data();
    void typingReplacesTheFieldText();
    void longLiningTextShowsItsStart();
};

void TestUsability::windowFitsLaptopScreen()
{
    ScriptedInteraction dialogs;
    TSimplifiedModel window;
    window.model() = fixtures::workedExample(QLatin1Char(','));
    window.refreshFromModel();
    window.session().Recalculate();
    // 1366 × 768 less a task bar of 40 pixels, with a window frame and title bar.
    const QSize usable(1366, 728);
    const QSize frame(12, 40);
    const QSize minimum = window.minimumSizeHint();
    QVERIFY2(minimum.width() + frame.width() <= usable.width() &&
                 minimum.height() + frame.height() <= usable.height(),
             qPrintable(QStringLiteral("minimum %1 × %2").arg(minimum.width()).arg(minimum.height())));

    window.resize(minimum);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Nothing is cut off at the minimum: the sketch is shown whole.
    const QLabel *sketch = window.findChild<QLabel *>(QStringLiteral("Image1"));
    QVERIFY(sketch->isVisible());
    const QRect inWindow(sketch->mapTo(&window, QPoint(0, 0)), sketch->size());
    QVERIFY(window.rect().contains(inWindow));
    QDir().mkpath(QStringLiteral(TAVIX_BINARY_DIR "/pictures"));
    window.grab().save(QStringLiteral(TAVIX_BINARY_DIR "/pictures/mainwindow-minimum.png"));
    QCOMPARE(dialogs.unexpected, 0);
}

void TestUsability::qtTextsAreGerman()
{
    QVERIFY(installGermanQtTranslations(*QCoreApplication::instance()));
    // The context menu of every text field and the buttons of Qt's dialogs.
    QCOMPARE(QLineEdit::tr("&Copy"), QStringLiteral("&Kopieren"));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "&Save"), QStringLiteral("S&peichern"));
}

void TestUsability::sketchKeepsColoursWhileDisabled()
{
    ScriptedInteraction dialogs;
    TSimplifiedModel window;
    window.model() = fixtures::workedExample(QLatin1Char(','));
    window.refreshFromModel();
    window.session().Recalculate();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QLabel *sketch = window.findChild<QLabel *>(QStringLiteral("Image1"));
    const QImage enabled = sketch->grab().toImage();
    window.setEnabled(false); // as while an editing dialog is open
    const QImage disabled = sketch->grab().toImage();
    QCOMPARE(disabled, enabled);
    QCOMPARE(dialogs.unexpected, 0);
}

void TestUsability::fileCommandsHaveTheirKeys_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("Neu") << "FileNewItem" << QKeySequence(QStringLiteral("Ctrl+N"));
    QTest::newRow("Öffnen") << "FileOpenItem" << QKeySequence(QStringLiteral("Ctrl+O"));
    QTest::newRow("Speichern") << "FileSaveItem" << QKeySequence(QStringLiteral("Ctrl+S"));
    QTest::newRow("Speichern unter") << "save_as" << QKeySequence(QStringLiteral("Ctrl+Shift+S"));
}

void TestUsability::fileCommandsHaveTheirKeys()
{
    QFETCH(QString, action);
    QFETCH(QKeySequence, keys);
    ScriptedInteraction dialogs;
    TSimplifiedModel window;
    const QAction *command = window.findChild<QAction *>(action);
    QVERIFY(command);
    QCOMPARE(command->shortcut(), keys);
}

void TestUsability::plainSaveWritesTheOpenFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("projekt.dat"));
    ScriptedInteraction dialogs;
    TSimplifiedModel window;
    QAction *save = window.findChild<QAction *>(QStringLiteral("FileSaveItem"));

    // Without a project file "Speichern" is "Speichern unter...".
    dialogs.saveFileAnswers.enqueue(path);
    save->trigger();
    QCOMPARE(dialogs.recorded.size(), 1);
    QCOMPARE(dialogs.recorded.first().type, QStringLiteral("save"));
    QVERIFY(window.model().Saved);

    // With one, it writes there without asking.
    window.findChild<QLineEdit *>(QStringLiteral("edit_Projekt"))->setText(QStringLiteral("Neubau"));
    window.model().Saved = false;
    save->trigger();
    QCOMPARE(dialogs.recorded.size(), 1);
    QVERIFY(window.model().Saved);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("Neubau"));

    // A write that fails says so and leaves the project unsaved.
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkpath(path)); // a folder where the file was
    window.model().Saved = false;
    save->trigger();
    QCOMPARE(dialogs.recorded.size(), 2);
    QCOMPARE(dialogs.recorded.last().kind, MessageKind::Error);
    QVERIFY(!window.model().Saved);
    QCOMPARE(dialogs.unexpected, 0);
}

void TestUsability::typingReplacesTheFieldText_data()
{
    QTest::addColumn<bool>("byMouse");
    QTest::newRow("focus by mouse") << true;
    QTest::newRow("focus by keyboard") << false;
}

// A field that receives the focus has its whole text selected: typing replaces the reset
// text instead of producing "0,0030", which would then need repairing key by key.
void TestUsability::typingReplacesTheFieldText()
{
    QFETCH(bool, byMouse);
    ScriptedInteraction dialogs;
    TSimplifiedModel window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *area = window.findChild<QLineEdit *>(QStringLiteral("edit_A"));
    auto *name = window.findChild<QLineEdit *>(QStringLiteral("edit_TB"));
    const QString reset = area->text(); // "0,00" after a reset
    if (byMouse) {
        QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(2, area->height() / 2));
    } else {
        name->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(name, Qt::Key_Tab);
    }
    QTRY_VERIFY(area->hasFocus() && area->selectedText() == reset);
    QTest::keyClicks(area, QStringLiteral("30"));
    QCOMPARE(area->text(), QStringLiteral("30"));
    QCOMPARE(dialogs.recorded.size(), 0);
}

void TestUsability::longLiningTextShowsItsStart()
{
    ScriptedInteraction dialogs;
    TSimplifiedModel window;
    const QString text = QStringLiteral("2 x GK-Platte 12,5 mm, freistehendes CW-Profil, 100 mm Hohlraum mit "
                                        "Mineralwolle / f = 42Hz");
    window.model().fields.VS[0][1] = text;
    window.model().f0[0][1] = 42;
    window.refreshFromModel();
    auto *field = window.findChild<QLineEdit *>(QStringLiteral("edit_VS0_1"));
    QCOMPARE(field->text(), text);
    QCOMPARE(field->cursorPosition(), 0);
    QVERIFY(field->toolTip().startsWith(text));
}

TAVIX_WIDGET_TEST_MAIN(TestUsability)
#include "tst_usability.moc"
