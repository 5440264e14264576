#include "core/calculate/recalculate.h"
#include "core/io/codepage.h"
#include "core/io/filelayer.h"
#include "core/model/numbers.h"
#include "core/projectfile/projectfile.h"
#include "fixtures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace tavix;

namespace {

const QString Example = QStringLiteral(TAVIX_SOURCE_DIR "/examples/worked-example.dat");
const QString App = QStringLiteral(TAVIX_APP_PATH);

struct Run
{
    int exitCode = -1;
    QByteArray out, err;
};

// The program without any display, as on a build server; `program` may be a shell that
// starts it with redirections.
Run run(const QStringList &arguments, const QString &locale = QStringLiteral("C.UTF-8"),
        const QString &workingDirectory = QString(), const QString &program = App)
{
    QProcess process;
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LC_ALL"), locale);
    env.insert(QStringLiteral("LANG"), locale);
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray firstLines(const QByteArray &content, int count)
{
    return content.split('\n').mid(0, count).join('\n') + '\n';
}

QByteArray goldenText()
{
    return readAll(QStringLiteral(TAVIX_TEST_DATA_DIR "/worked-example-results.txt"));
}

// A project the program cannot calculate (no area), saved into `dir`.
QString savedIncompleteProject(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("neu.dat"));
    ProjectModel model;
    resetModel(model, QLatin1Char('.'));
    return saveProject(model, path, QLatin1Char('.')).isEmpty() ? path : QString();
}

// The program started by /bin/sh running `script` with $0 the program, then `arguments`.
Run runInShell(const QString &script, const QStringList &arguments = {})
{
    return run(QStringList{QStringLiteral("-c"), script, App} + arguments, QStringLiteral("C.UTF-8"), QString(),
               QStringLiteral("/bin/sh"));
}

// `--json path`, with `--anforderung requirement` unless that is empty.
Run runJson(const QString &path, const QString &requirement)
{
    QStringList arguments{QStringLiteral("--json"), path};
    if (!requirement.isEmpty())
        arguments << QStringLiteral("--anforderung") << requirement;
    return run(arguments);
}

QJsonObject parse(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        qWarning() << error.errorString() << json;
    return doc.object();
}

// The output of a poppler tool for `pdf`; empty when the tool is missing or fails.
QString popplerOutput(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workedExample_data();
    void workedExample();
    void incompleteProject();
    void unreadableFiles_data();
    void unreadableFiles();
    void helpAndVersion();
    void wrongCalls_data();
    void wrongCalls();
    void missingProjectFileReportedBeforeWindow();
    void pathsAndRequirement_data();
    void pathsAndRequirement();
    void pdfReport_data();
    void pdfReport();
    void resultsText_data();
    void resultsText();
    void study_data();
    void study();
    void outputFailures_data();
    void outputFailures();
    void fileNameNotUtf8();
    void readerNotices_data();
    void readerNotices();
    void impactSound_data();
    void impactSound();
};

void TestCommandLine::workedExample_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("C") << "C.UTF-8";
    QTest::newRow("German decimal comma") << "de_DE.UTF-8";
}

