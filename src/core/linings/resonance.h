#pragma once

// Resonance frequency of a lining from its construction, as the lining dialog's
// calculation mode shows it, and the reading of a frequency text as whole hertz.
//
//  * Construction 1: flexible shell in front of a heavy wall, air gap with absorber:
//    f0 = 60 / sqrt(s · m'), s in m, m' in kg/m².
//  * Construction 2: flexible shell on an insulating layer bonded to both shells
//    (also floating screed): f0 = 160 · sqrt(s' / m'), s' in MN/m³, m' in kg/m².

#include <QChar>
#include <QString>
#include <optional>

namespace tavix {

enum class LiningConstruction
{
    AirGap = 1,
    BondedLayer = 2
};

// f0 in Hz, unrounded; nullopt unless both inputs are greater than 0.
std::optional<long double> resonanceFrequency(LiningConstruction construction, long double a, long double b);

struct ResonanceText
{
    QString text;  // edit_calcFres: whole hertz ("85"), or "???"
    QString error; // "'…' ist kein gültiger Fließkommawert" when a field is not a number
};

// The result field for the texts of edit_s (a) and edit_m (b): f0 rounded to whole hertz,
// halves away from zero; "???" when an input is not greater than 0 or not a number.
ResonanceText resonanceFrequencyText(LiningConstruction construction, const QString &aText,
                                     const QString &bText, QChar decimalSeparator);

// A frequency text as whole hertz: optional leading blanks and sign, then digits only.
// Empty text, "???" and everything else give nullopt.
std::optional<int> readFrequency(const QString &text);

} // namespace tavix
