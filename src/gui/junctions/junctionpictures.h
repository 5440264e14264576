#pragma once

// The pictures of the junctions, drawn from simple shapes so that they stay sharp at any
// size. Plan view of the joint: room 1 top left, room 2 top right, the separating
// element (blue) rising from the joint, the flank in room 1 (navy) and in room 2 (green)
// leaving it sideways; a corner junction turns one flank downwards. Yellow strips mark
// where an acoustic decoupling layer separates two parts.

#include "core/junctions/junctioncodes.h"

#include <QColor>
#include <QIcon>
#include <QPixmap>

namespace tavix::gui {

// The colours are those of gui/common/colours.h.
constexpr int JunctionPictureSize = 48;

// The picture of a junction code (the butt-joint form for T and cross junctions); a
// neutral picture with a question mark for a text that is none of the twenty codes.
QPixmap junctionPicture(const QString &code, int size = JunctionPictureSize);
QIcon junctionIcon(const QString &code, int size = JunctionPictureSize);

// The two acoustically equivalent forms of a T or cross junction without separation:
// butt joint (first) and continuous separating wall (second). Null pictures for a
// corner junction, which has no such pair.
QPixmap junctionPairPicture(JunctionType type, bool continuousWall, int size = JunctionPictureSize);

} // namespace tavix::gui
