#include "core/io/codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace tavix {

namespace {

const char *const CodePageName = "Windows-1252";
constexpr char EndOfFileMark = 26;

// The byte of one character (a surrogate pair counts as one), or -1 when the code page
// lacks it. A converter keeps its error flag once set, so each character gets its own.
int codePageByte(QStringView character)
{
    QStringEncoder encoder(CodePageName, QStringConverter::Flag::Stateless);
    const QByteArray b = encoder.encode(character);
    if (encoder.hasError() || b.size() != 1)
        return -1;
    return static_cast<unsigned char>(b.at(0));
}

qsizetype characterLength(QStringView text, qsizetype i)
{
    return text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
}

// Nearly every text is encodable as a whole; only one with a character the code page lacks
// needs a look at each character.
bool wholeTextEncodable(QStringView text)
{
    QStringEncoder whole(CodePageName, QStringConverter::Flag::Stateless);
    const QByteArray out = whole.encode(text);
    return !whole.hasError() && out.size() == text.size();
}

} // namespace

bool codePageAvailable()
{
    static const bool available =
        QStringEncoder(CodePageName).isValid() && QStringDecoder(CodePageName).isValid();
    return available;
}

QString codePageMissingText()
{
    return QStringLiteral("Der Zeichensatz Windows-1252 steht in dieser Qt-Installation nicht zur "
                          "Verfügung. Projektdateien, Vorsatzschalen-Bibliotheken und Firmendaten "
                          "können daher weder gelesen noch gespeichert werden.");
}

QByteArray encodeCodePageLine(const QString &text)
{
    QString line = text;
    bool ascii = true;
    for (QChar &c : line) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c.unicode() == EndOfFileMark)
            c = QLatin1Char(' ');
        ascii = ascii && c.unicode() < 0x80;
    }
    // Numbers, codes and most names: the same bytes in every code page.
    if (ascii)
        return line.toLatin1();
    // Nearly every line is encodable as a whole; only a line with a character the code
    // page lacks is encoded character by character. Opening a converter looks the code
    // page up by name, so one per thread serves every line.
    thread_local QStringEncoder whole(CodePageName, QStringConverter::Flag::Stateless);
    whole.resetState();
    QByteArray out = whole.encode(line);
    if (!whole.hasError() && out.size() == line.size())
        return out;
    out.clear();
    out.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        const ushort u = line.at(i).unicode();
        if (u < 0x80) {
            out += static_cast<char>(u);
            continue;
        }
        // A surrogate pair is one character and one "?".
        const qsizetype length = characterLength(line, i);
        const int byte = codePageByte(QStringView(line).mid(i, length));
        out += byte < 0 || byte == EndOfFileMark ? '?' : static_cast<char>(byte);
        i += length - 1;
    }
    return out;
}

QString firstCharacterOutsideCodePage(QStringView text)
{
    const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii || wholeTextEncodable(text))
        return {};
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).unicode() < 0x80)
            continue;
        const qsizetype length = characterLength(text, i);
        if (codePageByte(text.mid(i, length)) < 0)
            return text.mid(i, length).toString();
        i += length - 1;
    }
    return {};
}

QString codePageRefusalText(const QString &character)
{
    return QString::fromUtf8("„%1“ kann nicht gespeichert werden: Die Dateien des Programms verwenden den "
                             "Zeichensatz Windows-1252, der dieses Zeichen nicht enthält.")
        .arg(character);
}

QString decodeCodePage(QByteArrayView bytes)
{
    thread_local QStringDecoder decoder(CodePageName, QStringConverter::Flag::Stateless);
    decoder.resetState();
    return decoder.decode(bytes);
}

QString decodeUtf8LineToCodePage(QByteArrayView bytes)
{
    thread_local QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    utf8.resetState();
    const QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return decodeCodePage(bytes);
    return decodeCodePage(encodeCodePageLine(text));
}

} // namespace tavix
