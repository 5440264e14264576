#pragma once

// The three-line build-up summary that the main window shows for a slot, and the layer
// texts stored with the record when the build-up dialog is accepted.
//
// The summary is built from the dialog's field texts as they stand (so a thickness typed
// as "24" appears as "24", with the user's decimal separator), while the decision whether
// a layer exists at all uses the committed numbers: a layer with d × ρ = 0 is left out.

#include "core/model/variablen.h"

#include <QString>
#include <QStringList>

namespace tavix {

// Texts of the dialog's fields at the moment of acceptance; index 0..2 = layer 1..3.
struct BuildUpFieldTexts
{
    QString thickness[3]; // edit_d1 .. edit_d3
    QString density[3];   // edit_roh1 .. edit_roh3
    QString name[3];      // edit_schichtName1 .. edit_schichtName3 (list item texts for kinds 0, 1)
};

struct BuildUpSummary
{
    QStringList lines;     // always three lines, empty ones included
    QString layerNames[3]; // schichtName1 .. schichtName3 to store with the record
};

// `record` is the committed record (Konstrukt, B1, B3, d1..d3, roh1..roh3 already set).
BuildUpSummary buildUpSummary(const BuildUpRecord &record, const BuildUpFieldTexts &texts);

} // namespace tavix
