#include "gui/sketch/schematic.h"

#include "core/junctions/junctioncodes.h"
#include "gui/common/colours.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cstring>
#include <type_traits>

namespace tavix::gui {

namespace {

const QColor Grey(128, 128, 128);
const QColor Blue = colours::separatingElement();
const QColor Olive = colours::lining();
const QColor Navy = colours::room1();
const QColor Green = colours::room2();
const QColor Silver(192, 192, 192);
const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);

// Room 2's faces are room 1's faces moved across the separating element.
constexpr int Room2Shift = 200;

// Thickness of a face or plate (edge polygon behind the fill polygon) and the distance of
// a lining from the face it covers.
constexpr int FaceThickness = 2;
constexpr int LiningGap = 5;

// How a face is seen decides whether its lining (on the room side) hides behind it or
// lies in front of it.
enum class SeenFrom
{
    Outside,
    Inside
};

struct Face
{
    QPolygon shape;
    QPoint towardsRoom; // unit step from the face into its room
    SeenFrom seen;
};

QPolygon poly(std::initializer_list<QPoint> points)
{
    return QPolygon(QList<QPoint>(points));
}

// The four faces of room 1, indexed by flank 1..4 (index 0 unused). The front wall and
// the ceiling are notched at the corner nearest the separating element so that the
// inside of the box shows.
const std::array<Face, 5> &room1Faces()
{
    static const std::array<Face, 5> faces = {
        Face{},
        // flank 1: front wall, x 10-110, y 120-222, quarter x 60-110 / y 120-170 cut away
        Face{poly({{10, 120}, {60, 120}, {60, 170}, {110, 170}, {110, 222}, {10, 222}}),
             {1, -1},
             SeenFrom::Outside},
        // flank 2: ceiling between the front top edge (y 120) and the rear one (y 80)
        Face{poly({{10, 120}, {60, 120}, {80, 100}, {130, 100}, {150, 80}, {50, 80}}),
             {0, 1},
             SeenFrom::Outside},
        // flank 3: rear wall
        Face{poly({{50, 80}, {150, 80}, {150, 180}, {50, 180}}), {-1, 1}, SeenFrom::Inside},
        // flank 4: floor
        Face{poly({{10, 220}, {110, 220}, {150, 180}, {50, 180}}), {0, -1}, SeenFrom::Inside},
    };
    return faces;
}

// The separating element and the plates that continue it past a flank lie in one oblique
// plane; the viewer looks at their room-1 side.
const QPolygon SeparatingPlate = poly({{160, 120}, {160, 220}, {200, 180}, {200, 80}});
constexpr int SeparatingLining1Dx = 153 - 160;
constexpr int SeparatingLining2Dx = 165 - 160;

const QPolygon &continuationPlate(int flank)
{
    static const std::array<QPolygon, 5> plates = {
        QPolygon(),
        poly({{155, 155}, {155, 225}, {135, 245}, {135, 175}}), // in front
        poly({{160, 50}, {160, 110}, {200, 70}, {200, 10}}),    // above the ceiling
        poly({{207, 70}, {207, 170}, {227, 150}, {227, 50}}),   // behind
        poly({{160, 230}, {160, 290}, {200, 250}, {200, 190}}), // below the floor
    };
    return plates[flank];
}

// A damaged code is drawn like the type its prefix names.
bool junctionIs(const ProjectModel &model, int flank, JunctionType type)
{
    return junctionTypeByPrefix(model.Stoss[flank]) == type;
}

// The two fonts of the sketch with their metrics, built once: labels are redrawn on every
// keystroke.
struct SketchFont
{
    QFont font;
    QFontMetrics metrics;

    explicit SketchFont(bool bold) : font(makeFont(bold)), metrics(font) {}

