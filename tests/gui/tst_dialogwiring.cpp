// The main window with its three editing dialogs: what accepting, cancelling, copying and
// pasting change in the window and the project.
#include "fixtures.h"
#include "gui/buildup/form_btaufbau.h"
#include "gui/junctions/form_stoss.h"
#include "gui/linings/formdb.h"
#include "gui/mainwindow/simplifiedmodel.h"
#include "gui/reports/form_faset.h"
#include "widgettest.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QToolButton>
#include <QToolTip>
#include <QWindow>
#include <QtTest>

using namespace tavix;
using namespace tavix::gui;

namespace {

template<typename T> T *topLevel()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<T *>(w))
            return found;
    return nullptr;
}

template<typename T> T *child(QWidget *parent, const char *name)
{
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qWarning() << "no control" << name;
    return found;
}

void pressOn(QWidget *field)
{
    // The context slot follows the control that was pressed last, with any button.
    QWidget *target = field;
    if (auto *memo = qobject_cast<QPlainTextEdit *>(field))
        target = memo->viewport();
    QTest::mousePress(target, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseRelease(target, Qt::RightButton, {}, QPoint(5, 5));
}

} // namespace

class TestDialogWiring : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }
    void buildUpDialogAccepted();
    void buildUpDialogCancelled();
    void buildUpCopyAndPaste();
    void junctionDialogAccepted();
    void liningDialogOnIdenticalFlank();
    void liningCopyPasteAndClear();
    void editingDialogsStayOverMainWindow_data();
    void editingDialogsStayOverMainWindow();
    void buildUpDialogStaysCentred();
    void fieldsRefuseWhatTheCodePageLacks_data();
    void fieldsRefuseWhatTheCodePageLacks();
};

void TestDialogWiring::buildUpDialogAccepted()
{
    ScriptedInteraction dialogs;
    TSimplifiedModel window;
    window.show();
    QVERIFY(window.model().Saved);
    QTest::mouseClick(child<QPushButton>(&window, "Button_TB"), Qt::LeftButton);
    auto *form = topLevel<TForm_BT>();
    QVERIFY(form && form->isVisible());
    QVERIFY(!window.isEnabled());

    QTest::mouseClick(child<QPushButton>(form, "btn_OK"), Qt::LeftButton);
    QVERIFY(!form->isVisible());
    QVERIFY(window.isEnabled());
    QCOMPARE(child<QPlainTextEdit>(&window, "Memo_TB")->toPlainText(),
             QStringLiteral("4 mm Dünnlagenputz (1200 kg/m³)\n24 cm  Tavix, Rohdichteklasse  1.8\n"
                            "4 mm Dünnlagenputz (1200 kg/m³)"));
    auto *dirRw = child<QLabel>(&window, "label_DirRw");
    QVERIFY(dirRw->isVisibleTo(&window));
    QCOMPARE(dirRw->text(), QStringLiteral("Direktschalldämm-Maß 58,8 [dB]"));
    QVERIFY(!window.model().Saved);
    QVERIFY(!window.model().Messages.contains(QStringLiteral(" Flächenmasse Trennbauteil < 80 kg/m²")));
    QCOMPARE(dialogs.unexpected, 0);
}

void TestDialogWiring::buildUpDialogCancelled()
{
    ScriptedInteraction dialogs;
    TSimplifiedModel window;
    window.show();
    const int messages = window.model().Messages.size();
    QTest::mouseClick(child<QPushButton>(&window, "Button_F2_1"), Qt::LeftButton);
    auto *form = topLevel<TForm_BT>();
    QTest::mouseClick(child<QPushButton>(form, "btn_ECS"), Qt::LeftButton);
    QVERIFY(window.isEnabled());
    QVERIFY(window.model().Saved);
    QCOMPARE(window.model().buildUp[2][1].m, 0.0L);
    QCOMPARE(window.model().Messages.size(), messages);
    QVERIFY(child<QPlainTextEdit>(&window, "Memo_F2_1")->toPlainText().isEmpty());
}

