// The main window's editing rules and its display of the recalculation, driven through the
// widgets as a planner would use them.
#include "core/model/numbers.h"
#include "fixtures.h"
#include "gui/mainwindow/simplifiedmodel.h"
#include "widgettest.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace tavix;
using namespace tavix::gui;

namespace {

QLocale localeWith(QChar sep)
{
    return sep == QLatin1Char(',') ? QLocale(QLocale::German, QLocale::Germany)
                                   : QLocale(QLocale::English, QLocale::UnitedStates);
}

template<typename T = QWidget> T *child(QWidget &window, const QString &name)
{
    T *w = window.findChild<T *>(name);
    if (!w)
        qFatal("control %s missing", qPrintable(name));
    return w;
}

template<typename T = QWidget> T *child(QWidget &window, const char *name)
{
    return child<T>(window, QString::fromLatin1(name));
}

void retype(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// The worked example in the window, with one input left out when asked.
void loadWorkedExample(TSimplifiedModel &window, QChar sep)
{
    window.model() = fixtures::workedExample(sep);
    window.refreshFromModel();
    window.session().Recalculate();
}

QStringList resultCommandStates(QWidget &w)
{
    QStringList states;
    for (const char *name : {"SpeedButtonPrint", "btn_Results", "button_Variant"})
        states << QString::number(child(w, QString::fromLatin1(name))->isEnabled());
    for (const char *name : {"FilePrintItem", "Berechnungsergebnisse1", "Variantenuntersuchung1"})
        states << QString::number(w.findChild<QAction *>(QString::fromLatin1(name))->isEnabled());
    return states;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(localeWith(QLatin1Char(','))); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }

    void freshWindowListsSeventeenMissingInputs()
    {
        ScriptedInteraction dialogs;
        TSimplifiedModel w;
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral(" Tavix-Schallschutz Rechner (Version 2.0)"));
        QVERIFY(child(w, "panel_errorMsg")->isVisible());
        QVERIFY(!child(w, "panel_results")->isVisible());
        const QStringList lines =
            child<QPlainTextEdit>(w, "memo_error")->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 4 + 17);
        QCOMPARE(lines.at(4), QStringLiteral("       Trennbauteil: keine Fläche vorhanden"));
        QCOMPARE(lines.last(), QStringLiteral("       Flächenmasse Flanke 4 / Raum 2 < 80 kg/m²"));
        QCOMPARE(resultCommandStates(w), QStringList(6, QStringLiteral("0")));
        QCOMPARE(child<QLabel>(w, "label_Rges")->text(), QStringLiteral("$$.$ [dB]"));
        QCOMPARE(child<QLabel>(w, "label_DnTW")->text(), QStringLiteral("--- [dB]"));
        QCOMPARE(child<QLineEdit>(w, "edit_A")->text(), QStringLiteral("0,00"));
        QCOMPARE(child<QLineEdit>(w, "edit_FF2_1")->text(), QStringLiteral("1,00"));
        QVERIFY(!child(w, "edit_FF2_1")->isVisible());
        QVERIFY(!child(w, "Button_F1_2")->isEnabled());
        QVERIFY(!child(w, "Button_TB_VS1clear")->isEnabled());
        QVERIFY(!w.findChild<QAction *>(QStringLiteral("Insert"))->isEnabled());
        QVERIFY(!w.findChild<QAction *>(QStringLiteral("InsertVS"))->isEnabled());
        QVERIFY(child(w, "Image1")->isVisible());
        QVERIFY(!child(w, "Image2")->isVisible());
        QVERIFY(w.model().Saved);
        QCOMPARE(dialogs.recorded.size(), 0);
    }

    void controlsCarryTheirTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        const QString memoHint = QStringLiteral(" Bauteilaufbau kopieren, einfügen mit rechter Maustaste ");
        const QString liningHint = QStringLiteral(" Vorsatzschale kopieren, einfügen mit rechter Maustaste ");
        QTest::newRow("new") << "SpeedButtonNew"
                             << ""
                             << " Neues Projekt (alle Eingaben rücksetzen) ";
        QTest::newRow("open") << "SpeedButtonOpen"
                              << ""
                              << " Neues Projekt öffnen ";
        QTest::newRow("save") << "SpeedButtonSave"
                              << ""
                              << " Projekt speichern unter... ";
        QTest::newRow("print") << "SpeedButtonPrint"
                               << ""
                               << " Druckvorschau ";
        QTest::newRow("variants") << "button_Variant"
                                  << ""
                                  << " Variantenuntersuchung ";
        QTest::newRow("results") << "btn_Results"
                                 << ""
                                 << " detaillierte Berechnungsergebnisse ";
        QTest::newRow("manual") << "SpeedButtonHandbuch"
                                << ""
                                << " Programmbedienung ";
        QTest::newRow("basics") << "SpeedButtonBerechnungsgrundlagen"
                                << ""
                                << " Berechnungsgrundlagen ";
        QTest::newRow("tips") << "SpeedButtonTavixTipps"
                              << ""
                              << " Tavix Praxistipps ";
        QTest::newRow("help basics") << "SpeedButton3"
                                     << "?"
                                     << " Hilfe Berechnungsgrundlagen ";
        QTest::newRow("file caption") << "lb_Datei"
                                      << "Projektdatei:"
                                      << "";
        QTest::newRow("horizontal") << "rg_horizontal"
                                    << "horizontal (Wand) "
                                    << "";
        QTest::newRow("vertical") << "rg_vertikal"
                                  << "vertikal (Decke/Boden) "
                                  << "";
        QTest::newRow("build-up TB") << "Button_TB"
                                     << "Bauteilaufbau"
                                     << "";
        QTest::newRow("build-up F4_2") << "Button_F4_2"
                                       << "Bauteilaufbau"
                                       << "";
        QTest::newRow("memo TB") << "Memo_TB"
                                 << "" << memoHint;
        QTest::newRow("memo F3_1") << "Memo_F3_1"
                                   << "" << memoHint;
        QTest::newRow("lining TB") << "Button_TB_VS2"
                                   << "Vorsatzschale"
                                   << "";
        QTest::newRow("lining flank") << "Button_VS1_1"
                                      << "&Vorsatzschale"
                                      << "";
        QTest::newRow("clear TB") << "Button_TB_VS1clear"
                                  << "löschen"
                                  << "";
        QTest::newRow("clear flank") << "Button_VS4_2clear"
                                     << "löschen"
                                     << "";
        QTest::newRow("lining text") << "edit_VS0_1"
                                     << "" << liningHint;
        QTest::newRow("lining text flank") << "edit_VS3_2"
                                           << "" << liningHint;
        QTest::newRow("junction") << "button_Stoss2"
                                  << " Stoßstelle"
                                  << "Stoßstelle";
        QTest::newRow("identical") << "chk_id_F4"
                                   << "identisch zu Raum 1"
                                   << "";
        QTest::newRow("flank area") << "label_FF2_1"
                                    << "Flankenfläche [m²]:"
                                    << "";
        QTest::newRow("room strip") << "label_room0_1"
                                    << " Raum 1"
                                    << "";
        QTest::newRow("direction 1") << "rg_DnTW1"
                                     << "Raum 1 --> Raum 2"
                                     << "";
        QTest::newRow("direction 2") << "rg_DnTW2"
                                     << "Raum 2 --> Raum 1"
                                     << "";
        QTest::newRow("R'w") << "label_Rges"
                             << "$$.$ [dB]"
                             << " bewertetes Bau-Schalldämm-Maß ";
        QTest::newRow("note")
            << "lb_AnmDnTW"
            << "ANMERKUNG:                 Richtung zur Bestimmung von DnT,w ist nicht normgerecht ! "
               "(Normrichtung: vom größeren Raumvolumen zum kleineren)"
            << "";
        QTest::newRow("direct index") << "label_VS"
                                      << "(ohne Vorsatzschalen und Nebenwegen)"
                                      << "";
        QTest::newRow("picture") << "Image1"
                                 << ""
                                 << " Rechte Maustaste: Grafik in Zwischenablage kopieren ";
        QTest::newRow("homepage") << "PanelTavix"
                                  << ""
                                  << " Homepage Tavix-Info GmbH ";
    }

    void controlsCarryTheirTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        ScriptedInteraction dialogs;
        TSimplifiedModel w;
        QWidget *control = child(w, name);
        if (!text.isEmpty()) {
            QString shown;
            if (auto *b = qobject_cast<QAbstractButton *>(control))
                shown = b->text();
            else if (auto *l = qobject_cast<QLabel *>(control))
                shown = l->text();
            QCOMPARE(shown, text);
        }
        QCOMPARE(control->toolTip(), toolTip);
    }

    void menusCarryTheirEntries()
    {
        ScriptedInteraction dialogs;
        TSimplifiedModel w;
        QStringList menus;
        for (QAction *menu : w.menuBar()->actions()) {
            QStringList entries;
            for (QAction *entry : menu->menu()->actions())
                entries << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
            menus << menu->text() + QStringLiteral(": ") + entries.join(QStringLiteral(" | "));
        }
        QCOMPARE(
            menus,
            (QStringList{
                QStringLiteral(
                    "&Datei: &Neu | &Öffnen... | &Speichern | &Speichern unter... | - | &Druckvorschau | - | "
                    "&Beenden"),
                QStringLiteral("Ein&stellungen: Firmendaten editieren"),
                QStringLiteral("&Ergebnisse: Berechnungsergebnisse | Variantenuntersuchung | "
                               "Nachweis und Übertragungswege"),
                QStringLiteral("&Info: Haftung | Impressum"),
                QStringLiteral(
                    "&Handbuch: Programmbedienung (pdf-Datei) | Berechnungsgrundlagen (pdf-Datei) | "
                    "Tavix Praxistipps (pdf-Datei) "),
            }));
        QStringList tabs;
        auto *pages = w.findChild<QTabWidget *>(QStringLiteral("PageControl"));
        for (int i = 0; i < pages->count(); ++i)
            tabs << pages->widget(i)->objectName() + QLatin1Char('=') + pages->tabText(i);
        QCOMPARE(tabs,
                 (QStringList{QStringLiteral("TabSheet_0=Trennbauteil"),
                              QStringLiteral("TabSheet_1=Flanke 1"), QStringLiteral("TabSheet_2=Flanke 2"),
                              QStringLiteral("TabSheet_3=Flanke 3"), QStringLiteral("TabSheet_4=Flanke 4")}));
    }

    void keyFilter_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        // A point typed with a comma locale is entered as the comma, not dropped ("125").
        QTest::newRow("comma locale turns point into comma") << ","
                                                             << "12.5"
                                                             << "12,5";
        QTest::newRow("comma locale takes one separator") << ","
                                                          << "1,2,5"
                                                          << "1,25";
        QTest::newRow("point locale takes one separator") << "."
                                                          << "1.2,5"
                                                          << "1.25";
        QTest::newRow("comma locale keeps comma") << ","
                                                  << "12,5"
                                                  << "12,5";
        QTest::newRow("point locale turns comma") << "."
                                                  << "12,5"
                                                  << "12.5";
        QTest::newRow("point locale keeps point") << "."
                                                  << "12.5"
                                                  << "12.5";
        QTest::newRow("letters and blanks dropped") << ","
                                                    << "1a 2-"
                                                    << "12";
    }

    void keyFilter()
    {
        QFETCH(QString, separator);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLocale::setDefault(localeWith(separator.at(0)));
        ScriptedInteraction dialogs;
        TSimplifiedModel w;
        w.show();
        auto *edit = child<QLineEdit>(w, "edit_A");
        retype(edit, typed);
        QCOMPARE(edit->text(), shown);
        QCOMPARE(w.model().fields.A, shown);
        QCOMPARE(dialogs.recorded.size(), 0);
        QVERIFY(!w.model().Saved);
        QVERIFY(!w.model().Messages.contains(QStringLiteral(" Trennbauteil: keine Fläche vorhanden")));
    }

    void lastInputShowsResultsInOneStep_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::newRow("comma") << ",";
        QTest::newRow("point") << ".";
    }

    void lastInputShowsResultsInOneStep()
    {
        QFETCH(QString, separator);
        const QChar sep = separator.at(0);
        QLocale::setDefault(localeWith(sep));
        ScriptedInteraction dialogs;
        TSimplifiedModel w;
        w.show();
        ProjectModel example = fixtures::workedExample(sep);
        example.fields.LF[4] = QStringLiteral("0");
        w.model() = example;
        w.refreshFromModel();
        w.session().Recalculate();
        QCOMPARE(w.model().Messages,
                 QStringList{QStringLiteral(" Flanke 4: keine gemeinsame Kantenlänge vorhanden")});
        QVERIFY(child(w, "panel_errorMsg")->isVisible());

        QSignalSpy spy(&w.session(), &ProjectSession::recalculated);
        retype(child<QLineEdit>(w, "edit_LF4"), QStringLiteral("4") + sep + QStringLiteral("8"));
        QCOMPARE(spy.count(), 3);
        QVERIFY(!child(w, "panel_errorMsg")->isVisible());
        QVERIFY(child(w, "panel_results")->isVisible());
        QCOMPARE(resultCommandStates(w), QStringList(6, QStringLiteral("1")));
        auto shown = [sep](const char *text) {
            return QString::fromUtf8(text).replace(QLatin1Char('.'), sep);
        };
        QCOMPARE(child<QLabel>(w, "label_Rges")->text(), shown("51.8 [dB]"));
        QCOMPARE(child<QLabel>(w, "label_Ri0")->text(), shown("54.2 [dB]"));
        QCOMPARE(child<QLabel>(w, "label_Ri2")->text(), shown("60.3 [dB]"));
        QCOMPARE(child<QLabel>(w, "label_DnTW")->text(), shown("52.8 [dB]"));
        QVERIFY(child<QRadioButton>(w, "rg_DnTW1")->isChecked());
        QVERIFY(!child(w, "panel_DnTW")->isVisible());
        QCOMPARE(dialogs.recorded.size(), 0);
    }

    void emptiedNumberFieldsRestoreAtOnce()
    {
        ScriptedInteraction dialogs;
        TSimplifiedModel w;
        w.show();
        loadWorkedExample(w, QLatin1Char(','));
        w.model().Stoss[1] = QStringLiteral("LSb_ohneTrennung");
        w.refreshFromModel();
        w.findChild<QTabWidget *>(QStringLiteral("PageControl"))->setCurrentIndex(1);

        QSignalSpy spy(&w.session(), &ProjectSession::recalculated);
        auto *area = child<QLineEdit>(w, "edit_FF1_1");
        QVERIFY(area->isVisible());
        area->setFocus();
        area->selectAll();
        QTest::keyClick(area, Qt::Key_Backspace);
        QCOMPARE(area->text(), QStringLiteral("1"));
        QCOMPARE(w.model().fields.FF[1][1], QStringLiteral("1"));
        QCOMPARE(spy.count(), 1); // the write of "1" starts no further recalculation

        auto *a = child<QLineEdit>(w, "edit_A");
        a->clear();
        QCOMPARE(a->text(), QStringLiteral("0"));
        QCOMPARE(w.model().Messages.value(0), QStringLiteral(" Trennbauteil: keine Fläche vorhanden"));
        QVERIFY(child(w, "panel_errorMsg")->isVisible());
        QCOMPARE(spy.count(), 2);
    }

    void hiddenFlankAreaZeroReadsOneAfterRecalculation()
    {
        ScriptedInteraction dialogs;
        TSimplifiedModel w;
        w.model().fields.FF[3][2] = QStringLiteral("0");
        w.session().Recalculate();
        QCOMPARE(child<QLineEdit>(w, "edit_FF3_2")->text(), QStringLiteral("1"));
    }

    void notANumberStopsWithTheConversionMessage()
    {
        ScriptedInteraction dialogs;
        TSimplifiedModel w;
        w.show();
        loadWorkedExample(w, QLatin1Char(','));
        const QString before = child<QLabel>(w, "label_Rges")->text();
        child<QLineEdit>(w, "edit_L1")->setText(QStringLiteral("1,2,3")); // pasted, not filtered
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("'1,2,3' ist kein gültiger Fließkommawert")});
        QCOMPARE(dialogs.recorded.first().kind, MessageKind::Error);
        QCOMPARE(child<QLabel>(w, "label_Rges")->text(), before);
        QVERIFY(w.model().Calculated);
    }

    void directionNote()
    {
        ScriptedInteraction dialogs;
        TSimplifiedModel w;
        w.show();
        ProjectModel example = fixtures::workedExample(QLatin1Char(','));
        example.fields.Vol1 = QStringLiteral("40");
        example.fields.Vol2 = QStringLiteral("60");
        w.model() = example;
        w.refreshFromModel();
        w.session().Recalculate();
        auto *towards2 = child<QRadioButton>(w, "rg_DnTW1");
        auto *towards1 = child<QRadioButton>(w, "rg_DnTW2");
        auto *note = child<QLabel>(w, "lb_AnmDnTW");
        QVERIFY(towards1->isChecked());
        QVERIFY(!note->isVisible());
        const bool saved = w.model().Saved;

        QTest::mouseClick(towards2, Qt::LeftButton);
        QVERIFY(note->isVisible());
        QCOMPARE(child<QLabel>(w, "label_DnTW")->text(), formatResult(w.model().DnTw12, QLatin1Char(',')));
        QCOMPARE(w.model().Saved, saved);

        QTest::mouseClick(towards1, Qt::LeftButton);
        QVERIFY(!note->isVisible());
        QCOMPARE(child<QLabel>(w, "label_DnTW")->text(), formatResult(w.model().DnTw21, QLatin1Char(',')));

        // A missing volume covers the row with the hint.
        child<QLineEdit>(w, "edit_Vol2")->clear();
        QVERIFY(child(w, "panel_DnTW")->isVisible());
        QVERIFY(!towards2->isVisible());
    }

    void flankAreaFieldsFollowCornerJunctions_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("room1");
        QTest::addColumn<bool>("room2");
        QTest::newRow("T-junction") << "TS_TrennungR1" << false << false;
        QTest::newRow("cross junction") << "KS_ohneTrennung" << false << false;
        QTest::newRow("corner A") << "LSa_ohneTrennung" << false << true;
        QTest::newRow("corner B") << "LSb_TrennungR1R2" << true << false;
    }

    void flankAreaFieldsFollowCornerJunctions()
    {
        QFETCH(QString, code);
        QFETCH(bool, room1);
        QFETCH(bool, room2);
        ScriptedInteraction dialogs;
        TSimplifiedModel w;
        w.show();
        w.findChild<QTabWidget *>(QStringLiteral("PageControl"))->setCurrentIndex(3);
        w.model().Stoss[3] = code;
        w.refreshFromModel();
        QCOMPARE(child(w, "edit_FF3_1")->isVisible(), room1);
        QCOMPARE(child(w, "label_FF3_1")->isVisible(), room1);
        QCOMPARE(child(w, "edit_FF3_2")->isVisible(), room2);
        QCOMPARE(child(w, "label_FF3_2")->isVisible(), room2);
        w.model().Stoss[3] = QString::fromLatin1(DefaultJunctionCode);
        w.refreshFromModel();
        QVERIFY(!child(w, "edit_FF3_1")->isVisible());
        QVERIFY(!child(w, "edit_FF3_2")->isVisible());
    }

    void identicalToRoom1CopiesAndLocks()
    {
        ScriptedInteraction dialogs;
        TSimplifiedModel w;
        w.show();
        loadWorkedExample(w, QLatin1Char(','));
        w.findChild<QTabWidget *>(QStringLiteral("PageControl"))->setCurrentIndex(2);
        auto *box = child<QCheckBox>(w, "chk_id_F2");
        const char *room2Controls[] = {"Button_F2_2", "Button_VS2_2", "Memo_F2_2", "edit_VS2_2"};

        box->click();
        QVERIFY(!w.model().IdF[2]);
        for (const char *name : room2Controls)
            QVERIFY2(child(w, QString::fromLatin1(name))->isEnabled(), name);
        QVERIFY(!child(w, "Button_VS2_2clear")->isEnabled()); // no lining in room 2

        // Room 2 is given its own values meanwhile, room 1 changes too.
        ProjectModel &m = w.model();
        m.buildUp[2][2].m = 120;
        m.fields.VS[2][2] = QStringLiteral("eigene / f = 90Hz");
        m.f0[2][2] = 90;
        m.buildUp[2][1].m = 300;
        m.buildUp[2][1].Rw = 54.3L;
        m.fields.Memo[2][1] = QStringList{QStringLiteral("a"), QStringLiteral("b"), QString()};
        m.fields.VS[2][1] = QStringLiteral("Raum 1 / f = 85Hz");
        m.f0[2][1] = 85;
        w.refreshFromModel();
        QVERIFY(child(w, "Button_VS2_2clear")->isEnabled());

        w.model().Saved = true;
        box->click();
        QVERIFY(m.IdF[2]);
        QCOMPARE(m.buildUp[2][2], m.buildUp[2][1]);
        QCOMPARE(m.f0[2][2], 85);
        QCOMPARE(child<QLineEdit>(w, "edit_VS2_2")->text(), QStringLiteral("Raum 1 / f = 85Hz"));
        QCOMPARE(child<QPlainTextEdit>(w, "Memo_F2_2")->toPlainText(), QStringLiteral("a\nb\n"));
        for (const char *name : room2Controls)
            QVERIFY2(!child(w, QString::fromLatin1(name))->isEnabled(), name);
        QVERIFY(!child(w, "Button_VS2_2clear")->isEnabled());
        QVERIFY(!m.Saved);
        QVERIFY(m.Calculated);
    }

    void namesFollowAndRestore()
    {
        ScriptedInteraction dialogs;
        TSimplifiedModel w;
        w.show();
        auto *tabs = w.findChild<QTabWidget *>(QStringLiteral("PageControl"));
        tabs->setCurrentIndex(3);
        auto *flank = child<QLineEdit>(w, "edit_Flanke3");
        retype(flank, QStringLiteral("Wand & Decke"));
        QCOMPARE(tabs->tabText(3), QStringLiteral("Wand && Decke"));
        QCOMPARE(child<QLabel>(w, "label_resF3")->text(), QStringLiteral("Wand & Decke"));
        QCOMPARE(w.model().fields.Flanke[3], QStringLiteral("Wand & Decke"));
        QVERIFY(!w.model().Saved);
        flank->clear();
        QCOMPARE(flank->text(), QStringLiteral("Flanke 3"));
        QCOMPARE(tabs->tabText(3), QStringLiteral("Flanke 3"));
        QCOMPARE(w.model().fields.Flanke[3], QStringLiteral("Flanke 3"));

        auto *room = child<QLineEdit>(w, "edit_room2");
        retype(room, QStringLiteral("Schlafen"));
        QCOMPARE(child<QLabel>(w, "label_room4_2")->text(), QStringLiteral(" Schlafen"));
        room->clear();
        QCOMPARE(room->text(), QStringLiteral("Raum 2"));
        QCOMPARE(w.model().fields.room2, QStringLiteral("Raum 2"));
        for (int e = 0; e <= 4; ++e)
            QCOMPARE(child<QLabel>(w, QStringLiteral("label_room%1_2").arg(e))->text(),
                     QStringLiteral(" Raum 2"));
        QCOMPARE(child<QLabel>(w, "label_room1_1")->text(), QStringLiteral(" Raum 1"));
    }

    void orientationAndClipboard()
    {
        ScriptedInteraction dialogs;
        TSimplifiedModel w;
        w.show();
        QTest::mouseClick(child(w, "rg_vertikal"), Qt::LeftButton);
        QCOMPARE(w.model().Orientation, 1);
        QVERIFY(child(w, "Image2")->isVisible());
        QVERIFY(!child(w, "Image1")->isVisible());
        QVERIFY(!w.model().Saved);
        w.findChild<QAction *>(QStringLiteral("GrafikinZwschenablagekopieren1"))->trigger();
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), QSize(359, 359));
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32),
                 w.floorPicture().convertToFormat(QImage::Format_RGB32));

        QTest::mouseClick(child(w, "rg_horizontal"), Qt::LeftButton);
        QCOMPARE(w.model().Orientation, 0);
        w.findChild<QAction *>(QStringLiteral("GrafikinZwschenablagekopieren1"))->trigger();
        QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(371, 359));
    }

    void highlightByTabAndClick()
    {
        ScriptedInteraction dialogs;
        TSimplifiedModel w;
        w.show();
        auto *tabs = w.findChild<QTabWidget *>(QStringLiteral("PageControl"));
        QSignalSpy spy(&w.session(), &ProjectSession::recalculated);
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(2).center());
        QCOMPARE(tabs->currentIndex(), 2);
        QCOMPARE(w.model().Highlight, 2);
        QCOMPARE(spy.count(), 1);
        tabs->setCurrentIndex(4); // by keyboard: no highlight change
        QCOMPARE(w.model().Highlight, 2);
        QTest::mouseClick(child(w, "Image1"), Qt::LeftButton);
        QCOMPARE(w.model().Highlight, 0);
        QCOMPARE(spy.count(), 2);
        QVERIFY(w.model().Saved);
    }

    // A keystroke repaints the sketch only when the sketch shows what was typed.
    void sketchRepaintedOnlyWhenItsContentChanges_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("repainted");
        QTest::newRow("area of the separating element") << "edit_A" << false;
        QTest::newRow("edge length") << "edit_LF2" << false;
        QTest::newRow("volume, shown under the room name") << "edit_Vol1" << true;
        QTest::newRow("room depth") << "edit_L1" << false;
    }
    void sketchRepaintedOnlyWhenItsContentChanges()
    {
        QFETCH(QString, field);
        QFETCH(bool, repainted);
        ScriptedInteraction dialogs;
        TSimplifiedModel w;
        w.show();
        loadWorkedExample(w, QLatin1Char(','));
        auto *sketch = child<QLabel>(w, "Image1");
        const qint64 before = sketch->pixmap().cacheKey();
        QSignalSpy spy(&w.session(), &ProjectSession::recalculated);
        QTest::keyClick(child<QLineEdit>(w, field), Qt::Key_1);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(sketch->pixmap().cacheKey() != before, repainted);
    }

    void resetRecalculatesOnce()
    {
        ScriptedInteraction dialogs;
        TSimplifiedModel w;
        w.show();
        QVERIFY(w.session().openFile(QStringLiteral(TAVIX_SOURCE_DIR "/examples/worked-example.dat")));
        w.model().Stoss[2] = QStringLiteral("LSa_ohneTrennung");
        w.model().IdF[1] = false;
        w.model().fields.VS[0][1] = QStringLiteral("x / f = 80Hz");
        w.refreshFromModel();
        QVERIFY(child(w, "label_DatName")->isVisible());
        QCOMPARE(child<QLabel>(w, "label_DirRw")->text(), QStringLiteral("Direktschalldämmung: 56,4 [dB]"));

        QSignalSpy spy(&w.session(), &ProjectSession::recalculated);
        w.session().reset();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(child<QLineEdit>(w, "edit_A")->text(), QStringLiteral("0,00"));
        QCOMPARE(w.model().Messages.size(), 17);
        QVERIFY(child<QCheckBox>(w, "chk_id_F1")->isChecked());
        QVERIFY(!child(w, "Button_F1_2")->isEnabled());
        QVERIFY(!child(w, "Button_TB_VS1clear")->isEnabled());
        QVERIFY(child<QLineEdit>(w, "edit_VS0_1")->text().isEmpty());
        QVERIFY(!child(w, "edit_FF2_2")->isVisible());
        QVERIFY(!child(w, "label_DirRw")->isVisible());
        QVERIFY(!child(w, "label_DatName")->isVisible());
        QVERIFY(!child(w, "Bevel_Datei")->isVisible());
        QVERIFY(child(w, "panel_errorMsg")->isVisible());
    }
};

TAVIX_WIDGET_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