    static QFont makeFont(bool bold)
    {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(11); // 8 pt on a 96 dpi screen
        font.setBold(bold);
        font.setStyleHint(QFont::SansSerif);
        return font;
    }
};

// Deliberately never freed: a font must not outlive the application's font database,
// which is gone before static objects are destroyed.
const SketchFont &sketchFont(bool bold)
{
    thread_local const SketchFont *const regular = new SketchFont(false);
    thread_local const SketchFont *const heavy = new SketchFont(true);
    return bold ? *heavy : *regular;
}

class SketchPainter
{
public:
    // `scale` device pixels per sketch pixel; a sketch for print is drawn larger and smooth.
    explicit SketchPainter(QImage &image, int scale = 1) : p(&image), m_width(image.width() / scale)
    {
        p.setRenderHint(QPainter::Antialiasing, scale > 1);
        p.scale(scale, scale);
    }

    void polygon(const QPolygon &shape, const QColor &brush, const QColor &pen)
    {
        p.setPen(QPen(pen, 1));
        p.setBrush(brush);
        p.drawPolygon(shape);
    }

    // A face or plate with its thickness, and its lining on the room side.
    void face(const QPolygon &shape, QPoint towardsRoom, SeenFrom seen, const QColor &fill,
              const QColor &edge, const QColor &pen, bool lined, const QColor &lining)
    {
        const QPolygon liningShape = shape.translated(towardsRoom * LiningGap);
        if (lined && seen == SeenFrom::Outside)
            polygon(liningShape, lining, pen);
        // The thickness lies on the far side of the visible surface.
        const QPoint back = seen == SeenFrom::Outside ? towardsRoom : -towardsRoom;
        polygon(shape.translated(back * FaceThickness), edge, pen);
        polygon(shape, fill, pen);
        if (lined && seen == SeenFrom::Inside)
            polygon(liningShape, lining, pen);
    }

    // " name " on an opaque background, top left at `at`; a name wider than `maxWidth`
    // is shortened with "…" so that it stays on its face.
    void label(QPoint at, const QString &name, const QColor &text, const QColor &background, int maxWidth)
    {
        const SketchFont &f = sketchFont(false);
        const QString padded =
            QLatin1Char(' ') + f.metrics.elidedText(name, Qt::ElideRight, maxWidth) + QLatin1Char(' ');
        p.fillRect(QRect(at, QSize(f.metrics.horizontalAdvance(padded), f.metrics.height())), background);
        write(f, at, padded, text);
    }

    // Text that ends before `maxWidth` (by default the picture's right edge), shortened
    // with "…" where needed.
    void text(QPoint at, const QString &content, const QColor &colour, bool bold = false, int maxWidth = 0)
    {
        const SketchFont &f = sketchFont(bold);
        const int room = maxWidth > 0 ? maxWidth : m_width - at.x() - 2;
        write(f, at, f.metrics.elidedText(content, Qt::ElideRight, room), colour);
    }

    void legendBox(const QRect &box, const QColor &colour)
    {
        p.setPen(QPen(Black, 1));
        p.setBrush(colour);
        p.drawRect(box);
    }

private:
    void write(const SketchFont &f, QPoint topLeft, const QString &content, const QColor &colour)
    {
        if (currentFont != &f) {
            p.setFont(f.font);
            currentFont = &f;
        }
        p.setPen(colour);
        p.drawText(topLeft + QPoint(0, f.metrics.ascent()), content);
    }