void TestDialogWiring::buildUpCopyAndPaste()
{
    ScriptedInteraction dialogs;
    TSimplifiedModel window;
    window.show();
    QTest::mouseClick(child<QPushButton>(&window, "Button_TB"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(topLevel<TForm_BT>(), "btn_OK"), Qt::LeftButton);
    window.model().Saved = true;

    auto *insert = child<QAction>(&window, "Insert");
    QVERIFY(!insert->isEnabled());
    pressOn(child<QPlainTextEdit>(&window, "Memo_TB"));
    child<QAction>(&window, "copy")->trigger();
    QVERIFY(insert->isEnabled());

    // Flank 1 is identical to room 1: pasting on room 1 fills both sides.
    pressOn(child<QPlainTextEdit>(&window, "Memo_F1_1"));
    insert->trigger();
    const ProjectModel &m = window.model();
    QCOMPARE(m.buildUp[1][1], m.buildUp[0][0]);
    QCOMPARE(m.buildUp[1][2], m.buildUp[0][0]);
    QCOMPARE(child<QPlainTextEdit>(&window, "Memo_F1_2")->toPlainText(),
             child<QPlainTextEdit>(&window, "Memo_TB")->toPlainText());
    QVERIFY(!m.Saved); // a paste changes the project: closing must ask
    QVERIFY(!m.Messages.contains(QStringLiteral(" Flächenmasse Flanke 1 / Raum 2 < 80 kg/m²")));
}

void TestDialogWiring::junctionDialogAccepted()
{
    ScriptedInteraction dialogs;
    TSimplifiedModel window;
    window.show();
    auto *area = child<QLineEdit>(&window, "edit_FF3_1");
    QVERIFY(area->isHidden());

    QTest::mouseClick(child<QAbstractButton>(&window, "button_Stoss3"), Qt::LeftButton);
    auto *form = topLevel<TForm_SS>();
    QVERIFY(form && form->isVisible());
    QVERIFY(!window.isEnabled());
    form->rgStossClick(3);  // "Winkel-Stoß  B"
    form->button_0Click(2); // flank decoupled in room 1
    form->btn_ExitClick();
    QVERIFY(window.isEnabled());
    QCOMPARE(window.model().Stoss[3], QStringLiteral("LSb_TrennungR1"));
    QVERIFY(!area->isHidden()); // on a page that is not shown
    QVERIFY(child<QLineEdit>(&window, "edit_FF3_2")->isHidden());
    QVERIFY(!window.model().Saved);

    // Cancelling leaves code, picture and state alone.
    window.model().Saved = true;
    QTest::mouseClick(child<QAbstractButton>(&window, "button_Stoss3"), Qt::LeftButton);
    form->rgStossClick(1);
    form->button_0Click(0);
    form->btn_ESCClick();
    QCOMPARE(window.model().Stoss[3], QStringLiteral("LSb_TrennungR1"));
    QVERIFY(window.model().Saved);
}

void TestDialogWiring::liningDialogOnIdenticalFlank()
{
    ScriptedInteraction dialogs;
    dialogs.openFileAnswers << QString(); // no catalogue in the start directory: cancelled
    TSimplifiedModel window;
    window.show();
    QTest::mouseClick(child<QAbstractButton>(&window, "Button_VS2_1"), Qt::LeftButton);
    auto *form = topLevel<TForm_DB>();
    QVERIFY(form && form->isVisible());
    form->rg_AuswahlClick(2); // direct entry
    auto *fres = child<QLineEdit>(form, "edit_fres");
    fres->setText(QStringLiteral("85"));
    form->Button_EnterClick();
    QVERIFY(window.isEnabled());
    const ProjectModel &m = window.model();
    QCOMPARE(m.f0[2][1], 85);
    QCOMPARE(m.f0[2][2], 85);
    QCOMPARE(child<QLineEdit>(&window, "edit_VS2_1")->text(), QStringLiteral(" / f = 85Hz"));
    QCOMPARE(child<QLineEdit>(&window, "edit_VS2_2")->text(), QStringLiteral(" / f = 85Hz"));
    QVERIFY(child<QPushButton>(&window, "Button_VS2_1clear")->isEnabled());
    QVERIFY(!child<QPushButton>(&window, "Button_VS2_2clear")->isEnabled()); // locked side
    QVERIFY(!m.Saved);
}

void TestDialogWiring::liningCopyPasteAndClear()
{
    ScriptedInteraction dialogs;
    dialogs.openFileAnswers << QString(); // no catalogue in the start directory: cancelled
    TSimplifiedModel window;
    window.show();
    QTest::mouseClick(child<QAbstractButton>(&window, "Button_TB_VS1"), Qt::LeftButton);
    auto *form = topLevel<TForm_DB>();
    form->rg_AuswahlClick(2);
    child<QLineEdit>(form, "edit_VSsys")->setText(QStringLiteral("Gipskarton auf Ständerwerk"));
    child<QLineEdit>(form, "edit_fres")->setText(QStringLiteral("70"));
    form->Button_EnterClick();
    window.model().Saved = true;

    auto *insertVS = child<QAction>(&window, "InsertVS");
    QVERIFY(!insertVS->isEnabled());
    pressOn(child<QLineEdit>(&window, "edit_VS0_1"));
    child<QAction>(&window, "copyVS")->trigger();
    QVERIFY(insertVS->isEnabled());

    // Flank 3 is made independent first, so its room-2 side can be a target.
    child<QAbstractButton>(&window, "chk_id_F3")->click();
    window.model().Saved = true;
    pressOn(child<QLineEdit>(&window, "edit_VS3_2"));
    insertVS->trigger();
    QCOMPARE(window.model().f0[3][2], 70);
    QCOMPARE(child<QLineEdit>(&window, "edit_VS3_2")->text(),
             QStringLiteral("Gipskarton auf Ständerwerk / f = 70Hz"));
    QVERIFY(child<QPushButton>(&window, "Button_VS3_2clear")->isEnabled());
    QVERIFY(!window.model().Saved); // pasting a lining is an unsaved change
    window.model().Saved = true;

    QTest::mouseClick(child<QPushButton>(&window, "Button_VS3_2clear"), Qt::LeftButton);
    QCOMPARE(window.model().f0[3][2], 0);
    QVERIFY(child<QLineEdit>(&window, "edit_VS3_2")->text().isEmpty());
    QVERIFY(!child<QPushButton>(&window, "Button_VS3_2clear")->isEnabled());
    QVERIFY(!window.model().Saved); // so is clearing one
}

// Each editing dialog is shown over the disabled main window and kept above it, has no
// title-bar buttons, and leaves through Escape or the window system's close request as
// through "Abbrechen": main window enabled again, project untouched.
void TestDialogWiring::editingDialogsStayOverMainWindow_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("dialogName");
    QTest::addColumn<bool>("escape");
    QTest::newRow("build-up, Escape") << QStringLiteral("Button_F2_1") << QStringLiteral("TForm_BT") << true;
    QTest::newRow("build-up, close") << QStringLiteral("Button_TB") << QStringLiteral("TForm_BT") << false;
    QTest::newRow("lining, Escape") << QStringLiteral("Button_VS1_1") << QStringLiteral("TForm_DB") << true;
    QTest::newRow("lining, close") << QStringLiteral("Button_TB_VS1") << QStringLiteral("TForm_DB") << false;
    QTest::newRow("junction, Escape")
        << QStringLiteral("button_Stoss3") << QStringLiteral("TForm_SS") << true;
    QTest::newRow("junction, close") << QStringLiteral("button_Stoss1") << QStringLiteral("TForm_SS")
                                     << false;
}

