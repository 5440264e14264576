#include "core/calculate/recalculate.h"
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

using namespace tavix;

namespace {

const QString Example = QStringLiteral(TAVIX_SOURCE_DIR "/examples/worked-example.dat");

struct Run
{
    int exitCode = -1;
    QByteArray out, err;
};

// The program without any display, as on a build server.
Run run(const QStringList &arguments, const QString &locale = QStringLiteral("C.UTF-8"),
        const QString &workingDirectory = QString())
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
    process.start(QStringLiteral(TAVIX_APP_PATH), arguments);
    Run result;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
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
    void unknownOptions_data();
    void unknownOptions();
    void missingProjectFileReportedBeforeWindow();
    void pathsAndRequirement_data();
    void pathsAndRequirement();
    void pdfReport_data();
    void pdfReport();
    void resultsText_data();
    void resultsText();
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

    // Every number to 17 significant digits, whatever the locale: the same text as the
    // calculation in this process gives.
    LoadedProject loaded = loadProject(Example, QLatin1Char('.'));
    QVERIFY(Recalculate(loaded.model, QLatin1Char('.')).ok());
    for (const auto &[key, value] :
         {std::pair{"RwBau", loaded.model.RwBau}, std::pair{"DnTw12", loaded.model.DnTw12},
          std::pair{"DnTw21", loaded.model.DnTw21}}) {
        const QByteArray expected =
            "\"" + QByteArray(key) + "\": " + formatGeneral(value, QLatin1Char('.'), 17).toLatin1() + ",";
        QVERIFY2(r.out.contains(expected) || r.out.contains(expected.chopped(1) + "\n"),
                 expected.constData());
    }
    QVERIFY(r.out.contains("\"RwBau\": 51.7694773830985"));
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
    QCOMPARE(messages.at(0).toString(), QString::fromUtf8(" Trennbauteil: keine Fläche vorhanden"));
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
        << QString::fromUtf8("Ungültige numerische Eingabe");
    // Readable, but a value has no JSON number: an error, never 1E400 or null in the output.
    ProjectModel huge = fixtures::workedExample(QLatin1Char('.'));
    huge.buildUp[1][1].m = 1e400L;
    QTest::newRow("value beyond double")
        << projectFileContent(huge, QLatin1Char('.')) << QString::fromUtf8("außerhalb des Zahlenbereichs");
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
    QVERIFY(help.out.contains("--json <datei>"));
    QVERIFY(help.out.contains("--pdf <ausgabe.pdf>"));
    QVERIFY(help.out.contains("--text <datei>"));
    const Run version = run({QStringLiteral("-v")});
    QCOMPARE(version.exitCode, 0);
    QVERIFY(version.out.contains("tavix-schallschutz 2.0"));
    const Run missingValue = run({QStringLiteral("--json")});
    QCOMPARE(missingValue.exitCode, 2);
    QVERIFY(!missingValue.err.isEmpty());
}

void TestCommandLine::unknownOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reported");
    QTest::newRow("misspelt before a file")
        << QStringList{QStringLiteral("--jsn"), Example} << QStringLiteral("--jsn");
    QTest::newRow("unknown short option") << QStringList{QStringLiteral("-x")} << QStringLiteral("-x");
    QTest::newRow("after a valid option")
        << QStringList{QStringLiteral("--json"), Example, QStringLiteral("--pfd")} << QStringLiteral("--pfd");
    QTest::newRow("with attached value")
        << QStringList{QStringLiteral("--jason=") + Example} << QStringLiteral("--jason=");
}

// A mistyped option must not start the window or calculate anything: German message,
// usage, status 64.
void TestCommandLine::unknownOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reported);
    const Run r = run(arguments);
    QCOMPARE(r.exitCode, 64);
    QCOMPARE(r.out, QByteArray());
    const QString err = QString::fromUtf8(r.err);
    QVERIFY2(err.contains(QStringLiteral("Unbekannte Option: ") + reported), r.err.constData());
    QVERIFY2(err.contains(QStringLiteral("--json <datei>")), r.err.constData());
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
    QVERIFY2(QString::fromUtf8(err).contains(fileReadErrorText(missing, QStringLiteral("Datei nicht gefunden"))),
             err.constData());
}

void TestCommandLine::pathsAndRequirement_data()
{
    QTest::addColumn<QString>("requirement"); // empty: no --anforderung
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("expected"); // the "Requirement" object, empty when there is none
    QTest::newRow("without requirement") << QString() << 0 << QString();
    QTest::newRow("not fulfilled")
        << "53" << 0 << R"({"erfRw":53,"uprog":2,"RwMinusU":49.8,"Fulfilled":false,"Margin":-3.2})";
    QTest::newRow("exactly fulfilled, decimal comma")
        << "49,8" << 0 << R"({"erfRw":49.8,"uprog":2,"RwMinusU":49.8,"Fulfilled":true,"Margin":0})";
    QTest::newRow("not a number") << "dreiundfünfzig" << 2 << QString();
}

void TestCommandLine::pathsAndRequirement()
{
    QFETCH(QString, requirement);
    QFETCH(int, exitCode);
    QFETCH(QString, expected);
    QStringList arguments{QStringLiteral("--json"), Example};
    if (!requirement.isEmpty())
        arguments << QStringLiteral("--anforderung") << requirement;
    const Run r = run(arguments);
    QCOMPARE(r.exitCode, exitCode);
    if (exitCode != 0) {
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.contains("Anforderung"));
        return;
    }
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
    // The new keys come after the existing ones.
    QVERIFY(r.out.indexOf("\"Paths\"") > r.out.indexOf("\"DnTw21\""));
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
    QTest::newRow("position that is no integer")
        << "C.UTF-8" << true << QByteArray(" \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\nx1\r\n")
        << true << 2 << QStringList{QString::fromUtf8("'x1' ist kein gültiger Integerwert")};
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
        << QString::fromUtf8("\n Eingabefehler -> keine Berechnung möglich!\n").toUtf8();
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

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
