#pragma once

// Projects the tests and benchmarks share, built directly in the model.

#include "core/calculate/recalculate.h"
#include "core/model/variablen.h"

namespace tavix::fixtures {

// The documented worked example: a 12 m² wall of 350 kg/m² (Rw 56.4 dB) between rooms of
// 5 m and 4 m depth and 60 m³ and 48 m³, four T-junctions without separation, flanks of
// 250 kg/m² (Rw 51.9 dB) with edges of 2.5 m (flanks 1, 3) and 4.8 m (flanks 2, 4).
inline ProjectModel workedExample(QChar sep = QLatin1Char('.'))
{
    ProjectModel model;
    resetModel(model, sep);
    auto num = [sep](const char *text) {
        QString s = QString::fromLatin1(text);
        s.replace(QLatin1Char('.'), sep);
        return s;
    };
    FieldTexts &f = model.fields;
    f.A = num("12");
    f.L1 = num("5");
    f.L2 = num("4");
    f.Vol1 = num("60");
    f.Vol2 = num("48");
    f.LF[1] = f.LF[3] = num("2.5");
    f.LF[2] = f.LF[4] = num("4.8");
    model.buildUp[0][0].m = 350;
    model.buildUp[0][0].Rw = 56.4L;
    for (int n = 1; n <= FlankCount; ++n) {
        for (int s = 1; s <= 2; ++s) {
            model.buildUp[n][s].m = 250;
            model.buildUp[n][s].Rw = 51.9L;
        }
    }
    return model;
}

// A floor between flats (a textbook's worked example of impact sound): slab of 432 kg/m²
// under a cement screed of 90 kg/m² on insulation of 10 MN/m³, walls in the room below of
// 308, 216, 216 and 428 kg/m² without linings, V2 = 35.5 m³.
inline ProjectModel impactFloorExample(QChar sep = QLatin1Char('.'))
{
    ProjectModel model = workedExample(sep);
    model.Orientation = 1;
    model.fields.Vol2 = QStringLiteral("35") + sep + QStringLiteral("5");
    model.buildUp[0][0].m = 432;
    model.buildUp[0][0].Rw = 58.4L;
    const long double walls[] = {0, 308, 216, 216, 428};
    for (int n = 1; n <= FlankCount; ++n) {
        for (int s = 1; s <= 2; ++s)
            model.buildUp[n][s].m = walls[n];
    }
    model.impactInputs.screed = ScreedKind::CementOrCalciumSulphate;
    model.impactInputs.screedMass = 90;
    model.impactInputs.stiffness = 10;
    return model;
}

} // namespace tavix::fixtures