void TestDialogWiring::editingDialogsStayOverMainWindow()
{
    QFETCH(QString, button);
    QFETCH(QString, dialogName);
    QFETCH(bool, escape);
    ScriptedInteraction dialogs;
    dialogs.openFileAnswers << QString(); // no catalogue in the start directory: cancelled
    TSimplifiedModel window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.model().Saved = true;
    auto *opener = window.findChild<QPushButton *>(button);
    QVERIFY(opener);
    opener->click();

    QDialog *dialog = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == dialogName)
            dialog = qobject_cast<QDialog *>(w);
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(!window.isEnabled());
    QVERIFY(dialog->windowHandle());
    QCOMPARE(dialog->windowHandle()->transientParent(), window.windowHandle());
    const Qt::WindowFlags flags = dialog->windowFlags();
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinMaxButtonsHint));

    if (escape)
        QTest::keyClick(dialog, Qt::Key_Escape);
    else
        dialog->close();
    QVERIFY(!dialog->isVisible());
    QVERIFY(window.isEnabled());
    QVERIFY(window.model().Saved);
    for (const RecordedDialog &shown : dialogs.recorded)
        QVERIFY(shown.type != QLatin1String("question"));
}

void TestDialogWiring::buildUpDialogStaysCentred()
{
    ScriptedInteraction dialogs;
    TSimplifiedModel window;
    window.show();
    window.findChild<QPushButton *>(QStringLiteral("Button_TB"))->click();
    auto *dialog = topLevel<TForm_BT>();
    QVERIFY(dialog && dialog->isVisible());
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    QCOMPARE(dialog->size(), QSize(TForm_BT::NarrowWidth, TForm_BT::FormHeight));
    QVERIFY((dialog->frameGeometry().center() - screenCentre).manhattanLength() <= 1);
    dialog->findChild<QComboBox *>(QStringLiteral("combo_Konstrukt"))->setCurrentIndex(2);
    QCOMPARE(dialog->size(), QSize(TForm_BT::WideWidth, TForm_BT::FormHeight));
    QVERIFY((dialog->frameGeometry().center() - screenCentre).manhattanLength() <= 1);
    dialog->btn_ECSClick();
}

