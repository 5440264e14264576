#pragma once

// Sketches of the two lining constructions of the resonance-frequency calculation, in
// section: the heavy wall on the left, the flexible shell m' on the right.
//  1: shell in front of the wall with an air gap s holding a soft absorbing layer;
//  2: shell bonded to the wall by an insulating layer of dynamic stiffness s'.

#include <QPixmap>

namespace tavix::gui {

constexpr int LiningSketchWidth = 150;
constexpr int LiningSketchHeight = 118;

QPixmap liningConstructionSketch(int construction);

} // namespace tavix::gui
