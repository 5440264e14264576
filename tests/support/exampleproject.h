#pragma once

// The project shipped as examples/worked-example.dat: the documented worked example with
// build-ups that give its masses (brick walls of 2000 kg/m³) and its names filled in.

#include "fixtures.h"

namespace tavix::fixtures {

inline ProjectModel exampleProject(QChar sep = QLatin1Char('.'))
{
    ProjectModel model = workedExample(sep);
    FieldTexts &f = model.fields;
    f.Projekt = QStringLiteral("Rechenbeispiel");
    f.Str = QString::fromUtf8("Musterstraße 1");
    f.PLZ = QStringLiteral("12345");
    f.Ort = QStringLiteral("Musterstadt");
    f.Variante = QStringLiteral("Grundvariante");
    f.room1 = QStringLiteral("Wohnen");
    f.room2 = QStringLiteral("Schlafen");
    f.TB = QStringLiteral("Wohnungstrennwand");
    auto brick = [](BuildUpRecord &b, long double thickness) {
        b.Konstrukt = 3;
        b.d2 = thickness;
        b.roh2 = 2000;
        b.schichtName2 = QStringLiteral("Ziegel-Mauerwerk");
    };
    brick(model.buildUp[0][0], 17.5L); // 350 kg/m²
    for (int n = 1; n <= FlankCount; ++n) {
        f.Flanke[n] = QStringLiteral("Flanke %1").arg(n);
        for (int s = 1; s <= 2; ++s)
            brick(model.buildUp[n][s], 12.5L); // 250 kg/m²
    }
    return model;
}

} // namespace tavix::fixtures
