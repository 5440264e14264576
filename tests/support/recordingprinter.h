#pragma once

// A printer that never touches paper: it records the pages of every job it accepted, or
// answers as a missing or failing printer would.

#include "gui/reports/reportprinter.h"

namespace tavix::fixtures {

class RecordingPrinter final : public gui::ReportPrinter
{
public:
    gui::PrintOutcome answer{gui::PrintOutcome::Printed, QStringLiteral("Büro-Laser")};
    QList<QList<int>> jobs;
    QStringList documentNames;

    gui::PrintOutcome print(const gui::ReportPageSource &, const QList<int> &pages,
                            const QString &documentName) override
    {
        if (answer.status == gui::PrintOutcome::Printed) {
            jobs.append(pages);
            documentNames.append(documentName);
        }
        return answer;
    }
};

} // namespace tavix::fixtures
