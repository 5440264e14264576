#pragma once

// Setting, copying, pasting and clearing the linings of the ten lining slots, with the
// rule of identical flanks: while a flank's room 2 is "identisch zu Raum 1", whatever
// happens to its room-1 lining happens to its room-2 lining too.
//
// The lining clipboard lives inside the program, not on the system clipboard, and
// belongs to the program run rather than to a project: "Neu" and opening a project
// leave it alone. The project session holds it; a paste or a clear is a change of the
// project like accepting the lining dialog.

#include "core/model/variablen.h"

#include <QList>
#include <optional>

namespace tavix {

struct LiningSlot
{
    int element = 0; // 0 separating element, 1..4 flank
    int side = 1;    // 1 room 1, 2 room 2

    bool operator==(const LiningSlot &o) const { return element == o.element && side == o.side; }
    bool operator!=(const LiningSlot &o) const { return !(*this == o); }
};

bool isValidLiningSlot(LiningSlot slot);

// The key the lining dialog is opened with: "TB_VS1", "TB_VS2", "VS1_1" .. "VS4_2".
std::optional<LiningSlot> liningSlotFromDialogKey(const QString &key);
QString liningDialogKey(LiningSlot slot);
// The slot's name in the main window: "VS0_1" .. "VS4_2".
std::optional<LiningSlot> liningSlotFromName(const QString &name);

struct LiningClipboard
{
    QString text;
    int f0 = 0;
    bool hasContent = false; // "Vorsatzschale einfügen" is enabled once something was copied
};

// What an operation did, for the main window to refresh: the slots whose text and f0
// were written (the target first), and the "löschen" buttons to enable or disable.
// Buttons not listed keep their state.
struct LiningChange
{
    QList<LiningSlot> changed;
    QList<LiningSlot> enableClear;
    QList<LiningSlot> disableClear;

    bool isEmpty() const { return changed.isEmpty(); }
};

// The lining of a slot (text of its field and f0).
LiningClipboard copyLining(const ProjectModel &model, LiningSlot slot);

// Writes a lining into a slot, as accepting the lining dialog does: text and f0, the
// slot's "löschen" button enabled, and the same lining on room 2 of an identical flank.
// A room-2 slot of an identical flank is locked in the main window; writing there would
// break the identity, so nothing happens.
LiningChange setLining(ProjectModel &model, LiningSlot slot, const QString &text, int f0);

// The clipboard's lining into a slot, like setLining (an empty clipboard lining empties
// the slot but still enables its "löschen" button). Nothing happens without content.
LiningChange pasteLining(ProjectModel &model, const LiningClipboard &clipboard, LiningSlot slot);

// Empties a slot (text empty, f0 0) and disables its "löschen" button; on an identical
// flank room 2 is emptied too.
LiningChange clearLining(ProjectModel &model, LiningSlot slot);

} // namespace tavix
