#include "gui/variants/variantpictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace tavix::gui {

namespace {

constexpr int Size = 24;

// A triangle pointing up or down, its tip at `tipY`, centred on `x`.
void drawArrow(QPainter &p, qreal x, qreal tipY, bool up, const QColor &colour)
{
    const qreal dir = up ? 1 : -1;
    const QPolygonF head{{x, tipY}, {x - 5, tipY + 5 * dir}, {x + 5, tipY + 5 * dir}};
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(head);
    p.fillRect(QRectF(x - 1.5, up ? tipY + 4 : tipY - 8, 3, 4), colour);
}

// Three bars of a small chart with a heavy line where the moved limit lies.
void drawScale(QPainter &p, bool top, bool up)
{
    const QColor limitColour(200, 30, 30);
    const QColor barColour = rwColour();
    p.setPen(Qt::NoPen);
    p.setBrush(barColour);
    p.drawRect(QRectF(3, 11, 4, 9));
    p.drawRect(QRectF(8, 8, 4, 12));
    p.setBrush(dnTwColour());
    p.drawRect(QRectF(13, 13, 4, 7));
    const qreal lineY = top ? 5 : 21;
    p.fillRect(QRectF(1, lineY - 1, 17, 2), limitColour);
    const qreal tipY = up ? (top ? 1 : 14) : (top ? 12 : 23);
    drawArrow(p, 20.5, tipY, up, QColor(40, 40, 40));
}

void drawAutomatic(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(rwColour());
    p.drawRect(QRectF(4, 10, 4, 10));
    p.drawRect(QRectF(10, 6, 4, 14));
    p.setBrush(dnTwColour());
    p.drawRect(QRectF(16, 12, 4, 8));
    QPen dash(QColor(200, 30, 30), 1.5, Qt::DashLine);
    p.setPen(dash);
    p.drawLine(QPointF(2, 4), QPointF(22, 4));
    p.drawLine(QPointF(2, 21.5), QPointF(22, 21.5));
}

void drawAdd(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(rwColour());
    p.drawRect(QRectF(2, 9, 5, 12));
    p.setBrush(dnTwColour());
    p.drawRect(QRectF(7, 12, 5, 9));
    const QColor green(30, 150, 50);
    p.fillRect(QRectF(13, 7, 10, 3.5), green);
    p.fillRect(QRectF(16.25, 3.75, 3.5, 10), green);
}

void drawClear(QPainter &p)
{
    p.setPen(QPen(QColor(110, 110, 110), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 2.5, 13, 18));
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (qreal y = 6.5; y < 18; y += 3)
        p.drawLine(QPointF(6, y), QPointF(14, y));
    QPen cross(QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap);
    p.setPen(cross);
    p.drawLine(QPointF(12, 12), QPointF(21, 21));
    p.drawLine(QPointF(21, 12), QPointF(12, 21));
}

void drawClose(QPainter &p)
{
    // A door frame with an arrow leaving it.
    p.setPen(QPen(QColor(90, 90, 90), 1.5));
    p.setBrush(QColor(235, 225, 205));
    p.drawRect(QRectF(3, 2.5, 11, 19));
    p.setPen(Qt::NoPen);
    const QColor arrow(30, 90, 180);
    p.fillRect(QRectF(9, 10.5, 8, 3), arrow);
    p.setBrush(arrow);
    p.drawPolygon(QPolygonF{{22, 12}, {16, 6.5}, {16, 17.5}});
}

} // namespace

QColor rwColour()
{
    return QColor(0, 0, 255);
}

QColor dnTwColour()
{
    return QColor(145, 200, 255);
}

QIcon variantPicture(VariantPicture picture)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (picture) {
    case VariantPicture::Add:
        drawAdd(p);
        break;
    case VariantPicture::Clear:
        drawClear(p);
        break;
    case VariantPicture::Close:
        drawClose(p);
        break;
    case VariantPicture::TopUp:
        drawScale(p, true, true);
        break;
    case VariantPicture::TopDown:
        drawScale(p, true, false);
        break;
    case VariantPicture::BottomUp:
        drawScale(p, false, true);
        break;
    case VariantPicture::BottomDown:
        drawScale(p, false, false);
        break;
    case VariantPicture::Automatic:
        drawAutomatic(p);
        break;
    }
    p.end();
    return QIcon(pixmap);
}

QPixmap colourMark(const QList<QColor> &colours)
{
    constexpr int Mark = 12;
    QPixmap pixmap(Mark, Mark);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const qreal stripe = qreal(Mark - 1) / qMax(1, int(colours.size()));
    for (int i = 0; i < colours.size(); ++i)
        p.fillRect(QRectF(0.5 + i * stripe, 0.5, stripe, Mark - 1), colours[i]);
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, Mark - 1, Mark - 1));
    return pixmap;
}

} // namespace tavix::gui
