#include "core/model/numbers.h"

#include <QtTest>

#include <cmath>
#include <cstdlib>
#include <random>

using namespace tavix;

class TestNumbers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parseReal_data();
    void parseReal();
    void formatFixed_data();
    void formatFixed();
    void formatGeneral_data();
    void formatGeneral();
    void fileReals_data();
    void fileReals();
    void fileIntegers();
    void wholeNumbers_data();
    void wholeNumbers();
    void invalidMessage();
    void doubleOf17Digits();
};

void TestNumbers::parseReal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("sep");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");

    const QChar dot = QLatin1Char('.');
    const QChar comma = QLatin1Char(',');
    QTest::newRow("dot decimal") << "12.5" << dot << true << 12.5;
    QTest::newRow("comma decimal") << "12,5" << comma << true << 12.5;
    QTest::newRow("comma under dot locale") << "12,5" << dot << false << 0.0;
    QTest::newRow("dot under comma locale") << "12.5" << comma << false << 0.0;
    QTest::newRow("integer") << "80" << comma << true << 80.0;
    QTest::newRow("reset text") << "0,00" << comma << true << 0.0;
    QTest::newRow("leading separator") << ",5" << comma << true << 0.5;
    QTest::newRow("trailing separator") << "5," << comma << true << 5.0;
    QTest::newRow("lone separator") << "," << comma << false << 0.0;
    QTest::newRow("two separators") << "1,2,3" << comma << false << 0.0;
    QTest::newRow("empty") << "" << dot << false << 0.0;
    QTest::newRow("blanks around") << "  7.25 " << dot << true << 7.25;
    QTest::newRow("negative") << "-3" << dot << true << -3.0;
    QTest::newRow("exponent") << "1.5E2" << dot << true << 150.0;
    QTest::newRow("bare exponent") << "1E" << dot << false << 0.0;
    QTest::newRow("letters") << "abc" << dot << false << 0.0;
    QTest::newRow("overflow") << "1e99999" << dot << false << 0.0;
    QTest::newRow("non-ascii digits") << QStringLiteral("١٢") << dot << false << 0.0;
}

void TestNumbers::parseReal()
{
    QFETCH(QString, text);
    QFETCH(QChar, sep);
    QFETCH(bool, valid);
    QFETCH(double, value);
    const auto parsed = tavix::parseReal(text, sep);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(static_cast<double>(*parsed), value);
}

void TestNumbers::formatFixed_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("precision");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("expected");

    QTest::newRow("three significant") << 52.37 << 3 << 1 << "52.4";
    QTest::newRow("rounded into integer digits") << 104.6 << 3 << 1 << "105.0";
    QTest::newRow("below ten") << 4.8149 << 3 << 1 << "4.8";
    QTest::newRow("half away from zero") << 54.25 << 3 << 1 << "54.3";
    QTest::newRow("negative half") << -3.25 << 3 << 1 << "-3.3";
    QTest::newRow("tiny negative rounds to zero") << -0.04 << 3 << 1 << "0.0";
    QTest::newRow("negative two places below the last") << -0.006 << 3 << 1 << "0.0";
    QTest::newRow("negative zero") << -0.0 << 3 << 1 << "0.0";
    QTest::newRow("carry to next power") << 99.96 << 3 << 1 << "100.0";
    QTest::newRow("more integer digits than precision") << 1234.5 << 3 << 1 << "1.23E3";
    QTest::newRow("mass four significant") << 417.6 << 4 << 1 << "417.6";
    QTest::newRow("no decimals") << 84.85 << 5 << 0 << "85";
    QTest::newRow("zero") << 0.0 << 3 << 1 << "0.0";
}

void TestNumbers::formatFixed()
{
    QFETCH(double, value);
    QFETCH(int, precision);
    QFETCH(int, digits);
    QFETCH(QString, expected);
    QCOMPARE(tavix::formatFixed(value, precision, digits, QLatin1Char('.')), expected);
    // The tenths a proof compares are the tenths shown with every digit kept.
    for (const long double v : {static_cast<long double>(value), 54.95L, 54.9499L, 0.05L, -0.05L, 0.049999L,
                                999999.95L, 1e-30L}) {
        QString shown = tavix::formatFixed(v, 18, 1, QLatin1Char('.'));
        QCOMPARE(tavix::roundedTenths(v).value(), shown.remove(QLatin1Char('.')).toLongLong());
    }
    QString withComma = expected;
    withComma.replace(QLatin1Char('.'), QLatin1Char(','));
    QCOMPARE(tavix::formatFixed(value, precision, digits, QLatin1Char(',')), withComma);
}

void TestNumbers::formatGeneral_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plaster thickness") << 0.4 << "0.4";
    QTest::newRow("density") << 1200.0 << "1200";
    QTest::newRow("thickness") << 21.4 << "21.4";
    QTest::newRow("binary noise hidden") << 0.1 + 0.2 << "0.3";
    QTest::newRow("negative") << -2.5 << "-2.5";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("large uses exponent") << 1e20 << "1E20";
    QTest::newRow("small uses exponent") << 0.00001 << "1E-5";
    QTest::newRow("small stays fixed") << 0.0001 << "0.0001";
}

