// Any byte sequence must open as a project or fail with a message: no crash, no hang, no
// undefined behaviour. The bytes go into a file that is opened the way "Öffnen..." opens
// one; whatever reads successfully goes on through everything a loaded project meets
// (the build-up recomputation of all nine slots, the junction vocabulary, the
// recalculation) and is then saved and opened again: the second reading must hold the
// values of the first to the precision of the file, and saving it once more must write
// the same bytes.

#include "core/buildup/buildupcalc.h"
#include "core/calculate/recalculate.h"
#include "core/io/filelayer.h"
#include "core/junctions/junctioncodes.h"
#include "core/model/numbers.h"
#include "core/projectfile/projectfile.h"

#include <QTemporaryDir>

#include <cmath>
#include <cstdint>
#include <cstdlib>

using namespace tavix;

namespace {

// What rounding to `decimals` places and to the 18 digits of the file may change.
bool sameToPrecision(long double first, long double second, int decimals)
{
    const long double tolerance = 0.5L * std::pow(10.0L, -decimals) + std::fabs(first) * 1e-17L;
    return std::fabs(first - second) <= tolerance * 1.000001L;
}

bool sameRecord(const BuildUpRecord &a, const BuildUpRecord &b)
{
    return a.Konstrukt == b.Konstrukt && a.Moertel == b.Moertel && a.B1 == b.B1 && a.B2 == b.B2 &&
           a.B2a == b.B2a && a.B2b == b.B2b && a.B3 == b.B3 && sameToPrecision(a.roh1, b.roh1, 2) &&
           sameToPrecision(a.roh2, b.roh2, 2) && sameToPrecision(a.roh3, b.roh3, 2) &&
           sameToPrecision(a.d1, b.d1, 3) && sameToPrecision(a.d2, b.d2, 3) &&
           sameToPrecision(a.d3, b.d3, 3) && a.schichtName1 == b.schichtName1 &&
           a.schichtName2 == b.schichtName2 && a.schichtName3 == b.schichtName3 &&
           sameToPrecision(a.m, b.m, 2) && sameToPrecision(a.Rw, b.Rw, 3) &&
           sameToPrecision(a.RwUser, b.RwUser, 1) && a.RwUserOn == b.RwUserOn &&
           a.Zulassung1 == b.Zulassung1 && a.Zulassung2 == b.Zulassung2;
}

bool sameProject(const ProjectModel &a, const ProjectModel &b)
{
    const FieldTexts &f = a.fields;
    const FieldTexts &g = b.fields;
    if (f.Projekt != g.Projekt || f.Str != g.Str || f.PLZ != g.PLZ || f.Ort != g.Ort ||
        f.Variante != g.Variante || f.TB != g.TB || f.room1 != g.room1 || f.room2 != g.room2 ||
        a.Orientation != b.Orientation)
        return false;
    for (const BuildUpSlot &slot : BuildUpSlots) {
        if (!sameRecord(a.buildUp[slot.element][slot.side], b.buildUp[slot.element][slot.side]))
            return false;
    }
    for (const BuildUpSlot &slot : LiningSlots) {
        if (f.VS[slot.element][slot.side] != g.VS[slot.element][slot.side] ||
            a.f0[slot.element][slot.side] != b.f0[slot.element][slot.side])
            return false;
    }
    for (int k = 1; k <= FlankCount; ++k) {
        if (f.Flanke[k] != g.Flanke[k] || a.Stoss[k] != b.Stoss[k] || a.IdF[k] != b.IdF[k])
            return false;
    }
    return true;
}

const QTemporaryDir &workDir()
{
    static const QTemporaryDir dir;
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QChar sep = size > 0 && data[0] % 2 ? QLatin1Char(',') : QLatin1Char('.');
    const QString input = workDir().filePath(QStringLiteral("eingabe.dat"));
    const QString saved = workDir().filePath(QStringLiteral("gespeichert.dat"));
    if (!writeFileAtomically(input, content).isEmpty())
        abort();

    LoadedProject loaded = loadProject(input, sep);
    if (!loaded.ok())
        return 0;
    ProjectModel &model = loaded.model;

    for (const BuildUpSlot &slot : BuildUpSlots) {
        const BuildUpRecord &r = model.buildUp[slot.element][slot.side];
        (void)recomputeBuildUp(dialogInputFromRecord(r, sep), sep);
    }
    QString codes[ElementCount];
    for (int n = 1; n <= FlankCount; ++n) {
        codes[n] = model.Stoss[n];
        (void)junctionDescription(codes[n]);
    }
    (void)flankAreaVisibility(codes);

    ProjectModel calculated = model;
    (void)Recalculate(calculated, sep);

    // A project the file cannot carry is refused with the number message, nothing else.
    const QString saveError = saveProject(model, saved, sep);
    if (!saveError.isEmpty()) {
        if (saveError != fileWriteErrorText(saved, QStringLiteral("Ungültige numerische Eingabe")))
            abort();
        return 0;
    }
    const QByteArray written = projectFileContent(model, sep);
    if (written.count("\r\n") != ProjectFileLineCount)
        abort();
    const LoadedProject again = loadProject(saved, sep);
    if (!again.ok())
        abort(); // the program must read back what it wrote
    if (!sameProject(model, again.model))
        abort(); // saving and opening changed a value beyond the precision of the file
    if (projectFileContent(again.model, sep) != written)
        abort(); // a second save of an unchanged project must write the same bytes
    return 0;
}
