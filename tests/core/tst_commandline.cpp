#include "core/calculate/recalculate.h"
#include "core/model/numbers.h"
#include "core/projectfile/projectfile.h"
#include "fixtures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
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
Run run(const QStringList &arguments, const QString &locale = QStringLiteral("C.UTF-8"))
{
    QProcess process;
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
    QCOMPARE(o.keys().size(), 16);
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
    const Run version = run({QStringLiteral("-v")});
    QCOMPARE(version.exitCode, 0);
    QVERIFY(version.out.contains("tavix-schallschutz 2.0"));
    const Run missingValue = run({QStringLiteral("--json")});
    QCOMPARE(missingValue.exitCode, 2);
    QVERIFY(!missingValue.err.isEmpty());
}

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
