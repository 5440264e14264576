// The proof window driven through the main window: it opens only with results, follows
// every recalculation, remembers the chosen requirement between runs, and exports the
// path table to the clipboard and to a CSV file that reads back as what it claims.
#include "core/calculate/pathshares.h"
#include "core/io/filelayer.h"
#include "core/model/numbers.h"
#include "core/reports/requirements.h"
#include "exampleproject.h"
#include "gui/mainwindow/simplifiedmodel.h"
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
#include <QSettings>
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

private:
    QTemporaryDir m_settings;

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
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

    void choiceIsRemembered()
    {
        ScriptedInteraction dialogs;
        {
            TSimplifiedModel window;
            window.show();
            loadExample(window);
            window.button_NachweisClick();
            auto *form = child<TForm_Nachweis>(&window, "Form_Nachweis");
            choose(form, QString::fromLatin1(OwnRequirementId));
            child<QLineEdit>(form, "edit_eigeneAnforderung")->setText(QStringLiteral("49,8"));
            QCOMPARE(text(form, "label_Urteil"), QString::fromUtf8("erfüllt (Reserve 0,0 dB)"));
        }
        TSimplifiedModel window;
        window.show();
        loadExample(window);
        window.button_NachweisClick();
        auto *form = child<TForm_Nachweis>(&window, "Form_Nachweis");
        QCOMPARE(child<QComboBox>(form, "combo_Anforderung")->currentData().toString(),
                 QString::fromLatin1(OwnRequirementId));
        QCOMPARE(child<QLineEdit>(form, "edit_eigeneAnforderung")->text(), QStringLiteral("49,8"));
        QCOMPARE(text(form, "label_erfRw"), QStringLiteral("49,8 dB"));
        QCOMPARE(dialogs.recorded.size(), 0);
    }

    void exports()
    {
        ScriptedInteraction dialogs;
        TSimplifiedModel window;
        window.show();
        loadExample(window);
        window.button_NachweisClick();
        auto *form = child<TForm_Nachweis>(&window, "Form_Nachweis");
        const QList<QStringList> table =
            pathTable(computePathShares(window.model()), window.model().fields, QLatin1Char(','));

        QTest::mouseClick(child<QPushButton>(form, "btn_Kopieren"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), tableAsTabSeparated(table));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("wege.csv"));
        dialogs.saveFileAnswers << path;
        QTest::mouseClick(child<QPushButton>(form, "btn_CSV"), Qt::LeftButton);
        QCOMPARE(dialogs.recorded.size(), 1);
        QCOMPARE(dialogs.recorded.at(0).options.defaultSuffix, QStringLiteral("csv"));
        // The bytes the core composes (read back cell by cell in the core test), with the
        // locale's decimal comma.
        const FileReadResult written = readFileCapped(path, 1 << 20);
        QVERIFY(written.ok());
        QCOMPARE(written.content, tableAsCsv(table));
        QVERIFY(written.content.contains(";34,4;53,6\r\n"));

        // A cancelled dialog writes nothing.
        dialogs.saveFileAnswers << QString();
        QVERIFY(QFile::remove(path));
        QTest::mouseClick(child<QPushButton>(form, "btn_CSV"), Qt::LeftButton);
        QVERIFY(!QFile::exists(path));

        // A file that cannot be written is reported, not passed over.
        dialogs.saveFileAnswers << dir.filePath(QStringLiteral("fehlt/wege.csv"));
        QTest::mouseClick(child<QPushButton>(form, "btn_CSV"), Qt::LeftButton);
        QCOMPARE(dialogs.recorded.last().type, QStringLiteral("message"));
        QCOMPARE(dialogs.recorded.last().kind, MessageKind::Error);
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
    }
};

TAVIX_WIDGET_TEST_MAIN(TestNachweisWindow)
#include "tst_nachweiswindow.moc"