    QPainter p;
    int m_width; // in sketch pixels
    const SketchFont *currentFont = nullptr;
};

void ensureImage(QImage &image, int width, int height)
{
    if (image.width() != width || image.height() != height || image.format() != QImage::Format_RGB32)
        image = QImage(width, height, QImage::Format_RGB32);
}

// Colours a flank part was drawn with: its labels sit on the same background.
struct PartColours
{
    QColor room1[5];
    QColor room2[5];
};

void drawRoom1(SketchPainter &sketch, const ProjectModel &model, const SchematicColours &colours,
               PartColours &used)
{
    for (int flank : {4, 3, 1, 2}) {
        const QColor fill = model.Highlight == flank ? Navy : colours.fill[flank][1];
        used.room1[flank] = fill;
        if (junctionIs(model, flank, JunctionType::CornerB))
            continue;
        const Face &f = room1Faces()[flank];
        sketch.face(f.shape, f.towardsRoom, f.seen, fill, colours.edge[flank][1], colours.pen[flank][1],
                    !model.fields.VS[flank][1].isEmpty(), colours.lining[flank][1]);
    }
}

void drawContinuationPlate(SketchPainter &sketch, const ProjectModel &model, const SchematicColours &colours,
                           int flank)
{
    if (junctionIs(model, flank, JunctionType::T))
        return;
    const bool highlighted = model.Highlight == flank;
    const bool cornerA = junctionIs(model, flank, JunctionType::CornerA);
    const bool cornerB = junctionIs(model, flank, JunctionType::CornerB);
    QColor fill = colours.fill[flank][1];
    if (junctionIs(model, flank, JunctionType::Cross))
        fill = Grey;
    else if (highlighted && cornerA)
        fill = Green;
    else if (highlighted && cornerB)
        fill = Navy;

    // A corner plate stands for the flank itself, so it carries that room's lining.
    const QPoint towardsRoom1(-1, 0);
    const QPolygon &plate = continuationPlate(flank);
    const bool lined1 = cornerB && !model.fields.VS[flank][1].isEmpty();
    const bool lined2 = cornerA && !model.fields.VS[flank][2].isEmpty();
    if (lined2)
        sketch.polygon(plate.translated(-towardsRoom1 * LiningGap), colours.lining[flank][2],
                       colours.pen[flank][2]);
    sketch.face(plate, towardsRoom1, SeenFrom::Inside, fill, colours.edge[flank][1], colours.pen[flank][1],
                lined1, colours.lining[flank][1]);
}

void drawSeparatingElement(SketchPainter &sketch, const ProjectModel &model, const SchematicColours &colours)
{
    // Seen from room 1: the room-2 lining lies behind the plate, the room-1 lining in front.
    if (!model.fields.VS[0][2].isEmpty())
        sketch.polygon(SeparatingPlate.translated(SeparatingLining2Dx, 0), colours.lining[0][2],
                       colours.pen[0][2]);
    sketch.polygon(SeparatingPlate.translated(FaceThickness, 0), colours.edge[0][0], colours.pen[0][0]);
    sketch.polygon(SeparatingPlate, colours.fill[0][0], colours.pen[0][0]);
    if (!model.fields.VS[0][1].isEmpty())
        sketch.polygon(SeparatingPlate.translated(SeparatingLining1Dx, 0), colours.lining[0][1],
                       colours.pen[0][1]);
}

void drawRoom2(SketchPainter &sketch, const ProjectModel &model, const SchematicColours &colours,
               PartColours &used)
{
    for (int flank : {4, 3, 1, 2}) {
        const QColor fill = model.Highlight == flank ? Green : colours.fill[flank][2];
        used.room2[flank] = fill;
        if (junctionIs(model, flank, JunctionType::CornerA))
            continue;
        const Face &f = room1Faces()[flank];
        sketch.face(f.shape.translated(Room2Shift, 0), f.towardsRoom, f.seen, fill, colours.edge[flank][2],
                    colours.pen[flank][2], !model.fields.VS[flank][2].isEmpty(), colours.lining[flank][2]);
    }
}

QString volumeText(int room, const QString &volume)
{
    return QStringLiteral("(V%1 = ").arg(room) + volume + QStringLiteral(" m³)");
}

// Flank labels: black on the part's colour, silver on the highlight colour.
void flankLabel(SketchPainter &sketch, const ProjectModel &model, int flank, QPoint at,
                const QColor &background)
{
    const QColor text = model.Highlight == flank ? Silver : Black;
    // About the width of a face, so that a long name does not cover its neighbours.
    constexpr int MaxFlankLabelWidth = 100;
    sketch.label(at, model.fields.Flanke[flank], text, background, MaxFlankLabelWidth);
}

void drawRoomNames(SketchPainter &sketch, const ProjectModel &model, QPoint room1, QPoint room2)
{
    const QPoint volumeLine(0, 15);
    // Side by side, room 1's name must end before room 2's begins.
    const int room1Width = room2.x() > room1.x() ? room2.x() - room1.x() - 6 : 0;
    sketch.text(room1, model.fields.room1, Navy, true, room1Width);
    if (model.Vol1 > 0)
        sketch.text(room1 + volumeLine, volumeText(1, model.fields.Vol1), Navy, false, room1Width);
    sketch.text(room2, model.fields.room2, Green, true);
    if (model.Vol2 > 0)
        sketch.text(room2 + volumeLine, volumeText(2, model.fields.Vol2), Green);
}

void drawWallLabels(SketchPainter &sketch, const ProjectModel &model, const PartColours &used)
{
    drawRoomNames(sketch, model, {50, 30}, {250, 30});

    if (!junctionIs(model, 1, JunctionType::CornerB))
        flankLabel(sketch, model, 1, {15, 185}, used.room1[1]);
    flankLabel(sketch, model, 1, {225, 190}, used.room2[1]);
    if (!junctionIs(model, 2, JunctionType::CornerB))
        flankLabel(sketch, model, 2, {48, 83}, used.room1[2]);
    flankLabel(sketch, model, 2, {250, 83}, used.room2[2]);

    // The floor's label sits below the box on white; silver would vanish there, so a
    // highlighted floor is labelled on its highlight colour instead.
    const bool floorCornerB = junctionIs(model, 4, JunctionType::CornerB);
    QColor floorBackground = White;
    if (model.Highlight == 4)
        floorBackground = floorCornerB ? Green : Navy;
    flankLabel(sketch, model, 4, floorCornerB ? QPoint(220, 230) : QPoint(50, 230), floorBackground);
}

void drawLegend(SketchPainter &sketch, const ProjectModel &model, int activeTab)
{
    const QString flank = QStringLiteral("Flanke ");
    if (activeTab > 0) {
        // The room tags of the input tabs carry the room names with a leading blank.
        sketch.legendBox(QRect(QPoint(30, 315), QPoint(50, 325)), Navy);
        sketch.text({55, 313}, flank + QLatin1Char(' ') + model.fields.room1, Black);
        sketch.legendBox(QRect(QPoint(30, 330), QPoint(50, 340)), Green);
        sketch.text({55, 328}, flank + QLatin1Char(' ') + model.fields.room2, Black);
    }
    if (model.buildUp[0][0].Rw > 0) {
        sketch.legendBox(QRect(QPoint(240, 315), QPoint(260, 325)), Blue);
        sketch.text({265, 313}, QStringLiteral("Trennwand"), Black);
    }
    bool anyLining = false;
    for (const BuildUpSlot &slot : LiningSlots)
        anyLining = anyLining || !model.fields.VS[slot.element][slot.side].isEmpty();
    if (anyLining) {
        sketch.legendBox(QRect(QPoint(240, 330), QPoint(260, 340)), Olive);
        sketch.text({265, 328}, QStringLiteral("Vorsatzschale"), Black);
        if (!model.fields.VS[4][1].isEmpty() || !model.fields.VS[4][2].isEmpty())
            sketch.text({265, 340}, QStringLiteral("(schw. Estrich)"), Black);
    }
}

void drawFloorLabels(SketchPainter &sketch, const ProjectModel &model, const PartColours &used)
{
    drawRoomNames(sketch, model, {20, 20}, {20, 215});
    if (!junctionIs(model, 1, JunctionType::CornerB))
        flankLabel(sketch, model, 1, {160, 30}, used.room1[1]);
    flankLabel(sketch, model, 1, {150, 225}, used.room2[1]);
}

// Everything the surfaces (not the labels) of the sketch depend on.
struct SurfaceKey
{
    QRgb fill[ElementCount][SideCount] = {};
    QRgb edge[ElementCount][SideCount] = {};
    QRgb lining[ElementCount][SideCount] = {};
    QRgb pen[ElementCount][SideCount] = {};
    char junction[ElementCount] = {}; // T, K, A (LSa), B (LSb) or '?' for an unknown code
    bool lined[ElementCount][SideCount] = {};
    int highlight = 0;
    int orientation = 0;

