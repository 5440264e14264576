#include "core/io/filelayer.h"
#include "core/reports/companydata.h"

#include <QDate>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace tavix;

namespace {

CompanyData emptyCompany()
{
    CompanyData d;
    for (QString *s :
         {&d.Fa, &d.Str, &d.PLZ, &d.Ort, &d.Bearbeiter, &d.Date, &d.Tel, &d.Fax, &d.Mail, &d.www, &d.Logo})
        s->clear();
    return d;
}

// Fifteen different values, so that a field read from the wrong line shows.
CompanyData filledCompany()
{
    CompanyData d;
    QString *fields[] = {&d.Fa,   &d.Str,      &d.PLZ,     &d.Ort,        &d.Bearbeiter,
                         &d.Date, &d.Tel,      &d.Fax,     &d.Mail,       &d.www,
                         &d.Logo, &d.LogoLeft, &d.LogoTop, &d.FaNameLeft, &d.FaNameTop};
    for (int i = 0; i < 15; ++i)
        *fields[i] = i < 11 ? QStringLiteral("Müller %1").arg(i + 1) : QString::number(i * 7);
    return d;
}

QStringList texts(const CompanyData &d)
{
    return {d.Fa,   d.Str, d.PLZ,  d.Ort,      d.Bearbeiter, d.Date,       d.Tel,      d.Fax,
            d.Mail, d.www, d.Logo, d.LogoLeft, d.LogoTop,    d.FaNameLeft, d.FaNameTop};
}

const QByteArray
    EmptyFieldsFile(" \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n \r\n0\r\n0\r\n0\r\n0\r\n1\r\n");

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
        QTest::newRow("empty fields") << emptyCompany() << EmptyFieldsFile;
        // A pasted line break must not shift the later lines; a character outside the code
        // page must not become byte 26, which readers take for the end of the file.
        CompanyData awkward = emptyCompany();
        awkward.Fa = QStringLiteral("Łódź\r\nBüro\t€");
        const QByteArray firstLine = QByteArray::fromHex("3ff364 3f 2020 42fc726f 20 80 0d0a");
        QTest::newRow("line break, tab, foreign letters") << awkward << firstLine + EmptyFieldsFile.mid(3);
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
        QTest::newRow("empty fields read as single spaces")
            << EmptyFieldsFile << QStringList(11, QStringLiteral(" ")) + QStringList(4, QStringLiteral("0"));
        QStringList shortFile(15);
        shortFile[0] = QStringLiteral("  Firma  ");
        shortFile[1] = QStringLiteral("Straße");
        QTest::newRow("lines as they stand, missing lines empty") << QByteArray("  Firma  \nStra\xdf"
                                                                                "e")
                                                                  << shortFile;
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
        QVERIFY(missing.ok() && !missing.found);
        QCOMPARE(texts(missing.data), texts(CompanyData()));

        QCOMPARE(saveCompanyData(filledCompany(), path), QString());
        const LoadedCompanyData loaded = loadCompanyData(path);
        QVERIFY(loaded.ok() && loaded.found);
        QCOMPARE(texts(loaded.data), texts(filledCompany()));

        // A folder of that name is found but cannot be read: an error, not a hang or defaults.
        QVERIFY(QFile::remove(path) && QDir(dir.path()).mkdir(CompanyDataFileName));
        const LoadedCompanyData folder = loadCompanyData(path);
        QVERIFY(folder.found);
        QCOMPARE(folder.error, fileReadErrorText(path, QStringLiteral("Dateizugriff verweigert")));
    }

    void dateText()
    {
        QCOMPARE(companyDateText(QDate(2027, 3, 1)), QStringLiteral("1. 3. 2027"));
        QCOMPARE(companyDateText(QDate(2026, 12, 31)), QStringLiteral("31. 12. 2026"));
    }

    void positions_data()
    {
        QTest::addColumn<QStringList>("fields"); // logo left, logo top, name left, name top
        QTest::addColumn<int>("problem");
        QTest::addColumn<QString>("message");
        using P = CheckedCompanyPositions::Problem;
        const QString refused = QStringLiteral("Falsche Eingabe!  Einstellungen wurden nicht übernommen.");
        const QString zero = QStringLiteral("0");
        QTest::newRow("values") << QStringList{QStringLiteral("25"), QStringLiteral("3"), zero,
                                               QStringLiteral("10000")}
                                << int(P::None) << QString();
        QTest::newRow("negative") << QStringList{zero, QStringLiteral("-5"), zero, zero} << int(P::OutOfRange)
                                  << refused +
                                         QStringLiteral("\r\rFirmenlogo, Abstand vom oberen Rand: -5 Pixel; "
                                                        "erlaubt sind 0 bis 10000 Pixel.");
        QTest::newRow("beyond any page")
            << QStringList{zero, zero, QStringLiteral("10001"), zero} << int(P::OutOfRange)
            << refused +
                   QStringLiteral("\r\rFirmenname, Abstand vom linken Rand: 10001 Pixel; erlaubt sind 0 bis "
                                  "10000 Pixel.");
        QTest::newRow("conversion before the range")
            << QStringList{QStringLiteral("-1"), zero, zero, QStringLiteral("%1x")} << int(P::NotAnInteger)
            << QStringLiteral("'%1x' ist kein gültiger Integerwert");
        QTest::newRow("single space from the file")
            << QStringList{QStringLiteral(" "), zero, zero, zero} << int(P::NotAnInteger)
            << QStringLiteral("' ' ist kein gültiger Integerwert");
        QTest::newRow("beyond the integer range")
            << QStringList{zero, zero, zero, QStringLiteral("99999999999")} << int(P::NotAnInteger)
            << QStringLiteral("'99999999999' ist kein gültiger Integerwert");
    }
    void positions()
    {
        QFETCH(QStringList, fields);
        QFETCH(int, problem);
        QFETCH(QString, message);
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
            QCOMPARE((QList<int>{p.logoLeft, p.logoTop, p.nameLeft, p.nameTop}),
                     (QList<int>{25, 3, 0, 10000}));
        }
    }
};

QTEST_APPLESS_MAIN(TestCompanyData)
#include "tst_companydata.moc"
