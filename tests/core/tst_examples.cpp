#include "core/model/numbers.h"
#include "core/projectfile/projectfile.h"
#include "exampleproject.h"

#include <QFile>
#include <QtTest>

using namespace tavix;

Q_DECLARE_METATYPE(tavix::ProjectModel)

// The shipped examples are the program's own output; scripts/regenerate-example.sh rewrites them.
class TestExamples : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workedExampleFile();
    void floorExampleFiles_data();
    void floorExampleFiles();
};

void TestExamples::workedExampleFile()
{
    const QString path = QStringLiteral(TAVIX_SOURCE_DIR "/examples/worked-example.dat");
    const ProjectModel model = fixtures::exampleProject();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), projectFileContent(model, QLatin1Char('.')));

    const LoadedProject loaded = loadProject(path, QLatin1Char(','));
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.fileVersion, 2.0);
    ProjectModel calculated = loaded.model;
    QVERIFY(Recalculate(calculated, QLatin1Char(',')).ok());
    QVERIFY(calculated.Calculated);
    QCOMPARE(formatResult(calculated.RwBau, QLatin1Char(',')), QStringLiteral("51,8 [dB]"));
    QCOMPARE(formatResult(calculated.DnTw12, QLatin1Char(',')), QStringLiteral("52,8 [dB]"));
}

void TestExamples::floorExampleFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<ProjectModel>("model");
    QTest::newRow("airborne") << "floor-example.dat" << fixtures::floorExampleProject();
    QTest::newRow("impact") << "impact-example.dat" << fixtures::impactExampleProject();
}

void TestExamples::floorExampleFiles()
{
    QFETCH(QString, name);
    QFETCH(ProjectModel, model);
    QFile file(QStringLiteral(TAVIX_SOURCE_DIR "/examples/") + name);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), projectFileContent(model, QLatin1Char('.')));
}

QTEST_APPLESS_MAIN(TestExamples)
#include "tst_examples.moc"
