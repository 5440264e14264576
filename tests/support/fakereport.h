#pragma once

// A stand-in for the composed report: a cover page and a calculation sheet (and a proof
// page when it has three pages) with a few texts and boxes, laid out in 1/96 inch like the
// real report. It records which pages it was asked to paint.

#include "gui/reports/reportpagesource.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>

namespace tavix::fixtures {

class FakeReport final : public gui::ReportPageSource
{
public:
    mutable QList<QList<int>> painted;
    int pages = 2;

    int pageCount() const override { return pages; }

    using gui::ReportPageSource::paint;
    bool paint(QPagedPaintDevice *device, const QList<int> &pages, const QList<int> &) const override
    {
        painted.append(pages);
        QPainter painter;
        if (!painter.begin(device))
            return false;
        const qreal scale = device->logicalDpiX() / 96.0;
        painter.scale(scale, scale);
        for (qsizetype i = 0; i < pages.size(); ++i) {
            if (i > 0)
                device->newPage();
            pages.at(i) == 1 ? paintCover(painter) : paintSheet(painter);
        }
        return painter.end();
    }

private:
    static QFont font(int pixels, bool bold = false)
    {
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPixelSize(pixels);
        f.setBold(bold);
        return f;
    }

    static void paintCover(QPainter &p)
    {
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(QRectF(0, 0, 710, 60));
        p.setFont(font(13, true));
        p.drawText(QPointF(12, 36), QStringLiteral("Ingenieurbüro Muster"));
        p.setFont(font(24, true));
        p.drawText(QPointF(160, 300), QStringLiteral("Schallschutznachweis"));
        p.setFont(font(13));
        p.drawText(QPointF(160, 340), QStringLiteral("Projekt: Wohnhaus Lindenstraße 4"));
        p.drawText(QPointF(160, 362), QStringLiteral("Trennwand Wohnung 1 / Wohnung 2"));
    }

    static void paintSheet(QPainter &p)
    {
        p.setPen(QPen(Qt::black, 1));
        p.setFont(font(13, true));
        p.drawText(QPointF(50, 40), QStringLiteral("Berechnungsblatt"));
        for (int row = 0; row < 5; ++row) {
            p.drawRect(QRectF(50, 80 + row * 110, 660, 100));
            p.setFont(font(13, true));
            p.drawText(QPointF(60, 100 + row * 110),
                       row == 0 ? QStringLiteral("Trennbauteil") : QStringLiteral("Flanke %1").arg(row));
            p.setFont(font(11));
            p.drawText(QPointF(60, 120 + row * 110), QStringLiteral("Flächenmasse: 350,0 [kg/m²]"));
        }
        p.fillRect(QRectF(50, 851, 660, 24), QColor(0xe8, 0xe8, 0xe8));
        p.drawRect(QRectF(50, 851, 660, 24));
        p.setFont(font(13, true));
        p.drawText(QPointF(166, 868), QStringLiteral("bewertetes Bau-Schalldämm-Maß:  R'w = 53,2 [dB]"));
    }
};

} // namespace tavix::fixtures
