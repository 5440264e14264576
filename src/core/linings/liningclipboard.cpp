#include "core/linings/liningclipboard.h"

#include <QRegularExpression>

namespace tavix {

namespace {

bool lockedRoom2(const ProjectModel &model, LiningSlot slot)
{
    return isLockedRoom2(model, slot.element, slot.side);
}

bool mirrorsToRoom2(const ProjectModel &model, LiningSlot slot)
{
    return tavix::mirrorsToRoom2(model, slot.element, slot.side);
}

void write(ProjectModel &model, LiningSlot slot, const QString &text, int f0)
{
    model.fields.VS[slot.element][slot.side] = text;
    model.f0[slot.element][slot.side] = f0;
}

} // namespace

bool isValidLiningSlot(LiningSlot slot)
{
    return slot.element >= 0 && slot.element < ElementCount && (slot.side == 1 || slot.side == 2);
}

std::optional<LiningSlot> liningSlotFromDialogKey(const QString &key)
{
    if (key == QLatin1String("TB_VS1"))
        return LiningSlot{0, 1};
    if (key == QLatin1String("TB_VS2"))
        return LiningSlot{0, 2};
    const auto slot = liningSlotFromName(key);
    if (slot && slot->element == 0) // the separating element is addressed as TB_VS1/2 here
        return std::nullopt;
    return slot;
}

QString liningDialogKey(LiningSlot slot)
{
    if (slot.element == 0)
        return QStringLiteral("TB_VS%1").arg(slot.side);
    return liningSlotName(slot.element, slot.side);
}

std::optional<LiningSlot> liningSlotFromName(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^VS([0-4])_([12])$"));
    const auto match = pattern.match(name);
    if (!match.hasMatch())
        return std::nullopt;
    return LiningSlot{match.captured(1).toInt(), match.captured(2).toInt()};
}

LiningClipboard copyLining(const ProjectModel &model, LiningSlot slot)
{
    LiningClipboard clipboard;
    if (!isValidLiningSlot(slot))
        return clipboard;
    clipboard.text = model.fields.VS[slot.element][slot.side];
    clipboard.f0 = model.f0[slot.element][slot.side];
    clipboard.hasContent = true;
    return clipboard;
}

LiningChange setLining(ProjectModel &model, LiningSlot slot, const QString &text, int f0)
{
    LiningChange change;
    if (!isValidLiningSlot(slot) || lockedRoom2(model, slot))
        return change;
    write(model, slot, text, f0);
    change.changed.append(slot);
    change.enableClear.append(slot);
    if (mirrorsToRoom2(model, slot)) {
        const LiningSlot room2{slot.element, 2};
        write(model, room2, text, f0);
        change.changed.append(room2); // its "löschen" stays disabled with the locked side
    }
    return change;
}

LiningChange pasteLining(ProjectModel &model, const LiningClipboard &clipboard, LiningSlot slot)
{
    if (!clipboard.hasContent)
        return {};
    return setLining(model, slot, clipboard.text, clipboard.f0);
}

LiningChange clearLining(ProjectModel &model, LiningSlot slot)
{
    LiningChange change;
    if (!isValidLiningSlot(slot) || lockedRoom2(model, slot))
        return change;
    write(model, slot, QString(), 0);
    change.changed.append(slot);
    change.disableClear.append(slot);
    if (mirrorsToRoom2(model, slot)) {
        const LiningSlot room2{slot.element, 2};
        write(model, room2, QString(), 0);
        change.changed.append(room2);
    }
    return change;
}

} // namespace tavix
