#include "gui/reports/previewicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace tavix::gui::previewicons {

namespace {

constexpr int Size = 24;
const QColor Ink(0x33, 0x3d, 0x4d);
const QColor Paper(0xfd, 0xfd, 0xfb);
const QColor Accent(0x2a, 0x6f, 0xb8);

// Draws at twice the size for a crisp picture on high-density screens.
QIcon drawn(const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(Size * 2, Size * 2);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Ink, 1.2));
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

void sheet(QPainter &p, const QRectF &r)
{
    const qreal fold = r.width() * 0.3;
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(Paper);
    p.drawPath(path);
    p.drawPolyline(QPolygonF({QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold),
                              QPointF(r.right(), r.top() + fold)}));
}

} // namespace

QIcon fitPage()
{
    return drawn([](QPainter &p) {
        sheet(p, QRectF(7.5, 5.5, 9, 13));
        p.setPen(QPen(Accent, 1.6));
        const qreal a = 2.5, b = 21.5, l = 4;
        p.drawPolyline(QPolygonF({QPointF(a, a + l), QPointF(a, a), QPointF(a + l, a)}));
        p.drawPolyline(QPolygonF({QPointF(b - l, a), QPointF(b, a), QPointF(b, a + l)}));
        p.drawPolyline(QPolygonF({QPointF(a, b - l), QPointF(a, b), QPointF(a + l, b)}));
        p.drawPolyline(QPolygonF({QPointF(b - l, b), QPointF(b, b), QPointF(b, b - l)}));
    });
}

QIcon page(const QString &label)
{
    return drawn([label](QPainter &p) {
        sheet(p, QRectF(4.5, 2.5, 15, 19));
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(label.size() > 1 ? 6 : 10);
        p.setFont(font);
        p.setPen(Accent);
        p.drawText(QRectF(4.5, 8, 15, 12), Qt::AlignCenter, label);
    });
}

QIcon printer()
{
    return drawn([](QPainter &p) {
        sheet(p, QRectF(7.5, 2.5, 9, 8));
        p.setBrush(QColor(0xc9, 0xd2, 0xdc));
        p.drawRoundedRect(QRectF(2.5, 9.5, 19, 8), 1.5, 1.5);
        p.setBrush(Paper);
        p.drawRect(QRectF(6.5, 14.5, 11, 7));
        p.drawLine(QPointF(8.5, 17), QPointF(15.5, 17));
        p.drawLine(QPointF(8.5, 19.2), QPointF(13.5, 19.2));
        p.setPen(Qt::NoPen);
        p.setBrush(Accent);
        p.drawEllipse(QPointF(18.5, 12), 1, 1);
    });
}

QIcon exit()
{
    return drawn([](QPainter &p) {
        p.setBrush(QColor(0xc9, 0xd2, 0xdc));
        p.drawRect(QRectF(3.5, 2.5, 11, 19));
        p.setPen(QPen(Accent, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(9, 12), QPointF(20.5, 12));
        p.drawPolyline(QPolygonF({QPointF(17, 8.5), QPointF(20.5, 12), QPointF(17, 15.5)}));
    });
}

} // namespace tavix::gui::previewicons
