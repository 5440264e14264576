#pragma once

// The proof page "Nachweis des Schallschutzes": the page a planner hands to the building
// authority. It states what is proven (project, rooms, variant, orientation), against
// which requirement, the airborne and, for a floor with a floating screed, the impact
// check with their safety margins and verdicts, how the sound travels (the thirteen paths
// and the elements), the calculation basis with the origin of every Rw, and who prepared
// it. Composed like the other pages of the report, between the same header and footer.

#include "core/reports/reportdocument.h"

namespace tavix {

// A report has the proof page when its project names a requirement to prove against.
bool hasProofPage(const ProjectModel &model);

// Writes the body of the proof page (between header and footer) onto `page`, for a
// calculated model. Numbers carry one decimal and `decimalSeparator`.
void composeProofPage(ReportPage &page, const ProjectModel &model, const CompanyData &company,
                      const QDate &today, QChar decimalSeparator);

// Where the Rw of a build-up comes from, with its value: "58,8 dB – Massekurve",
// "44,8 dB – Massekurve 54,8 dB abzgl. 10,0 dB", "47,0 dB – Prüfzeugnis (Steine nach
// Zulassung)".
QString rwOriginText(const BuildUpRecord &record, QChar decimalSeparator);

} // namespace tavix
