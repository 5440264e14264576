#pragma once

// The build-up clipboard of the main window's summary memos: one complete build-up
// record with its three summary lines. It lives in the program, not in the system
// clipboard, and outlives "Neu" and opening a project, so it can carry a build-up from
// one project into another. The project session holds it; a paste is a change of the
// project like accepting the build-up dialog.

#include "core/buildup/buildupsummary.h"
#include "core/model/variablen.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tavix {

struct BuildUpClipboard
{
    BuildUpRecord record;
    QStringList lines; // always three lines after a copy
    bool hasContent = false;
};

// True for the nine slots that carry a build-up (TB and F1_R1 .. F4_R2).
bool isBuildUpSlot(int element, int side);

// The record and memo lines 1..3 of the slot (missing lines count as empty).
BuildUpClipboard copyBuildUp(const ProjectModel &model, int element, int side);

// Writes the clipboard into the slot: record and memo lines. For flank n in room 1 with
// "identisch zu Raum 1" the room-2 slot receives the record and the room-1 memo as well.
// Refuses (returns false, model untouched) an empty clipboard, a slot without build-up,
// and the room-2 slot of an identical flank, whose contents must mirror room 1.
// The caller refreshes label_DirRw for the separating element, the memos, the sketch and
// recalculates.
bool pasteBuildUp(ProjectModel &model, const BuildUpClipboard &clipboard, int element, int side);

// What accepting the build-up dialog stored: the record with the layer names its summary
// gave, and the slots written (the edited slot first, then room 2 of an identical flank).
struct BuildUpCommit
{
    BuildUpRecord record;
    QList<BuildUpSlot> changed;
};

// Commits an accepted build-up to its slot: the layer names and the three summary lines
// follow from the record and the texts of the dialog's fields; the record and the lines go
// into the slot and, for room 1 of a flank "identisch zu Raum 1", into room 2 as well.
// Nothing is written for a slot that carries no build-up.
BuildUpCommit commitBuildUp(ProjectModel &model, int element, int side, const BuildUpRecord &record,
                            const BuildUpFieldTexts &texts);

} // namespace tavix