void TestCommandLine::workedExample()
{
    QFETCH(QString, locale);
    const Run r = run({QStringLiteral("--json"), Example}, locale);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QByteArray());
    const QJsonObject o = parse(r.out);
    QCOMPARE(o.keys().size(), 17);
    QVERIFY(o.value(QStringLiteral("Calculated")).toBool());
    QVERIFY(o.value(QStringLiteral("Messages")).toArray().isEmpty());

    const QJsonArray slots = o.value(QStringLiteral("Slots")).toArray();
    QCOMPARE(slots.size(), 9);
    QCOMPARE(slots.at(0).toObject().value(QStringLiteral("Key")).toString(), QStringLiteral("TB"));
    QCOMPARE(slots.at(8).toObject().value(QStringLiteral("Key")).toString(), QStringLiteral("F4_R2"));
    QCOMPARE(slots.at(0).toObject().value(QStringLiteral("Rw")).toDouble(), 56.4);
    QCOMPARE(slots.at(0).toObject().value(QStringLiteral("mRecomputed")).toDouble(), 350.0);
    QVERIFY(qAbs(slots.at(3).toObject().value(QStringLiteral("RwRecomputed")).toDouble() - 51.896) < 0.001);
    QCOMPARE(o.value(QStringLiteral("f0")).toArray().size(), 10);
    QCOMPARE(o.value(QStringLiteral("dRw")).toArray().size(), 10);
    QCOMPARE(o.value(QStringLiteral("Stoss")).toArray().at(3).toString(), QStringLiteral("TS_ohneTrennung"));
    QCOMPARE(o.value(QStringLiteral("Kij")).toArray().at(1).toArray().size(), 3);
    QCOMPARE(o.value(QStringLiteral("FA")).toArray().at(0).toArray().at(0).toDouble(), 12.5);
    QCOMPARE(o.value(QStringLiteral("Rres")).toArray().size(), 5);

    // Whatever the locale, every number reads back as the very double that its 17
    // significant digits, computed in this process, read as.
    LoadedProject loaded = loadProject(Example, QLatin1Char('.'));
    QVERIFY(Recalculate(loaded.model, QLatin1Char('.')).ok());
    const auto same = [](const QJsonValue &json, long double value) {
        return json.toDouble() ==
               std::strtod(formatGeneral(value, QLatin1Char('.'), 17).toLatin1().constData(), nullptr);
    };
    const ProjectModel &m = loaded.model;
    QVERIFY(same(o.value(QStringLiteral("RwBau")), m.RwBau));
    QVERIFY(same(o.value(QStringLiteral("DnTw12")), m.DnTw12));
    QVERIFY(same(o.value(QStringLiteral("DnTw21")), m.DnTw21));
    for (int n = 1; n <= FlankCount; ++n) {
        for (const int path : {PathFf, PathFd, PathDf}) {
            const int column = path == PathFf ? 0 : path == PathFd ? 1 : 2;
            QVERIFY(same(o.value(QStringLiteral("Rij")).toArray().at(n - 1).toArray().at(column),
                         m.Rij[n][path]));
            QVERIFY(same(o.value(QStringLiteral("Kij")).toArray().at(n - 1).toArray().at(column),
                         m.Kij[n][path]));
        }
    }
    QVERIFY(r.out.contains("\"RwBau\": 51.769477383098526,\n"));
}

void TestCommandLine::incompleteProject()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("neu.dat"));
    ProjectModel model;
    resetModel(model, QLatin1Char('.'));
    model.f0[2][1] = 85;
    QCOMPARE(saveProject(model, path, QLatin1Char('.')), QString());
    const Run r = run({QStringLiteral("--json"), path});
    QCOMPARE(r.exitCode, 1);
    const QJsonObject o = parse(r.out);
    QVERIFY(!o.value(QStringLiteral("Calculated")).toBool());
    const QJsonArray messages = o.value(QStringLiteral("Messages")).toArray();
    QVERIFY(!messages.isEmpty());
    QCOMPARE(messages.at(0).toString(), QStringLiteral(" Trennbauteil: keine Fläche vorhanden"));
    QCOMPARE(o.value(QStringLiteral("f0")).toArray().at(4).toInt(), 85);
    for (const char *key :
         {"dRw", "dRDd", "dRij", "Kij", "Rij", "FA", "RDd", "Rres", "RwBau", "DnTw12", "DnTw21"})
        QVERIFY2(!o.contains(QLatin1String(key)), key);
    // A slot without build-up has none stored, but opening it shows the reset choices.
    const QJsonObject tb = o.value(QStringLiteral("Slots")).toArray().at(0).toObject();
    QCOMPARE(tb.value(QStringLiteral("m")).toDouble(), 0.0);
    QCOMPARE(tb.value(QStringLiteral("mRecomputed")).toDouble(), 417.6);
}

void TestCommandLine::unreadableFiles_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QByteArray() << "Datei nicht gefunden";
    QTest::newRow("comma in a number")
        << QByteArray("Projektdaten\r\n\r\n\r\n\r\n\r\n\r\n0\r\n\r\n\r\n12,5\r\n")
        << QStringLiteral("Ungültige numerische Eingabe");
    // Readable, but a value has no JSON number: an error, never 1E400 or null in the output.
    ProjectModel huge = fixtures::workedExample(QLatin1Char('.'));
    huge.buildUp[1][1].m = 1e400L;
    QTest::newRow("value beyond double")
        << projectFileContent(huge, QLatin1Char('.')) << QStringLiteral("außerhalb des Zahlenbereichs");
    QTest::newRow("FIFO as project file") << QByteArray("fifo") << QStringLiteral("Dateizugriff verweigert");
}

