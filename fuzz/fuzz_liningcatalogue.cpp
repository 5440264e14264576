// Any byte sequence must read as a lining catalogue: no crash, no hang, no undefined
// behaviour. The bytes are read from a file the way the lining dialog reads one; saving
// the rows read and reading them again must give the same rows (the empty descriptions
// left out, as saving skips them), complete, and saving those writes the same bytes.

#include "core/io/filelayer.h"
#include "core/linings/liningcatalogue.h"

#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

using namespace tavix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("eingabe.lib"));
    const QString saved = dir.filePath(QStringLiteral("VS_Wand.lib"));
    const QByteArray content(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    if (!writeFileAtomically(input, content).isEmpty())
        abort();
    const LiningCatalogueReadResult read = readLiningCatalogue(input);
    if (!read.error.isEmpty())
        abort(); // a regular file below the size cap always reads
    if (read.rows.size() > MaxCatalogueRows)
        abort();

    const int category = size > 0 ? 1 + data[0] % LiningCategoryCount : 1;
    const QByteArray written = serializeLiningCatalogue(category, read.rows);
    if (!writeLiningCatalogue(saved, category, read.rows).isEmpty())
        abort();
    const LiningCatalogueReadResult again = readLiningCatalogue(saved);
    QList<LiningCatalogueRow> expected;
    for (const LiningCatalogueRow &row : read.rows) {
        if (!row.description.isEmpty())
            expected.append(row);
    }
    if (!again.error.isEmpty() || again.rows != expected || again.truncated)
        abort();
    if (serializeLiningCatalogue(category, again.rows) != written)
        abort();
    return 0;
}
