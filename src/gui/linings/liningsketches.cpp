#include "gui/linings/liningsketches.h"

#include <QPainter>
#include <QPainterPath>

namespace tavix::gui {

namespace {

void hatch(QPainter &p, const QRectF &area, bool cross)
{
    p.save();
    p.setClipRect(area);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    const qreal h = area.height();
    for (qreal x = area.left() - h; x < area.right() + h; x += 7) {
        p.drawLine(QPointF(x, area.bottom()), QPointF(x + h, area.top()));
        if (cross)
            p.drawLine(QPointF(x, area.top()), QPointF(x + h, area.bottom()));
    }
    p.restore();
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area);
}

// A soft absorbing layer: a loose zigzag filling part of the gap.
void absorber(QPainter &p, const QRectF &area)
{
    p.setPen(QPen(QColor(160, 110, 0), 1));
    QPainterPath path;
    bool left = true;
    path.moveTo(area.left(), area.top());
    for (qreal y = area.top() + 5; y <= area.bottom(); y += 5) {
        left = !left;
        path.lineTo(left ? area.left() : area.right(), y);
    }
    p.drawPath(path);
}

void dimension(QPainter &p, qreal x1, qreal x2, qreal y, const QString &label)
{
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(x1, y), QPointF(x2, y));
    p.drawLine(QPointF(x1, y - 4), QPointF(x1, y + 4));
    p.drawLine(QPointF(x2, y - 4), QPointF(x2, y + 4));
    QFont font = p.font();
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(x1 - 10, y + 3, x2 - x1 + 20, 16), Qt::AlignCenter, label);
}

} // namespace

QPixmap liningConstructionSketch(int construction)
{
    QPixmap pixmap(LiningSketchWidth, LiningSketchHeight);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF wall(12, 8, 38, 82);
    hatch(p, wall, false);
    const qreal gapLeft = wall.right();
    const qreal gapRight = gapLeft + 44;
    if (construction == 2) {
        hatch(p, QRectF(gapLeft, wall.top(), gapRight - gapLeft, wall.height()), true);
    } else {
        absorber(p, QRectF(gapLeft + 3, wall.top() + 3, 20, wall.height() - 6));
    }
    // The flexible shell.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(gapRight, wall.top(), 6, wall.height()));

    QFont font = p.font();
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRectF(gapRight + 9, wall.top() + 30, 40, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("m'"));
    dimension(p, gapLeft, gapRight, wall.bottom() + 8,
              construction == 2 ? QStringLiteral("s'") : QStringLiteral("s"));
    return pixmap;
}

} // namespace tavix::gui