void TestCommandLine::unreadableFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kaputt.dat"));
    if (content == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const Run r = run({QStringLiteral("--json"), path});
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.out, QByteArray());
    QVERIFY2(QString::fromUtf8(r.err).contains(message), r.err.constData());
}

void TestCommandLine::helpAndVersion()
{
    const Run help = run({QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    for (const char *german :
         {"Aufruf:", "[Optionen] [projekt.dat ...]", "Optionen:", "Argumente:", "Zeigt diese Hilfe an.",
          "--json ", "--text ", "--pdf <ausgabe.pdf>", "--anforderung <Kennung|dB>", "64 falscher Aufruf"})
        QVERIFY2(help.out.contains(german), german);
    for (const char *english : {"Usage", "Options:", "Arguments:", "Displays"})
        QVERIFY2(!help.out.contains(english), english);
    const Run version = run({QStringLiteral("-v")});
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out, QByteArray("tavix-schallschutz 2.0\n"));
}

void TestCommandLine::wrongCalls_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reported");
    const QString json = QStringLiteral("--json");
    QTest::newRow("misspelt before a file")
        << QStringList{QStringLiteral("--jsn"), Example} << "Unbekannte Option: --jsn";
    QTest::newRow("unknown short option") << QStringList{QStringLiteral("-x")} << "Unbekannte Option: -x";
    QTest::newRow("after a valid option")
        << QStringList{json, Example, QStringLiteral("--pfd")} << "Unbekannte Option: --pfd";
    QTest::newRow("with attached value")
        << QStringList{QStringLiteral("--jason=") + Example} << "Unbekannte Option: --jason";
    QTest::newRow("value after a switch")
        << QStringList{json + QLatin1Char('=') + Example} << "nehmen keinen Wert an";
    QTest::newRow("no project file") << QStringList{json} << "Keine Projektdatei angegeben.";
    QTest::newRow("value missing") << QStringList{QStringLiteral("--pdf")} << "Nach --pdf fehlt der Wert.";
    QTest::newRow("two kinds of output") << QStringList{json, QStringLiteral("--text"), Example}
                                         << "Genau eine der Optionen --json, --text oder --pdf";
    QTest::newRow("PDF of two files")
        << QStringList{QStringLiteral("--pdf"), QStringLiteral("b.pdf"), Example, Example}
        << "genau einer Projektdatei";
    QTest::newRow("requirement not a number")
        << QStringList{json, Example, QStringLiteral("--anforderung"), QStringLiteral("dreiundfünfzig")}
        << "Ungültige Anforderung „dreiundfünfzig“";
}

// A wrong call must not start the window or calculate anything: German message, the
// usage line, status 64.
void TestCommandLine::wrongCalls()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reported);
    const Run r = run(arguments);
    QCOMPARE(r.exitCode, 64);
    QCOMPARE(r.out, QByteArray());
    const QString err = QString::fromUtf8(r.err);
    QVERIFY2(err.contains(reported), r.err.constData());
    QVERIFY2(err.contains(QStringLiteral("Aufruf: ")), r.err.constData());
}

void TestCommandLine::missingProjectFileReportedBeforeWindow()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("fehlt.dat"));
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(dir.path());
    process.start(QStringLiteral(TAVIX_APP_PATH), {missing});
    QVERIFY(process.waitForStarted(10000));
    QByteArray err;
    for (int i = 0; i < 100 && !err.contains('\n'); ++i) {
        process.waitForReadyRead(100);
        err += process.readAllStandardError();
    }
    // The window opens all the same: the program is still running.
    QCOMPARE(process.state(), QProcess::Running);
    process.kill();
    process.waitForFinished(10000);
    QVERIFY2(
        QString::fromUtf8(err).contains(fileReadErrorText(missing, QStringLiteral("Datei nicht gefunden"))),
        err.constData());
}

