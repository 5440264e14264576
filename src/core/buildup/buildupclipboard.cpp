#include "core/buildup/buildupclipboard.h"

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
    if (isLockedRoom2(model, element, side))
        return false;
    model.buildUp[element][side] = clipboard.record;
    QStringList lines = clipboard.lines;
    while (lines.size() < 3)
        lines << QString();
    model.fields.Memo[element][side] = lines;
    if (mirrorsToRoom2(model, element, side)) {
        model.buildUp[element][2] = clipboard.record;
        model.fields.Memo[element][2] = model.fields.Memo[element][1];
    }
    return true;
}

BuildUpCommit commitBuildUp(ProjectModel &model, int element, int side, const BuildUpRecord &record,
                            const BuildUpFieldTexts &texts)
{
    BuildUpCommit commit;
    commit.record = record;
    if (!isBuildUpSlot(element, side))
        return commit;
    const BuildUpSummary summary = buildUpSummary(record, texts);
    commit.record.schichtName1 = summary.layerNames[0];
    commit.record.schichtName2 = summary.layerNames[1];
    commit.record.schichtName3 = summary.layerNames[2];
    model.buildUp[element][side] = commit.record;
    model.fields.Memo[element][side] = summary.lines;
    commit.changed << BuildUpSlot{element, side};
    if (mirrorsToRoom2(model, element, side)) {
        model.buildUp[element][2] = commit.record;
        model.fields.Memo[element][2] = summary.lines;
        commit.changed << BuildUpSlot{element, 2};
    }
    return commit;
}

} // namespace tavix
