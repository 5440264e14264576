#include "core/io/filelayer.h"
#include "core/reports/companydata.h"

#include <QDate>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace tavix;

namespace {

CompanyData filledCompany()
{
    CompanyData d;
    d.Fa = QString::fromUtf8("Müller & Söhne Bauphysik");
    d.Str = QString::fromUtf8("Große Straße 5");
    d.PLZ = QStringLiteral("01234");
    d.Ort = QStringLiteral("Musterstadt");
    d.Bearbeiter = QStringLiteral("Dipl.-Ing. A. Schmidt");
    d.Date = QStringLiteral("7. 12. 2026");
    d.Tel = QStringLiteral("0123 45678");
    d.Fax = QStringLiteral("0123 45679");
    d.Mail = QStringLiteral("info@example.de");
    d.www = QStringLiteral("www.example.de");
    d.Logo = QStringLiteral("/home/planer/logo.bmp");
    d.LogoLeft = QStringLiteral("25");
    d.LogoTop = QStringLiteral("4");
    d.FaNameLeft = QStringLiteral("300");
    d.FaNameTop = QStringLiteral("12");
    return d;
}

QStringList texts(const CompanyData &d)
{
    return {d.Fa,   d.Str, d.PLZ,  d.Ort,      d.Bearbeiter, d.Date,       d.Tel,      d.Fax,
            d.Mail, d.www, d.Logo, d.LogoLeft, d.LogoTop,    d.FaNameLeft, d.FaNameTop};
}

} // namespace

Q_DECLARE_METATYPE(tavix::CompanyData)

