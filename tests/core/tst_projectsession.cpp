// The project lifecycle without a window: New, Open, Save as, Save and the question on
// closing, on saved and on changed projects, with the planner's answers from a script;
// Cancel is what Escape and the close box of a question answer.
#include "core/projectfile/projectfile.h"
#include "core/session/projectsession.h"

#include <QFile>
#include <QLockFile>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace tavix;

namespace {

const QString ResetQuestion = QStringLiteral("Alle Eingaben rücksetzen ?\r  ");
const QString OpenQuestion = QStringLiteral(
    "Das aktuelle Projekt ist nicht gespeichert!\rMöchten Sie die trotzdem ein neues Projekts öffnen?");
const QString CloseQuestion = QStringLiteral(
    "Die aktuellen Eingaben sind nicht gespeichert!\rMöchten Sie die Daten vor dem Schließen speichern?");
const QString StudyAlsoLost =
    QStringLiteral("\r\rDie Ergebnisse der Variantenuntersuchung gehen beim Schließen ebenfalls verloren.");
const QString StudyLostQuestion = QStringLiteral("Beim Schließen des Programms gehen die Angaben der "
                                                 "Variantenuntersuchung verloren!\rMöchten Sie das Programm "
                                                 "trotzdem beenden?");
constexpr Answer Ja = Answer::Yes;
constexpr Answer Nein = Answer::No;
constexpr Answer Escape = Answer::Cancel;

// Answers from a script and a log of what was asked: "?" + question, "open", "save",
// "!" for an error (its text is the file layer's), "i" + information.
class ScriptedDialogs final : public SessionDialogs
{
public:
    QList<Answer> answers; // of both kinds of question, in turn; none left answers Escape
    QString chosenFile;
    QStringList log;

    bool confirm(const QString &question) override { return ask(question) == Answer::Yes; }
    Answer ask(const QString &question) override
    {
        log << QLatin1Char('?') + question;
        return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
    }
    void inform(const QString &text) override { log << QLatin1Char('i') + text; }
    void showError(const QString &) override { log << QStringLiteral("!"); }
    QString chooseFileToOpen() override
    {
        log << QStringLiteral("open");
        return chosenFile;
    }
    QString chooseFileToSave() override
    {
        log << QStringLiteral("save");
        return chosenFile;
    }
};

QString question(const QString &text)
{
    return QLatin1Char('?') + text;
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestProjectSession : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ScriptedDialogs m_dialogs;

    QString path(const QString &name) const { return name.isEmpty() ? name : m_dir.filePath(name); }

    // A session on a copy of the worked example ("start.dat"), its name typed over when
    // `modified`.
    void prepare(ProjectSession &session, bool modified)
    {
        QFile::remove(path(QStringLiteral("start.dat")));
        QVERIFY(QFile::copy(QStringLiteral(TAVIX_SOURCE_DIR "/examples/worked-example.dat"),
                            path(QStringLiteral("start.dat"))));
        session.setDialogs(&m_dialogs);
        QVERIFY(session.openFile(path(QStringLiteral("start.dat"))));
        if (modified) {
            session.model().fields.Projekt += QStringLiteral(" neu");
            session.markChanged();
        }
        m_dialogs = ScriptedDialogs();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QFile other(path(QStringLiteral("other.dat")));
        QVERIFY(other.open(QIODevice::WriteOnly));
        ProjectModel model;
        resetModel(model, QLatin1Char('.'));
        model.fields.Projekt = QStringLiteral("Anderes Projekt");
        other.write(projectFileContent(model, QLatin1Char('.')));
        QByteArray example = contentOf(QStringLiteral(TAVIX_SOURCE_DIR "/examples/worked-example.dat"));
        example.truncate(example.indexOf("TS_ohneTrennung")); // inside the block of flank 1
        QFile cut(path(QStringLiteral("cut.dat")));
        QVERIFY(cut.open(QIODevice::WriteOnly) && cut.write(example));
    }

    void replacingCommands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QString>("project"); // the project name afterwards
        QTest::addColumn<QString>("file");    // the file name afterwards

        const QString start = QStringLiteral("start.dat");
        const QString other = QStringLiteral("other.dat");
        const QString edited = QStringLiteral("Rechenbeispiel neu");
        const QStringList open{QStringLiteral("open")};
        QTest::newRow("Neu, Nein") << "new" << true << QList<Answer>{Nein} << ""
                                   << QStringList{question(ResetQuestion)} << edited << start;
        QTest::newRow("Neu, Ja") << "new" << true << QList<Answer>{Ja} << ""
                                 << QStringList{question(ResetQuestion)} << ""
                                 << "";
        QTest::newRow("Neu on a saved project asks too")
            << "new" << false << QList<Answer>{Ja} << "" << QStringList{question(ResetQuestion)} << ""
            << "";
        QTest::newRow("Öffnen, saved: no question")
            << "open" << false << QList<Answer>{} << other << open << "Anderes Projekt" << other;
        QTest::newRow("Öffnen, changed, Nein: no file dialog")
            << "open" << true << QList<Answer>{Nein} << other << QStringList{question(OpenQuestion)} << edited
            << start;
        QTest::newRow("Öffnen, changed, Ja, cancelled")
            << "open" << true << QList<Answer>{Ja} << "" << QStringList{question(OpenQuestion), open.first()}
            << edited << start;
        QTest::newRow("Öffnen, changed, Ja")
            << "open" << true << QList<Answer>{Ja} << other
            << QStringList{question(OpenQuestion), open.first()} << "Anderes Projekt" << other;
        const QString cut = path(QStringLiteral("cut.dat"));
        QTest::newRow("Öffnen of a file cut short says how far it goes")
            << "open" << false << QList<Answer>{} << "cut.dat"
            << QStringList{open.first(),
                           QLatin1Char('i') + incompleteProjectText(cut, loadProject(cut, QLatin1Char('.')))}
            << "Rechenbeispiel"
            << "cut.dat";
        QTest::newRow("Öffnen of a missing file keeps the project")
            << "open" << true << QList<Answer>{Ja} << "fehlt.dat"
            << QStringList{question(OpenQuestion), open.first(), QStringLiteral("!")} << edited << start;
    }
    void replacingCommands()
    {
        QFETCH(QString, command);
        QFETCH(bool, modified);
        QFETCH(QList<Answer>, answers);
        QFETCH(QString, chosen);
        QFETCH(QStringList, asked);
        QFETCH(QString, project);
        QFETCH(QString, file);
        ProjectSession session;
        prepare(session, modified);
        m_dialogs.answers = answers;
        m_dialogs.chosenFile = path(chosen);
        QSignalSpy replaced(&session, &ProjectSession::projectReplaced);
        QSignalSpy recalculated(&session, &ProjectSession::recalculated);
        QSignalSpy fileNames(&session, &ProjectSession::fileNameChanged);

        if (command == QLatin1String("new"))
            session.newProject();
        else
            session.openProject();

        QCOMPARE(m_dialogs.log, asked);
        QCOMPARE(session.model().fields.Projekt, project);
        QCOMPARE(session.fileName(), path(file));
        QCOMPARE(fileNames.count(), file == QLatin1String("start.dat") ? 0 : 1);
        const bool isReplaced = project != QLatin1String("Rechenbeispiel neu");
        QCOMPARE(replaced.count(), isReplaced ? 1 : 0);
        // One recalculation at the end, not one per value read.
        QCOMPARE(recalculated.count(), isReplaced ? 1 : 0);
        QCOMPARE(session.isSaved(), isReplaced || !modified);
        QVERIFY(session.model().RecalcEnabled);
    }

