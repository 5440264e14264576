#include "gui/reports/reportpainter.h"

#include "core/io/filelayer.h"
#include "gui/common/colours.h"
#include "gui/junctions/junctionpictures.h"
#include "gui/sketch/schematic.h"

#include <algorithm>

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

namespace tavix::gui {

namespace {

// Junction pictures are drawn from shapes; four times the button size stays sharp in print.
constexpr int JunctionPrintSize = 4 * JunctionPictureSize;

QFont newReportFont(const ReportFont &f)
{
    QFont font;
    // Arial where installed, else its metric twin, so that every line keeps its length.
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(f.pixelSize);
    font.setBold(f.bold);
    font.setUnderline(f.underline);
    // Hinting would bend glyph positions to the device's pixel grid and let the line
    // lengths differ between screen and print.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

// A font with the widest advance of its own glyphs.
struct MeasuredFont
{
    QFont font;
    qreal widestLetter = 0;
};

// A page sets a few hundred texts in a handful of fonts: each is made once per thread.
const MeasuredFont &measuredFont(const ReportFont &f)
{
    thread_local QHash<int, MeasuredFont> fonts;
    const int key = f.pixelSize * 4 + (f.bold ? 2 : 0) + (f.underline ? 1 : 0);
    const auto known = fonts.constFind(key);
    if (known != fonts.cend())
        return *known;
    const QFont font = newReportFont(f);
    return *fonts.insert(key, {font, QFontMetricsF(font).maxWidth()});
}

QFont reportFont(const ReportFont &f)
{
    return measuredFont(f).font;
}

// A line of Latin-1 letters (all in the report's font, none from a fallback) that fits even
// at the widest letter's advance fits without measuring it.
bool fitsSurely(const QString &text, const ReportFont &font, qreal room)
{
    if (text.size() * measuredFont(font).widestLetter > room)
        return false;
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x100; });
}

// A text as it is set to fit its room: the largest size down to the smallest that lets it
// fit, else the smallest size with the text shortened by "…".
struct FittedText
{
    ReportFont font;
    QString text;
    bool whole = true; // nothing cut: the subscript and suffix follow
    qreal width = 0;   // of the text (with subscript and suffix when whole); 0 when not measured
};

ReportFont withSize(ReportFont font, int pixelSize)
{
    font.pixelSize = pixelSize;
    return font;
}

// The subscript's size at `size`, kept in proportion to its letter's.
int subscriptSize(const ReportText &text, int size)
{
    const int own = text.subscriptPixelSize > 0 ? text.subscriptPixelSize : text.font.pixelSize;
    return std::max(1, qRound(qreal(own) * size / text.font.pixelSize));
}

qreal lineWidth(const ReportText &text, int size)
{
    const QFontMetricsF metrics(reportFont(withSize(text.font, size)));
    qreal width = metrics.horizontalAdvance(text.text);
    if (!text.subscript.isEmpty()) {
        const QFontMetricsF sub(reportFont(withSize(text.font, subscriptSize(text, size))));
        width += 0.5 + sub.horizontalAdvance(text.subscript) + metrics.horizontalAdvance(text.suffix);
    }
    return width;
}

qreal roomOf(const ReportText &text)
{
    if (text.width > 0)
        return text.width;
    return text.alignRight ? text.position.x() : ReportPageWidth - text.position.x();
}

// `largest`: the size of the line's block, at most its own.
FittedText fitLine(const ReportText &text, int largest)
{
    const qreal room = roomOf(text);
    const int smallest = std::min(text.font.pixelSize, ReportMinimumPixelSize);
    const int first = std::min(largest, text.font.pixelSize);
    // Most lines are far shorter than their room; only a right-aligned one needs its width.
    if (!text.alignRight && text.subscript.isEmpty() &&
        fitsSurely(text.text, withSize(text.font, first), room))
        return {withSize(text.font, first), text.text, true};
    for (int size = first; size >= smallest; --size) {
        const qreal width = lineWidth(text, size);
        if (width <= room)
            return {withSize(text.font, size), text.text, true, width};
    }
    const ReportFont font = withSize(text.font, smallest);
    const QFontMetricsF metrics(reportFont(font));
    const QString elided = metrics.elidedText(text.text, Qt::ElideRight, room);
    return {font, elided, false, metrics.horizontalAdvance(elided)};
}

// The lines of `text` word-wrapped into `width`.
QStringList wrappedLines(const QString &text, const QFont &font, qreal width)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    QStringList lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return lines;
}

// A word-wrapped text in its box: set smaller until its lines fit the box's height; at the
// smallest size the last line that fits is shortened with "…".
FittedText fitBox(const ReportText &text)
{
    const QSizeF box(text.box);
    const int smallest = std::min(text.font.pixelSize, ReportMinimumPixelSize);
    for (int size = text.font.pixelSize; size >= smallest; --size) {
        const QFont font = reportFont(withSize(text.font, size));
        const QFontMetricsF metrics(font);
        const QStringList lines = wrappedLines(text.text, font, box.width());
        const int fitting = std::max(1, int(box.height() / metrics.lineSpacing()));
        if (lines.size() <= fitting || size == smallest) {
            if (lines.size() <= fitting)
                return {withSize(text.font, size), text.text, true};
            QStringList kept = lines.mid(0, fitting);
            for (QString &line : kept)
                line = line.trimmed();
            const QString rest = lines.mid(fitting - 1).join(QString()).trimmed();
            kept.last() = metrics.elidedText(rest, Qt::ElideRight, box.width());
            return {withSize(text.font, size), kept.join(QLatin1Char('\n')), false};
        }
    }
    return {text.font, text.text, true};
}

