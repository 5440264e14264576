#include "core/projectfile/projectfile.h"

#include "core/buildup/buildupcalc.h"
#include "core/io/codepage.h"
#include "core/io/filelayer.h"
#include "core/model/numbers.h"
#include "core/reports/requirements.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <limits>

namespace tavix {

// The version of the file format, not of the program: a program 2.1 still writes and
// reads format 2.0, and a header that followed the program would turn every file saved
// today into an "older file" that loses its volumes and user values.
const char *const ProjectFileHeader = "Projektdaten: Tavix-Schallschutzrechner Version 2.0";

namespace {

const char *const Ruler = "______________________";
const char *const ExtensionHeader = "[Tavix-Erweiterung]";
constexpr char EndOfFile = 26;
QString invalidNumberText()
{
    return QStringLiteral("Ungültige numerische Eingabe");
}
// The longest real the writer produces: every digit of the largest finite value, a sign,
// the point and three decimals. Longer tokens are refused, never cut.
constexpr int MaxRealTokenLength = 5000;
constexpr int MaxIntegerTokenLength = 32;

// ---------------------------------------------------------------------------------------
// Writing

class LineWriter
{
public:
    void text(const QString &value)
    {
        m_out += encodeCodePageLine(value);
        m_out += "\r\n";
    }
    void literal(const char *value) { text(QString::fromUtf8(value)); }
    void literal(const QString &value) { text(value); }
    void integer(long long value, int width = 0) { text(formatFileInteger(value, width)); }
    // A value that is not finite has no line the reader could take back.
    void real(long double value, int width, int decimals)
    {
        if (!std::isfinite(value))
            m_unwritable = true;
        text(formatFileReal(value, width, decimals));
    }
    // Edge lengths are double precision; the reader refuses anything beyond their range.
    void realDouble(long double value, int width, int decimals)
    {
        if (std::fabs(value) > MaxEdgeLength)
            m_unwritable = true;
        real(value, width, decimals);
    }
    void boolean(bool value) { literal(value ? "TRUE" : "FALSE"); }
    void markUnwritable() { m_unwritable = true; }
    const QByteArray &bytes() const { return m_out; }
    bool unwritable() const { return m_unwritable; }

private:
    QByteArray m_out;
    bool m_unwritable = false;
};

void writeRecord(LineWriter &w, const BuildUpRecord &r)
{
    w.integer(r.Konstrukt);
    w.literal("0");
    w.integer(r.Moertel);
    w.integer(r.B1);
    w.integer(r.B2);
    w.integer(r.B2a);
    w.integer(r.B2b);
    w.integer(r.B3);
    w.real(r.roh1, 5, 2);
    w.real(r.roh2, 5, 2);
    w.real(r.roh3, 5, 2);
    w.real(r.d1, 3, 3);
    w.real(r.d2, 3, 3);
    w.real(r.d3, 3, 3);
    w.text(r.schichtName1);
    w.text(r.schichtName2);
    w.text(r.schichtName3);
}

// ---------------------------------------------------------------------------------------
// Reading

class LineReader
{
public:
    explicit LineReader(const QByteArray &content)
        : m_utf8(content.startsWith(Utf8ByteOrderMark)),
          m_data(content.sliced(m_utf8 ? Utf8ByteOrderMark.size() : 0))
    {
        if (const qsizetype end = m_data.indexOf(EndOfFile); end >= 0)
            m_data.truncate(end);
    }

    bool atEnd() const { return m_pos >= m_data.size(); }
    bool failed() const { return m_failed; }
    bool utf8() const { return m_utf8; }

    // Lines as the reader ends them: at CR (with one LF after it), or at a lone LF; text
    // after the last line end is a line too.
    int lineCount() const
    {
        int lines = 0;
        for (qsizetype i = 0; i < m_data.size(); ++i) {
            if (m_data.at(i) == '\r' || (m_data.at(i) == '\n' && (i == 0 || m_data.at(i - 1) != '\r')))
                ++lines;
        }
        if (!m_data.isEmpty() && m_data.back() != '\r' && m_data.back() != '\n')
            ++lines;
        return lines;
    }

    QString text()
    {
        const qsizetype begin = m_pos;
        while (m_pos < m_data.size() && m_data.at(m_pos) != '\r' && m_data.at(m_pos) != '\n')
            ++m_pos;
        const QByteArrayView line = QByteArrayView(m_data).sliced(begin, m_pos - begin);
        const QString value = m_utf8 ? decodeUtf8LineToCodePage(line) : decodeCodePage(line);
        skipLineEnd();
        return value;
    }
    void skipLine() { (void)text(); }

