#include "schematic.h"

#include <QPainter>

namespace tavix::gui {

SchematicColours PrepareSchematicColours(const ProjectModel &, const QColor &background)
{
    SchematicColours colours;
    for (int e = 0; e < ElementCount; ++e) {
        for (int s = 0; s < SideCount; ++s) {
            colours.fill[e][s] = background;
            colours.edge[e][s] = background;
            colours.lining[e][s] = QColor(128, 128, 0);
            colours.pen[e][s] = Qt::black;
        }
    }
    return colours;
}

void DrawSchematic(const ProjectModel &, const SchematicColours &, int, QImage &wallPicture,
                   QImage &floorPicture)
{
    // Placeholder until the sketch is drawn: white pictures of the right size.
    wallPicture = QImage(WallPictureWidth, WallPictureHeight, QImage::Format_RGB32);
    wallPicture.fill(Qt::white);
    floorPicture = QImage(FloorPictureWidth, FloorPictureHeight, QImage::Format_RGB32);
    floorPicture.fill(Qt::white);
}

} // namespace tavix::gui
