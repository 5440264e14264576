// The results window as the planner uses it: opened from the main window, following every
// edit there, keeping the reader's place, and quiet once closed.
#include "core/reports/resultstext.h"
#include "gui/common/monospacedfont.h"
#include "gui/mainwindow/simplifiedmodel.h"
#include "gui/reports/form_c.h"
#include "widgettest.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

using namespace tavix;
using namespace tavix::gui;
using namespace Qt::StringLiterals;

namespace {

QString goldenText()
{
    QFile file(QStringLiteral(TAVIX_TEST_DATA_DIR "/worked-example-results.txt"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).chopped(1) : QString();
}

TForm_C *resultsWindow(TSimplifiedModel &w)
{
    return w.findChild<TForm_C *>(QStringLiteral("Form_C"));
}

QPlainTextEdit *memo(TSimplifiedModel &w)
{
    return resultsWindow(w)->findChild<QPlainTextEdit *>(QStringLiteral("memo_control"));
}

void retype(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

} // namespace

class TestResultsWindow : public QObject
{
    Q_OBJECT

private:
    ScriptedInteraction *m_dialogs = nullptr;

    // The worked example opened from its project file, with the results window shown.
    void openExampleWithResults(TSimplifiedModel &w)
    {
        QVERIFY(w.session().openFile(QStringLiteral(TAVIX_SOURCE_DIR "/examples/worked-example.dat")));
        w.show();
        QVERIFY(resultsWindow(w));
        QVERIFY(resultsWindow(w)->isHidden());
        QVERIFY(!w.model().ResultsShown);
        w.controls().btn_Results->click();
        QVERIFY(resultsWindow(w)->isVisible());
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { m_dialogs = new ScriptedInteraction; }
    void cleanup()
    {
        QCOMPARE(m_dialogs->recorded.size(), 0);
        delete m_dialogs;
    }

    void opensBesideTheMainWindow()
    {
        TSimplifiedModel w;
        openExampleWithResults(w);
        TForm_C *form = resultsWindow(w);
        QVERIFY(w.model().ResultsShown);
        QCOMPARE(form->windowTitle(), QStringLiteral(" Eingabedaten und Berechnungsergebnisse"));
        QCOMPARE(form->size(), QSize(389, 560));
        QVERIFY(!form->isModal());
        QVERIFY(w.isEnabled());
        // A tool window of the main window: the window manager keeps it above the main
        // window when the planner clicks into that.
        QCOMPARE(form->windowType(), Qt::Tool);
        QCOMPARE(form->windowHandle()->transientParent(), w.windowHandle());
        QVERIFY(memo(w)->isReadOnly());
        QCOMPARE(memo(w)->toPlainText(), goldenText());
        // The columns line up with blanks: narrow, wide and blank characters equally wide.
        const QFontMetricsF metrics(memo(w)->font());
        QCOMPARE(metrics.horizontalAdvance(QLatin1Char('i')), metrics.horizontalAdvance(QLatin1Char(' ')));
        QCOMPARE(metrics.horizontalAdvance(QLatin1Char('W')), metrics.horizontalAdvance(QLatin1Char(' ')));
        QCOMPARE(memo(w)->palette().color(QPalette::Base), form->palette().color(QPalette::ToolTipBase));

        auto *caption = form->findChild<QLabel *>(QStringLiteral("label_Schema"));
        QCOMPARE(caption->text(), QStringLiteral("Erläuterung der Schallübertragungswege"));
        QVERIFY(caption->font().bold());
        QCOMPARE(form->findChild<QLabel *>(QStringLiteral("Image_Schema"))->pixmap().size(), QSize(220, 117));

        // The text box gives the picture panel a fixed 200 pixels whatever the height.
        form->resize(500, 700);
        QCOMPARE(memo(w)->geometry(), QRect(0, 0, 500, 500));
        QCOMPARE(form->findChild<QFrame *>(QStringLiteral("panel_Schema"))->geometry(),
                 QRect(0, 500, 500, 200));
    }

    // Each keystroke rewrites the text; clearing a needed input shows the notice at once and
    // completing it brings the report back, with the reader's scroll position kept.
    void followsEveryEdit()
    {
        TSimplifiedModel w;
        openExampleWithResults(w);
        QPlainTextEdit *text = memo(w);
        text->verticalScrollBar()->setValue(40);
        text->horizontalScrollBar()->setValue(30);

        retype(w.controls().edit_A, QStringLiteral("15"));
        QVERIFY(text->toPlainText().contains(QStringLiteral("\n      Fläche = 15.00 [m²]\n")));
        QCOMPARE(text->verticalScrollBar()->value(), 40);
        QCOMPARE(text->horizontalScrollBar()->value(), 30);

        w.controls().edit_A->selectAll();
        QTest::keyClick(w.controls().edit_A, Qt::Key_Backspace);
        QCOMPARE(w.controls().edit_A->text(), QStringLiteral("0"));
        QCOMPARE(text->toPlainText(), QStringLiteral("\n Eingabefehler -> keine Berechnung möglich!"));

        retype(w.controls().edit_A, QStringLiteral("12"));
        QCOMPARE(text->toPlainText(), goldenText());
        QCOMPARE(text->verticalScrollBar()->value(), 40);
    }

    // A name with a line break in it (from a project file) adds a line to the text; the
    // following keystrokes must still put every value on its own line.
    void lineBreakInsideAName()
    {
        TSimplifiedModel w;
        openExampleWithResults(w);
        w.model().fields.Projekt = QStringLiteral("Haus A\nHaus B");
        w.session().Recalculate();
        retype(w.controls().edit_A, QStringLiteral("15"));
        QCOMPARE(memo(w)->toPlainText(),
                 BuildResultsText(w.model(), QLatin1Char('.')).join(QLatin1Char('\n')));
        QVERIFY(memo(w)->toPlainText().contains(QStringLiteral("\n      Fläche = 15.00 [m²]\n")));
    }

    // Closing hides the window and stops the refreshing; the menu item opens it again with
    // the current text.
    void closeStopsFollowing()
    {
        TSimplifiedModel w;
        openExampleWithResults(w);
        TForm_C *form = resultsWindow(w);
        QVERIFY(form->close());
        QVERIFY(form->isHidden());
        QVERIFY(!w.model().ResultsShown);

        retype(w.controls().edit_Vol2, QStringLiteral("40"));
        QCOMPARE(memo(w)->toPlainText(), goldenText());

        w.controls().Berechnungsergebnisse1->trigger();
        QVERIFY(form->isVisible());
        QVERIFY(w.model().ResultsShown);
        QVERIFY(memo(w)->toPlainText().contains(QStringLiteral("Raumvolumen V2 = 40.0 [m³]")));
        QCOMPARE(memo(w)->toPlainText(),
                 BuildResultsText(w.model(), QLatin1Char('.')).join(QLatin1Char('\n')));
    }

    // A desktop whose fixed font is proportional, or names a family that is missing, still
    // gets a font that measures as monospaced.
    void fontIsMonospacedByMeasurement_data()
    {
        QTest::addColumn<QStringList>("families");
        QTest::addColumn<bool>("monospacedFound");
        QTest::newRow("proportional first") << QStringList{u"DejaVu Sans"_s, u"DejaVu Sans Mono"_s} << true;
        QTest::newRow("missing family first")
            << QStringList{u"Gibt es nicht"_s, u"Liberation Mono"_s} << true;
        QTest::newRow("only proportional") << QStringList{u"DejaVu Sans"_s} << false;
    }
    void fontIsMonospacedByMeasurement()
    {
        QFETCH(QStringList, families);
        QFETCH(bool, monospacedFound);
        QList<QFont> candidates;
        for (const QString &family : families)
            candidates << QFont(family);
        const QFont chosen = firstMonospacedFont(candidates);
        QCOMPARE(isMonospaced(chosen), monospacedFound);
        if (monospacedFound)
            QCOMPARE(chosen.family(), families.last());
        QVERIFY(isMonospaced(monospacedFont()));
    }

    void picture()
    {
        TSimplifiedModel w;
        openExampleWithResults(w);
        const QString dir = QStringLiteral(TAVIX_BINARY_DIR "/pictures");
        QVERIFY(QDir().mkpath(dir));
        QVERIFY(resultsWindow(w)->grab().save(dir + QStringLiteral("/results-window.png")));
    }
};

TAVIX_WIDGET_TEST_MAIN(TestResultsWindow)
#include "tst_resultswindow.moc"
