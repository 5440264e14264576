// New, Open, Save as and closing of the main window, the file named on the command line,
// and the help commands, driven through the window with scripted dialog answers.
#include "core/io/filelayer.h"
#include "core/model/numbers.h"
#include "core/projectfile/projectfile.h"
#include "fixtures.h"
#include "gui/common/startdirectory.h"
#include "gui/help/forminfo.h"
#include "gui/help/helpdocuments.h"
#include "gui/mainwindow/simplifiedmodel.h"
#include "widgettest.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cerrno>

using namespace tavix;
using namespace tavix::gui;

namespace {

const QString OpenQuestion = QStringLiteral(
    "Das aktuelle Projekt ist nicht gespeichert!\rMöchten Sie die trotzdem ein neues Projekts öffnen?");
const QString CloseQuestion = QStringLiteral(
    "Die aktuellen Eingaben sind nicht gespeichert!\rMöchten Sie die Daten vor dem Schließen speichern?");
// Built from its parts so that the counted blanks are checked, not copied.
const QString OlderVersionMessage =
    QStringLiteral("Die eingelesene Datei wurde nicht mit der aktuellen Programmversion erstellt!") +
    QString(16, QLatin1Char(' ')) +
    QStringLiteral("\rIn der neuen Version ist zur Bestimmung von D,nTW die Angabe des Raumvolumens "
                   "hinzugekommen. \r\rWeitere Informationen sind dem Handbuch (siehe Menüleiste / "
                   "Info) zu entnehmen.") +
    QString(14, QLatin1Char(' '));

QLocale localeWith(QChar sep)
{
    return sep == QLatin1Char(',') ? QLocale(QLocale::German, QLocale::Germany)
                                   : QLocale(QLocale::English, QLocale::UnitedStates);
}

QString workedExamplePath()
{
    return QStringLiteral(TAVIX_SOURCE_DIR "/examples/worked-example.dat");
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// Everything the planner sees of a project, to tell "unchanged" from "changed".
QStringList visibleState(TSimplifiedModel &w)
{
    const MainWindowControls &ui = w.controls();
    QStringList s{ui.edit_Projekt->text(),
                  ui.edit_A->text(),
                  ui.edit_Vol1->text(),
                  ui.label_DatName->text(),
                  ui.label_Rges->text(),
                  ui.memo[0][0]->toPlainText(),
                  QString::number(!ui.label_DatName->isHidden()),
                  QString::number(w.model().Saved)};
    for (int n = 1; n <= FlankCount; ++n)
        s << ui.PageControl->tabText(n) << ui.label_Ri[n]->text();
    return s;
}

// Records what the window shows at the moment the older-version message appears.
class SnapshotInteraction final : public UserInteraction
{
public:
    explicit SnapshotInteraction(TSimplifiedModel &w) : m_window(w) { setUserInteraction(this); }
    ~SnapshotInteraction() override { setUserInteraction(nullptr); }

    QStringList messages;
    QStringList shownAtMessage;

    bool askYesNo(QWidget *, MessageKind, const QString &) override { return false; }
    void showMessage(QWidget *, MessageKind, const QString &text) override
    {
        messages << text;
        const MainWindowControls &ui = m_window.controls();
        shownAtMessage = {ui.edit_A->text(),      ui.edit_Vol1->text(),
                          ui.edit_Vol2->text(),   QString::number(ui.rg_DnTW1->isChecked()),
                          ui.label_DirRw->text(), ui.memo[0][0]->toPlainText()};
    }
    QString getOpenFileName(QWidget *, const FileDialogOptions &) override { return m_path; }
    QString getSaveFileName(QWidget *, const FileDialogOptions &) override { return {}; }
    void setOpenAnswer(const QString &path) { m_path = path; }

private:
    TSimplifiedModel &m_window;
    QString m_path;
};

} // namespace

class TestLifecycle : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_startDir;

