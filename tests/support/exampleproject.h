#pragma once

// The projects shipped in examples/: the documented worked example (worked-example.dat) with
// build-ups that give its masses (brick walls of 2000 kg/m³) and its names filled in, the floor
// of the calculation document's second example (floor-example.dat) and the floor of its
// impact-sound example (impact-example.dat).

#include "core/buildup/buildupcalc.h"
#include "core/buildup/buildupclipboard.h"
#include "fixtures.h"

#include <array>

namespace tavix::fixtures {

// The project's names: project, street, postcode, town, variant, room 1, room 2 and the
// separating element.
inline void nameProject(FieldTexts &f, const std::array<const char *, 8> &names)
{
    QString *fields[] = {&f.Projekt, &f.Str, &f.PLZ, &f.Ort, &f.Variante, &f.room1, &f.room2, &f.TB};
    for (std::size_t i = 0; i < names.size(); ++i)
        *fields[i] = QString::fromUtf8(names[i]);
}

// A floor (orientation 1): area, the rooms' depths and volumes (A, L1, L2, Vol1, Vol2), the
// flanks' names and edge lengths.
inline void floorGeometry(ProjectModel &model, const std::array<const char *, 5> &sizes,
                          const std::array<const char *, FlankCount> &flankNames,
                          const std::array<const char *, FlankCount> &edges)
{
    FieldTexts &f = model.fields;
    model.Orientation = 1;
    QString *fields[] = {&f.A, &f.L1, &f.L2, &f.Vol1, &f.Vol2};
    for (std::size_t i = 0; i < sizes.size(); ++i)
        *fields[i] = QString::fromLatin1(sizes[i]);
    for (int n = 1; n <= FlankCount; ++n) {
        f.Flanke[n] = QString::fromUtf8(flankNames[n - 1]);
        f.LF[n] = QString::fromLatin1(edges[n - 1]);
    }
}

inline ProjectModel exampleProject(QChar sep = QLatin1Char('.'))
{
    ProjectModel model = workedExample(sep);
    FieldTexts &f = model.fields;
    nameProject(f, {"Rechenbeispiel", "Musterstraße 1", "12345", "Musterstadt", "Grundvariante", "Wohnen",
                    "Schlafen", "Wohnungstrennwand"});
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

// The build-up dialog accepted on `record` (kind, list choices and typed layers set): the
// layer values, m' and Rw as the dialog computes them, stored with the summary lines it
// shows. Layers of kinds 2 to 5 are named by `names` ("Putz" and the kind name).
inline void acceptBuildUp(ProjectModel &model, int element, int side, BuildUpRecord record,
                          const QStringList &names = {})
{
    const QChar sep = QLatin1Char('.');
    const BuildUpDialogView view = recomputeBuildUp(dialogInputFromRecord(record, sep), sep);
    BuildUpFieldTexts texts;
    for (int i = 0; i < 3; ++i) {
        texts.thickness[i] = view.fields[2 * i];
        texts.density[i] = view.fields[2 * i + 1];
        texts.name[i] = view.layerTextsFromLists ? view.layerTexts[i] : names.value(i);
    }
    commitBuildUp(model, element, side, view.record, texts);
}

// The second documented example: the floor between two flats of an apartment house, a
// 20 cm concrete slab with a floating cement screed above, outer walls of thermally
// optimised bricks (the correction path), a corridor wall at a cross junction and a
// staircase wall on which the slab rests on an elastomer bearing.
inline ProjectModel floorExampleProject()
{
    const QChar sep = QLatin1Char('.');
    ProjectModel model;
    resetModel(model, sep);
    FieldTexts &f = model.fields;
    nameProject(f, {"Mehrfamilienhaus Am Mühlbach", "Am Mühlbach 7", "79098", "Freiburg im Breisgau",
                    "Decke EG/1. OG, Zementestrich", "Wohnen 1. OG", "Wohnen EG", "Wohnungstrenndecke"});
    floorGeometry(model, {"21", "2.6", "2.5", "54.6", "52.5"},
                  {"Außenwand Süd", "Flurwand", "Außenwand Nord", "Treppenhaus"}, {"5", "4.2", "5", "4.2"});

    BuildUpRecord slab; // Normalbeton 20 cm, 10 mm Dünnputz below, no plaster above
    slab.Konstrukt = 1;
    slab.B2a = 0;
    slab.d2 = 20;
    slab.B1 = 0;
    slab.B3 = 2;
    acceptBuildUp(model, 0, 0, slab);

    BuildUpRecord outerWall; // 36.5 cm thermally optimised perforated bricks, plaster 15 mm
    outerWall.Konstrukt = 3;
    outerWall.d1 = outerWall.d3 = 1.5L;
    outerWall.roh1 = outerWall.roh3 = 1800;
    outerWall.d2 = 36.5L;
    outerWall.roh2 = 700;
    const QStringList brickNames{QStringLiteral("Putz"), QStringLiteral("Ziegel-Mauerwerk"),
                                 QStringLiteral("Putz")};
    BuildUpRecord corridorWall; // Tavix masonry 17.5 cm, density class 1.8, thin-bed mortar
    corridorWall.Konstrukt = 0;
    corridorWall.Moertel = 0;
    corridorWall.B2 = 3;
    corridorWall.B2b = 4;
    corridorWall.B1 = corridorWall.B3 = 2;
    BuildUpRecord staircaseWall = corridorWall; // 24 cm, density class 2.0
    staircaseWall.B2 = 4;
    staircaseWall.B2b = 7;
    // Every flank keeps "identisch zu Raum 1": room 2 mirrors room 1.
    acceptBuildUp(model, 1, 1, outerWall, brickNames);
    acceptBuildUp(model, 3, 1, outerWall, brickNames);
    acceptBuildUp(model, 2, 1, corridorWall);
    acceptBuildUp(model, 4, 1, staircaseWall);

    model.Stoss[1] = QStringLiteral("TS_ohneTrennung");
    model.Stoss[2] = QStringLiteral("KS_ohneTrennung");
    model.Stoss[3] = QStringLiteral("TS_ohneTrennung");
    model.Stoss[4] = QStringLiteral("TS_TrennungTB");

    // Floating screed on the upper side: 50 mm cement screed (110 kg/m²) on impact sound
    // insulation of s' = 10 MN/m³, f0 = 160 · √(10 / 110) = 48 Hz.
    f.VS[0][1] = QString::fromUtf8("Zementestrich 50 mm auf Trittschalldämmung s' = 10 MN/m³ / f = 48Hz");
    model.f0[0][1] = 48;
    return model;
}

// The third documented example, the impact sound of a floor between flats (a textbook's
// figures): an 18 cm reinforced concrete slab of 432 kg/m² under a 45 mm cement screed of
// 90 kg/m² on insulation of s' = 10 MN/m³, the room below bounded by walls of calcium
// silicate masonry of 308, 216, 216 and 428 kg/m² without linings, V2 = 35.5 m³; proven
// against the requirement for floors between flats.
inline ProjectModel impactExampleProject()
{
    const QChar sep = QLatin1Char('.');
    ProjectModel model;
    resetModel(model, sep);
    FieldTexts &f = model.fields;
    nameProject(f, {"Lindenhof, Haus B", "Lindenstraße 12", "34117", "Kassel", "Zementestrich 45 mm",
                    "Wohnzimmer 1. OG", "Wohnzimmer EG", "Wohnungstrenndecke"});
    floorGeometry(model, {"14.2", "2.5", "2.5", "35.5", "35.5"},
                  {"Außenwand", "Innenwand Küche", "Innenwand Flur", "Wohnungstrennwand"},
                  {"4", "3.55", "4", "3.55"});
    for (int n = 1; n <= FlankCount; ++n)
        model.Stoss[n] = QStringLiteral("TS_ohneTrennung");
    model.Stoss[2] = QStringLiteral("KS_ohneTrennung");

    // Own entries: thicknesses in cm and densities in kg/m³ of plaster, wall, plaster.
    auto ownBuildUp = [&model](int element, std::array<long double, 6> layers, const QStringList &names) {
        BuildUpRecord record;
        record.Konstrukt = 5;
        record.d1 = layers[0];
        record.roh1 = layers[1];
        record.d2 = layers[2];
        record.roh2 = layers[3];
        record.d3 = layers[4];
        record.roh3 = layers[5];
        acceptBuildUp(model, element, element == 0 ? 0 : 1, record, names);
    };
    const QString plaster = QStringLiteral("Kalkzementputz");
    const QString masonry = QStringLiteral("Kalksandstein");
    ownBuildUp(0, {0, 0, 18, 2400, 0, 0}, {QString(), QStringLiteral("Stahlbeton"), QString()}); // 432 kg/m²
    ownBuildUp(1, {1, 1600, 17.5L, 1600, 2, 600},
               {plaster, masonry, QString::fromUtf8("Wärmedämmputz")});          // 308 kg/m²
    ownBuildUp(2, {1, 1600, 11.5L, 1600, 1, 1600}, {plaster, masonry, plaster}); // 216 kg/m²
    ownBuildUp(3, {1, 1600, 11.5L, 1600, 1, 1600}, {plaster, masonry, plaster}); // 216 kg/m²
    ownBuildUp(4, {1, 1600, 24, 1650, 1, 1600}, {plaster, masonry, plaster});    // 428 kg/m²

    // The floating screed is a lining of the slab in room 1 for the airborne sound,
    // f0 = 160 · √(10 / 90) = 53 Hz, and the input of the impact calculation.
    f.VS[0][1] =
        QString::fromUtf8("Zementestrich 45 mm auf Trittschalldämmung s' = 10 MN/m³ / f = 53Hz");
    model.f0[0][1] = 53;
    model.impactInputs.screed = ScreedKind::CementOrCalciumSulphate;
    model.impactInputs.screedMass = 90;
    model.impactInputs.stiffness = 10;
    model.requirement.id = QStringLiteral("mfh-decke");
    return model;
}

} // namespace tavix::fixtures