class TestCompanyData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileContent_data()
    {
        QTest::addColumn<CompanyData>("data");
        QTest::addColumn<QByteArray>("content");
        CompanyData empty;
        for (QString *s : {&empty.Fa, &empty.Str, &empty.PLZ, &empty.Ort, &empty.Bearbeiter, &empty.Date,
                           &empty.Tel, &empty.Fax, &empty.Mail, &empty.www, &empty.Logo})
            s->clear();
        QTest::newRow("empty fields") << empty
                                      << QByteArray(" \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n"
                                                    "0\r\n0\r\n0\r\n0\r\n1\r\n");
        QTest::newRow("filled, Windows-1252")
            << filledCompany()
            << QByteArray("M\xfcller & S\xf6hne Bauphysik\r\nGro\xdf"
                          "e Stra\xdf"
                          "e 5\r\n01234\r\nMusterstadt\r\nDipl.-Ing. A. Schmidt\r\n7. 12. 2026\r\n"
                          "0123 45678\r\n0123 45679\r\ninfo@example.de\r\nwww.example.de\r\n"
                          "/home/planer/logo.bmp\r\n25\r\n4\r\n300\r\n12\r\n1\r\n");
        // A pasted line break must not shift the later lines; a character outside the code
        // page must not become byte 26, which readers take for the end of the file.
        CompanyData awkward = empty;
        awkward.Fa = QString::fromUtf8("Łódź\r\nBüro\t€");
        QTest::newRow("line break, tab, foreign letters")
            << awkward
            << QByteArray("?\xf3"
                          "d?  B\xfcro \x80\r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n"
                          "0\r\n0\r\n0\r\n0\r\n1\r\n");
    }
    void fileContent()
    {
        QFETCH(CompanyData, data);
        QFETCH(QByteArray, content);
        QCOMPARE(companyDataFileContent(data), content);
    }

    void parse_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("written file") << companyDataFileContent(filledCompany()) << texts(filledCompany());
        QStringList spaces(11, QStringLiteral(" "));
        QTest::newRow("empty fields read as single spaces")
            << QByteArray(" \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n0\r\n0\r\n0\r\n0\r\n1\r\n")
            << spaces + QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                                    QStringLiteral("0")};
        QStringList shortFile(15);
        shortFile[0] = QStringLiteral("Firma");
        shortFile[1] = QString::fromUtf8("Straße");
        QTest::newRow("missing lines give empty texts") << QByteArray("Firma\nStra\xdf"
                                                                      "e")
                                                        << shortFile;
        QTest::newRow("empty file") << QByteArray() << QStringList(15);
        QStringList blanks(15);
        blanks[0] = QStringLiteral("  Firma  ");
        blanks[11] = QStringLiteral("-3");
        QTest::newRow("lines as they stand")
            << QByteArray("  Firma  \r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n-3\r\n") << blanks;
    }
    void parse()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, expected);
        QCOMPARE(texts(parseCompanyData(content)), expected);
    }

    void saveAndLoad()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(CompanyDataFileName);
        const LoadedCompanyData missing = loadCompanyData(path);
        QVERIFY(missing.ok());
        QVERIFY(!missing.found);
        QCOMPARE(texts(missing.data), texts(CompanyData()));

        QCOMPARE(saveCompanyData(filledCompany(), path), QString());
        const LoadedCompanyData loaded = loadCompanyData(path);
        QVERIFY(loaded.ok() && loaded.found);
        QCOMPARE(texts(loaded.data), texts(filledCompany()));

        // A folder of that name is found but cannot be read: an error, not a hang or defaults.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        QVERIFY(QDir(dir.filePath(QStringLiteral("sub"))).mkdir(CompanyDataFileName));
        const LoadedCompanyData folder =
            loadCompanyData(dir.filePath(QStringLiteral("sub/") + CompanyDataFileName));
        QVERIFY(folder.found);
        QCOMPARE(folder.error, QStringLiteral("Dateizugriff verweigert"));
        // Writing into a folder that does not exist reports the error.
        QCOMPARE(saveCompanyData(filledCompany(), dir.filePath(QStringLiteral("nirgends/Firma.set"))),
                 QStringLiteral("Datei nicht gefunden"));
    }

    void dateText_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("1 March 2027") << QDate(2027, 3, 1) << QStringLiteral("1. 3. 2027");
        QTest::newRow("7 December 2026") << QDate(2026, 12, 7) << QStringLiteral("7. 12. 2026");
        QTest::newRow("31 October 2030") << QDate(2030, 10, 31) << QStringLiteral("31. 10. 2030");
    }
    void dateText()
    {
        QFETCH(QDate, date);
        QFETCH(QString, text);
        QCOMPARE(companyDateText(date), text);
        QVERIFY(text.size() <= CompanyDateMaxLength);
    }

    void positions_data()
    {
        QTest::addColumn<QStringList>("fields"); // logo left, logo top, name left, name top
        QTest::addColumn<int>("problem");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QList<int>>("values");
        using P = CheckedCompanyPositions::Problem;
        const QString refused = QString::fromUtf8("Falsche Eingabe!  Einstellungen wurden nicht übernommen.");
        QTest::newRow("defaults") << QStringList{QStringLiteral("0"), QStringLiteral("0"),
                                                 QStringLiteral("0"), QStringLiteral("0")}
                                  << int(P::None) << QString() << QList<int>{0, 0, 0, 0};
        QTest::newRow("values") << QStringList{QStringLiteral("25"), QStringLiteral("3"),
                                               QStringLiteral("300"), QStringLiteral("10000")}
                                << int(P::None) << QString() << QList<int>{25, 3, 300, 10000};
        QTest::newRow("negative") << QStringList{QStringLiteral("0"), QStringLiteral("-5"),
                                                 QStringLiteral("0"), QStringLiteral("0")}
                                  << int(P::OutOfRange) << refused << QList<int>();
        QTest::newRow("beyond any page") << QStringList{QStringLiteral("0"), QStringLiteral("0"),
                                                        QStringLiteral("10001"), QStringLiteral("0")}
                                         << int(P::OutOfRange) << refused << QList<int>();
        QTest::newRow("not a whole number")
            << QStringList{QStringLiteral("1"), QStringLiteral("2,5"), QStringLiteral("0"),
                           QStringLiteral("0")}
            << int(P::NotAnInteger) << QString::fromUtf8("'2,5' ist kein gültiger Integerwert")
            << QList<int>();
        QTest::newRow("conversion before the range")
            << QStringList{QStringLiteral("-1"), QStringLiteral("0"), QStringLiteral("0"),
                           QStringLiteral("%1x")}
            << int(P::NotAnInteger) << QString::fromUtf8("'%1x' ist kein gültiger Integerwert")
            << QList<int>();
        QTest::newRow("single space from the file")
            << QStringList{QStringLiteral(" "), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")}
            << int(P::NotAnInteger) << QString::fromUtf8("' ' ist kein gültiger Integerwert") << QList<int>();
        QTest::newRow("beyond the integer range")
            << QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                           QStringLiteral("99999999999")}
            << int(P::NotAnInteger) << QString::fromUtf8("'99999999999' ist kein gültiger Integerwert")
            << QList<int>();
    }
    void positions()
    {
        QFETCH(QStringList, fields);
        QFETCH(int, problem);
        QFETCH(QString, message);
        QFETCH(QList<int>, values);
        CompanyData d;
        d.LogoLeft = fields[0];
        d.LogoTop = fields[1];
        d.FaNameLeft = fields[2];
        d.FaNameTop = fields[3];
        const CheckedCompanyPositions checked = checkCompanyPositions(d);
        QCOMPARE(int(checked.problem), problem);
        QCOMPARE(checked.message, message);
        if (checked.ok()) {
            const CompanyPositions &p = checked.values;
            QCOMPARE((QList<int>{p.logoLeft, p.logoTop, p.nameLeft, p.nameTop}), values);
        }
    }
};

QTEST_APPLESS_MAIN(TestCompanyData)
#include "tst_companydata.moc"