// The size each block of lines is set in: the smallest its lines need on their own.
QHash<int, int> blockSizes(const ReportPage &page)
{
    QHash<int, int> sizes;
    for (const ReportText &text : page.texts) {
        if (text.sizeGroup == 0 || text.text.isEmpty() || !text.box.isEmpty())
            continue;
        const int size = fitLine(text, text.font.pixelSize).font.pixelSize;
        const auto known = sizes.constFind(text.sizeGroup);
        sizes[text.sizeGroup] = known == sizes.cend() ? size : std::min(*known, size);
    }
    return sizes;
}

QColor textColour(ReportColour colour)
{
    switch (colour) {
    case ReportColour::Black:
        break;
    case ReportColour::Blue:
        return QColor(0, 0, 255);
    case ReportColour::Green:
        return QColor(0, 120, 0);
    case ReportColour::Red:
        return QColor(190, 0, 0);
    }
    return QColor(Qt::black);
}

// `image` scaled into `box` without distortion, centred.
QRectF fitted(const QSizeF &image, const QRectF &box)
{
    if (image.isEmpty())
        return {};
    const QSizeF size = image.scaled(box.size(), Qt::KeepAspectRatio);
    return QRectF(box.x() + (box.width() - size.width()) / 2, box.y() + (box.height() - size.height()) / 2,
                  size.width(), size.height());
}

} // namespace

ReportPictures reportPictures(const ReportDocument &document, const QImage &sketch, const QImage &logo)
{
    ReportPictures pictures;
    pictures.logo = logo;
    pictures.sketch = sketch;
    for (int k = 1; k <= FlankCount; ++k)
        pictures.junction[k] = junctionPicture(document.junctionCodes[k], JunctionPrintSize).toImage();
    return pictures;
}

ReportPainter::ReportPainter(ReportDocument document, ReportPictures pictures)
    : m_document(std::move(document)), m_pictures(std::move(pictures))
{
}

int ReportPainter::pageCount() const
{
    return int(m_document.pages.size());
}

bool ReportPainter::paint(QPagedPaintDevice *device, const QList<int> &pages, const QList<int> &printed) const
{
    QPainter painter;
    if (!device || !painter.begin(device))
        return false;
    bool first = true;
    for (const int page : pages) {
        if (page < 1 || page > pageCount())
            continue;
        if (!first)
            device->newPage();
        first = false;
        painter.save();
        painter.scale(device->logicalDpiX() / 96.0, device->logicalDpiY() / 96.0);
        const PageNumber number = pageNumber(page, printed, pageCount());
        paintPage(painter, page, number.number, number.count);
        painter.restore();
    }
    return painter.end();
}

void ReportPainter::paintPage(QPainter &painter, int page) const
{
    paintPage(painter, page, page, pageCount());
}

void ReportPainter::paintPage(QPainter &painter, int page, int number, int count) const
{
    if (page < 1 || page > pageCount())
        return;
    const ReportPage &content = m_document.pages.at(page - 1);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Pictures go to a PDF or printer as they are, not as JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.setClipRect(QRectF(0, 0, ReportPageWidth, ReportPageHeight));

    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(Qt::NoBrush);
    for (const QRect &frame : content.frames)
        painter.drawRect(QRectF(frame));
    for (const ReportLine &line : content.lines)
        painter.drawLine(QPointF(line.from), QPointF(line.to));
    for (const ReportPictureSlot &slot : content.pictures)
        paintPicture(painter, slot);
    const QHash<int, int> sizes = blockSizes(content);
    for (const ReportText &text : content.texts) {
        const int largest = sizes.value(text.sizeGroup, text.font.pixelSize);
        if (text.pageFooter) {
            ReportText footer = text;
            footer.text = reportFooterText(m_document.date, number, count);
            paintText(painter, footer, largest);
        } else {
            paintText(painter, text, largest);
        }
    }
    painter.restore();
}

