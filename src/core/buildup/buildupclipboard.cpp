#include "core/buildup/buildupclipboard.h"

#include "core/model/numbers.h"

namespace tavix {

bool isBuildUpSlot(int element, int side)
{
    if (element == 0)
        return side == 0;
    return element >= 1 && element <= FlankCount && (side == 1 || side == 2);
}

BuildUpClipboard copyBuildUp(const ProjectModel &model, int element, int side)
{
    BuildUpClipboard clip;
    if (!isBuildUpSlot(element, side))
        return clip;
    clip.record = model.buildUp[element][side];
    const QStringList &memo = model.fields.Memo[element][side];
    for (int i = 0; i < 3; ++i)
        clip.lines << memo.value(i);
    clip.hasContent = true;
    return clip;
}

bool pasteBuildUp(ProjectModel &model, const BuildUpClipboard &clipboard, int element, int side)
{
    if (!clipboard.hasContent || !isBuildUpSlot(element, side))
        return false;
    if (element > 0 && side == 2 && model.IdF[element])
        return false;
    model.buildUp[element][side] = clipboard.record;
    QStringList lines = clipboard.lines;
    while (lines.size() < 3)
        lines << QString();
    model.fields.Memo[element][side] = lines;
    if (element > 0 && side == 1 && model.IdF[element]) {
        model.buildUp[element][2] = clipboard.record;
        model.fields.Memo[element][2] = model.fields.Memo[element][1];
    }
    return true;
}

QString directRwLabelText(long double rw, QChar decimalSeparator)
{
    return QStringLiteral("Direktschalldämm-Maß ") + formatFixed(rw, 3, 1, decimalSeparator) +
           QStringLiteral(" [dB]");
}

} // namespace tavix
