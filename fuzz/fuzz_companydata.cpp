// Any byte sequence must read as the company data of Firma.set the way the start-up reads
// them: no crash, no hang, no undefined behaviour. What is read goes on as the settings
// window holds it into the check of the report's positions; writing it gives sixteen
// lines, none of them empty, the last one "1"; reading those gives the same texts except
// where writing must change them (an empty text becomes a blank), and writing again gives
// the same bytes.
//
// The round trip runs in memory; the first input and every 1024th go through real files.

#include "fuzzfiles.h"
#include "fuzzlimits.h"

#include "core/io/filelayer.h"
#include "core/reports/companydata.h"

#include <cstdlib>

using namespace tavix;

namespace {

CompanyData read(const QByteArray &content, bool realFiles)
{
    if (!realFiles)
        return parseCompanyData(content);
    const QString path = fuzz::workDir().filePath(CompanyDataFileName);
    if (!writeFileAtomically(path, content).isEmpty())
        abort();
    const LoadedCompanyData loaded = loadCompanyData(path);
    if (!loaded.ok() || !loaded.found)
        abort(); // a regular file below the size cap always reads
    return loaded.data;
}

QByteArray write(const CompanyData &data, bool realFiles)
{
    const QByteArray content = companyDataFileContent(data);
    if (realFiles) {
        const QString path = fuzz::workDir().filePath(CompanyDataFileName);
        if (!saveCompanyData(data, path).isEmpty() || readFileCapped(path, 1 << 20).content != content)
            abort();
    }
    return content;
}

QStringList texts(const CompanyData &d)
{
    return {d.Fa,   d.Str, d.PLZ,  d.Ort,      d.Bearbeiter, d.Date,       d.Tel,     d.Fax,
            d.Mail, d.www, d.Logo, d.LogoLeft, d.LogoTop,    d.FaNameLeft, d.FaNameTop};
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::setDefaultMaxLength(argc, argv, 1024 * 1024); // the cap of Firma.set
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const bool realFiles = fuzz::nextGoesThroughFiles();
    const QByteArray content = fuzz::inputBytes(data, size);
    const CompanyData first = read(content, realFiles);
    const CompanyData shown = asSettingsWindowHolds(first);
    const CheckedCompanyPositions positions = checkCompanyPositions(shown);
    if (positions.ok() != (positions.message.isEmpty()))
        abort();
    for (const QString *position : {&shown.LogoLeft, &shown.LogoTop, &shown.FaNameLeft, &shown.FaNameTop}) {
        if (position->isEmpty())
            abort(); // the window never holds an empty position
    }

    const QByteArray written = write(first, realFiles);
    const QList<QByteArray> lines = written.split('\n');
    if (lines.size() != 17 || !lines.last().isEmpty() || lines.at(15) != "1\r")
        abort();
    for (const QByteArray &line : lines.mid(0, 16)) {
        if (line.size() < 2 || !line.endsWith('\r') || line.chopped(1).contains('\r'))
            abort(); // sixteen lines, none empty, none broken
    }
    const CompanyData again = read(written, realFiles);
    const QStringList before = texts(first);
    const QStringList after = texts(again);
    for (int i = 0; i < before.size(); ++i) {
        if (before.at(i).isEmpty() ? after.at(i) != QStringLiteral(" ") : after.at(i).size() != before.at(i).size())
            abort(); // a text keeps its length; an empty one becomes a blank
    }
    if (companyDataFileContent(again) != written)
        abort();
    return 0;
}
