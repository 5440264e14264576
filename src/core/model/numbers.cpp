#include "core/model/numbers.h"

#include <QLocale>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace tavix {

namespace {

// value = 0.d1d2d3... × 10^exponent, digits without trailing zeros; empty digits = zero.
struct Decimal
{
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

constexpr int MaxDigits = 18; // what an 80-bit extended value carries

Decimal toDecimal(long double value)
{
    Decimal d;
    if (value == 0)
        return d;
    d.negative = std::signbit(value);
    // "d.ddddde±x": read in place, one allocation for the digits.
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, MaxDigits - 1);
    const char *const e = std::find(buf, res.ptr, 'e');
    d.digits.reserve(MaxDigits);
    for (const char *p = buf; p < e; ++p) {
        if (*p != '.')
            d.digits += *p;
    }
    int exp10 = 0;
    std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), res.ptr, exp10);
    d.exponent = exp10 + 1;
    // Next to the largest finite value, rounding to MaxDigits can give a decimal beyond
    // it, which no reader could take back: cut instead of rounding up there.
    if (d.exponent > std::numeric_limits<long double>::max_exponent10) {
        long double back = 0;
        const std::string text = "0." + d.digits + "e" + std::to_string(d.exponent);
        const auto parsed = std::from_chars(text.data(), text.data() + text.size(), back);
        if (parsed.ec != std::errc() || !std::isfinite(back)) {
            int i = static_cast<int>(d.digits.size()) - 1;
            while (i >= 0 && d.digits[i] == '0')
                d.digits[i--] = '9';
            if (i >= 0)
                d.digits[i] -= 1;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

// Keeps at most `count` significant digits, rounding half away from zero.
void roundToDigits(Decimal &d, int count)
{
    // Below half a unit of the last kept place: the value rounds to zero, without a sign.
    if (count < 0) {
        d.digits.clear();
        d.negative = false;
        return;
    }
    if (static_cast<int>(d.digits.size()) <= count)
        return;
    const bool roundUp = d.digits[count] >= '5';
    d.digits.resize(count);
    if (roundUp) {
        int i = count - 1;
        while (i >= 0 && d.digits[i] == '9') {
            d.digits[i] = '0';
            --i;
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            d.exponent += 1;
        } else {
            d.digits[i] += 1;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        d.negative = false; // rounded to zero: no sign
}

char digitAt(const Decimal &d, int i)
{
    return i >= 0 && i < static_cast<int>(d.digits.size()) ? d.digits[i] : '0';
}

QString nonFinite(long double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

QString fixedText(const Decimal &d, int decimals, QChar sep)
{
    QString out;
    if (d.negative)
        out += QLatin1Char('-');
    if (d.exponent <= 0 || d.digits.empty()) {
        out += QLatin1Char('0');
    } else {
        for (int i = 0; i < d.exponent; ++i)
            out += QLatin1Char(digitAt(d, i));
    }
    if (decimals > 0) {
        out += sep;
        for (int i = 0; i < decimals; ++i)
            out += QLatin1Char(d.digits.empty() ? '0' : digitAt(d, d.exponent + i));
    }
    return out;
}

QString scientificText(const Decimal &d, QChar sep, int minExponentDigits)
{
    QString out;
    if (d.negative)
        out += QLatin1Char('-');
    out += QLatin1Char(digitAt(d, 0));
    if (d.digits.size() > 1) {
        out += sep;
        out += QString::fromLatin1(d.digits.data() + 1, static_cast<int>(d.digits.size()) - 1);
    }
    out += QLatin1Char('E');
    const int exp = d.exponent - 1;
    if (exp < 0)
        out += QLatin1Char('-');
    QString e = QString::number(std::abs(exp));
    while (e.size() < minExponentDigits)
        e.prepend(QLatin1Char('0'));
    return out + e;
}

// Field texts are short decimals: up to 19 significant digits fit a 64-bit integer, and
// every power of ten up to 10^27 is exact in the extended format, so one multiplication
// or division gives the correctly rounded value that strtold would give, much faster.
bool exactDecimal(const std::string &ascii, long double &value)
{
    const char *p = ascii.c_str();
    bool negative = false;
    if (*p == '-') {
        negative = true;
        ++p;
    }
    unsigned long long mantissa = 0;
    int digits = 0;
    int scale = 0;
    bool afterPoint = false;
    for (; *p; ++p) {
        if (*p == '.') {
            afterPoint = true;
            continue;
        }
        if (*p == 'e')
            return false;
        if (mantissa == 0 && *p == '0') {
            if (afterPoint)
                ++scale;
            continue;
        }
        if (++digits > 19)
            return false;
        mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
        if (afterPoint)
            ++scale;
    }
    if (scale > 27)
        return false;
    static const long double powers[28] = {
        1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
        1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};
    value = static_cast<long double>(mantissa) / powers[scale];
    if (negative)
        value = -value;
    return true;
}

} // namespace

QChar localeDecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.at(0);
}

std::optional<long double> parseReal(const QString &text, QChar decimalSeparator)
{
    int begin = 0;
    int end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    if (end - begin > 256)
        return std::nullopt;

    std::string ascii;
    ascii.reserve(end - begin);
    int i = begin;
    auto peek = [&]() {
        return i < end ? text.at(i) : QChar();
    };
    if (peek() == QLatin1Char('+') || peek() == QLatin1Char('-')) {
        if (peek() == QLatin1Char('-'))
            ascii += '-';
        ++i;
    }
    int mantissaDigits = 0;
    while (peek().isDigit() && peek().unicode() < 128) {
        ascii += static_cast<char>(peek().unicode());
        ++i;
        ++mantissaDigits;
    }
    if (i < end && text.at(i) == decimalSeparator) {
        ascii += '.';
        ++i;
        while (peek().isDigit() && peek().unicode() < 128) {
            ascii += static_cast<char>(peek().unicode());
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (peek() == QLatin1Char('e') || peek() == QLatin1Char('E')) {
        ascii += 'e';
        ++i;
        if (peek() == QLatin1Char('+') || peek() == QLatin1Char('-')) {
            ascii += static_cast<char>(peek().unicode());
            ++i;
        }
        int expDigits = 0;
        while (peek().isDigit() && peek().unicode() < 128) {
            ascii += static_cast<char>(peek().unicode());
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != end)
        return std::nullopt;

    long double value = 0;
    if (exactDecimal(ascii, value))
        return value;
    const auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (res.ec != std::errc() || res.ptr != ascii.data() + ascii.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString invalidRealMessage(const QString &text)
{
    return QStringLiteral("'%1' ist kein gültiger Fließkommawert").arg(text);
}

QString formatFixed(long double value, int precision, int digits, QChar decimalSeparator)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    precision = std::clamp(precision, 1, MaxDigits);
    digits = std::clamp(digits, 0, MaxDigits);
    // Most values are shown with one decimal, and counted in tenths they need no digit
    // string: when the rounded value has fewer integer digits than `precision`, the
    // rounding falls on the tenths place, as it does below. Zero keeps its sign below.
    if (digits == 1) {
        const std::optional<long long> tenths = roundedTenths(value);
        long long limit = 1;
        for (int i = 0; i < precision; ++i)
            limit *= 10;
        if (tenths && *tenths != 0 && std::llabs(*tenths) < limit) {
            const long long magnitude = std::llabs(*tenths);
            QString out = QString::number(magnitude / 10);
            if (*tenths < 0)
                out.prepend(QLatin1Char('-'));
            out += decimalSeparator;
            out += QLatin1Char(char('0' + magnitude % 10));
            return out;
        }
    }
    Decimal d = toDecimal(value);
    roundToDigits(d, std::min(precision, d.exponent + digits));
    if (!d.digits.empty() && d.exponent > precision)
        return scientificText(d, decimalSeparator, 1);
    return fixedText(d, digits, decimalSeparator);
}

std::optional<long long> roundedTenths(long double value)
{
    if (!std::isfinite(value) || std::fabs(value) >= 1e15L)
        return std::nullopt;
    if (value == 0)
        return 0;
    // Away from a half tenth, rounding the 18-digit expansion first cannot change the result:
    // it moves the value by far less than the margin.
    const long double scaled = std::fabs(value) * 10;
    const long double whole = std::floor(scaled);
    const long double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5L) > scaled * 1e-15L + 1e-15L) {
        const long long tenths = static_cast<long long>(whole) + (fraction > 0.5L ? 1 : 0);
        return value < 0 ? -tenths : tenths;
    }
    // The 18-digit expansion as toDecimal takes it, without building strings: "d.ddd…e±x".
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, MaxDigits - 1);
    char digits[MaxDigits];
    int count = 0;
    const char *p = buf;
    for (; p < res.ptr && *p != 'e'; ++p) {
        if (*p != '.' && count < MaxDigits)
            digits[count++] = *p;
    }
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+'), res.ptr, exponent);
    auto digitAt = [&](int i) {
        return i >= 0 && i < count ? digits[i] - '0' : 0;
    };
    // Digits up to the tenths place, then half away from zero on the next one.
    const int kept = exponent + 2;
    long long tenths = 0;
    for (int i = 0; i < kept; ++i)
        tenths = tenths * 10 + digitAt(i);
    if (digitAt(kept) >= 5)
        ++tenths;
    return value < 0 ? -tenths : tenths;
}

QString formatGeneral(long double value, QChar decimalSeparator, int precision)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    precision = std::clamp(precision, 1, MaxDigits);
    Decimal d = toDecimal(value);
    roundToDigits(d, precision);
    if (d.digits.empty())
        return QStringLiteral("0");
    if (d.exponent > precision || d.exponent < -3)
        return scientificText(d, decimalSeparator, 0);
    const int decimals = std::max(0, static_cast<int>(d.digits.size()) - d.exponent);
    return fixedText(d, decimals, decimalSeparator);
}

std::optional<double> doubleOf17Digits(long double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const long double magnitude = std::fabs(value);
    // Writing 18 digits and rounding them to 17 moves the value by at most 0.55 units of its
    // 17th digit. Where both halfway points to the neighbouring doubles lie farther away,
    // the digits read back as the double nearest to the value. Far from the ends of the
    // range of a double, so that its neighbours are normal numbers.
    if (magnitude > 1e-280L && magnitude < 1e280L) {
        // Powers of ten from 1e-300 to 1e300, by multiplication: a few units of the last
        // place off at most, far below the margin of 0.6 against 0.55 units used here.
        static const std::array<long double, 601> powersOfTen = [] {
            std::array<long double, 601> powers{};
            powers[300] = 1;
            for (int i = 1; i <= 300; ++i) {
                powers[300 + i] = powers[299 + i] * 10;
                powers[300 - i] = powers[301 - i] / 10;
            }
            return powers;
        }();
        // From the binary exponent: log10(2) = 0.30103 gives the decimal one or one below it.
        int exponent = static_cast<int>(std::floor((std::ilogb(magnitude)) * 0.30102999566398120L));
        while (powersOfTen[size_t(301 + exponent)] <= magnitude)
            ++exponent;
        const long double reach = 0.6L * powersOfTen[size_t(300 + exponent - 16)];
        const double nearest = static_cast<double>(value);
        // Exact: two neighbouring doubles and their sum fit the 64-bit mantissa.
        const long double below =
            (static_cast<long double>(std::nextafter(nearest, -HUGE_VAL)) + nearest) / 2;
        const long double above = (static_cast<long double>(std::nextafter(nearest, HUGE_VAL)) + nearest) / 2;
        if (value - below > reach && above - value > reach)
            return nearest;
    }
    const QByteArray text = formatGeneral(value, QLatin1Char('.'), 17).toLatin1();
    double back = 0;
    const auto parsed = std::from_chars(text.constData(), text.constData() + text.size(), back);
    if (parsed.ec != std::errc() || !std::isfinite(back))
        return std::nullopt;
    return back;
}

QString formatDb(long double value, QChar decimalSeparator)
{
    return formatFixed(value, 3, 1, decimalSeparator);
}

QString formatResult(long double value, QChar decimalSeparator)
{
    return formatDb(value, decimalSeparator) + QStringLiteral(" [dB]");
}

QString formatFileReal(long double value, int width, int decimals)
{
    QString text;
    if (!std::isfinite(value)) {
        text = nonFinite(value);
    } else {
        Decimal d = toDecimal(value);
        roundToDigits(d, d.exponent + decimals);
        text = fixedText(d, decimals, QLatin1Char('.'));
    }
    return text.rightJustified(width, QLatin1Char(' '));
}

QString formatFileInteger(long long value, int width)
{
    return QString::number(value).rightJustified(width, QLatin1Char(' '));
}

std::optional<int> parseWholeNumber(const QString &text)
{
    int i = 0;
    const int n = text.size();
    while (i < n && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    if (i == n)
        return std::nullopt;
    long long value = 0;
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (c.unicode() < '0' || c.unicode() > '9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > 2147483648LL)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > 2147483647LL || value < -2147483648LL)
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace tavix
