#pragma once

// The small pictures of the variant study window, drawn here so that they need no
// picture files: the add, clear and close buttons, the five scale buttons and the colour
// marks beside the view choice.

#include <QColor>
#include <QIcon>
#include <QList>
#include <QPixmap>

namespace tavix::gui {

enum class VariantPicture
{
    Add,
    Clear,
    Close,
    TopUp,
    TopDown,
    BottomUp,
    BottomDown,
    Automatic,
};

QIcon variantPicture(VariantPicture picture);

// A small square split into one stripe per colour, as the bars of a chart look.
QPixmap colourMark(const QList<QColor> &colours);

// The colours of the two quantities in every chart.
QColor rwColour();
QColor dnTwColour();

} // namespace tavix::gui