void TestCommandLine::pathsAndRequirement_data()
{
    QTest::addColumn<QString>("requirement"); // empty: no --anforderung
    QTest::addColumn<QString>("expected");    // the "Requirement" object, empty when there is none
    QTest::newRow("without requirement") << QString() << QString();
    QTest::newRow("not fulfilled")
        << "53"
        << R"({"erfRw":53,"uprog":2,"RwMinusU":49.8,"Fulfilled":false,"Margin":-3.2})";
    QTest::newRow("exactly fulfilled, decimal comma")
        << "49,8"
        << R"({"erfRw":49.8,"uprog":2,"RwMinusU":49.8,"Fulfilled":true,"Margin":0})";
}

void TestCommandLine::pathsAndRequirement()
{
    QFETCH(QString, requirement);
    QFETCH(QString, expected);
    const Run r = runJson(Example, requirement);
    QCOMPARE(r.exitCode, 0);
    const QJsonObject o = parse(r.out);
    const QJsonArray paths = o.value(QStringLiteral("Paths")).toArray();
    QCOMPARE(paths.size(), 13);
    QCOMPARE(paths.at(0).toObject().value(QStringLiteral("Path")).toString(), QStringLiteral("Dd"));
    double share = 0;
    for (const QJsonValue &p : paths)
        share += p.toObject().value(QStringLiteral("Share")).toDouble();
    QVERIFY(qAbs(share - 100) < 1e-9);
    QCOMPARE(o.value(QStringLiteral("Requirement")).toObject(),
             expected.isEmpty() ? QJsonObject() : parse(expected.toUtf8()));
}

void TestCommandLine::pdfReport_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<QByteArray>("firmaSet"); // empty: no Firma.set in the working directory
    QTest::addColumn<bool>("targetDirExists");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("expected"); // in the PDF's text, or on stderr when it fails
    const QByteArray firm = "Bauphysik Nord\r\nHafenweg 2\r\n20457\r\nHamburg\r\nJ. Jansen\r\n"
                            "1. 3. 2027\r\n \r\n \r\n \r\n \r\n \r\n25\r\n0\r\n0\r\n30\r\n1\r\n";
    QTest::newRow("worked example, German locale")
        << "de_DE.UTF-8" << true << firm << true << 0
        << QStringList{QStringLiteral("51,8 [dB]"), QStringLiteral("Bauphysik Nord"),
                       QStringLiteral("Aufgestellt: Hamburg, den 1. 3. 2027"),
                       QStringLiteral("Seite 2 von 2")};
    QTest::newRow("no company data, C locale")
        << "C.UTF-8" << true << QByteArray() << true << 0
        << QStringList{QStringLiteral("51.8 [dB]"), QStringLiteral("SCHALLTECHNISCHE UNTERSUCHUNG")};
    QTest::newRow("incomplete project")
        << "C.UTF-8" << false << QByteArray() << true << 1
        << QStringList{QStringLiteral("Keine Berechnungsergebnisse vorhanden!")};
    // What the settings window accepts: missing or empty position lines read as 0.
    const QByteArray addressOnly = firm.left(firm.indexOf("25\r\n"));
    QTest::newRow("company file without positions")
        << "C.UTF-8" << true << addressOnly << true << 0 << QStringList{QStringLiteral("Bauphysik Nord")};
    QTest::newRow("company file with empty positions")
        << "C.UTF-8" << true << addressOnly + "\r\n\r\n\r\n\r\n1\r\n"
        << true << 0 << QStringList{QStringLiteral("Bauphysik Nord")};
    QTest::newRow("position that is no integer")
        << "C.UTF-8" << true << QByteArray(" \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\nx1\r\n")
        << true << 2 << QStringList{QStringLiteral("'x1' ist kein gültiger Integerwert")};
    QTest::newRow("target folder missing")
        << "C.UTF-8" << true << QByteArray() << false << 2 << QStringList{QStringLiteral("bericht.pdf")};
}

