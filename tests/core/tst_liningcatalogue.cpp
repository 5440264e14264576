#include "core/linings/liningcatalogue.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tavix;

namespace {

const QByteArray Header = "* Datendatei Vorsatzschalen: WAND\r\n* Bezeichnung\r\n* Resonanzfrequenz\r\n* "
                          "__________________________________________________________________________\r\n";

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class TestLiningCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void header_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("wall") << 1 << "VS_Wand.lib"
                              << "* Datendatei Vorsatzschalen: WAND";
        QTest::newRow("ceiling") << 2 << "VS_Decke.lib"
                                 << "* Datendatei Vorsatzschalen: DECKE";
        QTest::newRow("screed") << 3 << "VS_Estrich.lib"
                                << "* Datendatei Vorsatzschalen: ESTRICHE";
    }
    void header()
    {
        QFETCH(int, category);
        QFETCH(QString, fileName);
        QFETCH(QString, firstLine);
        QCOMPARE(liningCatalogueFileName(category), fileName);
        const QStringList header = liningCatalogueHeader(category);
        QCOMPARE(header.size(), 4);
        QCOMPARE(header.at(0), firstLine);
        QCOMPARE(header.at(1), QStringLiteral("* Bezeichnung"));
        QCOMPARE(header.at(2), QStringLiteral("* Resonanzfrequenz"));
        QCOMPARE(header.at(3).size(), 76);
        QVERIFY(header.at(3).startsWith(QLatin1String("* ___")));
        QCOMPARE(header.at(3).count(QLatin1Char('_')), 74);
    }

    void parse_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QStringList>("cells"); // description, frequency, ...
        QTest::addColumn<bool>("ok");
        QTest::newRow("header only") << Header << QStringList() << true;
        QTest::newRow("two records") << Header + "Gipskarton 12,5 mm / 60 mm\r\n85\r\nEstrich\r\n70\r\n"
                                     << QStringList{"Gipskarton 12,5 mm / 60 mm", "85", "Estrich", "70"}
                                     << true;
        QTest::newRow("last frequency missing") << Header + "A\r\n85\r\nB\r\n"
                                                << QStringList{"A", "85", "B", ""} << true;
        QTest::newRow("no final line break") << Header + "A\r\n85" << QStringList{"A", "85"} << true;
        QTest::newRow("unix line ends")
            << QByteArray("1\n2\n3\n4\nA\n85\n") << QStringList{"A", "85"} << true;
        QTest::newRow("old mac line ends")
            << QByteArray("1\r2\r3\r4\rA\r85\r") << QStringList{"A", "85"} << true;
        QTest::newRow("code page") << Header + "D\xe4mmung \x80\r\n90\r\n"
                                   << QStringList{QString::fromUtf8("Dämmung €"), "90"} << true;
        QTest::newRow("short header") << QByteArray("* only\r\n") << QStringList() << true;
        QTest::newRow("empty file") << QByteArray() << QStringList() << true;
        QTest::newRow("binary bytes")
            << Header + QByteArray("\0\xff\x01\r\n\0", 6)
            << QStringList{QString::fromLatin1("\0\xff\x01", 3), QString(QChar(0))} << true;
    }
    void parse()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QStringList, cells);
        const auto result = parseLiningCatalogue(contents);
        QVERIFY(result.error.isEmpty());
        QStringList got;
        for (const auto &row : result.rows)
            got << row.description << row.frequency;
        QCOMPARE(got, cells);
    }

    void hugeInputIsCapped()
    {
        QByteArray contents = Header;
        for (int i = 0; i < MaxCatalogueRows + 50; ++i)
            contents += "x\r\n1\r\n";
        const auto many = parseLiningCatalogue(contents);
        QCOMPARE(many.rows.size(), MaxCatalogueRows);
        QVERIFY(many.truncated);

        const QByteArray longLine = Header + QByteArray(5 * 1024 * 1024, 'a') + "\r\n85\r\n";
        const auto wide = parseLiningCatalogue(longLine);
        QCOMPARE(wide.rows.size(), 1);
        QCOMPARE(wide.rows.at(0).description.size(), MaxCatalogueLineLength);
        QCOMPARE(wide.rows.at(0).frequency, QStringLiteral("85")); // the rest of the line was dropped
        QVERIFY(wide.truncated);                                   // and saving it back would say so
        QVERIFY(
            !parseLiningCatalogue(Header + QByteArray(MaxCatalogueLineLength, 'a') + "\r\n85\r\n").truncated);
    }

    void writeIsExact()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("VS_Wand.lib"));
        const QList<LiningCatalogueRow> rows{{QString::fromUtf8("Vorsatzschale Ä / 50 mm"), "85"},
                                             {"", "85"},        // description cleared by hand
                                             {"ohne Zahl", ""}, // frequency written as it is
                                             {"", ""}};
        QCOMPARE(writeLiningCatalogue(path, 1, rows), QString());
        QCOMPARE(readAll(path), Header + "Vorsatzschale \xc4 / 50 mm\r\n85\r\nohne Zahl\r\n\r\n");
    }

    void roundTripAfterBlanking()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("VS_Decke.lib"));
        QList<LiningCatalogueRow> rows{{"eins", "60"}, {"zwei", "70"}, {"drei", "80"}};
        rows[1] = {}; // "Zeile Löschen" blanks the row, it stays in the table
        QCOMPARE(writeLiningCatalogue(path, 2, rows), QString());
        const auto back = readLiningCatalogue(path);
        QVERIFY(back.error.isEmpty());
        const QList<LiningCatalogueRow> expected{{"eins", "60"}, {"drei", "80"}};
        QCOMPARE(back.rows, expected);
    }

    void lineBreaksInCellsKeepRecordsApart()
    {
        const QList<LiningCatalogueRow> rows{{"zwei\nZeilen", "7\r\n0"}, {"danach", "85"}};
        const auto back = parseLiningCatalogue(serializeLiningCatalogue(3, rows));
        const QList<LiningCatalogueRow> expected{{"zwei Zeilen", "7 0"}, {"danach", "85"}};
        QCOMPARE(back.rows, expected);
    }

    void unencodableCharacters()
    {
        const QByteArray bytes = serializeLiningCatalogue(1, {{QString::fromUtf8("Ω-Schale €"), "85"}});
        QVERIFY(bytes.endsWith("?-Schale \x80\r\n85\r\n"));
    }

    void failedWriteIsReported()
    {
        QTemporaryDir dir;
        // A directory in the way of the file: writing must fail and say so.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("VS_Wand.lib")));
        QVERIFY(
            !writeLiningCatalogue(dir.filePath(QStringLiteral("VS_Wand.lib")), 1, {{"a", "1"}}).isEmpty());
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("VS_Wand.lib"))).isDir());
    }

    void missingFileReportsError()
    {
        const auto result = readLiningCatalogue(QStringLiteral("/nonexistent/VS_Wand.lib"));
        QVERIFY(!result.error.isEmpty());
        QVERIFY(result.rows.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestLiningCatalogue)
#include "tst_liningcatalogue.moc"
