// Pictures of the main window for looking at: fresh, the worked example complete as a wall,
// and as a floor with a highlighted flank and linings. Written into <build>/pictures.
#include "fixtures.h"
#include "gui/common/startdirectory.h"
#include "gui/mainwindow/simplifiedmodel.h"
#include "gui/reports/form_faset.h"
#include "gui/reports/form_qrep.h"
#include "widgettest.h"

#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace tavix;
using namespace tavix::gui;

class TestMainWindowPictures : public QObject
{
    Q_OBJECT

private:
    QString m_dir;

    void save(QWidget &window, const QString &name)
    {
        QCoreApplication::processEvents();
        const QString path = m_dir + QLatin1Char('/') + name + QStringLiteral(".png");
        QVERIFY2(window.grab().save(path), qPrintable(path));
    }

    static void loadWorkedExample(TSimplifiedModel &window)
    {
        window.model() = fixtures::workedExample(QLatin1Char(','));
        FieldTexts &f = window.model().fields;
        f.Projekt = QStringLiteral("Mehrfamilienhaus Lindenstraße");
        f.Str = QStringLiteral("Lindenstraße 12");
        f.PLZ = QStringLiteral("34117");
        f.Ort = QStringLiteral("Kassel");
        f.Variante = QStringLiteral("Variante A");
        f.room1 = QStringLiteral("Wohnen");
        f.room2 = QStringLiteral("Schlafen");
        f.Memo[0][0] = QStringList{QStringLiteral("4 mm Dünnlagenputz (1200 kg/m³)"),
                                   QStringLiteral("17.5 cm  Tavix, Rohdichteklasse  2.0"),
                                   QStringLiteral("4 mm Dünnlagenputz (1200 kg/m³)")};
        for (int n = 1; n <= FlankCount; ++n) {
            window.model().fields.Memo[n][1] =
                QStringList{QStringLiteral("10 mm Dünnputz (1000 kg/m³)"),
                            QStringLiteral("11.5 cm  Tavix, Rohdichteklasse  1.8"),
                            QStringLiteral("10 mm Dünnputz (1000 kg/m³)")};
            window.model().fields.Memo[n][2] = window.model().fields.Memo[n][1];
        }
        window.refreshFromModel();
        window.session().Recalculate();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        m_dir = QStringLiteral(TAVIX_BINARY_DIR) + QStringLiteral("/pictures");
        QVERIFY(QDir().mkpath(m_dir));
    }

    void fresh()
    {
        ScriptedInteraction dialogs;
        TSimplifiedModel window;
        window.show();
        save(window, QStringLiteral("mainwindow_fresh"));
        window.findChild<QTabWidget *>(QStringLiteral("PageControl"))->setCurrentIndex(1);
        save(window, QStringLiteral("mainwindow_fresh_flank1"));
        QCOMPARE(dialogs.recorded.size(), 0);
    }

    void workedExampleAsWall()
    {
        ScriptedInteraction dialogs;
        TSimplifiedModel window;
        window.show();
        loadWorkedExample(window);
        QVERIFY(window.model().Calculated);
        save(window, QStringLiteral("mainwindow_worked_wall"));
        window.resize(1500, 950);
        save(window, QStringLiteral("mainwindow_worked_wall_large"));
    }

    void workedExampleAsFloorWithLinings()
    {
        ScriptedInteraction dialogs;
        TSimplifiedModel window;
        window.show();
        loadWorkedExample(window);
        ProjectModel &m = window.model();
        m.Orientation = 1;
        m.fields.VS[0][2] = QStringLiteral("schwimmender Estrich / f = 80Hz");
        m.f0[0][2] = 80;
        m.fields.VS[4][1] = QStringLiteral("Gipskarton-Vorsatzschale / f = 85Hz");
        m.f0[4][1] = 85;
        m.IdF[2] = false;
        m.Stoss[2] = QStringLiteral("LSa_ohneTrennung");
        m.fields.FF[2][2] = QStringLiteral("14,5");
        m.fields.Flanke[2] = QStringLiteral("Außenwand Nord");
        window.refreshFromModel();
        auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("PageControl"));
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(2).center());
        QCOMPARE(window.model().Highlight, 2);
        save(window, QStringLiteral("mainwindow_worked_floor_flank2"));
    }

    // The print command with the worked example: the preview of the real report.
    void printPreviewOfWorkedExample()
    {
        QTemporaryDir startDir;
        setStartDirectory(startDir.path());
        ScriptedInteraction dialogs;
        TSimplifiedModel window;
        window.show();
        loadWorkedExample(window);
        window.companySettings()
            .findChild<QLineEdit *>(QStringLiteral("edit_Fa"))
            ->setText(QStringLiteral("Ingenieurbüro Muster"));
        window.SpeedButtonPrintClick();
        auto *preview = window.findChild<TForm_QRep *>();
        QVERIFY(preview && preview->isVisible());
        QTest::qWait(50);
        save(*preview, QStringLiteral("preview_worked_example"));
        QCOMPARE(dialogs.recorded.size(), 0);
    }
};

TAVIX_WIDGET_TEST_MAIN(TestMainWindowPictures)
#include "tst_mainwindow_pictures.moc"