// The report of a project written as PDF without any display: two A4 pages with the
// results, or nothing at all and the reason on stderr.
void TestCommandLine::pdfReport()
{
    QFETCH(QString, locale);
    QFETCH(bool, complete);
    QFETCH(QByteArray, firmaSet);
    QFETCH(bool, targetDirExists);
    QFETCH(int, exitCode);
    QFETCH(QStringList, expected);
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdftotext.isEmpty() || pdfinfo.isEmpty())
        QSKIP("poppler-utils (pdftotext, pdfinfo) are not installed: scripts/install-deps.sh");

    QTemporaryDir dir;
    QString project = Example;
    if (!complete) {
        project = dir.filePath(QStringLiteral("neu.dat"));
        ProjectModel model;
        resetModel(model, QLatin1Char('.'));
        QCOMPARE(saveProject(model, project, QLatin1Char('.')), QString());
    }
    if (!firmaSet.isEmpty()) {
        QFile file(dir.filePath(QStringLiteral("Firma.set")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(firmaSet);
    }
    const QString pdf =
        dir.filePath(targetDirExists ? QStringLiteral("bericht.pdf") : QStringLiteral("fehlt/bericht.pdf"));
    const Run r = run({QStringLiteral("--pdf"), pdf, project}, locale, dir.path());
    QCOMPARE(r.exitCode, exitCode);
    QCOMPARE(r.out, QByteArray());
    if (exitCode != 0) {
        QVERIFY(!QFile::exists(pdf));
        for (const QString &text : expected)
            QVERIFY2(QString::fromUtf8(r.err).contains(text), r.err.constData());
        return;
    }
    const QString info = popplerOutput(pdfinfo, {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
    const QString text = popplerOutput(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    for (const QString &item : expected)
        QVERIFY2(text.contains(item), qPrintable(item));
    QCOMPARE(text.count(QChar(u'\f')), 2); // one form feed after each page
}

// The detailed results text: the hand-written text of the worked example in the locale's
// notation, the notice for missing inputs, nothing for a file that cannot be read.
void TestCommandLine::resultsText_data()
{
    QTest::addColumn<QString>("project"); // empty: a fresh project without inputs
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("expected");
    QFile golden(QStringLiteral(TAVIX_TEST_DATA_DIR "/worked-example-results.txt"));
    QVERIFY(golden.open(QIODevice::ReadOnly));
    const QByteArray text = golden.readAll();
    QString german = QString::fromUtf8(text);
    german.replace(QRegularExpression(QStringLiteral("(\\d)\\.(\\d)")), QStringLiteral("\\1,\\2"));
    QTest::newRow("worked example") << Example << "C.UTF-8" << 0 << text;
    QTest::newRow("worked example, decimal comma") << Example << "de_DE.UTF-8" << 0 << german.toUtf8();
    QTest::newRow("inputs missing")
        << QString() << "C.UTF-8" << 1
        << QStringLiteral("\n Eingabefehler -> keine Berechnung möglich!\n").toUtf8();
    QTest::newRow("no such file") << QStringLiteral("/nonexistent/projekt.dat") << "C.UTF-8" << 2
                                  << QByteArray();
}

void TestCommandLine::resultsText()
{
    QFETCH(QString, project);
    QFETCH(QString, locale);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, expected);
    QTemporaryDir dir;
    if (project.isEmpty()) {
        project = dir.filePath(QStringLiteral("neu.dat"));
        ProjectModel model;
        resetModel(model, QLatin1Char('.'));
        QCOMPARE(saveProject(model, project, QLatin1Char('.')), QString());
    }
    const Run r = run({QStringLiteral("--text"), project}, locale);
    QCOMPARE(r.exitCode, exitCode);
    QCOMPARE(QString::fromUtf8(r.out), QString::fromUtf8(expected));
    QCOMPARE(r.err.isEmpty(), exitCode != 2);
}

void TestCommandLine::study_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("files"); // "example", "missing" (no such file), "incomplete"
    QTest::addColumn<int>("exitCode");      // the worst of the files
    const QString example = QStringLiteral("example");
    const QString missing = QStringLiteral("missing");
    const QString incomplete = QStringLiteral("incomplete");
    QTest::newRow("JSON, a bad file in the middle")
        << "--json" << QStringList{example, missing, incomplete} << 2;
    QTest::newRow("JSON, inputs missing in one")
        << "--json" << QStringList{incomplete, example, example} << 1;
    QTest::newRow("text, a bad file in the middle")
        << "--text" << QStringList{example, missing, example} << 2;
    QTest::newRow("text, inputs missing in one") << "--text" << QStringList{example, incomplete} << 1;
}

// Several files in one run: one result per file in the given order, a file that cannot be
// read in its place (a JSON line with "Error", an empty text), the worst exit status.
void TestCommandLine::study()
{
    QFETCH(QString, mode);
    QFETCH(QStringList, files);
    QFETCH(int, exitCode);
    QTemporaryDir dir;
    const QMap<QString, QString> paths{{QStringLiteral("example"), Example},
                                       {QStringLiteral("missing"), dir.filePath(QStringLiteral("fehlt.dat"))},
                                       {QStringLiteral("incomplete"), savedIncompleteProject(dir)}};
    QStringList arguments{mode};
    for (const QString &file : files)
        arguments << paths.value(file);
    const Run r = run(arguments);
    QCOMPARE(r.exitCode, exitCode);
    QCOMPARE(QString::fromUtf8(r.err).contains(QStringLiteral("Datei nicht gefunden")),
             files.contains(QStringLiteral("missing")));

    const bool json = mode == QLatin1String("--json");
    const QList<QByteArray> results = json ? r.out.chopped(1).split('\n') : r.out.split('\f');
    QCOMPARE(results.size(), files.size());
    for (int i = 0; i < files.size(); ++i) {
        const QString &file = files.at(i);
        if (!json) {
            const QByteArray inputsMissing("\n Eingabefehler -> keine Berechnung m\xc3\xb6glich!\n");
            QCOMPARE(results.at(i), file == QLatin1String("example")   ? goldenText()
                                    : file == QLatin1String("missing") ? QByteArray()
                                                                       : inputsMissing);
            continue;
        }
        const QJsonObject o = parse(results.at(i));
        QCOMPARE(o.value(QStringLiteral("File")).toString(), paths.value(file));
        QCOMPARE(o.contains(QStringLiteral("Error")), file == QLatin1String("missing"));
        QCOMPARE(o.value(QStringLiteral("Calculated")).toBool(), file == QLatin1String("example"));
    }
}

void TestCommandLine::outputFailures_data()
{
    QTest::addColumn<QString>("redirection");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");
    const QString diskFull = QStringLiteral("Kapazität der Diskette/Festplatte erschöpft");
    const QString closed = QStringLiteral("Die Ausgabe ist geschlossen");
    QTest::newRow("full disk, JSON") << ">/dev/full" << QStringList{QStringLiteral("--json"), Example}
                                     << diskFull;
    QTest::newRow("full disk, several texts")
        << ">/dev/full" << QStringList{QStringLiteral("--text"), Example, Example} << diskFull;
    QTest::newRow("full disk, help") << ">/dev/full" << QStringList{QStringLiteral("--help")} << diskFull;
    QTest::newRow("closed output") << ">&-" << QStringList{QStringLiteral("--json"), Example, Example}
                                   << closed;
}

// Output that cannot be written is a failure, never a success with nothing delivered.
void TestCommandLine::outputFailures()
{
    QFETCH(QString, redirection);
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    const Run r = runInShell(QStringLiteral("exec \"$0\" \"$@\" ") + redirection, arguments);
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(QString::fromUtf8(r.err).trimmed(),
             QStringLiteral("Die Ausgabe konnte nicht geschrieben werden: ") + reason);
}

// A name that is not UTF-8 ("ä" in Latin-1) is read and written under exactly its bytes.
void TestCommandLine::fileNameNotUtf8()
{
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    QCOMPARE(writeFileAtomically(fileNameFromNative(folder + "/projekt-\xe4.dat"), readAll(Example)),
             QString());
    const QString script = QStringLiteral("cd \"$1\" && exec \"$0\" \"$2\" \"$(printf 'projekt-\\344.dat')\" "
                                          "\"$(printf 'projekt-\\344.dat')\"");
    const Run json = runInShell(script, {dir.path(), QStringLiteral("--json")});
    QCOMPARE(json.exitCode, 0);
    for (const QByteArray &line : json.out.chopped(1).split('\n'))
        QCOMPARE(parse(line).value(QStringLiteral("File")).toString(), QStringLiteral("projekt-\uFFFD.dat"));

    const QString pdfScript =
        QStringLiteral("cd \"$1\" && exec \"$0\" --pdf \"$(printf 'bericht-\\344.pdf')\" "
                       "\"$(printf 'projekt-\\344.dat')\"");
    const Run pdf = runInShell(pdfScript, {dir.path()});
    QCOMPARE(pdf.exitCode, 0);
    const QString written = fileNameFromNative(folder + "/bericht-\xe4.pdf");
    QVERIFY(readFileCapped(written, 10 * 1024 * 1024).content.startsWith("%PDF-"));
    for (const QByteArray &name : {QByteArray("/projekt-\xe4.dat"), QByteArray("/bericht-\xe4.pdf")})
        QCOMPARE(::unlink((folder + name).constData()), 0); // nothing else was written
    QVERIFY(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

void TestCommandLine::readerNotices_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("notice"); // on stderr; empty: nothing
    const QByteArray example = readAll(Example);
    QTest::newRow("complete") << example << QString();
    QTest::newRow("cut after line 250")
        << firstLines(example, 250) << "ist unvollständig: Sie hat nur 250 von 282 Zeilen";
    // Saved by an editor as UTF-8 with a byte order mark: the same project, umlauts included.
    QTest::newRow("UTF-8 with byte order mark")
        << "\xef\xbb\xbf" + decodeCodePage(example).toUtf8() << QString();
}

void TestCommandLine::readerNotices()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, notice);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("projekt.dat"));
    QCOMPARE(writeFileAtomically(path, content), QString());
    const Run r = run({QStringLiteral("--text"), path});
    QCOMPARE(r.exitCode, 0);
    if (notice.isEmpty()) {
        QCOMPARE(r.err, QByteArray());
        QCOMPARE(r.out, goldenText());
    } else {
        QCOMPARE(
            QString::fromUtf8(r.err),
            QStringLiteral("Hinweis: Die Projektdatei „%1“ %2; die fehlenden Angaben wurden nicht gelesen. "
                           "Bitte prüfen Sie die Eingaben.\n")
                .arg(path, notice));
    }
}

