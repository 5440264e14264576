// Any byte sequence must read as a project or fail with a message: no crash, no hang, no
// undefined behaviour. Whatever reads successfully goes on through everything a loaded
// project meets: the build-up recomputation of all nine slots, the junction vocabulary,
// the recalculation and writing it back.

#include "core/buildup/buildupcalc.h"
#include "core/calculate/recalculate.h"
#include "core/junctions/junctioncodes.h"
#include "core/model/numbers.h"
#include "core/projectfile/projectfile.h"

#include <cstdint>
#include <cstdlib>

using namespace tavix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QChar sep = size > 0 && data[0] % 2 ? QLatin1Char(',') : QLatin1Char('.');
    LoadedProject loaded = readProject(content, sep);
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

    const QByteArray written = projectFileContent(model, sep);
    if (written.count("\r\n") != ProjectFileLineCount)
        abort();
    if (!readProject(written, sep).ok())
        abort(); // the program must read back what it wrote
    return 0;
}