void TestNumbers::formatGeneral()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(tavix::formatGeneral(value, QLatin1Char('.')), expected);
    QString withComma = expected;
    withComma.replace(QLatin1Char('.'), QLatin1Char(','));
    QCOMPARE(tavix::formatGeneral(value, QLatin1Char(',')), withComma);
}

void TestNumbers::fileReals_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");
    QTest::newRow("5:2 zero") << 0.0 << 5 << 2 << " 0.00";
    QTest::newRow("5:2 below ten") << 4.5 << 5 << 2 << " 4.50";
    QTest::newRow("5:2") << 17.5 << 5 << 2 << "17.50";
    QTest::newRow("5:2 wider than width") << 1800.0 << 5 << 2 << "1800.00";
    QTest::newRow("3:3 zero") << 0.0 << 3 << 3 << "0.000";
    QTest::newRow("3:3") << 17.5 << 3 << 3 << "17.500";
    QTest::newRow("4:3") << 12.5 << 4 << 3 << "12.500";
    QTest::newRow("6:3") << 5.0 << 6 << 3 << " 5.000";
    QTest::newRow("4:1 zero") << 0.0 << 4 << 1 << " 0.0";
    QTest::newRow("4:1") << 53.0 << 4 << 1 << "53.0";
    QTest::newRow("negative") << -1.25 << 6 << 1 << "  -1.3";
    QTest::newRow("rounding") << 58.7849 << 3 << 3 << "58.785";
    QTest::newRow("negative rounding to zero") << -0.0004 << 3 << 3 << "0.000";
    QTest::newRow("negative far below the last place") << -0.00006 << 5 << 3 << "0.000";
    QTest::newRow("negative zero") << -0.0 << 4 << 1 << " 0.0";
    QTest::newRow("negative rounding up to the last place") << -0.0005 << 3 << 3 << "-0.001";
}

void TestNumbers::fileReals()
{
    QFETCH(double, value);
    QFETCH(int, width);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    QCOMPARE(formatFileReal(value, width, decimals), expected);
}

void TestNumbers::fileIntegers()
{
    QCOMPARE(formatFileInteger(0, 5), QStringLiteral("    0"));
    QCOMPARE(formatFileInteger(80, 5), QStringLiteral("   80"));
    QCOMPARE(formatFileInteger(123456, 5), QStringLiteral("123456"));
    QCOMPARE(formatFileInteger(-1), QStringLiteral("-1"));
}

void TestNumbers::wholeNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("digits") << "85" << true << 85;
    QTest::newRow("leading blanks and sign") << "  -12" << true << -12;
    QTest::newRow("plus") << "+7" << true << 7;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("unknown frequency") << "???" << false << 0;
    QTest::newRow("trailing blank") << "85 " << false << 0;
    QTest::newRow("decimal") << "85.5" << false << 0;
    QTest::newRow("largest") << "2147483647" << true << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << true << int(-2147483648LL);
    QTest::newRow("overflow") << "2147483648" << false << 0;
    QTest::newRow("huge") << "99999999999999999999" << false << 0;
}

void TestNumbers::wholeNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const auto parsed = parseWholeNumber(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

void TestNumbers::invalidMessage()
{
    QCOMPARE(invalidRealMessage(QStringLiteral("1,2,3")),
             QStringLiteral("'1,2,3' ist kein gültiger Fließkommawert"));
}

// The shortcut must give the double that the written 17 digits read as, also next to the
// points halfway between two doubles, at powers of ten and two, and for exact doubles.
void TestNumbers::doubleOf17Digits()
{
    std::mt19937_64 random(12354);
    QList<long double> values{0.0L, -0.0L, 1.0L, 0.1L, 10.0L, 1e16L, 1e17L, 0.5L, 1e-5L, 1e289L, 1e-289L};
    for (int i = 0; i < 20000; ++i) {
        const auto exponent = int(random() % 80) - 40;
        const long double mantissa = static_cast<long double>(random()) / 18446744073709551616.0L;
        const long double any = std::ldexp(mantissa, exponent) * (random() % 2 ? 1 : -1);
        const double nearest = static_cast<double>(any);
        const long double halfway =
            (static_cast<long double>(nearest) + std::nextafter(nearest, HUGE_VAL)) / 2;
        values << any << nearest << halfway << std::nextafter(halfway, 0.0L)
               << std::nextafter(halfway, HUGE_VALL) << std::pow(10.0L, exponent)
               << std::ldexp(1.0L, exponent);
    }
    for (const long double value : values) {
        const QByteArray digits = tavix::formatGeneral(value, QLatin1Char('.'), 17).toLatin1();
        const double expected = std::strtod(digits.constData(), nullptr);
        const std::optional<double> found = tavix::doubleOf17Digits(value);
        if (!found || *found != expected)
            QFAIL(qPrintable(
                QStringLiteral("%1 reads as %2").arg(QString::fromLatin1(digits)).arg(*found, 0, 'g', 17)));
    }
    for (const long double beyond : {1e400L, -1e400L, HUGE_VALL, std::nanl("")})
        QVERIFY(!tavix::doubleOf17Digits(beyond));
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
