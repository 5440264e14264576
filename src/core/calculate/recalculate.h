#pragma once

// The one recalculation of the project: read and validate the inputs, collect the
// missing-input messages, and compute every path when nothing is missing. It never
// shows anything; the window layer displays the model afterwards.

#include "core/model/variablen.h"

namespace tavix {

struct RecalcOutcome
{
    // Empty when the recalculation ran to its end. Otherwise the conversion message of
    // a field that is not a number ("'…' ist kein gültiger Fließkommawert"): the caller
    // shows it; Messages, Calculated and every result keep their previous values.
    QString error;
    bool ok() const { return error.isEmpty(); }
};

RecalcOutcome Recalculate(ProjectModel &model, QChar decimalSeparator);

// The text of the message panel for a list of missing-input messages.
QStringList messagePanelLines(const QStringList &messages);

// Empty number fields get "0", empty flank-area fields "1", as the main window's
// change handler does before every recalculation. Returns whether any field changed.
bool fillEmptyNumberFields(FieldTexts &fields);

} // namespace tavix
