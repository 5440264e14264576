#pragma once

// Paints a composed report on any device. Report pixels are 1/96 inch: the painter is
// scaled from them to the device's resolution and fonts are set in pixel sizes, so the
// screen, the preview, the printer and a PDF show the same layout.

#include "core/reports/reportdocument.h"
#include "gui/reports/reportpagesource.h"

#include <QImage>

class QPainter;

namespace tavix::gui {

// The pictures a report shows besides its texts.
struct ReportPictures
{
    QImage logo;                   // null: no logo
    QImage sketch;                 // the schematic drawing of the current orientation
    QImage junction[ElementCount]; // flanks 1..4
};

// What the report needs of the company: its data and its logo (null: none).
struct ReportCompany
{
    CompanyData data;
    QImage logo;
};

// The junction pictures of the document's codes, with the given sketch and logo.
ReportPictures reportPictures(const ReportDocument &document, const QImage &sketch, const QImage &logo);

class ReportPainter : public ReportPageSource
{
public:
    ReportPainter(ReportDocument document, ReportPictures pictures);

    int pageCount() const override;
    using ReportPageSource::paint;
    bool paint(QPagedPaintDevice *device, const QList<int> &pages, const QList<int> &printed) const override;

    // Paints page `page` (1-based) with the painter's origin at the top-left corner of the
    // content area and one unit per report pixel; its footer says "Seite <number> von
    // <count>" (by default the page's number among all pages).
    void paintPage(QPainter &painter, int page) const;
    void paintPage(QPainter &painter, int page, int number, int count) const;

    const ReportDocument &document() const { return m_document; }

private:
    void paintText(QPainter &painter, const ReportText &text, int largest) const;
    void paintPicture(QPainter &painter, const ReportPictureSlot &slot) const;

    ReportDocument m_document;
    ReportPictures m_pictures;
};

// Four times the screen size puts the sketch into the report at about 380 dpi.
constexpr int ReportSketchScale = 4;

// The schematic drawing of the project's orientation as the report shows it, drawn from
// the model and its field texts as they are at this moment: nothing highlighted, empty
// slots on white paper, `scale` times the size of the main window's picture.
QImage reportSketch(const ProjectModel &model, int scale = ReportSketchScale);

// Saves the sketch beside the report as a bitmap file, atomically; returns the German error
// text, empty on success.
QString writeReportSketch(const QImage &sketch, const QString &path);

// The fixed picture of the page header: the program's mark, drawn into `box`.
void paintProgramMark(QPainter &painter, const QRectF &box);

} // namespace tavix::gui