// Whatever is typed or pasted into a field that ends up in a Windows-1252 file must fit the
// code page: a character it lacks is refused with a hint that names it, and nothing else
// changes.
void TestDialogWiring::fieldsRefuseWhatTheCodePageLacks_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<bool>("accepted");
    const QString polish = QString::fromUtf8("Ł");
    const QString japanese = QString::fromUtf8("日本");
    QTest::newRow("project name, typed")
        << QStringLiteral("main") << "edit_Projekt" << polish << false << false;
    QTest::newRow("flank name, pasted")
        << QStringLiteral("main") << "edit_Flanke2" << japanese << true << false;
    QTest::newRow("room name, euro sign")
        << QStringLiteral("main") << "edit_room1" << QString::fromUtf8("€") << false << true;
    QTest::newRow("layer name, typed")
        << QStringLiteral("buildup") << "edit_schichtName2" << polish << false << false;
    QTest::newRow("lining system, pasted")
        << QStringLiteral("lining") << "editSys" << japanese << true << false;
    QTest::newRow("catalogue cell, typed")
        << QStringLiteral("catalogue") << "grid_fres" << polish << false << false;
    QTest::newRow("company, pasted") << QStringLiteral("company") << "edit_Fa" << japanese << true << false;
}

void TestDialogWiring::fieldsRefuseWhatTheCodePageLacks()
{
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(QString, input);
    QFETCH(bool, pasted);
    QFETCH(bool, accepted);
    ScriptedInteraction dialogs;
    TSimplifiedModel main;
    TForm_FaSet company(&main);
    QWidget *form = &main;
    const bool lining = window == QLatin1String("lining") || window == QLatin1String("catalogue");
    if (window == QLatin1String("buildup")) {
        child<QPushButton>(&main, "Button_TB")->click();
        form = topLevel<TForm_BT>();
        child<QComboBox>(form, "combo_Konstrukt")->setCurrentIndex(5);
    } else if (lining) {
        dialogs.openFileAnswers << QString(); // no catalogue in the start folder
        child<QPushButton>(&main, "Button_TB_VS1")->click();
        form = topLevel<TForm_DB>();
    } else if (window == QLatin1String("company")) {
        form = &company;
    }
    QLineEdit *edit = form->findChild<QLineEdit *>(field);
    if (window == QLatin1String("catalogue")) {
        auto *table = child<QTableWidget>(form, "grid_fres");
        static_cast<TForm_DB *>(form)->btn_EditTabClick();
        table->edit(table->model()->index(0, 0));
        edit = table->findChild<QLineEdit *>();
    }
    QVERIFY(edit);
    edit->setText(QStringLiteral("Haus"));
    const ProjectModel before = main.model();
    QToolTip::hideText();

    if (pasted) {
        QGuiApplication::clipboard()->setText(input);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    } else {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, input);
        QApplication::sendEvent(edit, &key);
    }

    QCOMPARE(edit->text(), accepted ? QStringLiteral("Haus") + input : QStringLiteral("Haus"));
    QCOMPARE(QToolTip::text().contains(input.left(1)), !accepted);
    if (!accepted) {
        QCOMPARE(main.model().Saved, before.Saved);
        QCOMPARE(main.model().fields.Projekt, before.fields.Projekt);
        QCOMPARE(main.model().fields.Flanke[2], before.fields.Flanke[2]);
    }
    QCOMPARE(dialogs.recorded.size(), lining);
}

TAVIX_WIDGET_TEST_MAIN(TestDialogWiring)
#include "tst_dialogwiring.moc"
