#include "gui/junctions/form_stoss.h"
#include "gui/junctions/junctionpictures.h"
#include "widgettest.h"

#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using namespace tavix;
using namespace tavix::gui;

namespace {

QColor frameColour(const TForm_SS &dialog, int variant)
{
    return dialog.findChild<QFrame *>(QStringLiteral("panel_%1").arg(variant))
        ->palette()
        .color(QPalette::Window);
}

int highlightedFrames(const TForm_SS &dialog)
{
    int n = 0;
    for (int i = 0; i < SeparationCount; ++i)
        n += frameColour(dialog, i) == QColor(0, 255, 0);
    return n;
}

} // namespace

class TestJunctionDialog : public QObject
{
    Q_OBJECT

    ProjectModel model;
    QWidget mainWindow;
    TForm_SS *dialog = nullptr;

private Q_SLOTS:
    void init()
    {
        resetModel(model, QLatin1Char(','));
        model.Saved = true;
        mainWindow.setEnabled(true);
        dialog = new TForm_SS(model, &mainWindow);
        // The main window's part of accepting: the project counts as changed.
        connect(dialog, &TForm_SS::junctionAccepted, this, [this] { model.Saved = false; });
    }
    void cleanup()
    {
        delete dialog;
        dialog = nullptr;
    }