    // A window that opened a copy of the worked example and then had its project name typed over.
    void openModifiedExample(TSimplifiedModel &w, ScriptedInteraction &dialogs, const QString &copy)
    {
        QFile::copy(workedExamplePath(), copy);
        QVERIFY(w.session().openFile(copy));
        QTest::keyClicks(w.controls().edit_Projekt, QStringLiteral(" neu"));
        QVERIFY(!w.model().Saved);
        dialogs.recorded.clear();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_startDir.isValid());
        setStartDirectory(m_startDir.path());
    }
    void init() { QLocale::setDefault(localeWith(QLatin1Char(','))); }
    void cleanup() { setShellOpener({}); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }

    void newProject_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("Nein changes nothing") << false;
        QTest::newRow("Ja resets") << true;
    }
    void newProject()
    {
        QFETCH(bool, answer);
        TSimplifiedModel w;
        ScriptedInteraction dialogs;
        openModifiedExample(w, dialogs, m_startDir.filePath(QStringLiteral("new.dat")));
        const QStringList before = visibleState(w);

        dialogs.yesNoAnswers << answer;
        w.FileNewItemClick();
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("Alle Eingaben rücksetzen ?\r  ")});
        QCOMPARE(dialogs.recorded.first().kind, MessageKind::Confirmation);
        if (!answer) {
            QCOMPARE(visibleState(w), before);
            QVERIFY(!w.controls().Bevel_Datei->isHidden());
            return;
        }
        QVERIFY(w.model().Saved);
        QVERIFY(w.session().fileName().isEmpty());
        QVERIFY(w.controls().label_DatName->isHidden());
        QVERIFY(w.controls().lb_Datei->isHidden());
        QVERIFY(w.controls().edit_Projekt->text().isEmpty());
        QVERIFY(!w.model().Calculated);
        QCOMPARE(w.controls().PageControl->currentIndex(), 0);
        QVERIFY(w.close()); // nothing to save after New
    }

    // Each command fills the window first and recalculates once at its end, and only edits
    // count as unsaved changes.
    void oneRecalculationPerCommand_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("savedAfter");
        QTest::newRow("Neu") << QStringLiteral("FileNewItemClick") << true;
        QTest::newRow("Öffnen") << QStringLiteral("FileOpenItemClick") << true;
        QTest::newRow("identisch zu Raum 1") << QStringLiteral("chk_id") << false;
        QTest::newRow("click on the sketch") << QStringLiteral("Image1Click") << true;
    }
    void oneRecalculationPerCommand()
    {
        QFETCH(QString, command);
        QFETCH(bool, savedAfter);
        ScriptedInteraction dialogs;
        TSimplifiedModel w;
        QVERIFY(w.model().Saved);
        QSignalSpy recalculated(&w.session(), &ProjectSession::recalculated);
        if (command == QLatin1String("chk_id")) {
            w.controls().chk_id[3]->click();
        } else {
            dialogs.yesNoAnswers << true;
            dialogs.openFileAnswers << workedExamplePath();
            QVERIFY(QMetaObject::invokeMethod(&w, command.toLatin1().constData()));
        }
        QCOMPARE(recalculated.count(), 1);
        QCOMPARE(w.model().Saved, savedAfter);
        QVERIFY(w.model().RecalcEnabled);
    }

    void openAsksOnlyWhenUnsaved_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("dialogShown");
        QTest::addColumn<bool>("opened");
        QTest::newRow("unsaved, Nein: no dialog") << true << false << "x.dat" << false << false;
        QTest::newRow("unsaved, Ja, cancelled") << true << true << "" << true << false;
        QTest::newRow("unsaved, Ja, opened") << true << true << "x.dat" << true << true;
        QTest::newRow("saved: no question") << false << false << "x.dat" << true << true;
    }
    void openAsksOnlyWhenUnsaved()
    {
        QFETCH(bool, modified);
        QFETCH(bool, answer);
        QFETCH(QString, chosen);
        QFETCH(bool, dialogShown);
        QFETCH(bool, opened);
        TSimplifiedModel w;
        ScriptedInteraction dialogs;
        if (modified)
            QTest::keyClicks(w.controls().edit_Projekt, QStringLiteral("Neubau"));
        const QStringList before = visibleState(w);
        const QString target = m_startDir.filePath(QStringLiteral("x.dat"));
        QFile::remove(target);
        QFile::copy(workedExamplePath(), target);

        if (modified)
            dialogs.yesNoAnswers << answer;
        dialogs.openFileAnswers << (chosen.isEmpty() ? QString() : target);
        w.FileOpenItemClick();

        QStringList types;
        for (const RecordedDialog &d : dialogs.recorded)
            types << d.type;
        QStringList expected;
        if (modified)
            expected << QStringLiteral("question");
        if (dialogShown)
            expected << QStringLiteral("open");
        QCOMPARE(types, expected);
        if (modified)
            QCOMPARE(dialogs.recorded.first().text, OpenQuestion);
        if (dialogShown) {
            const FileDialogOptions &o = dialogs.recorded.last().options;
            QCOMPARE(o.directory, m_startDir.path());
            QVERIFY(o.filter.contains(QStringLiteral("(*.dat)")));
        }
        if (!opened) {
            QCOMPARE(visibleState(w), before);
            return;
        }
        QCOMPARE(w.controls().edit_Projekt->text(), QStringLiteral("Rechenbeispiel"));
        QCOMPARE(w.controls().label_DatName->text(), target);
        QVERIFY(!w.controls().label_DatName->isHidden());
        QVERIFY(!w.controls().Bevel_Datei->isHidden());
        QCOMPARE(w.session().fileName(), target);
        QVERIFY(w.model().Saved);
        QVERIFY(w.model().Calculated);
    }

    void olderFileMessageAfterValues()
    {
        QByteArray content = readAll(workedExamplePath());
        content.replace("Version 2.0", "Version 1.5");
        const QString path = m_startDir.filePath(QStringLiteral("older.dat"));
        writeFile(path, content);

        TSimplifiedModel w;
        SnapshotInteraction dialogs(w);
        dialogs.setOpenAnswer(path);
        QSignalSpy recalculated(&w.session(), &ProjectSession::recalculated);
        w.FileOpenItemClick();

        QCOMPARE(dialogs.messages, QStringList{OlderVersionMessage});
        // The loaded values were on screen when the message appeared.
        QCOMPARE(dialogs.shownAtMessage,
                 (QStringList{QStringLiteral("12"), QStringLiteral("0"), QStringLiteral("0"),
                              QStringLiteral("1"), QStringLiteral("Direktschalldämmung: 56,4 [dB]"),
                              QStringLiteral("17,5 cm  Ziegel-Mauerwerk (2000 kg/m³)")}));
        QCOMPARE(recalculated.count(), 1);
        QVERIFY(w.model().Saved);
        QVERIFY(w.model().RecalcEnabled);
        QVERIFY(w.controls().rg_DnTW1->isChecked());
    }

    void directionFollowsVolumes_data()
    {
        QTest::addColumn<QString>("vol1");
        QTest::addColumn<QString>("vol2");
        QTest::addColumn<bool>("room2ToRoom1");
        QTest::newRow("Vol1 > Vol2") << "60"
                                     << "48" << false;
        QTest::newRow("Vol1 < Vol2") << "48"
                                     << "60" << true;
        // Equal volumes: the recalculation picks its normative direction, room 2 to room 1.
        QTest::newRow("equal") << "50"
                               << "50" << true;
    }
    void directionFollowsVolumes()
    {
        QFETCH(QString, vol1);
        QFETCH(QString, vol2);
        QFETCH(bool, room2ToRoom1);
        ProjectModel model = fixtures::workedExample();
        model.fields.Vol1 = vol1;
        model.fields.Vol2 = vol2;
        // Opened while the other direction is chosen: the file decides, not the window.
        const QString path = m_startDir.filePath(QStringLiteral("volumes.dat"));
        QCOMPARE(saveProject(model, path, QLatin1Char('.')), QString());

        TSimplifiedModel w;
        ScriptedInteraction dialogs;
        (room2ToRoom1 ? w.controls().rg_DnTW1 : w.controls().rg_DnTW2)->click();
        QVERIFY(w.session().openFile(path));
        QCOMPARE(w.controls().rg_DnTW2->isChecked(), room2ToRoom1);
        QCOMPARE(w.controls().rg_DnTW1->isChecked(), !room2ToRoom1);
        const long double shown = room2ToRoom1 ? w.model().DnTw21 : w.model().DnTw12;
        QCOMPARE(w.controls().label_DnTW->text(), formatResult(shown, QLatin1Char(',')));
        QVERIFY(dialogs.recorded.isEmpty());
    }

    void windowBroughtUpToDate()
    {
        ProjectModel model = fixtures::workedExample();
        model.fields.Flanke[2] = QStringLiteral("Außenwand & Fenster");
        model.IdF[2] = false;
        model.Stoss[3] = QStringLiteral("LSa_ohneTrennung");
        model.fields.FF[3][2] = QStringLiteral("7.5");
        model.fields.VS[1][2] = QStringLiteral("Vorsatzschale / f = 80Hz");
        model.f0[1][2] = 80;
        model.IdF[1] = false;
        model.fields.VS[4][2] = QStringLiteral("Vorsatzschale / f = 80Hz");
        model.f0[4][2] = 80; // flank 4 stays identical: its room-2 "löschen" stays disabled
        model.buildUp[1][1] = {};
        model.buildUp[1][1].Konstrukt = 1;
        model.buildUp[1][1].d2 = 24;
        model.buildUp[1][1].roh2 = 1400;
        model.buildUp[1][1].schichtName2 = QStringLiteral("Kalksandstein");
        const QString path = m_startDir.filePath(QStringLiteral("uptodate.dat"));
        QCOMPARE(saveProject(model, path, QLatin1Char('.')), QString());

        TSimplifiedModel w;
        ScriptedInteraction dialogs;
        w.model().ResultsShown = true; // the results window is open and must keep following
        QVERIFY(w.session().openFile(path));
        QVERIFY(w.model().ResultsShown);
        const MainWindowControls &ui = w.controls();
        QCOMPARE(ui.PageControl->tabText(0), QStringLiteral("Trennbauteil"));
        QCOMPARE(ui.PageControl->tabText(2), QStringLiteral("Außenwand && Fenster"));
        QVERIFY(!ui.chk_id[2]->isChecked());
        QVERIFY(ui.buildUpButton[2][2]->isEnabled());
        QVERIFY(ui.chk_id[3]->isChecked());
        QVERIFY(!ui.buildUpButton[3][2]->isEnabled());
        QVERIFY(!ui.liningButton[3][2]->isEnabled());
        QVERIFY(!ui.memo[3][2]->isEnabled());
        QVERIFY(ui.liningClear[1][2]->isEnabled());
        QVERIFY(!ui.liningClear[1][1]->isEnabled());
        QVERIFY(!ui.liningClear[4][2]->isEnabled());
        QVERIFY(!ui.flankArea[3][2]->isHidden());
        QVERIFY(ui.flankArea[3][1]->isHidden());
        QVERIFY(ui.flankArea[1][2]->isHidden());
        QCOMPARE(ui.flankArea[3][2]->text(), QStringLiteral("7,5"));
        QCOMPARE(ui.memo[1][1]->toPlainText(), QStringLiteral("Kalksandstein"));
        QCOMPARE(ui.label_DirRw->text(), QStringLiteral("Direktschalldämmung: 56,4 [dB]"));
        QVERIFY(!ui.label_DirRw->isHidden());
        QVERIFY(!ui.label_VS->isHidden());
        QVERIFY(dialogs.recorded.isEmpty());
    }

    void closePrompt_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("prompted");
        QTest::newRow("typing in edit_Projekt") << "type" << true;
        QTest::newRow("pasting a build-up") << "paste" << true;
        QTest::newRow("changing the DnT,w direction") << "direction" << false;
    }
    void closePrompt()
    {
        QFETCH(QString, action);
        QFETCH(bool, prompted);
        TSimplifiedModel w;
        w.show();
        ScriptedInteraction dialogs;
        QVERIFY(w.session().openFile(workedExamplePath()));
        dialogs.saveFileAnswers << m_startDir.filePath(QStringLiteral("closing.dat"));
        w.save_asClick();
        QVERIFY(w.model().Saved);

        if (action == QLatin1String("type")) {
            QTest::keyClicks(w.controls().edit_Projekt, QStringLiteral("x"));
        } else if (action == QLatin1String("paste")) {
            w.Memo_TBaMouseDown(1, 1);
            w.copyClick();
            w.Memo_TBaMouseDown(2, 1);
            w.InsertClick();
        } else {
            w.controls().rg_DnTW2->click();
        }
        dialogs.recorded.clear();
        dialogs.yesNoCancelAnswers << Answer::No; // "&Nein": close without saving
        QVERIFY(w.close());
        QCOMPARE(dialogs.texts(), prompted ? QStringList{CloseQuestion} : QStringList{});
        QCOMPARE(dialogs.unexpected, 0);
    }

    void closePromptJaKeepsWindow()
    {
        TSimplifiedModel w;
        w.show();
        ScriptedInteraction dialogs;
        QTest::keyClicks(w.controls().edit_Projekt, QStringLiteral("Neubau"));
        const QStringList before = visibleState(w);
        dialogs.yesNoCancelAnswers << Answer::Yes;
        w.FileExitItemClick();
        QVERIFY(w.isVisible());
        QCOMPARE(dialogs.texts(), QStringList{CloseQuestion});
        QCOMPARE(dialogs.recorded.first().kind, MessageKind::Confirmation);
        QCOMPARE(visibleState(w), before); // nothing saved, nothing reset
        QVERIFY(!w.model().Saved);

        // The close button asks again.
        QCloseEvent event;
        dialogs.yesNoCancelAnswers << Answer::No;
        QCoreApplication::sendEvent(&w, &event);
        QVERIFY(event.isAccepted());
        QCOMPARE(dialogs.recorded.size(), 2);
    }

    // Escape in the real message box of each question keeps the project and the study.
    void escapeKeepsEverything_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<bool>("study"); // the variant study holds a variant
        QTest::newRow("Beenden") << QByteArray("FileExitItemClick") << false;
        QTest::newRow("Beenden with a study") << QByteArray("FileExitItemClick") << true;
        QTest::newRow("Neu") << QByteArray("FileNewItemClick") << false;
        QTest::newRow("Öffnen") << QByteArray("FileOpenItemClick") << false;
    }
    void escapeKeepsEverything()
    {
        QFETCH(QByteArray, command);
        QFETCH(bool, study);
        TSimplifiedModel w;
        w.show();
        ScriptedInteraction dialogs;
        openModifiedExample(w, dialogs, m_startDir.filePath(QStringLiteral("escape.dat")));
        if (study) {
            w.button_VariantClick();
            w.findChild<QAbstractButton *>(QStringLiteral("btn_AddVariant"))->click();
        }
        auto *list = w.findChild<QPlainTextEdit *>(QStringLiteral("memo_Variant"));
        const QStringList before = visibleState(w) << (list ? list->toPlainText() : QString());

        setUserInteraction(nullptr); // the real dialogs, each answered with Escape
        QStringList shown;
        QTimer escape;
        connect(&escape, &QTimer::timeout, [&shown] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                shown << QString::fromLatin1(modal->metaObject()->className());
                QTest::keyClick(modal, Qt::Key_Escape);
            }
        });
        escape.start(10);
        QVERIFY(QMetaObject::invokeMethod(&w, command.constData()));
        setUserInteraction(&dialogs);

        QCOMPARE(shown, QStringList{QStringLiteral("QMessageBox")});
        QVERIFY(w.isVisible());
        QCOMPARE(visibleState(w) << (list ? list->toPlainText() : QString()), before);
    }

    void saveAs_data()
    {
        QTest::addColumn<QString>("answer");   // relative to the start directory; "" cancels
        QTest::addColumn<QString>("expected"); // the file written; "" none
        QTest::addColumn<int>("fault");        // errno of a failing flush, 0 none
        QTest::newRow("cancelled") << ""
                                   << "" << 0;
        QTest::newRow("no extension gets .dat") << "ohne"
                                                << "ohne.dat" << 0;
        QTest::newRow("with extension") << "mit.dat"
                                        << "mit.dat" << 0;
        QTest::newRow("folder missing: error") << "fehlt/p.dat"
                                               << "" << 0;
        QTest::newRow("target is a folder: error") << "ordner.dat"
                                                   << "" << 0;
        // The disk fills while the last bytes are written: the old file stays as it was.
        QTest::newRow("disk full over the open file") << "saved-before.dat"
                                                      << "" << ENOSPC;
    }
    void saveAs()
    {
        QFETCH(QString, answer);
        QFETCH(QString, expected);
        QFETCH(int, fault);
        TSimplifiedModel w;
        ScriptedInteraction dialogs;
        const QString opened = m_startDir.filePath(QStringLiteral("saved-before.dat"));
        openModifiedExample(w, dialogs, opened);
        const QByteArray before = readAll(opened);
        QDir(m_startDir.path()).mkdir(QStringLiteral("ordner.dat"));
        QSignalSpy recalculated(&w.session(), &ProjectSession::recalculated);

        dialogs.saveFileAnswers << (answer.isEmpty() ? QString() : m_startDir.filePath(answer));
        setWriteFaultHookForTesting([fault](WriteStep step) { return step == WriteStep::Flush ? fault : 0; });
        w.save_asClick();
        setWriteFaultHookForTesting({});

        QCOMPARE(dialogs.recorded.first().type, QStringLiteral("save"));
        const FileDialogOptions &o = dialogs.recorded.first().options;
        QCOMPARE(o.directory, m_startDir.path());
        QVERIFY(o.filter.contains(QStringLiteral("(*.dat)")));
        QCOMPARE(o.defaultSuffix, QStringLiteral("dat"));
        QCOMPARE(recalculated.count(), 0);
        QVERIFY(w.model().RecalcEnabled);
        if (expected.isEmpty()) {
            QCOMPARE(w.model().Saved, false);
            QCOMPARE(w.controls().label_DatName->text(), opened);
            QCOMPARE(w.session().fileName(), opened);
            QCOMPARE(dialogs.recorded.size(), answer.isEmpty() ? 1 : 2); // the error when writing failed
            if (!answer.isEmpty())
                QCOMPARE(dialogs.recorded.last().kind, MessageKind::Error);
            if (fault)
                QCOMPARE(dialogs.recorded.last().text,
                         fileWriteErrorText(opened,
                                            QStringLiteral("Kapazität der Diskette/Festplatte erschöpft")));
            QCOMPARE(readAll(opened), before);
            return;
        }
        const QString written = m_startDir.filePath(expected);
        QVERIFY(w.model().Saved);
        QCOMPARE(w.controls().label_DatName->text(), written);
        QCOMPARE(w.session().fileName(), written);
        QCOMPARE(readAll(written).count("\r\n"), ProjectFileLineCount);

        // What was typed comes back.
        TSimplifiedModel other;
        QVERIFY(other.session().openFile(written));
        QCOMPARE(other.controls().edit_Projekt->text(), QStringLiteral("Rechenbeispiel neu"));
        QCOMPARE(other.controls().label_Rges->text(), w.controls().label_Rges->text());
    }

    void unreadableFileKeepsProject_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: the file does not exist
        QTest::addColumn<QString>("error");
        QTest::newRow("missing file") << QByteArray() << QStringLiteral("Datei nicht gefunden");
        QByteArray broken = readAll(workedExamplePath());
        broken.replace("\r\n12.000\r\n", "\r\nzwölf\r\n");
        QTest::newRow("number that is none") << broken << QStringLiteral("Ungültige numerische Eingabe");
    }
    void unreadableFileKeepsProject()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, error);
        TSimplifiedModel w;
        ScriptedInteraction dialogs;
        openModifiedExample(w, dialogs, m_startDir.filePath(QStringLiteral("open-before.dat")));
        const QStringList before = visibleState(w);
        const QString path = m_startDir.filePath(QStringLiteral("broken.dat"));
        QFile::remove(path);
        if (!content.isEmpty())
            writeFile(path, content);

        dialogs.yesNoAnswers << true;
        dialogs.openFileAnswers << path;
        w.FileOpenItemClick();

        QCOMPARE(dialogs.recorded.last().type, QStringLiteral("message"));
        QCOMPARE(dialogs.recorded.last().kind, MessageKind::Error);
        QCOMPARE(dialogs.recorded.last().text, fileReadErrorText(path, error));
        QCOMPARE(visibleState(w), before);
        QVERIFY(!w.model().Saved);
        QVERIFY(w.model().RecalcEnabled);
        // The project still reacts to edits as before.
        QTest::keyClicks(w.controls().edit_A, QStringLiteral("0"));
        QVERIFY(w.controls().label_Rges->text() != before.at(4));
    }

    // What the start-up does with the file named on the command line.
    void commandLineFile()
    {
        TSimplifiedModel fresh;
        ScriptedInteraction dialogs;
        const QString missing = m_startDir.filePath(QStringLiteral("gibt-es-nicht.dat"));
        QVERIFY(!fresh.session().openFile(missing));
        QCOMPARE(dialogs.texts(),
                 QStringList{fileReadErrorText(missing, QStringLiteral("Datei nicht gefunden"))});
        QVERIFY(fresh.model().Saved);
        QVERIFY(fresh.controls().label_DatName->isHidden());
        QVERIFY(fresh.controls().edit_Projekt->text().isEmpty());

        // A relative name is shown as the full path; no question, no dialog.
        dialogs.recorded.clear();
        const QString previous = QDir::currentPath();
        QDir::setCurrent(QStringLiteral(TAVIX_SOURCE_DIR));
        TSimplifiedModel w;
        QTest::keyClicks(w.controls().edit_Projekt, QStringLiteral("ungespeichert"));
        const bool opened = w.session().openFile(QStringLiteral("examples/worked-example.dat"));
        QDir::setCurrent(previous);
        QVERIFY(opened);
        QVERIFY(dialogs.recorded.isEmpty());
        QCOMPARE(w.controls().label_DatName->text(), QFileInfo(workedExamplePath()).absoluteFilePath());
        QVERIFY(w.model().Saved);
    }

    // Every result the window shows equals the command-line output for the same file.
    void workedExampleMatchesCommandLine_data()
    {
        QTest::addColumn<QChar>("sep");
        QTest::newRow("decimal comma") << QChar(QLatin1Char(','));
        QTest::newRow("decimal point") << QChar(QLatin1Char('.'));
    }
    void workedExampleMatchesCommandLine()
    {
        QFETCH(QChar, sep);
        QLocale::setDefault(localeWith(sep));
        QProcess cli;
        cli.start(QStringLiteral(TAVIX_APP_PATH), {QStringLiteral("--json"), workedExamplePath()});
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 0);
        const QJsonObject json = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
        QVERIFY(json.value(QStringLiteral("Calculated")).toBool());

        TSimplifiedModel w;
        ScriptedInteraction dialogs;
        dialogs.openFileAnswers << workedExamplePath();
        w.FileOpenItemClick();
        QVERIFY(dialogs.recorded.size() == 1);
        const MainWindowControls &ui = w.controls();
        QCOMPARE(ui.resultArea->currentWidget(), static_cast<QWidget *>(ui.panel_results));

        auto shown = [sep](const QJsonValue &v) {
            return formatResult(static_cast<long double>(v.toDouble()), sep);
        };
        const QJsonArray rres = json.value(QStringLiteral("Rres")).toArray();
        QCOMPARE(rres.size(), ElementCount);
        for (int e = 0; e < ElementCount; ++e)
            QCOMPARE(ui.label_Ri[e]->text(), shown(rres.at(e)));
        QCOMPARE(ui.label_Rges->text(), shown(json.value(QStringLiteral("RwBau"))));
        QCOMPARE(ui.label_DirRw->text(),
                 QStringLiteral("Direktschalldämmung: ") + shown(json.value(QStringLiteral("Slots"))
                                                                     .toArray()
                                                                     .at(0)
                                                                     .toObject()
                                                                     .value(QStringLiteral("Rw"))));
        QVERIFY(ui.rg_DnTW1->isChecked());
        QCOMPARE(ui.label_DnTW->text(), shown(json.value(QStringLiteral("DnTw12"))));
        ui.rg_DnTW2->click();
        QCOMPARE(ui.label_DnTW->text(), shown(json.value(QStringLiteral("DnTw21"))));
        ui.rg_DnTW1->click();

        if (sep == QLatin1Char(',')) {
            w.resize(1440, 820);
            w.show();
            QCoreApplication::processEvents();
            w.grab().save(QStringLiteral(TAVIX_BINARY_DIR "/lifecycle-worked-example.png"));
        }
    }

    void helpDocumentsFromStartDirectory_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("Handbuch") << "HandbuchClick"
                                  << "Handbuch.pdf";
        QTest::newRow("Berechnungsgrundlagen") << "BeschreibungdesRechenverfahrenspdfFormat1Click"
                                               << "Berechungsgrundlagen.pdf";
        QTest::newRow("Praxistipps") << "TavixPraxistippsClick"
                                     << "Tavix_Praxistipps.pdf";
    }
    void helpDocumentsFromStartDirectory()
    {
        QFETCH(QString, command);
        QFETCH(QString, fileName);
        TSimplifiedModel w;
        ScriptedInteraction dialogs;
        QList<QUrl> opened;
        setShellOpener([&opened](const QUrl &url) {
            opened << url;
            return true;
        });
        writeFile(m_startDir.filePath(fileName), "%PDF-1.4\n");
        // A file dialog moved the current folder elsewhere.
        const QString previous = QDir::currentPath();
        QDir::setCurrent(QDir::tempPath());
        QVERIFY(QMetaObject::invokeMethod(&w, command.toLatin1().constData()));
        QDir::setCurrent(previous);
        QVERIFY(dialogs.recorded.isEmpty());
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.first().toLocalFile(), QDir(m_startDir.path()).absoluteFilePath(fileName));
        QFile::remove(m_startDir.filePath(fileName));
    }

    void informationWindowsReused_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Haftung") << "Internet1Click"
                                 << " Haftung";
        QTest::newRow("Impressum") << "Internet2Click"
                                   << " Impressum";
    }
    void informationWindowsReused()
    {
        QFETCH(QString, command);
        QFETCH(QString, caption);
        TSimplifiedModel w;
        w.show();
        auto windowsCaptioned = [&w, &caption] {
            QList<QDialog *> found;
            for (QDialog *d : w.findChildren<QDialog *>())
                if (d->windowTitle() == caption)
                    found << d;
            return found;
        };
        QVERIFY(QMetaObject::invokeMethod(&w, command.toLatin1().constData()));
        const QList<QDialog *> first = windowsCaptioned();
        QCOMPARE(first.size(), 1);
        QVERIFY(first.first()->isVisible());
        QVERIFY(!first.first()->isModal());
        QVERIFY(w.isEnabled());
        first.first()->close();
        QVERIFY(QMetaObject::invokeMethod(&w, command.toLatin1().constData()));
        QCOMPARE(windowsCaptioned(), first);
        QVERIFY(first.first()->isVisible());
    }

    // No homepage is configured: the logo keeps its hand and hint and opens the imprint.
    void homepageImageOpensImprint()
    {
        TSimplifiedModel w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QLabel *image = w.controls().ImageTavix;
        QCOMPARE(image->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(image->toolTip(), QStringLiteral(" Homepage Tavix-Info GmbH "));
        QTest::mouseClick(image, Qt::LeftButton);
        QDialog *imprint = nullptr;
        for (QDialog *d : w.findChildren<QDialog *>())
            if (d->windowTitle() == QLatin1String(" Impressum"))
                imprint = d;
        QVERIFY(imprint && imprint->isVisible());
        QCOMPARE(image->cursor().shape(), Qt::PointingHandCursor);
    }
};

TAVIX_WIDGET_TEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
