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
    return QString::fromUtf8("Der Zeichensatz Windows-1252 steht in dieser Qt-Installation nicht zur "
                             "Verfügung. Projektdateien, Vorsatzschalen-Bibliotheken und Firmendaten "
                             "können daher weder gelesen noch gespeichert werden.");
}

QByteArray encodeCodePageLine(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const ushort u = text.at(i).unicode();
        if (u == '\r' || u == '\n' || u == EndOfFileMark) {
            out += ' ';
        } else if (u < 0x80) {
            out += static_cast<char>(u);
        } else {
            // A surrogate pair is one character and one "?". A converter keeps its error
            // flag once set, so each character gets its own.
            const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            QStringEncoder encoder(CodePageName, QStringConverter::Flag::Stateless);
            const QByteArray b = encoder.encode(QStringView(text).mid(i, length));
            if (encoder.hasError() || b.size() != 1 || b.at(0) == EndOfFileMark)
                out += '?';
            else
                out += b;
            i += length - 1;
        }
    }
    return out;
}

QString decodeCodePage(QByteArrayView bytes)
{
    QStringDecoder decoder(CodePageName, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

} // namespace tavix
