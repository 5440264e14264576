#pragma once

// Where the preview sends a report to paper. The program prints on the default printer;
// tests install a printer that only records what it was given.

#include <QList>
#include <QString>

namespace tavix::gui {

class ReportPageSource;

struct PrintOutcome
{
    enum Status
    {
        Printed,
        NoPrinter,  // no printer is installed
        NotStarted, // the printer could not be started or reported an error
    };
    Status status = Printed;
    QString printerName; // the printer that was tried, empty without one
};

class ReportPrinter
{
public:
    virtual ~ReportPrinter() = default;
    // Prints `pages` (1-based) of the report as one job of one copy, without a dialog.
    virtual PrintOutcome print(const ReportPageSource &source, const QList<int> &pages,
                               const QString &documentName) = 0;
};

// The system's default printer, A4 portrait with 10 mm margins.
class DefaultReportPrinter final : public ReportPrinter
{
public:
    PrintOutcome print(const ReportPageSource &source, const QList<int> &pages,
                       const QString &documentName) override;
};

} // namespace tavix::gui
