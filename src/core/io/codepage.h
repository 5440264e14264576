#pragma once

// The 8-bit code page of every text file the program reads and writes (project files,
// lining catalogues, company data): Windows-1252. A Qt built without this converter
// cannot read or write any of them; the program says so at start instead of losing
// every umlaut, and the readers and writers below refuse to work without it.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tavix {

// True when Qt offers a Windows-1252 converter in both directions.
bool codePageAvailable();
// The message shown (and returned by every file function) when it does not.
QString codePageMissingText();

// One line of text in the code page, without its line end. A character the code page
// cannot carry becomes "?" (the converter's own substitute, byte 26, is the end-of-file
// mark of the readers); CR, LF and character 26 become blanks, as they would end the line
// or the file early. Every other character is written as it is, so that whatever a
// reader took from a line is written back unchanged. Requires codePageAvailable().
QByteArray encodeCodePageLine(const QString &text);
// The first character of `text` that the code page cannot hold (a surrogate pair is one
// character), or an empty text when it holds them all. Fields whose text goes into these
// files refuse such a character where it is typed, instead of a "?" on disk.
QString firstCharacterOutsideCodePage(QStringView text);
// The hint for the user when `character` was refused.
QString codePageRefusalText(const QString &character);
// Text in the code page; requires codePageAvailable().
QString decodeCodePage(QByteArrayView bytes);
// A line of a file that an editor saved as UTF-8, read as what the code page can carry:
// umlauts and every other character it holds come through as they are, a character it
// lacks becomes "?" at once (as saving would write it), so the text shown is the text
// saved. A line that is not valid UTF-8 after all is read in the code page.
QString decodeUtf8LineToCodePage(QByteArrayView bytes);

// The byte order mark an editor may put before UTF-8 text.
inline constexpr QByteArrayView Utf8ByteOrderMark("\xEF\xBB\xBF");

} // namespace tavix