    bool operator==(const SurfaceKey &o) const { return std::memcmp(this, &o, sizeof(SurfaceKey)) == 0; }
};
static_assert(std::has_unique_object_representations_v<SurfaceKey>, "compared bytewise: no padding");

SurfaceKey surfaceKey(const ProjectModel &model, const SchematicColours &colours)
{
    SurfaceKey key;
    for (int e = 0; e < ElementCount; ++e) {
        for (int s = 0; s < SideCount; ++s) {
            key.fill[e][s] = colours.fill[e][s].rgba();
            key.edge[e][s] = colours.edge[e][s].rgba();
            key.lining[e][s] = colours.lining[e][s].rgba();
            key.pen[e][s] = colours.pen[e][s].rgba();
            key.lined[e][s] = !model.fields.VS[e][s].isEmpty();
        }
    }
    for (int flank = 1; flank <= FlankCount; ++flank) {
        char kind = '?';
        if (junctionIs(model, flank, JunctionType::T))
            kind = 'T';
        else if (junctionIs(model, flank, JunctionType::Cross))
            kind = 'K';
        else if (junctionIs(model, flank, JunctionType::CornerA))
            kind = 'A';
        else if (junctionIs(model, flank, JunctionType::CornerB))
            kind = 'B';
        key.junction[flank] = kind;
    }
    key.highlight = model.Highlight;
    key.orientation = model.Orientation;
    return key;
}

struct SurfaceLayer
{
    bool valid = false;
    SurfaceKey key;
    QImage wall;
    QImage floor;
    PartColours used;
};

void drawSurfaces(const ProjectModel &model, const SchematicColours &colours, SurfaceLayer &layer,
                  int scale = 1)
{
    ensureImage(layer.wall, WallPictureWidth * scale, WallPictureHeight * scale);
    ensureImage(layer.floor, FloorPictureWidth * scale, FloorPictureHeight * scale);
    layer.wall.fill(White);
    layer.floor.fill(White);
    {
        SketchPainter sketch(layer.wall, scale);
        drawRoom1(sketch, model, colours, layer.used);
        drawContinuationPlate(sketch, model, colours, 3);
        drawSeparatingElement(sketch, model, colours);
        for (int flank : {1, 2, 4})
            drawContinuationPlate(sketch, model, colours, flank);
        drawRoom2(sketch, model, colours, layer.used);
    }
    if (model.Orientation == 1) {
        // A quarter turn clockwise puts room 1 on top and room 2 below; the wall
        // picture's right margin is cut off by the square floor picture.
        const QImage turned = layer.wall.transformed(QTransform().rotate(90));
        QPainter copy(&layer.floor);
        copy.drawImage(0, 0, turned, 0, 0, FloorPictureWidth * scale, FloorPictureHeight * scale);
    }
}

// Same size and format on both sides; writing through bits() detaches a shared target.
void copyPixels(const QImage &from, QImage &to)
{
    std::memcpy(to.bits(), from.constBits(), static_cast<size_t>(from.sizeInBytes()));
}

} // namespace

