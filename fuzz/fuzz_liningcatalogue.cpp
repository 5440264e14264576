// Any byte sequence must read as a lining catalogue: no crash, no hang, no undefined
// behaviour. The bytes are read the way the lining dialog reads a catalogue; writing the
// rows read and reading them again must give the same rows (the empty descriptions left
// out, as writing skips them), complete, and writing those gives the same bytes.
//
// The round trip runs in memory; the first input and every 1024th go through real files.

#include "fuzzfiles.h"
#include "fuzzlimits.h"

#include "core/io/filelayer.h"
#include "core/linings/liningcatalogue.h"

#include <cstdlib>

using namespace tavix;

namespace {

LiningCatalogueReadResult read(const QByteArray &content, bool realFiles)
{
    if (!realFiles)
        return parseLiningCatalogue(content);
    const QString input = fuzz::workDir().filePath(QStringLiteral("eingabe.lib"));
    if (!writeFileAtomically(input, content).isEmpty())
        abort();
    return readLiningCatalogue(input);
}

QByteArray write(int category, const QList<LiningCatalogueRow> &rows, bool realFiles)
{
    const QByteArray content = serializeLiningCatalogue(category, rows);
    if (realFiles) {
        const QString saved = fuzz::workDir().filePath(QStringLiteral("VS_Wand.lib"));
        if (!writeLiningCatalogue(saved, category, rows).isEmpty() ||
            readFileCapped(saved, MaxCatalogueFileSize).content != content)
            abort();
    }
    return content;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::setDefaultMaxLength(argc, argv, MaxCatalogueFileSize);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const bool realFiles = fuzz::nextGoesThroughFiles();
    const QByteArray content = fuzz::inputBytes(data, size);
    const LiningCatalogueReadResult first = read(content, realFiles);
    if (!first.error.isEmpty())
        abort(); // a regular file below the size cap always reads
    if (first.rows.size() > MaxCatalogueRows)
        abort();

    const int category = size > 0 ? 1 + data[0] % LiningCategoryCount : 1;
    const QByteArray written = write(category, first.rows, realFiles);
    const LiningCatalogueReadResult again = read(written, realFiles);
    QList<LiningCatalogueRow> expected;
    for (const LiningCatalogueRow &row : first.rows) {
        if (!row.description.isEmpty())
            expected.append(row);
    }
    if (!again.error.isEmpty() || again.rows != expected || again.truncated)
        abort();
    if (serializeLiningCatalogue(category, again.rows) != written)
        abort();
    return 0;
}
