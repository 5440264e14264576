#pragma once

// The text of a PDF as poppler's pdftotext extracts it (scripts/install-deps.sh installs
// poppler-utils): what a reader of the document finds in it, page by page.

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace tavix::fixtures {

inline bool pdfToTextAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

// One text per page, in layout mode; empty when the tool is missing or fails.
inline QStringList pdfPageTexts(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QChar(u'\f'));
    pages.removeLast(); // after the form feed that ends the last page
    return pages;
}

} // namespace tavix::fixtures
