#include "gui/junctions/junctionpictures.h"

#include "gui/common/colours.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace tavix::gui {

namespace {

// Drawing units: the picture is laid out on a 48 × 48 grid and scaled to the size asked.
constexpr qreal Grid = 48;
constexpr qreal Thick = 10; // element thickness
constexpr qreal Cx = 24;    // centre of the joint
constexpr qreal Cy = 27;
constexpr qreal Strip = 3.2;                              // decoupling layer
constexpr qreal Lo = Cx - Thick / 2, Hi = Cx + Thick / 2; // joint square, x
constexpr qreal Top = Cy - Thick / 2, Bottom = Cy + Thick / 2;

enum class Part
{
    SeparatingElement,
    Room1,
    Room2
};

QColor partColour(Part part)
{
    switch (part) {
    case Part::SeparatingElement:
        return colours::separatingElement();
    case Part::Room1:
        return colours::room1();
    case Part::Room2:
        return colours::room2();
    }
    return Qt::gray;
}

struct Layout
{
    QPainterPath shapes[3]; // per Part
    QList<QRectF> strips;   // decoupling layers
};

void add(Layout &layout, Part part, const QRectF &rect)
{
    layout.shapes[static_cast<int>(part)].addRect(rect);
}

const QRectF UpArm(Lo, 2, Thick, Top - 2);
const QRectF LeftArm(2, Top, Lo - 2, Thick);
const QRectF RightArm(Hi, Top, Grid - 2 - Hi, Thick);
const QRectF DownArm(Lo, Bottom, Thick, Grid - 2 - Bottom);
const QRectF Joint(Lo, Top, Thick, Thick);

QRectF stripAcross(bool vertical, qreal at)
{
    // A thin layer across an arm where it meets the joint.
    return vertical ? QRectF(at - Strip / 2, Top, Strip, Thick) : QRectF(Lo, at - Strip / 2, Thick, Strip);
}

Layout layoutOf(JunctionCode code, bool continuousWall)
{
    Layout layout;
    const bool cornerA = code.type == JunctionType::CornerA;
    const bool cornerB = code.type == JunctionType::CornerB;
    const bool cross = code.type == JunctionType::Cross;

    add(layout, Part::SeparatingElement, UpArm);
    if (cross)
        add(layout, Part::SeparatingElement, DownArm);
    // Corner A turns the room-2 flank downwards, corner B the room-1 flank.
    add(layout, Part::Room1, cornerB ? DownArm : LeftArm);
    add(layout, Part::Room2, cornerA ? DownArm : RightArm);

    // The joint belongs to the part that runs through it: the flank unless a decoupling
    // layer cuts it off, the separating wall when both flanks are cut off.
    switch (code.separation) {
    case Separation::None:
    case Separation::SeparatingElement:
        if (continuousWall) {
            add(layout, Part::SeparatingElement, Joint);
        } else if (cornerA) {
            add(layout, Part::Room1, Joint);
        } else if (cornerB) {
            add(layout, Part::Room2, Joint);
        } else {
            add(layout, Part::Room1, QRectF(Lo, Top, Thick / 2, Thick));
            add(layout, Part::Room2, QRectF(Cx, Top, Thick / 2, Thick));
        }
        break;
    case Separation::Room1:
        add(layout, Part::Room2, Joint);
        break;
    case Separation::Room2:
        add(layout, Part::Room1, Joint);
        break;
    case Separation::BothRooms:
        add(layout, Part::SeparatingElement, Joint);
        break;
    }

    const bool room1Cut = code.separation == Separation::Room1 || code.separation == Separation::BothRooms;
    const bool room2Cut = code.separation == Separation::Room2 || code.separation == Separation::BothRooms;
    if (code.separation == Separation::SeparatingElement) {
        layout.strips << stripAcross(false, Top);
        if (cross)
            layout.strips << stripAcross(false, Bottom);
    }
    if (room1Cut)
        layout.strips << (cornerB ? stripAcross(false, Bottom) : stripAcross(true, Lo));
    if (room2Cut)
        layout.strips << (cornerA ? stripAcross(false, Bottom) : stripAcross(true, Hi));
    return layout;
}

void paintFrame(QPainter &p)
{
    p.setPen(QPen(QColor(160, 160, 160), 0.8));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0.4, 0.4, Grid - 0.8, Grid - 0.8));
}

void paintRoomNumbers(QPainter &p)
{
    QFont font = p.font();
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colours::room1());
    p.drawText(QRectF(3, 3, Lo - 4, Top - 4), Qt::AlignCenter, QStringLiteral("1"));
    p.setPen(colours::room2());
    p.drawText(QRectF(Hi + 1, 3, Grid - Hi - 4, Top - 4), Qt::AlignCenter, QStringLiteral("2"));
}

QPixmap render(int size, const std::function<void(QPainter &)> &paint)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / Grid, size / Grid);
    paintFrame(p);
    paint(p);
    return pixmap;
}

QPixmap paintLayout(const Layout &layout, int size)
{
    return render(size, [&layout](QPainter &p) {
        paintRoomNumbers(p);
        for (int i = 0; i < 3; ++i) {
            const QColor colour = partColour(static_cast<Part>(i));
            p.setPen(QPen(colour.darker(160), 0.8));
            p.setBrush(colour);
            p.drawPath(layout.shapes[i].simplified());
        }
        p.setPen(QPen(QColor(150, 120, 0), 0.6));
        p.setBrush(colours::decoupling());
        for (const QRectF &strip : layout.strips)
            p.drawRect(strip);
    });
}

} // namespace

QPixmap junctionPicture(const QString &code, int size)
{
    const auto parsed = parseJunctionCode(code);
    if (!parsed) {
        return render(size, [](QPainter &p) {
            QFont font = p.font();
            font.setPixelSize(28);
            font.setBold(true);
            p.setFont(font);
            p.setPen(QColor(150, 150, 150));
            p.drawText(QRectF(0, 0, Grid, Grid), Qt::AlignCenter, QStringLiteral("?"));
        });
    }
    return paintLayout(layoutOf(*parsed, false), size);
}

QIcon junctionIcon(const QString &code, int size)
{
    return QIcon(junctionPicture(code, size));
}

QPixmap junctionPairPicture(JunctionType type, bool continuousWall, int size)
{
    if (type != JunctionType::T && type != JunctionType::Cross)
        return {};
    return paintLayout(layoutOf({type, Separation::None}, continuousWall), size);
}

} // namespace tavix::gui
