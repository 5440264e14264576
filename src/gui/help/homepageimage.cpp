#include "gui/help/homepageimage.h"

#include "gui/help/helpdocuments.h"

#include <QMouseEvent>
#include <QPainter>

namespace tavix::gui {

namespace {

// Turns the hourglass of a clicked homepage picture back into the hand on the next move.
class HandOnMove : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseMove)
            static_cast<QWidget *>(watched)->setCursor(Qt::PointingHandCursor);
        return false;
    }
};

} // namespace

void homepageImageClicked(QWidget *image, const QUrl &address)
{
    static const char *const filterInstalled = "tavixHandOnMove";
    if (!image->property(filterInstalled).toBool()) {
        image->setProperty(filterInstalled, true);
        image->setMouseTracking(true);
        image->installEventFilter(new HandOnMove(image));
    }
    // Shell failures of the homepage link are not reported.
    if (address.isValid() && !address.isEmpty())
        openWithShell(address);
    image->setCursor(Qt::WaitCursor);
}

HomepageImage::HomepageImage(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("ImageTavix"));
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setAlignment(Qt::AlignCenter);
    setMinimumSize(120, 48);
}

QPixmap HomepageImage::logo(const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1, 1, size.width() - 2, size.height() - 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    p.drawRoundedRect(r, 6, 6);
    // Two stylised walls with a sound wave between them.
    const qreal h = r.height();
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(r.left() + h * 0.25, r.top() + h * 0.2, h * 0.12, h * 0.6));
    p.setPen(QPen(QColor(0, 255, 0), std::max(1.5, h * 0.05)));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const qreal radius = h * (0.12 + 0.1 * i);
        p.drawArc(QRectF(r.left() + h * 0.4 - radius, r.center().y() - radius, 2 * radius, 2 * radius),
                  -50 * 16, 100 * 16);
    }
    p.setPen(Qt::white);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(std::max(8, int(h * 0.42)));
    p.setFont(font);
    p.drawText(r.adjusted(h * 0.95, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Tavix"));
    return pixmap;
}

void HomepageImage::mouseMoveEvent(QMouseEvent *event)
{
    setCursor(Qt::PointingHandCursor);
    QLabel::mouseMoveEvent(event);
}

void HomepageImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        ImageTavixClick();
    QLabel::mouseReleaseEvent(event);
}

void HomepageImage::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    setPixmap(logo(size()));
}

void HomepageImage::ImageTavixClick()
{
    // Shell failures of the homepage link are not reported.
    if (m_address.isValid() && !m_address.isEmpty())
        openWithShell(m_address);
    setCursor(Qt::WaitCursor);
}

} // namespace tavix::gui
