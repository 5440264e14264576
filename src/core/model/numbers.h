#pragma once

// Reading and writing numbers the way planners see them. Every displayed value is
// rounded once, on its 18-digit decimal expansion, half away from zero, so that
// screen, printout, project file and command line agree to the last digit.
//
//  * Field texts use the user's decimal separator ("," or "."), files always ".".
//  * formatFixed(v, precision, digits): round to `precision` significant digits but no
//    more than `digits` decimals, then print with exactly `digits` decimals. When the
//    integer part needs more than `precision` digits the value is written in scientific
//    form instead (as formatGeneral would).
//  * formatGeneral(v): the shortest form with up to 15 significant digits, used when
//    numbers are written into input fields.

#include <QChar>
#include <QString>
#include <optional>

namespace tavix {

QChar localeDecimalSeparator(); // of QLocale(), the default locale of the program

// Edge lengths are double precision. The largest one accepted anywhere (field, file) is
// the largest 15-digit decimal within the range of a double, so that the field text of
// any accepted length is itself accepted again.
constexpr long double MaxEdgeLength = 1.79769313486231e308L;

// A field text as a number; std::nullopt when the text is not a number.
// Blanks around the number are allowed, an exponent too; thousands separators are not.
std::optional<long double> parseReal(const QString &text, QChar decimalSeparator);

// "'<text>' ist kein gültiger Fließkommawert"
QString invalidRealMessage(const QString &text);

QString formatFixed(long double value, int precision, int digits, QChar decimalSeparator);
// The value as formatFixed(value, 18, 1, …) shows it, counted in tenths (54.95 → 550), without
// composing the text: what a proof compares. nullopt when not finite or 10^15 or more.
std::optional<long long> roundedTenths(long double value);
QString formatGeneral(long double value, QChar decimalSeparator, int precision = 15);

// The double that the 17 significant digits of formatGeneral(value, '.', 17) read back as
// (17 digits carry every double exactly: the numbers of the JSON output). Found without
// writing the digits whenever their rounding cannot reach a point halfway between two
// doubles; nullopt for a value that has none (not finite, or beyond the range of a double).
std::optional<double> doubleOf17Digits(long double value);

// The display form of every acoustic result: three significant digits, one decimal, " [dB]".
QString formatResult(long double value, QChar decimalSeparator);
QString formatDb(long double value, QChar decimalSeparator); // the same without the unit

// Fixed-point with `decimals` decimals and "." as decimal point, left-padded with blanks to
// at least `width` characters (the layout of project files).
QString formatFileReal(long double value, int width, int decimals);
// Right-aligned integer, left-padded with blanks to at least `width` characters.
QString formatFileInteger(long long value, int width = 0);

// A whole number as the lining dialog reads it: optional leading blanks and sign, then
// decimal digits only, within the range of a signed 32-bit integer.
std::optional<int> parseWholeNumber(const QString &text);

} // namespace tavix