void ReportPainter::paintText(QPainter &painter, const ReportText &text, int largest) const
{
    if (text.text.isEmpty())
        return;
    painter.save();
    if (!text.clip.isEmpty())
        painter.setClipRect(QRectF(text.clip), Qt::IntersectClip);
    painter.setPen(textColour(text.font.colour));
    const QPointF at(text.position);
    if (!text.box.isEmpty()) {
        const FittedText fitted = fitBox(text);
        const QRectF box(at, QSizeF(text.box));
        painter.setFont(reportFont(fitted.font));
        painter.setClipRect(box, Qt::IntersectClip);
        int flags = Qt::AlignLeft | Qt::AlignTop;
        if (text.wordWrap && fitted.whole)
            flags |= Qt::TextWordWrap;
        painter.drawText(box, flags, fitted.text);
        painter.restore();
        return;
    }
    const FittedText fitted = fitLine(text, largest);
    const QFont font = reportFont(fitted.font);
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    // A single line from its baseline: the width is known from fitting it, and no layout
    // of a box is needed.
    const qreal baseline = at.y() + metrics.ascent();
    if (text.alignRight) {
        const qreal width = text.subscript.isEmpty() ? fitted.width : metrics.horizontalAdvance(fitted.text);
        painter.drawText(QPointF(at.x() - width, baseline), fitted.text);
        painter.restore();
        return;
    }
    painter.drawText(QPointF(at.x(), baseline), fitted.text);
    if (!text.subscript.isEmpty() && fitted.whole) {
        const QFont subFont = reportFont(withSize(fitted.font, subscriptSize(text, fitted.font.pixelSize)));
        const QFontMetricsF subMetrics(subFont);
        // The subscript's baseline lies a third of its height below the letter's.
        const qreal x = at.x() + metrics.horizontalAdvance(text.text) + 0.5;
        const qreal top = at.y() + metrics.ascent() + subMetrics.ascent() / 3 - subMetrics.ascent();
        painter.setFont(subFont);
        painter.drawText(QPointF(x, top + subMetrics.ascent()), text.subscript);
        if (!text.suffix.isEmpty()) {
            painter.setFont(font);
            painter.drawText(
                QPointF(x + subMetrics.horizontalAdvance(text.subscript), at.y() + metrics.ascent()),
                text.suffix);
        }
    }
    painter.restore();
}

void ReportPainter::paintPicture(QPainter &painter, const ReportPictureSlot &slot) const
{
    const QRectF box(slot.box);
    switch (slot.picture) {
    case ReportPicture::ProgramMark:
        paintProgramMark(painter, box);
        return;
    case ReportPicture::CompanyLogo: {
        const QImage &logo = m_pictures.logo;
        if (logo.isNull())
            return;
        // At its own size: one picture pixel per report pixel, whatever resolution the file names.
        painter.save();
        painter.setClipRect(box, Qt::IntersectClip);
        if (!slot.clip.isEmpty())
            painter.setClipRect(QRectF(slot.clip), Qt::IntersectClip);
        painter.drawImage(QRectF(box.topLeft(), QSizeF(logo.size())), logo);
        painter.restore();
        return;
    }
    case ReportPicture::Sketch:
        if (!m_pictures.sketch.isNull())
            painter.drawImage(fitted(m_pictures.sketch.size(), box), m_pictures.sketch);
        return;
    case ReportPicture::Junction:
        if (slot.flank >= 1 && slot.flank <= FlankCount && !m_pictures.junction[slot.flank].isNull()) {
            const QImage &picture = m_pictures.junction[slot.flank];
            painter.drawImage(fitted(picture.size(), box), picture);
        }
        return;
    }
}

QImage reportSketch(const ProjectModel &model, int scale)
{
    ProjectModel plain = model;
    plain.Highlight = 0;
    return DrawSchematicPicture(plain, PrepareSchematicColours(plain, Qt::white), 0, scale);
}

QString writeReportSketch(const QImage &sketch, const QString &path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QBuffer::WriteOnly); // memory only; the file is written by the file layer
    if (sketch.isNull() || !sketch.save(&buffer, "BMP"))
        return QStringLiteral("Die Skizze konnte nicht als Bitmap gespeichert werden.");
    return writeFileAtomically(path, bytes);
}

void paintProgramMark(QPainter &painter, const QRectF &box)
{
    painter.save();
    painter.translate(box.topLeft());
    painter.setClipRect(QRectF(QPointF(0, 0), box.size()), Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = box.width();
    const QColor wall = colours::separatingElement();
    const QColor wave(90, 90, 90);

    // The separating wall between two rooms; sound arrives strong from the left and
    // leaves it weak on the right.
    const qreal wallX = w * 0.5 - 4;
    painter.setPen(Qt::NoPen);
    painter.setBrush(wall);
    painter.drawRect(QRectF(wallX, 4, 8, 44));
    painter.setBrush(Qt::NoBrush);
    const qreal source = wallX - 30;
    for (int i = 0; i < 3; ++i) {
        const qreal r = 8 + 7 * i;
        painter.setPen(QPen(wave, 1.4 + 0.4 * i, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(QRectF(source - r, 26 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    }
    painter.setPen(QPen(wave.lighter(170), 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(wallX + 8 - 8, 26 - 8, 16, 16), -40 * 16, 80 * 16);

    QFont font = reportFont(ReportFont{17, true, false, ReportColour::Black});
    painter.setFont(font);
    painter.setPen(wall.darker(150));
    painter.drawText(QRectF(0, 50, w, 20), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("TAVIX"));
    painter.setFont(reportFont(ReportFont{9, false, false, ReportColour::Black}));
    painter.setPen(wave);
    painter.drawText(QRectF(0, 69, w, 11), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Schallschutz"));
    painter.restore();
}

} // namespace tavix::gui
