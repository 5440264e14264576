#pragma once

// The oblique sketch of the situation in the main window: the two rooms as open boxes,
// the separating element, the four flanks, linings as thin plates and the junction type
// of each flank as the way the elements continue past each other.
//
// Colours are prepared from the masses when elements or junctions change; the drawing
// itself runs at the end of every recalculation and paints both pictures.

#include "core/model/variablen.h"

#include <QColor>
#include <QImage>

#include <memory>

namespace tavix::gui {

// Per slot [element][side] colours of the sketch.
struct SchematicColours
{
    QColor fill[ElementCount][SideCount];
    QColor edge[ElementCount][SideCount];
    QColor lining[ElementCount][SideCount];
    QColor pen[ElementCount][SideCount];
};

constexpr int WallPictureWidth = 371;
constexpr int WallPictureHeight = 359;
constexpr int FloorPictureWidth = 359;
constexpr int FloorPictureHeight = 359;

// Colour tables from the masses per unit area; `background` is the window background.
SchematicColours PrepareSchematicColours(const ProjectModel &model, const QColor &background);

// Paints the wall picture (371 × 359) and, for the vertical orientation, the floor picture
// (359 × 359, the wall picture turned a quarter clockwise), each with its labels and legend.
// `activeTab` is the index of the main window's active input tab (0 separating element,
// 1..4 flank). The images are (re)allocated as needed. The surfaces of the last call are
// kept (per thread) and reused while colours, junctions, linings, highlight and orientation
// stay the same, so a redraw after typing a number costs little more than its labels.
void DrawSchematic(const ProjectModel &model, const SchematicColours &colours, int activeTab,
                   QImage &wallPicture, QImage &floorPicture);

// The picture of the model's orientation alone, drawn afresh at `scale` times its size
// (for print), without touching the surfaces kept for the screen.
QImage DrawSchematicPicture(const ProjectModel &model, const SchematicColours &colours, int activeTab,
                            int scale);

// The two pictures of the main window, painted again only when something they show has
// changed: typing into a field the sketch does not show (an area, an edge length) leaves
// them and the widgets that display them alone.
class SchematicPictures
{
public:
    SchematicPictures();
    ~SchematicPictures();

    // Brings the pictures up to date with the model; true when they were painted again.
    bool update(const ProjectModel &model, const SchematicColours &colours, int activeTab);

    const QImage &wall() const { return m_wall; }
    const QImage &floor() const { return m_floor; }

private:
    struct Shown;
    std::unique_ptr<Shown> m_shown; // what the pictures show; null before the first painting
    QImage m_wall;
    QImage m_floor;
};

} // namespace tavix::gui
