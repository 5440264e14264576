#include "core/io/filelayer.h"
#include "gui/linings/formdb.h"
#include "widgettest.h"

#include <cerrno>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace tavix;
using namespace tavix::gui;

namespace {

const QString Warning =
    QStringLiteral(" keine zulässige Resonanzfrequenz! \r Möchten Sie die Eingabe trotzdem "
                   "beenden ? ");

void writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray WallCatalogue =
    "* Datendatei Vorsatzschalen: WAND\r\n* Bezeichnung\r\n* Resonanzfrequenz\r\n* "
    "__________________________________________________________________________\r\n"
    "GK-Vorsatzschale 50 mm\r\n85\r\nHolzwolle / Putz\r\n70\r\nohne Zahl\r\nviel\r\n";

} // namespace

class TestLiningDialog : public QObject
{
    Q_OBJECT

    ProjectModel model;
    QWidget mainWindow;
    TForm_DB *dialog = nullptr;
    ScriptedInteraction *script = nullptr;
    QTemporaryDir *dir = nullptr;

    template<typename T> T *child(const char *name) const
    {
        return dialog->findChild<T *>(QLatin1String(name));
    }
    QLineEdit *edit(const char *name) const { return child<QLineEdit>(name); }
    QTableWidget *table() const { return child<QTableWidget>("grid_fres"); }
    QString cell(int row, int column) const
    {
        const QTableWidgetItem *item = table()->item(row, column);
        return item ? item->text() : QString();
    }

private Q_SLOTS:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        resetModel(model, QLatin1Char('.'));
        model.Saved = true;
        mainWindow.setEnabled(true);
        script = new ScriptedInteraction;
        dir = new QTemporaryDir;
        writeFile(dir->filePath(QStringLiteral("VS_Wand.lib")), WallCatalogue);
        dialog = new TForm_DB(model, &mainWindow);
        dialog->setStartDirectory(dir->path());
        // The main window's part of accepting: the project counts as changed.
        connect(dialog, &TForm_DB::liningAccepted, this, [this] { model.Saved = false; });
    }
    void cleanup()
    {
        delete dialog;
        delete script;
        delete dir;
        QLocale::setDefault(QLocale::c());
    }

    void header_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QString>("header");
        QTest::newRow("TB_VS1") << "TB_VS1"
                                << " Vorsatzschale Trennbauteil Raum 1";
        QTest::newRow("TB_VS2") << "TB_VS2"
                                << " Vorsatzschale Trennbauteil Schlafzimmer";
        QTest::newRow("VS3_2") << "VS3_2"
                               << " Vorsatzschale Schlafzimmer / Flanke 3";
        QTest::newRow("VS1_1") << "VS1_1"
                               << " Vorsatzschale Raum 1 / Außenwand";
    }
    void header()
    {
        QFETCH(QString, slot);
        QFETCH(QString, header);
        model.fields.room2 = QStringLiteral("Schlafzimmer");
        model.fields.Flanke[1] = QStringLiteral("Außenwand");
        QVERIFY(dialog->openForSlot(slot));
        QCOMPARE(child<QLabel>("Label_VS")->text(), header);
        QCOMPARE(dialog->currentSlotText(), slot);
        QVERIFY(!mainWindow.isEnabled());
        QVERIFY(!(dialog->windowFlags() & Qt::WindowCloseButtonHint));
    }

    void unknownSlotDoesNotOpen()
    {
        QVERIFY(!dialog->openForSlot(QStringLiteral("VS0_1")));
        QVERIFY(!dialog->openForSlot(QStringLiteral("VS5_1")));
        QVERIFY(!dialog->openForSlot(LiningSlot{1, 0}));
        QVERIFY(!dialog->isVisible());
        QVERIFY(mainWindow.isEnabled());
    }

    void everyOpeningStartsAfresh()
    {
        dialog->openForSlot(QStringLiteral("TB_VS1"));
        dialog->rg_AuswahlClick(TForm_DB::CalculationMode);
        dialog->selectConstruction(2);
        edit("editSys")->setText(QStringLiteral("alt"));
        edit("edit_s")->setText(QStringLiteral("40"));
        edit("edit_m")->setText(QStringLiteral("10"));
        dialog->rg_AuswahlClick(TForm_DB::DirectMode);
        edit("edit_fres")->setText(QStringLiteral("123"));
        dialog->btn_EditTabClick();
        dialog->Button_ESCClick();

        dialog->openForSlot(QStringLiteral("TB_VS2"));
        QCOMPARE(dialog->mode(), int(TForm_DB::CatalogueMode));
        QVERIFY(child<QWidget>("panel_Datei")->isVisible());
        QVERIFY(!child<QWidget>("panel_Berechnung")->isVisible());
        QVERIFY(!child<QWidget>("panel_Direkt")->isVisible());
        QVERIFY(!dialog->tableEditing());
        QCOMPARE(edit("editSys")->text(), QString());
        QCOMPARE(edit("edit_s")->text(), QStringLiteral("0"));
        QCOMPARE(edit("edit_m")->text(), QStringLiteral("0"));
        QCOMPARE(edit("edit_calcFres")->text(), QStringLiteral("???"));
        QCOMPARE(edit("edit_VSsys")->text(), QString());
        QCOMPARE(edit("edit_fres")->text(), QStringLiteral("0"));
        QCOMPARE(dialog->construction(), 2); // the construction choice persists
        dialog->rg_AuswahlClick(TForm_DB::CalculationMode);
        QCOMPARE(child<QLabel>("lb_Eingabe1a")->text(), QStringLiteral("[MN/m³]"));
        QVERIFY(!child<QLabel>("lb_Anmerkung")->isVisible());
        dialog->selectConstruction(1);
        QCOMPARE(child<QLabel>("lb_Eingabe1")->text(), QStringLiteral("Schalenabstand s :"));
        QVERIFY(child<QLabel>("lb_Anmerkung")->isVisible());
    }

    void calculation_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("construction");
        QTest::addColumn<QString>("typedS");
        QTest::addColumn<QString>("typedM");
        QTest::addColumn<QString>("shownS");
        QTest::addColumn<QString>("result");
        QTest::newRow("spacing, point") << "C" << 1 << "0.05"
                                        << "10"
                                        << "0.05"
                                        << "85";
        QTest::newRow("spacing, comma typed as point") << "C" << 1 << "0,05"
                                                       << "10"
                                                       << "0.05"
                                                       << "85";
        QTest::newRow("spacing, German") << "de_DE" << 1 << "0,05"
                                         << "10"
                                         << "0,05"
                                         << "85";
        QTest::newRow("point entered as comma in German") << "de_DE" << 1 << "0.05"
                                                          << "10"
                                                          << "0,05"
                                                          << "85";
        QTest::newRow("letters swallowed") << "C" << 2 << "4x0"
                                           << "1-0"
                                           << "40"
                                           << "320";
        QTest::newRow("stiffness") << "de_DE" << 2 << "40"
                                   << "10"
                                   << "40"
                                   << "320";
        QTest::newRow("no mass") << "C" << 1 << "0.05"
                                 << ""
                                 << "0.05"
                                 << "???";
    }
    void calculation()
    {
        QFETCH(QString, locale);
        QFETCH(int, construction);
        QFETCH(QString, typedS);
        QFETCH(QString, typedM);
        QFETCH(QString, shownS);
        QFETCH(QString, result);
        QLocale::setDefault(QLocale(locale));
        dialog->openForSlot(QStringLiteral("TB_VS1"));
        dialog->rg_AuswahlClick(TForm_DB::CalculationMode);
        dialog->selectConstruction(construction);
        edit("edit_s")->selectAll();
        QTest::keyClicks(edit("edit_s"), typedS);
        edit("edit_m")->selectAll();
        QTest::keyClicks(edit("edit_m"), typedM);
        QCOMPARE(edit("edit_s")->text(), shownS);
        QCOMPARE(edit("edit_calcFres")->text(), result);
        QCOMPARE(script->recorded.size(), 0);
    }

    void calculatedLiningIsAccepted()
    {
        QSignalSpy accepted(dialog, &TForm_DB::liningAccepted);
        QVERIFY(dialog->openForSlot(LiningSlot{4, 1}));
        QCOMPARE(dialog->currentSlotText(), QStringLiteral("VS4_1"));
        dialog->rg_AuswahlClick(TForm_DB::CalculationMode);
        dialog->selectConstruction(1);
        edit("edit_s")->setText(QStringLiteral("0.05"));
        edit("edit_m")->setText(QStringLiteral("10"));
        dialog->Button_EnterClick();
        QCOMPARE(model.fields.VS[4][1], QStringLiteral(" / f = 85Hz"));
        QCOMPARE(model.f0[4][1], 85);
        QCOMPARE(model.fields.VS[4][2], QStringLiteral(" / f = 85Hz")); // flank 4 is identical
        QCOMPARE(model.f0[4][2], 85);
        QVERIFY(!model.Saved);
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(accepted.at(0).at(0).toInt(), 4);
        QCOMPARE(accepted.at(0).at(1).toInt(), 1);
        QCOMPARE(dialog->lastChange().enableClear, (QList<LiningSlot>{{4, 1}}));
        QVERIFY(!dialog->isVisible());
        QVERIFY(mainWindow.isEnabled());
    }

    void invalidNumberIsReported()
    {
        dialog->openForSlot(QStringLiteral("TB_VS1"));
        dialog->rg_AuswahlClick(TForm_DB::CalculationMode);
        edit("edit_m")->setText(QStringLiteral("10"));
        edit("edit_s")->setText(QStringLiteral("."));
        QCOMPARE(script->texts(), QStringList{QStringLiteral("'.' ist kein gültiger Fließkommawert")});
        QCOMPARE(edit("edit_calcFres")->text(), QStringLiteral("???"));
        edit("edit_m")->setText(QStringLiteral(","));
        QCOMPARE(script->recorded.size(), 2);
        dialog->Button_ESCClick();
        dialog->openForSlot(QStringLiteral("TB_VS1")); // resetting both reports nothing
        QCOMPARE(script->recorded.size(), 2);
        QCOMPARE(edit("edit_m")->text(), QStringLiteral("0"));
        edit("edit_s")->clear();
        QCOMPARE(edit("edit_s")->text(), QStringLiteral("0"));
    }

    void noFrequencyWarns()
    {
        dialog->openForSlot(QStringLiteral("VS2_2"));
        model.IdF[2] = false;
        dialog->rg_AuswahlClick(TForm_DB::CalculationMode);
        edit("edit_s")->setText(QStringLiteral("0.05")); // m' stays 0
        QSignalSpy accepted(dialog, &TForm_DB::liningAccepted);
        script->yesNoAnswers << false << true;
        dialog->Button_EnterClick(); // "Nein": stay
        QVERIFY(dialog->isVisible());
        QVERIFY(!mainWindow.isEnabled());
        dialog->Button_EnterClick(); // "Ja": leave without a change
        QCOMPARE(script->texts(), (QStringList{Warning, Warning}));
        QCOMPARE(script->recorded.at(0).kind, MessageKind::Warning);
        QVERIFY(!dialog->isVisible());
        QVERIFY(mainWindow.isEnabled());
        QCOMPARE(accepted.count(), 0);
        QCOMPARE(model.fields.VS[2][2], QString());
        QVERIFY(model.Saved);
    }

    void direct_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("digits") << "63"
                                << "063";
        QTest::newRow("decimals swallowed") << "6.5"
                                            << "065";
        QTest::newRow("all deleted") << "\b"
                                     << "80";
    }
    void direct()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        dialog->openForSlot(QStringLiteral("TB_VS2"));
        dialog->rg_AuswahlClick(TForm_DB::DirectMode);
        QLineEdit *fres = edit("edit_fres");
        fres->setFocus();
        fres->end(false);
        for (QChar c : typed) {
            if (c == QLatin1Char('\b'))
                QTest::keyClick(fres, Qt::Key_Backspace);
            else
                QTest::keyClicks(fres, QString(c));
        }
        QCOMPARE(fres->text(), shown);
    }

    void directPastedTextIsCleared()
    {
        dialog->openForSlot(QStringLiteral("TB_VS2"));
        dialog->rg_AuswahlClick(TForm_DB::DirectMode);
        edit("edit_fres")->setText(QStringLiteral("12a"));
        QTest::keyRelease(edit("edit_fres"), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit("edit_fres")->text(), QStringLiteral("80"));
    }

    void directDefaultIsZero()
    {
        model.IdF[3] = false;
        dialog->openForSlot(QStringLiteral("VS3_1"));
        dialog->rg_AuswahlClick(TForm_DB::DirectMode);
        dialog->Button_EnterClick();
        QCOMPARE(model.fields.VS[3][1], QStringLiteral(" / f = 0Hz"));
        QCOMPARE(model.f0[3][1], 0);
        QCOMPARE(model.fields.VS[3][2], QString()); // not identical: room 2 untouched
        QCOMPARE(script->recorded.size(), 0);
    }

    void identicalFlankGetsBoth()
    {
        dialog->openForSlot(QStringLiteral("VS2_1"));
        dialog->rg_AuswahlClick(TForm_DB::DirectMode);
        edit("edit_VSsys")->setText(QStringLiteral("Vorsatzschale"));
        edit("edit_fres")->setText(QStringLiteral("100"));
        dialog->Button_EnterClick();
        for (int side : {1, 2}) {
            QCOMPARE(model.fields.VS[2][side], QStringLiteral("Vorsatzschale / f = 100Hz"));
            QCOMPARE(model.f0[2][side], 100);
        }
    }

    void cancelChangesNothing()
    {
        QSignalSpy accepted(dialog, &TForm_DB::liningAccepted);
        dialog->openForSlot(QStringLiteral("TB_VS1"));
        dialog->rg_AuswahlClick(TForm_DB::DirectMode);
        edit("edit_fres")->setText(QStringLiteral("100"));
        QTest::mouseClick(child<QPushButton>("Button_ESC"), Qt::LeftButton);
        QCOMPARE(model.fields.VS[0][1], QString());
        QCOMPARE(model.f0[0][1], 0);
        QVERIFY(model.Saved);
        QCOMPARE(accepted.count(), 0);
        QVERIFY(mainWindow.isEnabled());
        QVERIFY(!dialog->isVisible());
    }

    void catalogueRowIsAccepted_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("f0");
        QTest::newRow("nothing picked") << -1 << -1 << "GK-Vorsatzschale 50 mm / f = 85Hz" << 85;
        QTest::newRow("first") << 0 << 0 << "GK-Vorsatzschale 50 mm / f = 85Hz" << 85;
        QTest::newRow("lowest of a range") << 0 << 1 << "Holzwolle / Putz / f = 70Hz" << 70;
        QTest::newRow("not a number") << 2 << 2 << "" << -1;
    }
    void catalogueRowIsAccepted()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QString, text);
        QFETCH(int, f0);
        dialog->openForSlot(QStringLiteral("TB_VS1"));
        QCOMPARE(table()->rowCount(), 3);
        QCOMPARE(child<QLabel>("lb_DateiName")->text(), QStringLiteral(" Dateiname: VS_Wand.lib"));
        if (first >= 0)
            table()->setRangeSelected(QTableWidgetSelectionRange(first, 0, last, 1), true);
        script->yesNoAnswers << true;
        dialog->Button_EnterClick();
        QCOMPARE(model.fields.VS[0][1], text);
        QCOMPARE(model.f0[0][1], std::max(f0, 0));
        QCOMPARE(script->texts(), f0 < 0 ? QStringList{Warning} : QStringList());
    }

    void tableStates()
    {
        dialog->openForSlot(QStringLiteral("TB_VS1"));
        auto *editTab = child<QPushButton>("btn_EditTab");
        QCOMPARE(editTab->text(), QStringLiteral("Tabelle editieren"));
        QVERIFY(!child<QPushButton>("btn_AddLine")->isEnabled());
        QVERIFY(!child<QPushButton>("btn_SaveTab")->isEnabled());
        QCOMPARE(table()->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(table()->selectionBehavior(), QAbstractItemView::SelectRows);
        const QColor lockedColour = table()->viewport()->grab().toImage().pixelColor(200, 150);
        QCOMPARE(lockedColour, dialog->palette().color(QPalette::Button));
        dialog->DeleteLibLineClick(); // locked: no effect
        QCOMPARE(cell(0, 0), QStringLiteral("GK-Vorsatzschale 50 mm"));

        dialog->btn_EditTabClick();
        QCOMPARE(editTab->text(), QStringLiteral("Tabelle sperren"));
        QVERIFY(child<QPushButton>("btn_AddLine")->isEnabled());
        QVERIFY(child<QPushButton>("btn_SaveTab")->isEnabled());
        QCOMPARE(table()->selectionBehavior(), QAbstractItemView::SelectItems);
        QVERIFY(table()->editTriggers() != QAbstractItemView::NoEditTriggers);
        QCOMPARE(table()->viewport()->grab().toImage().pixelColor(200, 150), QColor(Qt::white));
        dialog->btn_EditTabClick();
        QVERIFY(!dialog->tableEditing());
        QCOMPARE(cell(1, 1), QStringLiteral("70"));
    }

    void blankAppendSaveAndReload()
    {
        dialog->openForSlot(QStringLiteral("TB_VS1"));
        dialog->btn_EditTabClick();
        table()->setCurrentCell(1, 0);
        dialog->DeleteLibLineClick();
        QCOMPARE(cell(1, 0), QString());
        QCOMPARE(cell(1, 1), QString());
        QCOMPARE(table()->rowCount(), 3);
        dialog->btn_AddLineClick();
        QCOMPARE(table()->rowCount(), 4);
        table()->setItem(3, 0, new QTableWidgetItem(QStringLiteral("Neue Schale")));
        table()->setItem(3, 1, new QTableWidgetItem(QStringLiteral("55")));
        table()->item(2, 0)->setText(QString()); // description cleared by hand, frequency kept
        dialog->btn_SaveTabClick();
        QCOMPARE(script->recorded.size(), 0); // no confirmation
        QVERIFY(dialog->tableEditing());
        QCOMPARE(readFile(dir->filePath(QStringLiteral("VS_Wand.lib"))),
                 WallCatalogue.left(WallCatalogue.indexOf("Holzwolle")) + "Neue Schale\r\n55\r\n");

        dialog->Button_ESCClick();
        dialog->openForSlot(QStringLiteral("TB_VS1"));
        QCOMPARE(table()->rowCount(), 2);
        QCOMPARE(cell(1, 0), QStringLiteral("Neue Schale"));
    }

    void missingCatalogueAsksForFile()
    {
        const QString other = dir->filePath(QStringLiteral("anderswo.lib"));
        writeFile(other, WallCatalogue);
        script->openFileAnswers << QString(); // cancelled
        dialog->Button3Click();               // no VS_Estrich.lib: the open dialog, cancelled
        QCOMPARE(model.liningCategory, 3);
        QCOMPARE(script->recorded.size(), 1);
        QCOMPARE(script->recorded.at(0).type, QStringLiteral("open"));
        QCOMPARE(script->recorded.at(0).options.filter, QStringLiteral("Vorsatzschalen-Bibliothek (*.lib)"));
        QCOMPARE(script->recorded.at(0).options.directory, dir->path());
        QCOMPARE(table()->rowCount(), 1);
        QCOMPARE(cell(0, 0), QString());
        QCOMPARE(child<QLabel>("lb_DateiName")->text(), QStringLiteral(" Dateiname: VS_Estrich.lib"));

        script->openFileAnswers << other;
        dialog->openForSlot(QStringLiteral("TB_VS1")); // the category persists
        QCOMPARE(table()->rowCount(), 3);
        QCOMPARE(child<QLabel>("lb_DateiName")->text(), QStringLiteral(" Dateiname: VS_Estrich.lib"));
        QCOMPARE(child<QPushButton>("Button3")->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
        QCOMPARE(child<QPushButton>("Button1")->palette().color(QPalette::ButtonText), QColor(0, 0, 0));
        dialog->btn_EditTabClick();
        dialog->btn_SaveTabClick();
        const QByteArray saved = readFile(dir->filePath(QStringLiteral("VS_Estrich.lib")));
        QVERIFY(saved.startsWith("* Datendatei Vorsatzschalen: ESTRICHE\r\n"));
        QCOMPARE(readFile(other), WallCatalogue);

        dialog->Button_ESCClick();
        script->openFileAnswers.clear();
        script->openFileAnswers << QString(); // cancelled
        QFile::remove(dir->filePath(QStringLiteral("VS_Estrich.lib")));
        dialog->openForSlot(QStringLiteral("TB_VS1")); // cancelled again: an empty row, then the warning
        script->yesNoAnswers << false;
        dialog->Button_EnterClick();
        QCOMPARE(script->texts().last(), Warning);
    }

    // Saving the table replaces the file only when that loses nothing the planner did not
    // agree to lose, and only when the write succeeded completely.
    void savingOnlyWhatWasRead_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("asked");   // the question about lost rows comes
        QTest::addColumn<bool>("answer");  // "&Ja" to it
        QTest::addColumn<int>("fault");    // errno of a failing flush, 0 none
        QTest::addColumn<bool>("written"); // the file holds the table afterwards
        QByteArray many = WallCatalogue;
        for (int i = 0; i < MaxCatalogueRows; ++i)
            many += "Schale\r\n85\r\n";
        const QByteArray wide = WallCatalogue + QByteArray(MaxCatalogueLineLength + 1, 'w') + "\r\n60\r\n";
        QTest::newRow("complete: no question") << WallCatalogue << false << false << 0 << true;
        QTest::newRow("rows beyond the cap, Nein") << many << true << false << 0 << false;
        QTest::newRow("rows beyond the cap, Ja") << many << true << true << 0 << true;
        QTest::newRow("line cut, Nein") << wide << true << false << 0 << false;
        QTest::newRow("disk full: error, file kept") << WallCatalogue << false << false << ENOSPC << false;
    }
    void savingOnlyWhatWasRead()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, asked);
        QFETCH(bool, answer);
        QFETCH(int, fault);
        QFETCH(bool, written);
        const QString path = dir->filePath(QStringLiteral("VS_Wand.lib"));
        writeFile(path, contents);
        dialog->openForSlot(QStringLiteral("TB_VS1"));
        const int messagesAfterLoading = script->recorded.size();
        dialog->btn_EditTabClick();
        table()->item(0, 0)->setText(QStringLiteral("Geändert"));
        script->yesNoAnswers << answer;
        setWriteFaultHookForTesting([fault](WriteStep step) { return step == WriteStep::Flush ? fault : 0; });
        dialog->btn_SaveTabClick();
        setWriteFaultHookForTesting({});

        const QList<RecordedDialog> saving = script->recorded.mid(messagesAfterLoading);
        QCOMPARE(saving.size(), asked || fault ? 1 : 0);
        if (asked) {
            QCOMPARE(saving.at(0).type, QStringLiteral("question"));
            QVERIFY(saving.at(0).text.contains(QStringLiteral("nur teilweise eingelesen")));
        }
        if (fault) {
            QCOMPARE(saving.at(0).kind, MessageKind::Error);
            QCOMPARE(saving.at(0).text,
                     fileWriteErrorText(path, QStringLiteral("Kapazität der Diskette/Festplatte erschöpft")));
        }
        QCOMPARE(readFile(path) == contents, !written);
        QCOMPARE(readFile(path).contains("Ge\xe4ndert"), written);
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("VS_Wand.lib")});
    }

    // Edits in the catalogue table are never dropped without a question: switching the
    // category, Escape, the close box and accepting a lining all ask first.
    void unsavedTableEditsAreAskedFor_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("category, Ja: saved") << "category" << Answer::Yes;
        QTest::newRow("category, Abbrechen: stays") << "category" << Answer::Cancel;
        QTest::newRow("Escape, Abbrechen: stays") << "escape" << Answer::Cancel;
        QTest::newRow("Escape, Nein: dropped") << "escape" << Answer::No;
        QTest::newRow("close box, Abbrechen: stays") << "close" << Answer::Cancel;
        QTest::newRow("close box, Ja: saved") << "close" << Answer::Yes;
        QTest::newRow("accept, Nein: dropped") << "accept" << Answer::No;
    }
    void unsavedTableEditsAreAskedFor()
    {
        QFETCH(QString, way);
        QFETCH(Answer, answer);
        const QString wall = dir->filePath(QStringLiteral("VS_Wand.lib"));
        writeFile(dir->filePath(QStringLiteral("VS_Decke.lib")), WallCatalogue);
        dialog->openForSlot(QStringLiteral("TB_VS1"));
        dialog->btn_EditTabClick();
        table()->item(0, 0)->setText(QStringLiteral("Geändert"));
        script->yesNoCancelAnswers << answer;
        if (way == QLatin1String("category"))
            dialog->Button2Click();
        else if (way == QLatin1String("escape"))
            QTest::keyClick(dialog, Qt::Key_Escape);
        else if (way == QLatin1String("close"))
            dialog->close();
        else
            dialog->Button_EnterClick();

        QCOMPARE(script->recorded.size(), 1);
        QCOMPARE(script->recorded.at(0).text,
                 QStringLiteral(" Die Tabelle wurde geändert.\r Sollen die Änderungen in \"VS_Wand.lib\" "
                                "gespeichert werden? "));
        const bool stays = answer == Answer::Cancel;
        QCOMPARE(readFile(wall).contains("Ge\xe4ndert"), answer == Answer::Yes);
        QCOMPARE(model.liningCategory, way == QLatin1String("category") && !stays ? 2 : 1);
        QCOMPARE(dialog->isVisible(), stays || way == QLatin1String("category"));
        QCOMPARE(mainWindow.isEnabled(), !dialog->isVisible());
        if (stays)
            QCOMPARE(cell(0, 0), QStringLiteral("Geändert"));
        QCOMPARE(model.fields.VS[0][1].isEmpty(), way != QLatin1String("accept") || stays);
    }

    void unreadableCatalogueIsReported()
    {
        QFile::remove(dir->filePath(QStringLiteral("VS_Wand.lib")));
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("VS_Wand.lib"))); // a folder of that name
        script->openFileAnswers << dir->filePath(QStringLiteral("VS_Wand.lib"));
        dialog->openForSlot(QStringLiteral("TB_VS1"));
        QCOMPARE(table()->rowCount(), 1);
        QVERIFY(dialog->isVisible());
    }

    void pictures_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("construction");
        QTest::addColumn<bool>("editing");
        QTest::newRow("catalogue") << 0 << 1 << false;
        QTest::newRow("catalogue_editing") << 0 << 1 << true;
        QTest::newRow("calculation_1") << 1 << 1 << false;
        QTest::newRow("calculation_2") << 1 << 2 << false;
        QTest::newRow("direct") << 2 << 1 << false;
    }
    void pictures()
    {
        QFETCH(int, mode);
        QFETCH(int, construction);
        QFETCH(bool, editing);
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        model.fields.room2 = QStringLiteral("Schlafzimmer");
        model.fields.Flanke[3] = QStringLiteral("Außenwand");
        dialog->openForSlot(QStringLiteral("VS3_2"));
        table()->selectRow(1);
        if (editing)
            dialog->btn_EditTabClick();
        dialog->rg_AuswahlClick(mode);
        if (mode == 1) {
            dialog->selectConstruction(construction);
            edit("edit_s")->setText(construction == 1 ? QStringLiteral("0,05") : QStringLiteral("40"));
            edit("edit_m")->setText(QStringLiteral("10"));
        }
        const QString out = QStringLiteral(TAVIX_BINARY_DIR "/pictures/dialogs");
        QDir().mkpath(out);
        QVERIFY(dialog->grab().save(out + QStringLiteral("/TForm_DB_") +
                                    QLatin1String(QTest::currentDataTag()) + QStringLiteral(".png")));
    }
};

TAVIX_WIDGET_TEST_MAIN(TestLiningDialog)
#include "tst_liningdialog.moc"
