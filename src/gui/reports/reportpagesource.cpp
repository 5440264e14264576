#include "gui/reports/reportpagesource.h"

#include "core/io/filelayer.h"
#include "core/model/appversion.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace tavix::gui {

QList<int> reportPages(const ReportPageSource &source, bool withCoverPage, bool withProofPage)
{
    QList<int> pages;
    if (withCoverPage)
        pages.append(ReportCoverPage);
    pages.append(ReportSheetPage);
    if (withProofPage && source.pageCount() >= ReportProofPage)
        pages.append(ReportProofPage);
    return pages;
}

PageNumber pageNumber(int page, const QList<int> &printed, int pageCount)
{
    const qsizetype index = printed.indexOf(page);
    if (index < 0)
        return {page, pageCount};
    return {int(index) + 1, int(printed.size())};
}

QString writeReportPdf(const ReportPageSource &source, const QList<int> &pages, const QString &path,
                       const QString &title)
{
    QByteArray content;
    {
        QBuffer buffer(&content);
        buffer.open(QBuffer::WriteOnly); // memory only; the file is written by the file layer
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        writer.setResolution(300);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Tavix-Schallschutz Rechner " TAVIX_VERSION_STRING));
        if (!source.paint(&writer, pages))
            return QStringLiteral("Die PDF-Datei konnte nicht erzeugt werden.");
    }
    return writeFileAtomically(path, content);
}

} // namespace tavix::gui
