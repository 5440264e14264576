// Any byte sequence must open as a project or fail with a message: no crash, no hang, no
// undefined behaviour. The bytes are read the way "Öffnen..." reads a file; whatever reads
// successfully goes on through everything a loaded project meets (the build-up
// recomputation of all nine slots, the junction vocabulary, the recalculation) and is then
// written and read again: the second reading must hold the values of the first to the
// precision of the file, and writing it once more must give the same bytes.
//
// The round trip runs in memory; the first input and every 1024th go through real files
// (the file layer's atomic write and capped read) instead.

#include "fuzzfiles.h"
#include "fuzzlimits.h"

#include "core/buildup/buildupcalc.h"
#include "core/calculate/recalculate.h"
#include "core/io/filelayer.h"
#include "core/junctions/junctioncodes.h"
#include "core/model/numbers.h"
#include "core/projectfile/projectfile.h"
#include "core/reports/requirements.h"

#include <cmath>
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

// The block after line 282 carries its numbers with 15 significant digits; an own
// requirement's values are kept only with the own requirement.
bool sameExtension(const ProjectModel &a, const ProjectModel &b)
{
    auto same = [](long double x, long double y) { return std::fabs(x - y) <= std::fabs(x) * 1e-14L; };
    const ImpactInputs &i = a.impactInputs;
    const ImpactInputs &j = b.impactInputs;
    const bool own = a.requirement.id == QLatin1String(OwnRequirementId);
    return a.requirement.id == b.requirement.id &&
           (!own || (same(a.requirement.ownRw, b.requirement.ownRw) &&
                     same(a.requirement.ownLnw, b.requirement.ownLnw))) &&
           i.screed == j.screed && same(i.screedMass, j.screedMass) && same(i.stiffness, j.stiffness) &&
           same(i.stiffness2, j.stiffness2) && same(i.deltaLw, j.deltaLw);
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
    return sameExtension(a, b);
}

// Reading, writing and reading again, either in memory or through real files.
class RoundTrip
{
public:
    explicit RoundTrip(bool realFiles) : m_realFiles(realFiles) {}

    LoadedProject open(const QByteArray &content, QChar sep)
    {
        if (!m_realFiles)
            return readProject(content, sep);
        const QString input = fuzz::workDir().filePath(QStringLiteral("eingabe.dat"));
        if (!writeFileAtomically(input, content).isEmpty())
            abort();
        return loadProject(input, sep);
    }

    // The bytes written; empty when the project cannot be written (a value the file
    // cannot carry), which must be refused with the number message and nothing else.
    QByteArray save(const ProjectModel &model, QChar sep)
    {
        bool writable = true;
        const QByteArray content = projectFileContent(model, sep, &writable);
        if (!m_realFiles)
            return writable ? content : QByteArray();
        const QString saved = fuzz::workDir().filePath(QStringLiteral("gespeichert.dat"));
        const QString error = saveProject(model, saved, sep);
        if (!error.isEmpty()) {
            if (writable || error != fileWriteErrorText(saved, QStringLiteral("Ungültige numerische Eingabe")))
                abort();
            return {};
        }
        if (!writable || readFileCapped(saved, 1 << 24).content != content)
            abort(); // the file holds exactly what the writer composed
        return content;
    }

private:
    bool m_realFiles;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::setDefaultMaxLength(argc, argv, MaxProjectFileSize);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    RoundTrip files(fuzz::nextGoesThroughFiles());
    const QByteArray content = fuzz::inputBytes(data, size);
    const QChar sep = size > 0 && data[0] % 2 ? QLatin1Char(',') : QLatin1Char('.');

    LoadedProject loaded = files.open(content, sep);
    if (loaded.lineCount < 0 || loaded.incomplete != (loaded.ok() && loaded.lineCount < (loaded.fileVersion == 2.0 ? ProjectFileLineCount : OlderProjectFileLineCount)))
        abort(); // the notice of a short file says what the file was
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

    const QByteArray written = files.save(model, sep);
    if (written.isEmpty())
        return 0;
    // 282 lines, and the block after them only when the project has something to keep there.
    const bool extended = model.requirement.isSet() || !model.impactInputs.isEmpty();
    const QList<QByteArray> lines = written.split('\n');
    if (lines.size() <= ProjectFileLineCount || !lines.last().isEmpty() ||
        (lines.size() == ProjectFileLineCount + 1) == extended ||
        (extended && lines.at(ProjectFileLineCount) != "[Tavix-Erweiterung]\r"))
        abort();
    const LoadedProject again = files.open(written, sep);
    if (!again.ok() || again.incomplete || again.utf8)
        abort(); // the program must read back what it wrote, as a complete file
    if (!sameProject(model, again.model))
        abort(); // saving and opening changed a value beyond the precision of the file
    if (projectFileContent(again.model, sep) != written)
        abort(); // a second save of an unchanged project must write the same bytes
    return 0;
}
