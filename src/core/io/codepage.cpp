#include "core/io/codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace tavix {

namespace {

const char *const CodePageName = "Windows-1252";
constexpr char EndOfFileMark = 26;

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
    for (QChar &c : line) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c.unicode() == EndOfFileMark)
            c = QLatin1Char(' ');
    }
    // Nearly every line is encodable as a whole; only a line with a character the code
    // page lacks is encoded character by character.
    // Opening a converter looks the code page up by name; one per thread serves every line.
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
        // A surrogate pair is one character and one "?". A converter keeps its error
        // flag once set, so each character gets its own.
        const qsizetype length = line.at(i).isHighSurrogate() && i + 1 < line.size() ? 2 : 1;
        QStringEncoder encoder(CodePageName, QStringConverter::Flag::Stateless);
        const QByteArray b = encoder.encode(QStringView(line).mid(i, length));
        out += encoder.hasError() || b.size() != 1 || b.at(0) == EndOfFileMark ? QByteArray("?") : b;
        i += length - 1;
    }
    return out;
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
