// The proof window driven through the main window: it opens only with results, follows
// every recalculation, keeps the requirement and the screed in the project (the last
// choice only the default of a new project), shows every path row within a usable window,
// and exports the proof with its paths to the clipboard and to a CSV file.
#include "core/calculate/pathshares.h"
#include "core/io/filelayer.h"
#include "core/model/numbers.h"
#include "core/reports/requirements.h"
#include "exampleproject.h"
#include "gui/mainwindow/simplifiedmodel.h"
#include "core/impact/impacttext.h"
#include "fixtures.h"
#include "gui/reports/form_nachweis.h"
#include "widgettest.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace tavix;
using namespace tavix::gui;

namespace {

void loadExample(TSimplifiedModel &window)
{
    window.model() = fixtures::exampleProject(QLatin1Char(','));
    FieldTexts &f = window.model().fields;
    f.Flanke[1] = QString::fromUtf8("Außenwand Nord");
    f.Flanke[2] = QStringLiteral("Decke");
    f.Flanke[3] = QString::fromUtf8("Außenwand Süd");
    f.Flanke[4] = QStringLiteral("Bodenplatte");
    window.refreshFromModel();
    window.session().Recalculate();
}

template<typename T> T *child(QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qWarning() << "no control" << name;
    return found;
}

QString text(QObject *form, const char *label)
{
    return child<QLabel>(form, label)->text();
}

void choose(QObject *form, const QString &id)
{
    auto *combo = child<QComboBox>(form, "combo_Anforderung");
    combo->setCurrentIndex(combo->findData(id));
}

} // namespace

class TestNachweisWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }

    void opensWithResultsAndFollowsRecalculation()
    {
        ScriptedInteraction dialogs;
        TSimplifiedModel window;
        window.show();
        auto *button = child<QToolButton>(&window, "button_Nachweis");
        auto *item = child<QAction>(&window, "Nachweis1");
        QVERIFY(!button->isEnabled() && !item->isEnabled());

        loadExample(window);
        QVERIFY(button->isEnabled() && item->isEnabled());
        item->trigger();
        auto *form = child<TForm_Nachweis>(&window, "Form_Nachweis");
        QVERIFY(form && form->isVisible() && !form->isModal());
        // The largest share has the full bar from the first showing on.
        const QTableWidgetItem *bar = child<QTableWidget>(form, "grid_Wege")->item(0, 5);
        QVERIFY(bar && bar->data(Qt::UserRole + 1).toDouble() == 1.0);
        choose(form, QStringLiteral("mfh-wand"));
        QCOMPARE(text(form, "label_Rw"), QStringLiteral("51,8 dB"));
        QCOMPARE(text(form, "label_RwMinusU"), QStringLiteral("49,8 dB"));
        QCOMPARE(text(form, "label_erfRw"), QStringLiteral("53,0 dB"));
        QCOMPARE(text(form, "label_Urteil"), QString::fromUtf8("nicht erfüllt (Unterschreitung 3,2 dB)"));
        auto *paths = child<QTableWidget>(form, "grid_Wege");
        QCOMPARE(paths->rowCount(), TransmissionPathCount);
        QCOMPARE(paths->item(0, 0)->text(), QStringLiteral("Dd"));
        QCOMPARE(paths->item(0, 1)->text(), QStringLiteral("Wohnungstrennwand"));
        QCOMPARE(paths->item(1, 1)->text(), QStringLiteral("Decke")); // Fd2, named as in the main window
        QCOMPARE(paths->item(0, 4)->text(), QStringLiteral("34,4"));
        QVERIFY(!text(form, "label_Hinweise").contains(QString::fromUtf8("gilt für Wände")));
        // A wall has no screed to give: the impact part says why it stays empty.
        QVERIFY(text(form, "label_UrteilTrittschall").startsWith(QString::fromUtf8("Trittschall wird nur für Decken")));

        // A floor against a wall requirement is pointed out at the next recalculation.
        child<QRadioButton>(&window, "rg_vertikal")->click();
        QVERIFY(text(form, "label_Hinweise").contains(QString::fromUtf8("gilt für Wände")));

        // A smaller separating element: new values and the note on Dn,w at once.
        child<QLineEdit>(&window, "edit_A")->setText(QStringLiteral("9"));
        QVERIFY(text(form, "label_Hinweise").contains(QStringLiteral("Dn,w")));
        QCOMPARE(text(form, "label_Rw"),
                 formatFixed(window.model().RwBau, 18, 1, QLatin1Char(',')) + QStringLiteral(" dB"));

        // Incomplete inputs: no verdict, nothing to export, the commands are disabled.
        child<QLineEdit>(&window, "edit_A")->setText(QStringLiteral("0"));
        QVERIFY(!button->isEnabled() && !item->isEnabled());
        QCOMPARE(text(form, "label_Rw"), QStringLiteral("–"));
        QCOMPARE(paths->rowCount(), 0);
        QVERIFY(!child<QPushButton>(form, "btn_CSV")->isEnabled());
        QCOMPARE(dialogs.recorded.size(), 0);
    }

    void requirementBelongsToTheProject()
    {
        ScriptedInteraction dialogs;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("decke.dat"));
        {
            TSimplifiedModel window;
            window.show();
            loadExample(window);
            window.model().Saved = true;
            window.button_NachweisClick();
            auto *form = child<TForm_Nachweis>(&window, "Form_Nachweis");
            QCOMPARE(text(form, "label_Urteil"), QString::fromUtf8("keine Anforderung gewählt"));
            choose(form, QString::fromLatin1(OwnRequirementId));
            auto *own = child<QLineEdit>(form, "edit_eigeneAnforderung");
            own->selectAll();
            QTest::keyClicks(own, QStringLiteral("49.8")); // the other decimal mark becomes the locale's
            QCOMPARE(own->text(), QStringLiteral("49,8"));
            QCOMPARE(text(form, "label_Urteil"), QString::fromUtf8("erfüllt (Reserve 0,0 dB)"));
            QVERIFY(!window.model().Saved);
            QCOMPARE(double(window.model().requirement.ownRw), 49.8);

            // An exponent is no requirement, however it got into the field.
            QGuiApplication::clipboard()->setText(QStringLiteral("1e2"));
            own->selectAll();
            QTest::keyClick(own, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(text(form, "label_Urteil"), QString::fromUtf8("bitte eine eigene Anforderung in dB eingeben"));
            own->selectAll();
            QTest::keyClicks(own, QStringLiteral("53,5"));
            dialogs.saveFileAnswers << path;
            window.session().saveAs();
            QVERIFY(window.model().Saved);
        }
        // After a restart the planner's last choice is the default of a new project only.
        TSimplifiedModel window;
        window.show();
        QCOMPARE(window.model().requirement.id, QString::fromLatin1(OwnRequirementId));
        QCOMPARE(double(window.model().requirement.ownRw), 53.5);
        ProjectModel withoutRequirement = fixtures::exampleProject(QLatin1Char(','));
        window.session().replaceProject(withoutRequirement);
        window.button_NachweisClick();
        auto *form = child<TForm_Nachweis>(&window, "Form_Nachweis");
        QCOMPARE(child<QComboBox>(form, "combo_Anforderung")->currentData().toString(), QString());
        QVERIFY(window.session().openFile(path));
        QCOMPARE(child<QLineEdit>(form, "edit_eigeneAnforderung")->text(), QStringLiteral("53,5"));
        QCOMPARE(text(form, "label_erfRw"), QStringLiteral("53,5 dB"));
        QCOMPARE(dialogs.unexpected, 0);
    }

    void impactPartFollowsTheProject()
    {
        ScriptedInteraction dialogs;
        TSimplifiedModel window;
        window.show();
        ProjectModel floor = fixtures::impactFloorExample(QLatin1Char(','));
        floor.impactInputs = ImpactInputs();
        window.session().replaceProject(floor);
        window.button_NachweisClick();
        auto *form = child<TForm_Nachweis>(&window, "Form_Nachweis");
        choose(form, QStringLiteral("mfh-decke"));
        QCOMPARE(text(form, "label_Lnw"), QStringLiteral("–"));

        // The screed typed in the window: the acceptance example.
        child<QComboBox>(form, "combo_Estrichart")->setCurrentIndex(1);
        QTest::keyClicks(child<QLineEdit>(form, "edit_EstrichMasse"), QStringLiteral("90"));
        QTest::keyClicks(child<QLineEdit>(form, "edit_Steifigkeit"), QStringLiteral("10"));
        QVERIFY(!child<QLineEdit>(form, "edit_DeltaLw")->isEnabled());
        const std::pair<const char *, const char *> shown[] = {
            {"label_ms", "432,0 kg/m²"},  {"label_Lneq0w", "71,8 dB"}, {"label_DeltaLw", "32,0 dB"},
            {"label_mfm", "292,0 kg/m²"}, {"label_K", "1,5 dB"},       {"label_Lnw", "41,3 dB"},
            {"label_LnTw", "40,7 dB"},    {"label_LnwPlusU", "44,3 dB"}, {"label_zulLnw", "50,0 dB"},
            {"label_UrteilTrittschall", "erfüllt (Reserve 5,7 dB)"}};
        for (const auto &[label, value] : shown)
            QCOMPARE(text(form, label), QString::fromUtf8(value));
        QVERIFY(text(form, "label_Waende").contains(QString::fromUtf8("Flanke 4 (428,0 kg/m²)")));
        QVERIFY(!child<QLabel>(form, "label_sResultierend")->isVisible());

        // The copied table and the CSV carry the requirement and both verdicts.
        QTemporaryDir dir;
        const QString csvPath = dir.filePath(QStringLiteral("nachweis.csv"));
        dialogs.saveFileAnswers << csvPath;
        child<QPushButton>(form, "btn_CSV")->click();
        child<QPushButton>(form, "btn_Kopieren")->click();
        const QList<QStringList> table = proofTable(window.model(), QLatin1Char(','));
        QCOMPARE(readFileCapped(csvPath, 1 << 20).content, tableAsCsv(table));
        const QString copied = QGuiApplication::clipboard()->text();
        QCOMPARE(copied, tableAsTabSeparated(table));
        for (const char *expectedText : {"Wohnungstrenndecken: erf. R'w = 54 dB", "nicht erfüllt (Unterschreitung 3,1 dB)",
                                         "\nErgebnis\terfüllt (Reserve 5,7 dB)\n"})
            QVERIFY2(copied.contains(QString::fromUtf8(expectedText)), expectedText);

        // A second insulation layer: the combined stiffness is shown, and used; the project changed.
        window.model().Saved = true;
        QTest::keyClicks(child<QLineEdit>(form, "edit_Steifigkeit2"), QStringLiteral("10"));
        QVERIFY(child<QLabel>(form, "label_sResultierend")->isVisible());
        QCOMPARE(text(form, "label_sResultierend"), QString::fromUtf8("5,0 MN/m³"));
        QCOMPARE(text(form, "label_Lnw"), QStringLiteral("37,0 dB"));
        QVERIFY(!window.model().Saved);

        // Edits in the main window reach the impact part: a lined wall, then a wall.
        child<QLineEdit>(&window, "edit_Vol2")->setText(QStringLiteral("0"));
        QCOMPARE(text(form, "label_LnTw"), QStringLiteral("nicht berechnet (Raumvolumen V2 fehlt)"));
        child<QRadioButton>(&window, "rg_horizontal")->click();
        QCOMPARE(text(form, "label_Lnw"), QStringLiteral("–"));
        QVERIFY(text(form, "label_UrteilTrittschall").startsWith(QString::fromUtf8("Trittschall wird nur für Decken")));
        QVERIFY(!child<QComboBox>(form, "combo_Estrichart")->isEnabled());
        QCOMPARE(dialogs.unexpected, 0);
    }

    void roomForEveryRowAndAFixedWidth()
    {
        ScriptedInteraction dialogs;
        TSimplifiedModel window;
        window.show();
        loadExample(window);
        child<QRadioButton>(&window, "rg_vertikal")->click();
        child<QLineEdit>(&window, "edit_A")->setText(QStringLiteral("9,5"));
        window.button_NachweisClick();
        auto *form = child<TForm_Nachweis>(&window, "Form_Nachweis");
        choose(form, QStringLiteral("haus-darueber")); // three notes and the prediction note
        form->resize(form->width(), 560);
        QCoreApplication::processEvents();
        auto *paths = child<QTableWidget>(form, "grid_Wege");
        const int last = paths->rowViewportPosition(TransmissionPathCount - 1) + paths->rowHeight(0);
        QVERIFY2(last <= paths->viewport()->height() || paths->verticalScrollBar()->isVisible(),
                 "the last path is neither shown nor reachable");

        // Requirement texts of every length leave the window as wide as it was.
        const int width = form->width();
        const int minimum = form->minimumSizeHint().width();
        for (const Requirement &r : requirementCatalogue()) {
            choose(form, r.id);
            QCoreApplication::processEvents();
            QCOMPARE(form->width(), width);
            QCOMPARE(form->minimumSizeHint().width(), minimum);
        }
        QCOMPARE(dialogs.unexpected, 0);
    }

    void picture()
    {
        ScriptedInteraction dialogs;
        TSimplifiedModel window;
        window.show();
        loadExample(window);
        window.button_NachweisClick();
        auto *form = child<TForm_Nachweis>(&window, "Form_Nachweis");
        choose(form, QStringLiteral("mfh-wand"));
        QCoreApplication::processEvents();
        form->resize(form->sizeHint()); // the offscreen screen is smaller than a real one
        QCoreApplication::processEvents();
        const QString dir = QStringLiteral(TAVIX_BINARY_DIR) + QStringLiteral("/pictures");
        QVERIFY(QDir().mkpath(dir));
        QVERIFY(form->grab().save(dir + QStringLiteral("/nachweis_worked_wall.png")));

        // As a small floor against a party-wall requirement: every note at once.
        child<QRadioButton>(&window, "rg_vertikal")->click();
        child<QLineEdit>(&window, "edit_A")->setText(QStringLiteral("9,5"));
        choose(form, QStringLiteral("haus-darueber"));
        QCoreApplication::processEvents();
        form->resize(form->sizeHint());
        QCoreApplication::processEvents();
        QVERIFY(form->grab().save(dir + QStringLiteral("/nachweis_notes.png")));

        // The floor of the impact-sound example on a screen of 1366 × 768, then as a wall.
        ProjectModel floor = fixtures::impactFloorExample(QLatin1Char(','));
        floor.requirement.id = QStringLiteral("mfh-decke");
        floor.fields.room1 = QString::fromUtf8("Wohnküche OG");
        floor.fields.room2 = QStringLiteral("Schlafzimmer EG");
        floor.fields.TB = QStringLiteral("Stahlbetondecke 18 cm mit Verbundestrich");
        const char *flanks[] = {"Außenwand Nord", "Wohnungstrennwand", "Innenwand Flur", "Außenwand Süd"};
        for (int n = 1; n <= FlankCount; ++n)
            floor.fields.Flanke[n] = QString::fromUtf8(flanks[n - 1]);
        window.session().replaceProject(floor);
        form->resize(1280, 700);
        QCoreApplication::processEvents();
        QVERIFY(form->grab().save(dir + QStringLiteral("/nachweis_impact_floor.png")));
        child<QRadioButton>(&window, "rg_horizontal")->click();
        QCoreApplication::processEvents();
        QVERIFY(form->grab().save(dir + QStringLiteral("/nachweis_impact_wall.png")));
    }
};

TAVIX_WIDGET_TEST_MAIN(TestNachweisWindow)
#include "tst_nachweiswindow.moc"
