#pragma once

// The explanatory picture of the results window: a section through two rooms side by side,
// a loudspeaker in the left one, and the four kinds of transmission path drawn as arrows.

#include <QImage>
#include <QSize>

namespace tavix::gui {

constexpr QSize TransmissionPathsPictureSize(220, 117);

// Drawn on a transparent background, so that it takes the colour of the panel beneath.
QImage transmissionPathsPicture();

} // namespace tavix::gui