SchematicColours PrepareSchematicColours(const ProjectModel &model, const QColor &background)
{
    SchematicColours colours;
    for (int e = 0; e < ElementCount; ++e) {
        for (int s = 0; s < SideCount; ++s) {
            const bool solid = model.buildUp[e][s].m >= MinimumMass;
            colours.fill[e][s] = solid ? Grey : background;
            colours.edge[e][s] = solid ? Black : background;
            colours.lining[e][s] = Olive;
            colours.pen[e][s] = Black;
        }
    }
    if (model.buildUp[0][0].m >= MinimumMass)
        colours.fill[0][0] = Blue;
    return colours;
}

void DrawSchematic(const ProjectModel &model, const SchematicColours &colours, int activeTab,
                   QImage &wallPicture, QImage &floorPicture)
{
    // Typing into a number field changes no surface of the sketch, only its labels; the
    // outlined polygons are what costs, so they are kept and reused while they stay the same.
    thread_local SurfaceLayer layer;
    const SurfaceKey key = surfaceKey(model, colours);
    if (!layer.valid || !(layer.key == key)) {
        drawSurfaces(model, colours, layer);
        layer.key = key;
        layer.valid = true;
    }

    ensureImage(wallPicture, WallPictureWidth, WallPictureHeight);
    ensureImage(floorPicture, FloorPictureWidth, FloorPictureHeight);
    copyPixels(layer.wall, wallPicture);
    copyPixels(layer.floor, floorPicture);

    if (model.Orientation == 1) {
        SketchPainter sketch(floorPicture);
        drawFloorLabels(sketch, model, layer.used);
    } else {
        SketchPainter sketch(wallPicture);
        drawWallLabels(sketch, model, layer.used);
        drawLegend(sketch, model, activeTab);
    }
}

