#pragma once

// The detailed results text: every input of the project, the indices of all transmission
// paths and the final results, one report line per list item. The results window shows it
// and rebuilds it after every recalculation while it is open, the command line prints it.
//
// It reads the model as the last recalculation left it: the field texts for names, the
// converted numbers for volumes and geometry, the derived values for the paths. When that
// recalculation found inputs missing, the report is only a short notice.

#include "core/model/variablen.h"

#include <QChar>
#include <QStringList>

namespace tavix {

// " " followed by 98 underscores: the rule between the sections of the report.
QString resultsSeparatorLine();

QStringList BuildResultsText(const ProjectModel &model, QChar decimalSeparator);

} // namespace tavix