    void savingCommands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QString>("file"); // the file written and named afterwards; "" none

        QTest::newRow("Speichern unter, cancelled") << "saveAs"
                                                    << "" << QStringList{QStringLiteral("save")} << "";
        QTest::newRow("Speichern unter, .dat appended")
            << "saveAs"
            << "ohne" << QStringList{QStringLiteral("save")} << "ohne.dat";
        QTest::newRow("Speichern unter a missing folder")
            << "saveAs"
            << "fehlt/p.dat" << QStringList{QStringLiteral("save"), QStringLiteral("!")} << "";
        QTest::newRow("Speichern: its own file, no dialog") << "save"
                                                            << "" << QStringList{} << "start.dat";
    }
    void savingCommands()
    {
        QFETCH(QString, command);
        QFETCH(QString, chosen);
        QFETCH(QStringList, asked);
        QFETCH(QString, file);
        ProjectSession session;
        prepare(session, true);
        m_dialogs.chosenFile = path(chosen);
        QSignalSpy recalculated(&session, &ProjectSession::recalculated);
        QSignalSpy saved(&session, &ProjectSession::savedChanged);

        if (command == QLatin1String("save"))
            session.save();
        else
            session.saveAs();

        QCOMPARE(m_dialogs.log, asked);
        QCOMPARE(recalculated.count(), 0);
        QVERIFY(session.model().RecalcEnabled);
        if (file.isEmpty()) {
            QVERIFY(!session.isSaved());
            QCOMPARE(saved.count(), 0);
            QCOMPARE(session.fileName(), path(QStringLiteral("start.dat")));
            return;
        }
        QVERIFY(session.isSaved());
        QCOMPARE(saved.count(), 1);
        QCOMPARE(session.fileName(), path(file));
        const QByteArray written = contentOf(path(file));
        QCOMPARE(written.count("\r\n"), ProjectFileLineCount);
        QVERIFY(written.contains("\r\nRechenbeispiel neu\r\n"));
    }

    void closeQuestion_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<bool>("study"); // the variant study holds results
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QString>("asked"); // "" none
        QTest::addColumn<bool>("mayClose");
        const QString withStudy = CloseQuestion + StudyAlsoLost;
        QTest::newRow("saved: no question") << false << false << QList<Answer>{} << "" << true;
        QTest::newRow("changed, Nein: closes without saving")
            << true << false << QList<Answer>{Nein} << CloseQuestion << true;
        // "&Ja" wants to save first: the program stays, nothing is saved for the planner.
        QTest::newRow("changed, Ja: stays") << true << false << QList<Answer>{Ja} << CloseQuestion << false;
        QTest::newRow("changed, Escape: stays")
            << true << false << QList<Answer>{Escape} << CloseQuestion << false;
        QTest::newRow("changed with a study, Nein: both go")
            << true << true << QList<Answer>{Nein} << withStudy << true;
        QTest::newRow("saved with a study, Nein: stays")
            << false << true << QList<Answer>{Nein} << StudyLostQuestion << false;
    }
    void closeQuestion()
    {
        QFETCH(bool, modified);
        QFETCH(bool, study);
        QFETCH(QList<Answer>, answers);
        QFETCH(QString, asked);
        QFETCH(bool, mayClose);
        ProjectSession session;
        prepare(session, modified);
        session.setVariantStudyFilled(study);
        const QByteArray before = contentOf(path(QStringLiteral("start.dat")));
        m_dialogs.answers = answers;

        QCOMPARE(session.mayClose(), mayClose);

        QCOMPARE(m_dialogs.log, asked.isEmpty() ? QStringList{} : QStringList{question(asked)});
        QCOMPARE(session.isSaved(), !modified);
        QCOMPARE(contentOf(path(QStringLiteral("start.dat"))), before);
    }

    // Another copy of the program on a file: opening a file it holds open and saving over a
    // file it changed ask first; the mark of a copy that crashed and a file that is gone ask
    // nothing. No mark outlives the project.
    void anotherProgramOnTheFile_data()
    {
        QTest::addColumn<QString>("other");         // what the other copy did
        QTest::addColumn<QList<Answer>>("answers"); // as many as questions are expected
        QTest::addColumn<bool>("done");
        QTest::newRow("holds it, Öffnen, Nein") << "holds" << QList<Answer>{Nein} << false;
        QTest::newRow("holds it, Öffnen, Ja") << "holds" << QList<Answer>{Ja} << true;
        QTest::newRow("crashed holding it, Öffnen") << "crashed" << QList<Answer>{} << true;
        QTest::newRow("changed it, Speichern, Nein") << "changed" << QList<Answer>{Nein} << false;
        QTest::newRow("changed it, Speichern, Ja") << "changed" << QList<Answer>{Ja} << true;
        QTest::newRow("deleted it, Speichern") << "deleted" << QList<Answer>{} << true;
    }
    void anotherProgramOnTheFile()
    {
        QFETCH(QString, other);
        QFETCH(QList<Answer>, answers);
        QFETCH(bool, done);
        ProjectSession session;
        prepare(session, true);
        const bool open = other == QLatin1String("holds") || other == QLatin1String("crashed");
        const QString name = open ? QStringLiteral("other.dat") : QStringLiteral("start.dat");
        const QString file = path(name);
        QLockFile holder(path(QLatin1Char('.') + name + QStringLiteral(".lock")));
        QFile left(other == QLatin1String("crashed") ? holder.fileName() : file);
        const QByteArray pid = "2147483646\ntavix\n" + QSysInfo::machineHostName().toUtf8() + '\n';
        if (other == QLatin1String("holds"))
            QVERIFY(holder.tryLock(0));
        else if (other == QLatin1String("deleted"))
            QVERIFY(left.remove());
        else // a process number that cannot run, or foreign content
            QVERIFY(left.open(QIODevice::WriteOnly) && left.write(open ? pid : "anders") && left.flush());
        const QByteArray before = contentOf(file);
        m_dialogs.answers = answers;

        if (!open)
            session.save();
        QCOMPARE(open ? session.openFile(file) : session.isSaved(), done);
        QCOMPARE(m_dialogs.log.size(), answers.size());
        QCOMPARE(contentOf(file) == before, open || !done);
        holder.unlock();
        QCOMPARE(QFile::exists(holder.fileName()), !open || other == QLatin1String("crashed"));
        session.reset();
        QVERIFY(!QFile::exists(holder.fileName()));
    }

    // The clipboards belong to the program run: a build-up copied in one project is pasted
    // into the next, and the paste is a change of that project.
    void clipboardsOutliveTheProject()
    {
        ProjectSession session;
        prepare(session, false);
        session.copyBuildUp(0, 0);
        m_dialogs.answers = {Ja};
        session.newProject();
        QVERIFY(session.isSaved());
        QSignalSpy recalculated(&session, &ProjectSession::recalculated);

        QVERIFY(session.pasteBuildUp(1, 1));
        QCOMPARE(session.model().buildUp[1][1].m, 350.0L);
        QCOMPARE(session.model().buildUp[1][2].m, 350.0L); // identical flank
        QCOMPARE(recalculated.count(), 1);
        QVERIFY(!session.isSaved());
        QVERIFY(!session.pasteBuildUp(1, 2)); // locked by "identisch zu Raum 1"
        QCOMPARE(recalculated.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestProjectSession)
#include "tst_projectsession.moc"
