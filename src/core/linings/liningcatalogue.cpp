#include "core/linings/liningcatalogue.h"

#include "core/io/codepage.h"
#include "core/io/filelayer.h"

#include <algorithm>

namespace tavix {

namespace {

// Splits file contents into lines (CR LF, LF or CR), keeping at most MaxCatalogueLineLength
// characters of each and noting when a line was longer.
class LineSplitter
{
public:
    explicit LineSplitter(const QByteArray &data) : m_data(data) {}

    // false at the end of the data.
    bool next(QByteArray &line)
    {
        if (m_pos >= m_data.size())
            return false;
        qsizetype end = m_pos;
        while (end < m_data.size() && m_data.at(end) != '\r' && m_data.at(end) != '\n')
            ++end;
        if (end - m_pos > MaxCatalogueLineLength)
            m_cut = true;
        line = m_data.mid(m_pos, std::min<qsizetype>(end - m_pos, MaxCatalogueLineLength));
        // Character 26 marks the end of a text file for some readers; in a cell it is a blank,
        // as the writer would write it.
        line.replace('\x1a', ' ');
        m_pos = end;
        if (m_pos < m_data.size() && m_data.at(m_pos) == '\r') {
            ++m_pos;
            if (m_pos < m_data.size() && m_data.at(m_pos) == '\n')
                ++m_pos;
        } else if (m_pos < m_data.size()) {
            ++m_pos; // LF
        }
        return true;
    }

    bool cut() const { return m_cut; }

private:
    const QByteArray &m_data;
    qsizetype m_pos = 0;
    bool m_cut = false;
};

QString singleLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace

QString liningCatalogueFileName(int category)
{
    switch (category) {
    case 1:
        return QStringLiteral("VS_Wand.lib");
    case 2:
        return QStringLiteral("VS_Decke.lib");
    case 3:
        return QStringLiteral("VS_Estrich.lib");
    }
    return {};
}

QStringList liningCatalogueHeader(int category)
{
    QString first;
    switch (category) {
    case 1:
        first = QStringLiteral("* Datendatei Vorsatzschalen: WAND");
        break;
    case 2:
        first = QStringLiteral("* Datendatei Vorsatzschalen: DECKE");
        break;
    case 3:
        first = QStringLiteral("* Datendatei Vorsatzschalen: ESTRICHE");
        break;
    }
    return {first, QStringLiteral("* Bezeichnung"), QStringLiteral("* Resonanzfrequenz"),
            QStringLiteral("* ") + QString(74, QLatin1Char('_'))};
}

LiningCatalogueReadResult readLiningCatalogue(const QString &path)
{
    if (!codePageAvailable()) {
        LiningCatalogueReadResult result;
        result.error = codePageMissingText();
        return result;
    }
    const FileReadResult file = readFileCapped(path, MaxCatalogueFileSize);
    if (!file.ok()) {
        LiningCatalogueReadResult result;
        result.error = file.error;
        result.truncated = file.tooLarge;
        return result;
    }
    return parseLiningCatalogue(file.content);
}

LiningCatalogueReadResult parseLiningCatalogue(const QByteArray &contents)
{
    LiningCatalogueReadResult result;
    LineSplitter lines(contents);
    QByteArray line;
    for (int i = 0; i < 4; ++i) {
        if (!lines.next(line))
            return result;
    }
    while (lines.next(line)) {
        if (result.rows.size() >= MaxCatalogueRows) {
            result.truncated = true;
            break;
        }
        LiningCatalogueRow row;
        row.description = decodeCodePage(line);
        if (lines.next(line))
            row.frequency = decodeCodePage(line);
        result.rows.append(row);
    }
    result.truncated = result.truncated || lines.cut();
    return result;
}

QByteArray serializeLiningCatalogue(int category, const QList<LiningCatalogueRow> &rows)
{
    QByteArray out;
    const QByteArray eol("\r\n");
    for (const QString &line : liningCatalogueHeader(category))
        out += encodeCodePageLine(line) + eol;
    for (const LiningCatalogueRow &row : rows) {
        if (row.description.isEmpty())
            continue;
        out += encodeCodePageLine(singleLine(row.description)) + eol;
        out += encodeCodePageLine(singleLine(row.frequency)) + eol;
    }
    return out;
}

QString writeLiningCatalogue(const QString &path, int category, const QList<LiningCatalogueRow> &rows)
{
    if (!codePageAvailable())
        return codePageMissingText();
    return writeFileAtomically(path, serializeLiningCatalogue(category, rows));
}

} // namespace tavix