QImage DrawSchematicPicture(const ProjectModel &model, const SchematicColours &colours, int activeTab,
                            int scale)
{
    SurfaceLayer layer;
    drawSurfaces(model, colours, layer, scale);
    if (model.Orientation == 1) {
        SketchPainter sketch(layer.floor, scale);
        drawFloorLabels(sketch, model, layer.used);
        return layer.floor;
    }
    {
        SketchPainter sketch(layer.wall, scale);
        drawWallLabels(sketch, model, layer.used);
        drawLegend(sketch, model, activeTab);
    }
    return layer.wall;
}

// Everything the pictures show besides their surfaces: the labels and the legend.
struct SchematicPictures::Shown
{
    SurfaceKey surfaces;
    QString room1, room2, volume1, volume2; // a volume only while it is greater than 0
    QString flank[ElementCount];
    int activeTab = 0;
    bool separatingElementRated = false;

    explicit Shown(const ProjectModel &model, const SchematicColours &colours, int activeTab)
        : surfaces(surfaceKey(model, colours)), room1(model.fields.room1), room2(model.fields.room2),
          volume1(model.Vol1 > 0 ? model.fields.Vol1 : QString()),
          volume2(model.Vol2 > 0 ? model.fields.Vol2 : QString()), activeTab(activeTab),
          separatingElementRated(model.buildUp[0][0].Rw > 0)
    {
        for (int n = 1; n <= FlankCount; ++n)
            flank[n] = model.fields.Flanke[n];
    }

    bool operator==(const Shown &o) const
    {
        return surfaces == o.surfaces && room1 == o.room1 && room2 == o.room2 && volume1 == o.volume1 &&
               volume2 == o.volume2 && std::equal(std::begin(flank), std::end(flank), std::begin(o.flank)) &&
               activeTab == o.activeTab && separatingElementRated == o.separatingElementRated;
    }
};

SchematicPictures::SchematicPictures() = default;
SchematicPictures::~SchematicPictures() = default;

bool SchematicPictures::update(const ProjectModel &model, const SchematicColours &colours, int activeTab)
{
    auto shown = std::make_unique<Shown>(model, colours, activeTab);
    if (m_shown && *m_shown == *shown)
        return false;
    DrawSchematic(model, colours, activeTab, m_wall, m_floor);
    m_shown = std::move(shown);
    return true;
}

} // namespace tavix::gui
