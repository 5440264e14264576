#pragma once

// What the print preview shows, the printer prints and a PDF holds: a report of a fixed
// number of pages that one painter draws on any paged device. The preview, printing and
// the PDF export only know this interface; the report itself is composed in the core and
// painted by its implementation.

#include <QList>

class QPagedPaintDevice;

namespace tavix::gui {

class ReportPageSource
{
public:
    virtual ~ReportPageSource() = default;

    // Number of pages of the whole report (the cover page is page 1).
    virtual int pageCount() const = 0;

    // Paints the given pages (1-based, in the given order) onto `device`, one after the
    // other, calling device->newPage() between two pages. The device's page layout is set
    // by the caller (A4 portrait, 10 mm margins). The pages are numbered as pages of
    // `printed`, the pages a print holds (see pageNumber). False when painting could not
    // start (QPainter::begin failed).
    virtual bool paint(QPagedPaintDevice *device, const QList<int> &pages,
                       const QList<int> &printed) const = 0;

    // Paints and numbers the pages of a print.
    bool paint(QPagedPaintDevice *device, const QList<int> &pages) const
    {
        return paint(device, pages, pages);
    }
};

// The pages of a report: the cover page, the calculation sheet and, when the project has a
// requirement, the proof page.
constexpr int ReportCoverPage = 1;
constexpr int ReportSheetPage = 2;
constexpr int ReportProofPage = 3;

// The pages printed: the calculation sheet always, the cover page and the proof page (where
// the report has one) when they are wanted.
QList<int> reportPages(const ReportPageSource &source, bool withCoverPage, bool withProofPage = true);

// "Seite <number> von <count>": a page counts among the pages printed; a page that is not
// printed (the cover page in the preview when it is left out) among all pages.
struct PageNumber
{
    int number;
    int count;
};
PageNumber pageNumber(int page, const QList<int> &printed, int pageCount);

// Writes the pages as a PDF (A4 portrait, 10 mm margins, fonts embedded, document title
// and creator as given) atomically through the file layer. Returns the German error text,
// empty on success; an existing file is left untouched on failure.
QString writeReportPdf(const ReportPageSource &source, const QList<int> &pages, const QString &path,
                       const QString &title);

} // namespace tavix::gui
