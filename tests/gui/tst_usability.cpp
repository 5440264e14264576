// What a planner meets in the first hour: a window that fits a 1366 × 768 laptop, Qt's own
// texts in German, a sketch that keeps its colours behind a dialog.
#include "fixtures.h"
#include "gui/common/germantranslations.h"
#include "gui/mainwindow/simplifiedmodel.h"
#include "scriptedinteraction.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
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
};

void TestUsability::windowFitsLaptopScreen()
{
    ScriptedInteraction dialogs;
    TSimplifiedModel window;
    window.model() = fixtures::workedExample(QLatin1Char(','));
    window.refreshFromModel();
    window.PrepareSchematicColours();
    window.Recalculate();
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
    window.PrepareSchematicColours();
    window.Recalculate();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QLabel *sketch = window.findChild<QLabel *>(QStringLiteral("Image1"));
    const QImage enabled = sketch->grab().toImage();
    window.setEnabled(false); // as while an editing dialog is open
    const QImage disabled = sketch->grab().toImage();
    QCOMPARE(disabled, enabled);
    QCOMPARE(dialogs.unexpected, 0);
}

QTEST_MAIN(TestUsability)
#include "tst_usability.moc"
