#include "core/linings/liningcatalogue.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace tavix {

namespace {

constexpr const char *CodePage = "windows-1252";

QString decodeLine(const QByteArray &bytes)
{
    QStringDecoder decoder(CodePage);
    if (!decoder.isValid()) // a Qt without ICU: Latin-1 differs only in 0x80..0x9F
        decoder = QStringDecoder(QStringConverter::Latin1);
    return decoder.decode(bytes);
}

// Characters the code page lacks become "?", as a single-byte file cannot carry them.
QByteArray encodeLine(const QString &text)
{
    QStringEncoder encoder(CodePage);
    if (!encoder.isValid())
        encoder = QStringEncoder(QStringConverter::Latin1);
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError())
        return bytes;
    bytes.clear();
    for (int i = 0; i < text.size(); ++i) {
        const int length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QStringEncoder single(CodePage);
        if (!single.isValid())
            single = QStringEncoder(QStringConverter::Latin1);
        const QByteArray one = single.encode(QStringView(text).mid(i, length));
        bytes += single.hasError() ? QByteArray("?") : one;
        i += length - 1;
    }
    return bytes;
}

// Splits a device into lines without ever holding more than one capped line, so that
// neither a huge file nor a file without line breaks can use up memory.
class LineReader
{
public:
    explicit LineReader(QIODevice &device) : m_device(device) {}

    // false at the end of the data (or on a read error, see error()).
    bool next(QByteArray &line)
    {
        line.clear();
        bool any = false;
        while (true) {
            if (m_pos >= m_buffer.size()) {
                if (!refill())
                    return any;
            }
            const char c = m_buffer.at(m_pos++);
            any = true;
            if (c == '\n')
                return true;
            if (c == '\r') {
                if (m_pos >= m_buffer.size())
                    refill();
                if (m_pos < m_buffer.size() && m_buffer.at(m_pos) == '\n')
                    ++m_pos;
                return true;
            }
            if (line.size() < MaxCatalogueLineLength)
                line += c;
        }
    }

    QString error() const { return m_error; }

private:
    bool refill()
    {
        m_buffer = m_device.read(64 * 1024);
        m_pos = 0;
        if (m_buffer.isEmpty()) {
            if (!m_device.atEnd() && m_error.isEmpty())
                m_error = m_device.errorString();
            return false;
        }
        return true;
    }

    QIODevice &m_device;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    QString m_error;
};

LiningCatalogueReadResult readFrom(QIODevice &device)
{
    LiningCatalogueReadResult result;
    LineReader reader(device);
    QByteArray line;
    for (int i = 0; i < 4; ++i) {
        if (!reader.next(line)) {
            result.error = reader.error();
            return result;
        }
    }
    while (reader.next(line)) {
        if (result.rows.size() >= MaxCatalogueRows) {
            result.truncated = true;
            break;
        }
        LiningCatalogueRow row;
        row.description = decodeLine(line);
        if (reader.next(line))
            row.frequency = decodeLine(line);
        result.rows.append(row);
    }
    result.error = reader.error();
    return result;
}

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        LiningCatalogueReadResult result;
        result.error = file.errorString();
        return result;
    }
    return readFrom(file);
}

LiningCatalogueReadResult parseLiningCatalogue(const QByteArray &contents)
{
    QByteArray copy = contents;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return readFrom(buffer);
}

QByteArray serializeLiningCatalogue(int category, const QList<LiningCatalogueRow> &rows)
{
    QByteArray out;
    const QByteArray eol("\r\n");
    for (const QString &line : liningCatalogueHeader(category))
        out += encodeLine(line) + eol;
    for (const LiningCatalogueRow &row : rows) {
        if (row.description.isEmpty())
            continue;
        out += encodeLine(singleLine(row.description)) + eol;
        out += encodeLine(singleLine(row.frequency)) + eol;
    }
    return out;
}

QString writeLiningCatalogue(const QString &path, int category, const QList<LiningCatalogueRow> &rows)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QByteArray contents = serializeLiningCatalogue(category, rows);
    if (file.write(contents) != contents.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace tavix