    int integer()
    {
        const QByteArray token = nextToken(MaxIntegerTokenLength);
        if (m_failed || token.isEmpty())
            return 0;
        long long value = 0;
        const char *begin = token.constData();
        const char *end = begin + token.size();
        const bool plus = *begin == '+';
        if (plus)
            ++begin;
        if (begin == end || (plus && *begin == '-')) {
            m_failed = true;
            return 0;
        }
        const auto res = std::from_chars(begin, end, value);
        if (res.ec != std::errc() || res.ptr != end || value < std::numeric_limits<int>::min() ||
            value > std::numeric_limits<int>::max()) {
            m_failed = true;
            return 0;
        }
        return static_cast<int>(value);
    }

    long double real()
    {
        const QByteArray token = nextToken(MaxRealTokenLength);
        if (m_failed || token.isEmpty())
            return 0;
        // Sign, digits with an optional point, optional exponent; nothing else.
        const char *p = token.constData();
        const char *const end = p + token.size();
        const char *q = p;
        if (q < end && (*q == '+' || *q == '-'))
            ++q;
        const char *const mantissa = q;
        int digits = 0;
        while (q < end && *q >= '0' && *q <= '9') {
            ++q;
            ++digits;
        }
        if (q < end && *q == '.') {
            ++q;
            while (q < end && *q >= '0' && *q <= '9') {
                ++q;
                ++digits;
            }
        }
        if (digits > 0 && q < end && (*q == 'e' || *q == 'E')) {
            ++q;
            if (q < end && (*q == '+' || *q == '-'))
                ++q;
            const char *const exponent = q;
            while (q < end && *q >= '0' && *q <= '9')
                ++q;
            if (q == exponent)
                digits = 0;
        }
        long double value = 0;
        if (digits == 0 || q != end) {
            m_failed = true;
            return 0;
        }
        const auto res = std::from_chars(mantissa, end, value);
        if (res.ec != std::errc() || res.ptr != end || !std::isfinite(value)) {
            m_failed = true;
            return 0;
        }
        return *p == '-' ? -value : value;
    }

    // Edge lengths are double precision: a value beyond their range is no valid number.
    double realDouble()
    {
        const long double value = real();
        if (std::fabs(value) > MaxEdgeLength) {
            m_failed = true;
            return 0;
        }
        return static_cast<double>(value);
    }

private:
    void skipLineEnd()
    {
        if (m_pos < m_data.size() && m_data.at(m_pos) == '\r') {
            ++m_pos;
            if (m_pos < m_data.size() && m_data.at(m_pos) == '\n')
                ++m_pos;
        } else if (m_pos < m_data.size() && m_data.at(m_pos) == '\n') {
            ++m_pos;
        }
    }

    static bool isSeparator(char c) { return static_cast<unsigned char>(c) < 33; }

    // The next blank-delimited token; the rest of its line is skipped. Empty at the end of
    // the file. A token longer than `limit` fails: cutting it would change its value.
    QByteArray nextToken(int limit)
    {
        if (m_failed)
            return {};
        while (m_pos < m_data.size() && isSeparator(m_data.at(m_pos)))
            ++m_pos;
        const qsizetype begin = m_pos;
        while (m_pos < m_data.size() && !isSeparator(m_data.at(m_pos)))
            ++m_pos;
        if (m_pos - begin > limit)
            m_failed = true;
        const QByteArray token = m_failed ? QByteArray() : m_data.mid(begin, m_pos - begin);
        while (m_pos < m_data.size() && m_data.at(m_pos) != '\r' && m_data.at(m_pos) != '\n')
            ++m_pos;
        skipLineEnd();
        return token;
    }

