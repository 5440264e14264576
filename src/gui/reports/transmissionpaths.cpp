#include "gui/reports/transmissionpaths.h"

#include <QFont>
#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <QtMath>

namespace tavix::gui {

namespace {

const QColor BuildingPart(205, 205, 205);
const QColor Outline(90, 90, 90);
const QColor PathColour(190, 20, 20);

void buildingPart(QPainter &p, const QRectF &rect)
{
    p.setPen(QPen(Outline, 1));
    p.setBrush(BuildingPart);
    p.drawRect(rect);
    p.setBrush(QBrush(Outline, Qt::BDiagPattern));
    p.drawRect(rect);
}

void arrow(QPainter &p, QPointF from, QPointF to)
{
    const QLineF line(from, to);
    const qreal angle = qDegreesToRadians(line.angle());
    const qreal length = 6, spread = 0.45;
    // The shaft stops where the head begins, so that the tip stays sharp.
    const QPointF back = to - QPointF(std::cos(angle) * length, -std::sin(angle) * length);
    p.setPen(QPen(PathColour, 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, back);
    const QPointF left = to - QPointF(std::cos(angle - spread) * length, -std::sin(angle - spread) * length);
    const QPointF right = to - QPointF(std::cos(angle + spread) * length, -std::sin(angle + spread) * length);
    p.setPen(Qt::NoPen);
    p.setBrush(PathColour);
    p.drawPolygon(QPolygonF({to, left, right}));
}

void loudspeaker(QPainter &p)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(12, 30, 6, 12));
    p.setBrush(QColor(120, 120, 120));
    p.drawPolygon(QPolygonF({QPointF(18, 30), QPointF(26, 23), QPointF(26, 49), QPointF(18, 42)}));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1));
    for (int r = 0; r < 2; ++r) {
        const qreal radius = 6 + 4 * r;
        p.drawArc(QRectF(26 - radius, 36 - radius, 2 * radius, 2 * radius), -40 * 16, 80 * 16);
    }
}

void label(QPainter &p, QPointF baseline, const QString &text, int pixelSize)
{
    QFont font = p.font();
    font.setPixelSize(pixelSize);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(baseline, text);
}

} // namespace

QImage transmissionPathsPicture()
{
    QImage image(TransmissionPathsPictureSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Ceiling, the flank beneath both rooms, and the separating wall between them.
    buildingPart(p, QRectF(4.5, 4.5, 211, 7));
    buildingPart(p, QRectF(4.5, 80.5, 211, 9));
    buildingPart(p, QRectF(103.5, 11.5, 13, 69));
    loudspeaker(p);

    arrow(p, QPointF(38, 36), QPointF(196, 36));  // Dd: straight through the wall
    arrow(p, QPointF(58, 79), QPointF(102, 58));  // Fd: flank of the left room into the wall
    arrow(p, QPointF(118, 58), QPointF(162, 79)); // Df: wall into the flank of the right room
    arrow(p, QPointF(30, 85), QPointF(192, 85));  // Ff: along the flank

    label(p, QPointF(122, 31), QStringLiteral("Dd"), 11);
    label(p, QPointF(121, 49), QStringLiteral("(Direktübertragung)"), 9);
    label(p, QPointF(64, 62), QStringLiteral("Fd"), 11);
    label(p, QPointF(143, 62), QStringLiteral("Df"), 11);
    label(p, QPointF(104, 103), QStringLiteral("Ff"), 11);
    return image;
}

} // namespace tavix::gui
