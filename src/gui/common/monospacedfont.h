#pragma once

// The results text lines its columns up with blanks, so it needs a font in which every
// character is equally wide. The font database's fixed-pitch flag cannot be trusted for
// that: a desktop may answer the generic fixed font with a family that is not marked as
// fixed, or substitute a proportional one for a family that is missing. Candidates are
// therefore measured.

#include <QFont>
#include <QList>

namespace tavix::gui {

// True when the characters the results text is made of have one and the same advance.
bool isMonospaced(const QFont &font);

// The first of `candidates` that measures as monospaced; the first candidate when none
// does.
QFont firstMonospacedFont(const QList<QFont> &candidates);

// The font of the results text: the desktop's fixed font, else one of the monospaced
// families the program's installation brings along (DejaVu Sans Mono, Liberation Mono).
QFont monospacedFont();

} // namespace tavix::gui