    bool m_utf8 = false;
    QByteArray m_data;
    qsizetype m_pos = 0;
    bool m_failed = false;
};

void readRecord(LineReader &r, BuildUpRecord &b)
{
    b.Konstrukt = r.integer();
    r.skipLine();
    b.Moertel = r.integer();
    b.B1 = r.integer();
    b.B2 = r.integer();
    b.B2a = r.integer();
    b.B2b = r.integer();
    b.B3 = r.integer();
    b.roh1 = r.real();
    b.roh2 = r.real();
    b.roh3 = r.real();
    b.d1 = r.real();
    b.d2 = r.real();
    b.d3 = r.real();
    b.schichtName1 = r.text();
    b.schichtName2 = r.text();
    b.schichtName3 = r.text();
}

// Values the main window holds only as field texts are kept here while reading.
struct FieldNumbers
{
    long double FF[ElementCount][SideCount] = {};
};

// Returns false when a number could not be converted; the model then holds what was
// read before.
bool readContent(LineReader &r, ProjectModel &model, FieldNumbers &numbers, double &fileVersion)
{
    FieldTexts &f = model.fields;
    fileVersion = r.text() == QLatin1String(ProjectFileHeader) ? 2.0 : 0.0;
    r.skipLine();
    f.Projekt = r.text();
    f.Str = r.text();
    f.PLZ = r.text();
    f.Ort = r.text();
    model.Orientation = r.text() == QLatin1String("0") ? 0 : 1;
    r.skipLine();
    r.skipLine();
    model.A = r.real();
    readRecord(r, model.buildUp[0][0]);
    model.buildUp[0][0].m = r.real();
    model.buildUp[0][0].Rw = r.real();
    model.L1 = r.real();
    model.L2 = r.real();
    f.VS[0][1] = r.text();
    model.f0[0][1] = r.integer();
    f.VS[0][2] = r.text();
    model.f0[0][2] = r.integer();
    if (r.failed())
        return false;
    r.skipLine();
    r.skipLine();
    r.skipLine();

    for (int k = 1; k <= FlankCount; ++k) {
        for (int i = 1; i <= 2; ++i) {
            f.Flanke[k] = r.text();
            (i == 1 ? f.room1 : f.room2) = r.text();
            BuildUpRecord &b = model.buildUp[k][i];
            readRecord(r, b);
            numbers.FF[k][i] = r.real();
            b.m = r.real();
            b.Rw = r.real();
            if (i == 2) {
                f.VS[k][1] = r.text();
                model.f0[k][1] = r.integer();
                f.VS[k][2] = r.text();
                model.f0[k][2] = r.integer();
            }
            if (r.failed())
                return false;
        }
        model.LF[k] = r.realDouble();
        model.Stoss[k] = r.text();
        model.IdF[k] = r.text() == QLatin1String("TRUE");
        if (r.failed())
            return false;
    }

    if (fileVersion != 2.0) {
        model.Vol1 = model.Vol2 = 0;
        return true;
    }
    f.Variante = r.text();
    model.Vol1 = r.real();
    model.Vol2 = r.real();
    if (!(model.Vol1 > 0))
        model.Vol1 = 0;
    if (!(model.Vol2 > 0))
        model.Vol2 = 0;
    model.buildUp[0][0].RwUser = r.real();
    model.buildUp[0][0].RwUserOn = r.integer();
    for (int s = 1; s < 9; ++s) {
        BuildUpRecord &b = model.buildUp[BuildUpSlots[s].element][BuildUpSlots[s].side];
        b.RwUser = r.real();
        b.RwUserOn = r.integer();
    }
    if (r.failed())
        return false;
    for (int s = 0; s < 9; ++s) {
        if (r.atEnd())
            return true;
        BuildUpRecord &b = model.buildUp[BuildUpSlots[s].element][BuildUpSlots[s].side];
        b.Zulassung1 = r.integer();
        b.Zulassung2 = r.integer();
        if (r.failed())
            return false;
    }
    if (!r.atEnd())
        f.TB = r.text();
    return true;
}

// The extension block, wherever it follows the 282 lines: the reader of the 282 lines has
// stopped before it, as every reader of the format does. Unknown keys, and entries of
// later blocks, are passed over; a known key whose value is not a number fails the read
// like any other number of the file.
bool readExtension(LineReader &r, ProjectModel &model)
{
    bool inBlock = false;
    while (!r.atEnd()) {
        const QString line = r.text();
        if (line.startsWith(QLatin1Char('['))) {
            inBlock = line.trimmed() == QLatin1String(ExtensionHeader);
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inBlock || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        auto number = [&value](long double &target) {
            const std::optional<long double> v = parseReal(value, QLatin1Char('.'));
            if (!v || !std::isfinite(*v))
                return false;
            target = *v;
            return true;
        };
        bool ok = true;
        if (key == QLatin1String("Anforderung")) {
            // An id this program does not know is no requirement it could check.
            model.requirement.id = findRequirement(value) ? value : QString();
        } else if (key == QLatin1String("EigeneAnforderungRw")) {
            ok = number(model.requirement.ownRw);
        } else if (key == QLatin1String("EigeneAnforderungLnw")) {
            ok = number(model.requirement.ownLnw);
        } else if (key == QLatin1String("Estrichart")) {
            bool isInteger = false;
            const int kind = value.toInt(&isInteger);
            ok = isInteger;
            // A kind of a later version computes nothing here, but its values stay.
            model.impactInputs.screed =
                kind > 0 && kind < ScreedKindCount ? static_cast<ScreedKind>(kind) : ScreedKind::None;
        } else if (key == QLatin1String("EstrichMasse")) {
            ok = number(model.impactInputs.screedMass);
        } else if (key == QLatin1String("Steifigkeit")) {
            ok = number(model.impactInputs.stiffness);
        } else if (key == QLatin1String("Steifigkeit2")) {
            ok = number(model.impactInputs.stiffness2);
        } else if (key == QLatin1String("DeltaLw")) {
            ok = number(model.impactInputs.deltaLw);
        }
        if (!ok)
            return false;
    }
    return true;
}

// What the main window shows of a freshly read project, as far as the model holds it.
void bringUpToDate(ProjectModel &model, const FieldNumbers &numbers, QChar sep)
{
    FieldTexts &f = model.fields;
    f.A = formatGeneral(model.A, sep);
    if (f.TB.isEmpty())
        f.TB = QStringLiteral("Trennbauteil");
    f.Vol1 = formatGeneral(model.Vol1, sep);
    f.Vol2 = formatGeneral(model.Vol2, sep);
    model.dnTwDirection = model.Vol1 < model.Vol2 ? DnTwDirection::Room2ToRoom1 : DnTwDirection::Room1ToRoom2;
    for (int k = 1; k <= FlankCount; ++k) {
        f.LF[k] = formatGeneral(model.LF[k], sep);
        for (int i = 1; i <= 2; ++i)
            f.FF[k][i] = formatGeneral(numbers.FF[k][i], sep);
    }
    f.L1 = formatGeneral(model.L1, sep);
    f.L2 = formatGeneral(model.L2, sep);
    for (const BuildUpSlot &slot : BuildUpSlots)
        f.Memo[slot.element][slot.side] =
            buildUpSummaryFromRecord(model.buildUp[slot.element][slot.side], sep);
    model.Saved = true;
    model.RecalcEnabled = true;
}

long double fieldNumber(const QString &text, QChar sep, long double fallback)
{
    const auto v = parseReal(text, sep);
    return v ? *v : fallback;
}

} // namespace

namespace {

void writeContent(LineWriter &w, const ProjectModel &model, QChar sep)
{
    const FieldTexts &f = model.fields;
    w.literal(ProjectFileHeader);
    w.literal(Ruler);
    w.text(f.Projekt);
    w.text(f.Str);
    w.text(f.PLZ);
    w.text(f.Ort);
    w.integer(model.Orientation == 0 ? 0 : 1);
    w.literal("Trennbauteil:");
    w.literal(Ruler);
    w.real(fieldNumber(f.A, sep, model.A), 4, 3);
    const BuildUpRecord &tb = model.buildUp[0][0];
    writeRecord(w, tb);
    w.real(tb.m, 5, 2);
    w.real(tb.Rw, 3, 3);
    w.real(fieldNumber(f.L1, sep, model.L1), 5, 2);
    w.real(fieldNumber(f.L2, sep, model.L2), 5, 2);
    for (int side = 1; side <= 2; ++side) {
        w.text(f.VS[0][side]);
        w.integer(model.f0[0][side], 5);
    }
    w.literal("");
    w.literal(QStringLiteral("Flanken / Räume:"));
    w.literal(Ruler);

    for (int k = 1; k <= FlankCount; ++k) {
        for (int i = 1; i <= 2; ++i) {
            const BuildUpRecord &b = model.buildUp[k][i];
            w.text(f.Flanke[k]);
            w.text(i == 1 ? f.room1 : f.room2);
            writeRecord(w, b);
            w.real(fieldNumber(f.FF[k][i], sep, 0), 3, 3);
            w.real(b.m, 5, 2);
            w.real(b.Rw, 3, 3);
            if (i == 2) {
                for (int side = 1; side <= 2; ++side) {
                    w.text(f.VS[k][side]);
                    w.integer(model.f0[k][side], 5);
                }
            }
        }
        w.realDouble(fieldNumber(f.LF[k], sep, model.LF[k]), 3, 3);
        w.text(model.Stoss[k]);
        w.boolean(model.IdF[k]);
    }

    w.text(f.Variante);
    w.real(fieldNumber(f.Vol1, sep, model.Vol1), 6, 3);
    w.real(fieldNumber(f.Vol2, sep, model.Vol2), 6, 3);
    for (const BuildUpSlot &slot : BuildUpSlots) {
        const BuildUpRecord &b = model.buildUp[slot.element][slot.side];
        w.real(b.RwUser, 4, 1);
        w.integer(b.RwUserOn);
    }
    for (const BuildUpSlot &slot : BuildUpSlots) {
        const BuildUpRecord &b = model.buildUp[slot.element][slot.side];
        w.integer(b.Zulassung1);
        w.integer(b.Zulassung2);
    }
    w.text(f.TB);
}

// The extension block after line 282: "Key=Value" lines, written only when the project
// has something to keep there, so that every other project keeps its 282 lines.
void writeExtension(LineWriter &w, const ProjectModel &model)
{
    const ProjectRequirement &requirement = model.requirement;
    const ImpactInputs &impact = model.impactInputs;
    if (!requirement.isSet() && impact.isEmpty())
        return;
    auto key = [&w](const char *name, const QString &value) { w.text(QLatin1String(name) + QLatin1Char('=') + value); };
    auto number = [&w, &key](const char *name, long double value) {
        if (!std::isfinite(value))
            w.markUnwritable();
        key(name, formatGeneral(value, QLatin1Char('.')));
    };
    w.literal(ExtensionHeader);
    if (requirement.isSet()) {
        key("Anforderung", requirement.id);
        if (requirement.id == QLatin1String(OwnRequirementId)) {
            number("EigeneAnforderungRw", requirement.ownRw);
            number("EigeneAnforderungLnw", requirement.ownLnw);
        }
    }
    if (!impact.isEmpty()) {
        key("Estrichart", QString::number(static_cast<int>(impact.screed)));
        number("EstrichMasse", impact.screedMass);
        number("Steifigkeit", impact.stiffness);
        number("Steifigkeit2", impact.stiffness2);
        number("DeltaLw", impact.deltaLw);
    }
}

} // namespace

QByteArray projectFileContent(const ProjectModel &model, QChar sep, bool *writable)
{
    LineWriter w;
    writeContent(w, model, sep);
    writeExtension(w, model);
    if (writable)
        *writable = !w.unwritable();
    return w.bytes();
}

QString saveProject(const ProjectModel &model, const QString &path, QChar sep)
{
    if (!codePageAvailable())
        return codePageMissingText();
    LineWriter w;
    writeContent(w, model, sep);
    writeExtension(w, model);
    // A file that could not be read back is never written; the old one stays.
    if (w.unwritable())
        return fileWriteErrorText(path, invalidNumberText());
    return writeFileAtomically(path, w.bytes());
}

LoadedProject readProject(const QByteArray &content, QChar sep)
{
    LoadedProject result;
    resetModel(result.model, sep);
    result.model.RecalcEnabled = false;
    if (!codePageAvailable()) {
        result.error = codePageMissingText();
        return result;
    }
    LineReader reader(content);
    result.utf8 = reader.utf8();
    result.lineCount = reader.lineCount();
    FieldNumbers numbers;
    if (!readContent(reader, result.model, numbers, result.fileVersion) ||
        !readExtension(reader, result.model)) {
        result.error = invalidNumberText();
        return result;
    }
    result.incomplete =
        result.lineCount < (result.fileVersion == 2.0 ? ProjectFileLineCount : OlderProjectFileLineCount);
    bringUpToDate(result.model, numbers, sep);
    return result;
}

LoadedProject loadProject(const QString &path, QChar sep)
{
    const FileReadResult file = readFileCapped(path, MaxProjectFileSize);
    if (!file.ok()) {
        LoadedProject result;
        resetModel(result.model, sep);
        result.error = file.error;
        return result;
    }
    LoadedProject result = readProject(file.content, sep);
    if (!result.ok() && codePageAvailable())
        result.error = fileReadErrorText(path, result.error);
    return result;
}

QString incompleteProjectText(const QString &path, const LoadedProject &loaded)
{
    const int formatLines = loaded.fileVersion == 2.0 ? ProjectFileLineCount : OlderProjectFileLineCount;
    return QStringLiteral("Die Projektdatei „%1“ ist unvollständig: Sie hat nur %2 von %3 Zeilen; "
                          "die fehlenden Angaben wurden nicht gelesen. Bitte prüfen Sie die Eingaben.")
        .arg(displayFileName(path), QString::number(loaded.lineCount), QString::number(formatLines));
}

} // namespace tavix