    void opensOnTheFlanksCode_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("variant");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("twoPictures");
        QTest::newRow("default") << "TS_ohneTrennung" << 0 << 0 << 391 << true;
        QTest::newRow("cross TB") << "KS_TrennungTB" << 1 << 1 << 391 << true;
        QTest::newRow("corner A both") << "LSa_TrennungR1R2" << 2 << 4 << 343 << false;
        QTest::newRow("corner B room 2") << "LSb_TrennungR2" << 3 << 3 << 343 << false;
    }
    void opensOnTheFlanksCode()
    {
        QFETCH(QString, code);
        QFETCH(int, type);
        QFETCH(int, variant);
        QFETCH(int, width);
        QFETCH(bool, twoPictures);
        model.Stoss[2] = code;
        QVERIFY(dialog->openForFlank(2));
        QVERIFY(dialog->isVisible());
        QVERIFY(!mainWindow.isEnabled());
        QCOMPARE(dialog->selectedType(), type);
        QCOMPARE(dialog->selectedVariant(), variant);
        QCOMPARE(highlightedFrames(*dialog), 1);
        QCOMPARE(frameColour(*dialog, variant), QColor(0, 255, 0));
        QCOMPARE(dialog->width(), width);
        QCOMPARE(dialog->findChild<QGroupBox *>(QStringLiteral("rgStoss"))->width(), width - 26);
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("lb_Remark"))->width(), width - 26);
        QCOMPARE(dialog->findChild<QPushButton *>(QStringLiteral("btn_Exit"))->x(), twoPictures ? 110 : 85);
        QCOMPARE(dialog->findChild<QPushButton *>(QStringLiteral("btn_ESC"))->x(), twoPictures ? 195 : 170);
        QCOMPARE(dialog->findChild<QFrame *>(QStringLiteral("panel_1"))->x(), twoPictures ? 121 : 73);
        QCOMPARE(dialog->findChild<QFrame *>(QStringLiteral("button_0_large"))->isVisible(), twoPictures);
        const auto *shown = dialog->findChild<QToolButton *>(QStringLiteral("button_%1").arg(variant));
        QCOMPARE(shown->icon().pixmap(JunctionPictureSize).toImage(), junctionPicture(code).toImage());
        QVERIFY(!(dialog->windowFlags() & Qt::WindowCloseButtonHint));
    }

    void typeChangeKeepsVariant()
    {
        model.Stoss[1] = QStringLiteral("TS_TrennungR1");
        QSignalSpy accepted(dialog, &TForm_SS::junctionAccepted);
        dialog->openForFlank(1);
        const QString hint = dialog->hintText();
        dialog->rgStossClick(1);
        QCOMPARE(dialog->selectedVariant(), 2);
        QCOMPARE(dialog->hintText(), hint);
        dialog->btn_ExitClick();
        QCOMPARE(model.Stoss[1], QStringLiteral("KS_TrennungR1"));
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(accepted.at(0).at(0).toInt(), 1);
        QVERIFY(!model.Saved);
        QVERIFY(mainWindow.isEnabled());
        QVERIFY(!dialog->isVisible());
    }

    void cornerToTAndBack()
    {
        model.Stoss[3] = QStringLiteral("LSa_TrennungTB");
        dialog->openForFlank(3);
        dialog->rgStossClick(0);
        QCOMPARE(dialog->width(), 391);
        dialog->button_0Click(0);
        dialog->btn_ExitClick();
        QCOMPARE(model.Stoss[3], QStringLiteral("TS_ohneTrennung"));
        QCOMPARE(model.Stoss[2], QStringLiteral("TS_ohneTrennung"));
    }

    void cornerJunctionShowsOneFlankArea()
    {
        auto visibleFields = [this] {
            const FlankAreaVisibility v = flankAreaVisibility(model.Stoss);
            QStringList shown;
            for (int n = 1; n <= FlankCount; ++n)
                for (int side = 1; side <= 2; ++side)
                    if (v.visible[n][side])
                        shown << QStringLiteral("FF%1_%2").arg(n).arg(side);
            return shown;
        };
        QCOMPARE(visibleFields(), QStringList());
        dialog->openForFlank(3);
        dialog->rgStossClick(2);
        dialog->btn_ExitClick();
        QCOMPARE(model.Stoss[3], QStringLiteral("LSa_ohneTrennung"));
        QCOMPARE(visibleFields(), QStringList{QStringLiteral("FF3_2")});
        dialog->openForFlank(3);
        QCOMPARE(dialog->width(), 343);
        dialog->rgStossClick(0);
        dialog->btn_ExitClick();
        QCOMPARE(visibleFields(), QStringList());
    }

    void cancelChangesNothing()
    {
        model.Stoss[4] = QStringLiteral("KS_TrennungR2");
        QSignalSpy accepted(dialog, &TForm_SS::junctionAccepted);
        dialog->openForFlank(4);
        dialog->rgStossClick(2);
        dialog->button_0Click(4);
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("btn_ESC")), Qt::LeftButton);
        QCOMPARE(model.Stoss[4], QStringLiteral("KS_TrennungR2"));
        QVERIFY(model.Saved);
        QCOMPARE(accepted.count(), 0);
        QVERIFY(mainWindow.isEnabled());
        QVERIFY(!dialog->isVisible());
    }

    void escapeCancels()
    {
        dialog->openForFlank(1);
        dialog->button_0Click(3);
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QVERIFY(mainWindow.isEnabled());
        QCOMPARE(model.Stoss[1], QStringLiteral("TS_ohneTrennung"));
    }

    void hintsNameTheRooms_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<QString>("hint");
        QTest::newRow("0") << 0
                           << "HINWEIS: Stumpfstoß und durchstoßende Trennwand sind akustisch gleichwertig.";
        QTest::newRow("1")
            << 1
            << "HINWEIS: Trennwand ist vom Flankenbauteil entkoppelt - Erhöhte Flankenübertragung "
               "auf Weg Ff.";
        QTest::newRow("2") << 2
                           << "HINWEIS: Flanke in Wohnen ist akustisch entkoppelt - Erhöhte Übertragung über "
                              "Flanke in Schlafen";
        QTest::newRow("3")
            << 3
            << "HINWEIS: Flanke in Schlafen ist akustisch entkoppelt - Erhöhte Übertragung über "
               "Flanke in Wohnen";
        QTest::newRow("4") << 4
                           << "HINWEIS: Verminderte Flankenübertragung durch doppelte akustische Trennung.";
    }
    void hintsNameTheRooms()
    {
        QFETCH(int, variant);
        QFETCH(QString, hint);
        dialog->openForFlank(1);
        model.fields.room1 = QStringLiteral("Wohnen"); // renamed while the dialog is open
        model.fields.room2 = QStringLiteral("Schlafen");
        dialog->button_0Click(variant);
        QCOMPARE(dialog->hintText(), hint);
        QCOMPARE(highlightedFrames(*dialog), 1);
    }

    void headerShowsFlankName()
    {
        model.fields.Flanke[2] = QStringLiteral("Außenwand");
        dialog->openForFlank(2);
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("lb_Stoss"))->text(),
                 QStringLiteral(" Flanke: Außenwand"));
        QCOMPARE(dialog->currentFlank(), 2);
    }

    void damagedCodeIsKept()
    {
        model.Stoss[1] = QStringLiteral("LSb_TrennungR2");
        dialog->openForFlank(1);
        dialog->btn_ExitClick();
        model.Stoss[2] = QStringLiteral("XX_kaputt");
        model.Saved = true;
        QSignalSpy accepted(dialog, &TForm_SS::junctionAccepted);
        dialog->openForFlank(2);
        QCOMPARE(dialog->selectedType(), 3); // stays from the last opening
        QCOMPARE(dialog->selectedVariant(), -1);
        QCOMPARE(highlightedFrames(*dialog), 0);
        dialog->btn_ExitClick();
        QCOMPARE(model.Stoss[2], QStringLiteral("XX_kaputt"));
        QCOMPARE(accepted.count(), 1);
        QVERIFY(mainWindow.isEnabled());
    }

    void invalidFlankDoesNotOpen()
    {
        QVERIFY(!dialog->openForFlank(0));
        QVERIFY(!dialog->openForFlank(5));
        QVERIFY(!dialog->isVisible());
        QVERIFY(mainWindow.isEnabled());
    }

    void twoPictureButtonSelectsVariant0()
    {
        model.Stoss[1] = QStringLiteral("KS_TrennungR1R2");
        dialog->openForFlank(1);
        auto *large = dialog->findChild<QFrame *>(QStringLiteral("button_0_large"));
        auto *picture = dialog->findChild<QLabel *>(QStringLiteral("img_button0b"));
        QTest::mousePress(large, Qt::LeftButton, {}, picture->geometry().center());
        QCOMPARE(large->frameShadow(), QFrame::Sunken);
        QTest::mouseRelease(large, Qt::LeftButton, {}, picture->geometry().center());
        QCOMPARE(large->frameShadow(), QFrame::Raised);
        QCOMPARE(dialog->selectedVariant(), 0);
        dialog->btn_ExitClick();
        QCOMPARE(model.Stoss[1], QStringLiteral("KS_ohneTrennung"));
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("TS") << "TS_TrennungR1";
        QTest::newRow("KS") << "KS_ohneTrennung";
        QTest::newRow("LSa") << "LSa_TrennungR2";
        QTest::newRow("LSb") << "LSb_TrennungTB";
    }
    void pictures()
    {
        QFETCH(QString, code);
        model.fields.room1 = QStringLiteral("Wohnzimmer");
        model.fields.room2 = QStringLiteral("Schlafzimmer");
        model.fields.Flanke[1] = QStringLiteral("Außenwand");
        model.Stoss[1] = code;
        dialog->openForFlank(1);
        const QString dir = QStringLiteral(TAVIX_BINARY_DIR "/pictures/dialogs");
        QDir().mkpath(dir);
        QVERIFY(dialog->grab().save(dir + QStringLiteral("/TForm_SS_") + code + QStringLiteral(".png")));
    }
};

TAVIX_WIDGET_TEST_MAIN(TestJunctionDialog)
#include "tst_junctiondialog.moc"