void TestCommandLine::impactSound_data()
{
    QTest::addColumn<QString>("requirement"); // --anforderung; empty: the one stored in the project
    QTest::addColumn<double>("erfRw");        // of "Requirement"; 0: none
    QTest::addColumn<double>("zulLnw");       // of "ImpactRequirement"; 0: none
    QTest::newRow("stored requirement for floors between flats") << QString() << 54.0 << 50.0;
    QTest::newRow("catalogue entry with L'n,w only") << "mfh-treppe" << 0.0 << 53.0;
    QTest::newRow("own erf. R'w") << "53,5" << 53.5 << 0.0;
}

// A floor with a floating screed: L'n,w of the textbook example (41.3 dB) beside R'w, the
// checks against the requirement the project stores or the command line gives.
void TestCommandLine::impactSound()
{
    QFETCH(QString, requirement);
    QFETCH(double, erfRw);
    QFETCH(double, zulLnw);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("decke.dat"));
    ProjectModel floor = fixtures::impactFloorExample();
    floor.requirement.id = QStringLiteral("mfh-decke");
    QCOMPARE(saveProject(floor, path, QLatin1Char('.')), QString());
    const Run r = runJson(path, requirement);
    QCOMPARE(r.exitCode, 0);
    const QJsonObject o = parse(r.out);
    const QJsonObject impact = o.value(QStringLiteral("Impact")).toObject();
    QCOMPARE(qRound(impact.value(QStringLiteral("Lnw")).toDouble() * 10), 413);
    QCOMPARE(impact.value(QStringLiteral("WallsCounted")).toArray(), QJsonArray({1, 2, 3, 4}));
    QCOMPARE(o.value(QStringLiteral("Requirement")).toObject().value(QStringLiteral("erfRw")).toDouble(),
             erfRw);
    QCOMPARE(
        o.value(QStringLiteral("ImpactRequirement")).toObject().value(QStringLiteral("zulLnw")).toDouble(),
        zulLnw);

    const Run text = run({QStringLiteral("--text"), path}, QStringLiteral("de_DE.UTF-8"));
    QVERIFY2(text.out.contains(" TRITTSCHALL:") && text.out.contains("41,3 dB"), text.out.constData());
}

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
