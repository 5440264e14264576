#include "gui/reports/reportprinter.h"

#include "gui/reports/reportpagesource.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace tavix::gui {

PrintOutcome DefaultReportPrinter::print(const ReportPageSource &source, const QList<int> &pages,
                                         const QString &documentName)
{
    // QPrinter::isValid() is true even without any printer (it falls back to PDF output
    // into an unnamed file), so the installed printers are asked instead.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return {PrintOutcome::NoPrinter, {}};

    QPrinter printer(info, QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setCopyCount(1);
    printer.setDocName(documentName);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    if (!source.paint(&printer, pages) || printer.printerState() == QPrinter::Error)
        return {PrintOutcome::NotStarted, info.printerName()};
    return {PrintOutcome::Printed, info.printerName()};
}

} // namespace tavix::gui
