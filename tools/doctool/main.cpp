// Build tool of the project: renders the German help documents from their Markdown
// sources into PDF, the program icon from its SVG into PNG sizes, and writes the starter
// lining catalogues with frequencies computed by the program's own resonance formulas.
// It runs at build time only and writes every file through the core's file layer.
//
//   tavix-doctool pdf SOURCE.md OUT.pdf TITLE
//   tavix-doctool png SOURCE.svg SIZE OUT.png
//   tavix-doctool catalogues OUTDIR

#include "documentsource.h"

#include "core/io/filelayer.h"
#include "core/linings/liningcatalogue.h"
#include "core/linings/resonance.h"
#include "core/model/appversion.h"
#include "core/model/numbers.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTextLayout>
#include <QTextStream>
#include <QTextTable>

#include <cstdio>

using namespace tavix;

namespace {

int fail(const QString &message)
{
    QTextStream(stderr) << "tavix-doctool: " << message << Qt::endl;
    return 1;
}

// The help documents are laid out in pixels of 1/96 inch, the unit of the window pictures
// they show: a picture appears at the size it has on screen unless it is wider than the
// text column. The PDF painter scales the layout to the page.
constexpr int LayoutDpi = 96;
const QColor HeadingColour(0x1f, 0x3a, 0x68);
const QColor RuleColour(0x8a, 0x93, 0xa3);

qreal pointsToLayout(qreal points)
{
    return points * LayoutDpi / 72.0;
}

// Pictures wider than the text column are scaled down to it, keeping their proportions.
void fitImages(QTextDocument &document, qreal textWidth)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            const QImage image =
                document.resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
            if (image.isNull())
                continue;
            format.setName(document.baseUrl().resolved(QUrl(format.name())).toString());
            const qreal width = qMin<qreal>(image.width(), textWidth);
            format.setWidth(width);
            format.setHeight(image.height() * width / image.width());
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
}

// Headings in the house colour and sizes, with room above them.
void styleHeadings(QTextDocument &document)
{
    const qreal sizes[] = {0, 17, 13.5, 11.5, 10.5};
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level <= 0)
            continue;
        QTextCursor cursor(block);
        QTextBlockFormat blockFormat = block.blockFormat();
        blockFormat.setTopMargin(pointsToLayout(level == 1 ? 0 : level == 2 ? 14 : 10));
        blockFormat.setBottomMargin(pointsToLayout(level == 1 ? 8 : 4));
        cursor.setBlockFormat(blockFormat);
        cursor.select(QTextCursor::BlockUnderCursor);
        QTextCharFormat charFormat;
        charFormat.setForeground(HeadingColour);
        charFormat.setFontPointSize(sizes[qMin(level, 4)]);
        charFormat.setFontWeight(QFont::Bold);
        cursor.mergeCharFormat(charFormat);
    }
}

// Tables with horizontal rules only, a shaded header row that is repeated on every page the
// table continues on, and some air in the cells.
void styleTables(QTextDocument &document)
{
    QList<QTextTable *> tables;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextTable *table = QTextCursor(block).currentTable();
        if (table && !tables.contains(table))
            tables.append(table);
    }
    for (QTextTable *table : tables) {
        QTextTableFormat format = table->format();
        format.setHeaderRowCount(1);
        format.setBorderCollapse(true);
        format.setBorder(0);
        format.setCellSpacing(0);
        format.setCellPadding(pointsToLayout(3));
        format.setTopMargin(pointsToLayout(4));
        format.setBottomMargin(pointsToLayout(6));
        table->setFormat(format);
        for (int row = 0; row < table->rows(); ++row) {
            for (int column = 0; column < table->columns(); ++column) {
                QTextTableCell cell = table->cellAt(row, column);
                QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
                cellFormat.setLeftBorder(0);
                cellFormat.setRightBorder(0);
                cellFormat.setTopBorder(row == 0 ? pointsToLayout(0.8) : 0);
                cellFormat.setTopBorderBrush(HeadingColour);
                cellFormat.setTopBorderStyle(QTextFrameFormat::BorderStyle_Solid);
                cellFormat.setBottomBorder(pointsToLayout(row == 0 || row + 1 == table->rows() ? 0.8 : 0.4));
                cellFormat.setBottomBorderBrush(row == 0 || row + 1 == table->rows() ? HeadingColour
                                                                                     : RuleColour);
                cellFormat.setBottomBorderStyle(QTextFrameFormat::BorderStyle_Solid);
                if (row == 0)
                    cellFormat.setBackground(QColor(0xe6, 0xeb, 0xf3));
                cell.setFormat(cellFormat);
            }
        }
    }
}

// Formulas set apart (written as block quotes in the sources): indented, with air around.
void styleFormulas(QTextDocument &document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().intProperty(QTextFormat::BlockQuoteLevel) <= 0)
            continue;
        QTextBlockFormat format = block.blockFormat();
        format.setLeftMargin(pointsToLayout(24));
        format.setRightMargin(0);
        format.setTopMargin(pointsToLayout(3));
        format.setBottomMargin(pointsToLayout(5));
        QTextCursor(block).setBlockFormat(format);
    }
}

// The first line of a block in document coordinates.
QRectF firstLineRect(QTextDocument &document, const QTextBlock &block)
{
    const QRectF blockRect = document.documentLayout()->blockBoundingRect(block);
    const QTextLayout *layout = block.layout();
    if (!layout || layout->lineCount() == 0)
        return blockRect;
    return layout->lineAt(0).rect().translated(blockRect.topLeft());
}

bool isPictureBlock(const QTextBlock &block)
{
    if (block.text().trimmed() != QString(QChar::ObjectReplacementCharacter))
        return false;
    return block.begin() != block.end() && block.begin().fragment().charFormat().isImageFormat();
}

bool keepsWithNext(const QTextBlock &block)
{
    return !QTextCursor(block).currentTable() &&
           (block.blockFormat().headingLevel() > 0 || isPictureBlock(block));
}

void breakBefore(QTextBlock block, QTextFormat::PageBreakFlags policy)
{
    QTextBlockFormat format = block.blockFormat();
    format.setPageBreakPolicy(policy);
    QTextCursor(block).setBlockFormat(format);
}

// A heading (or a picture, which carries its caption below) never stands alone at the foot
// of a page: when the next block starts on a later page, the heading starts a new page,
// together with the headings right before it. A table whose first body rows would stand
// alone with the header at the foot of a page moves on as a whole.
void keepWithNext(QTextDocument &document)
{
    const qreal pageHeight = document.pageSize().height();
    auto pageOf = [pageHeight](qreal y) {
        return int(y / pageHeight);
    };
    for (int pass = 0; pass < 200; ++pass) {
        bool moved = false;
        for (QTextBlock block = document.begin(); block.isValid() && !moved; block = block.next()) {
            QTextTable *table = QTextCursor(block).currentTable();
            if (table) {
                if (table->rows() > 1 && table->cellAt(0, 0).firstCursorPosition().block() == block &&
                    table->format().pageBreakPolicy() == QTextFormat::PageBreak_Auto) {
                    const int keptRow = qMin(2, table->rows() - 1);
                    const QTextBlock kept = table->cellAt(keptRow, 0).firstCursorPosition().block();
                    if (pageOf(firstLineRect(document, block).top()) !=
                        pageOf(firstLineRect(document, kept).bottom())) {
                        QTextTableFormat format = table->format();
                        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                        table->setFormat(format);
                        moved = true;
                    }
                }
                continue;
            }
            const QTextBlock next = block.next();
            if (!keepsWithNext(block) || !next.isValid() || keepsWithNext(next) ||
                block.blockFormat().pageBreakPolicy() != QTextFormat::PageBreak_Auto)
                continue;
            const QRectF here = document.documentLayout()->blockBoundingRect(block);
            if (pageOf(here.top()) == pageOf(firstLineRect(document, next).bottom()))
                continue;
            // The break goes before the first of the headings and pictures that lead here.
            QTextBlock first = block;
            while (first.previous().isValid() && keepsWithNext(first.previous()))
                first = first.previous();
            for (QTextBlock b = first; b != next; b = b.next())
                breakBefore(b,
                            b == first ? QTextFormat::PageBreak_AlwaysBefore : QTextFormat::PageBreak_Auto);
            moved = true;
        }
        if (!moved)
            return;
        // Lay the whole document out again: an incremental layout after a changed page
        // break leaves stale positions behind, and painting would skip blocks.
        document.markContentsDirty(0, document.characterCount());
    }
}

int renderPdf(const QString &sourcePath, const QString &outPath, const QString &title)
{
    const FileReadResult source = readFileCapped(sourcePath, 4 * 1024 * 1024);
    if (!source.ok())
        return fail(source.error);

    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(20, 16, 20, 12), QPageLayout::Millimeter));
    writer.setResolution(600);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Tavix-Schallschutz Rechner " TAVIX_VERSION_STRING));

    // Layout in pixels of 1/96 inch on an image that says so, whatever screen there is.
    QImage layoutDevice(1, 1, QImage::Format_RGB32);
    layoutDevice.setDotsPerMeterX(qRound(LayoutDpi / 0.0254));
    layoutDevice.setDotsPerMeterY(qRound(LayoutDpi / 0.0254));
    const qreal scale = qreal(writer.resolution()) / layoutDevice.logicalDpiY();

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&layoutDevice);
    document.setUseDesignMetrics(true);
    document.setDocumentMargin(0);
    document.setBaseUrl(QUrl::fromLocalFile(QFileInfo(sourcePath).absolutePath() + QLatin1Char('/')));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(10);
    document.setDefaultFont(font);
    document.setMarkdown(docs::expandDocumentMarkup(QString::fromUtf8(source.content)));
    styleHeadings(document);
    styleTables(document);
    styleFormulas(document);

    // The page body: the writer's printable area less a footer line at its foot.
    const QRectF paintRect = writer.pageLayout().paintRectPixels(writer.resolution());
    const qreal footerHeight = 8 / 25.4 * writer.resolution();
    const QSizeF body(paintRect.width() / scale, (paintRect.height() - footerHeight) / scale);
    fitImages(document, body.width());
    document.setPageSize(body);
    keepWithNext(document);

    QPainter painter(&writer);
    QFont footerFont(QStringLiteral("Liberation Sans"));
    footerFont.setPointSizeF(8);
    const int pages = document.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        painter.save();
        painter.scale(scale, scale);
        painter.translate(0, -page * body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, page * body.height(), body.width(), body.height());
        painter.setClipRect(context.clip);
        document.documentLayout()->draw(&painter, context);
        painter.restore();

        const qreal top = paintRect.height() - footerHeight * 0.6;
        painter.setPen(QPen(RuleColour, writer.resolution() / 200.0));
        painter.drawLine(QPointF(0, top), QPointF(paintRect.width(), top));
        painter.setFont(footerFont);
        painter.setPen(QColor(0x55, 0x5b, 0x66));
        const QRectF line(0, top, paintRect.width(), footerHeight * 0.6);
        painter.drawText(line, Qt::AlignLeft | Qt::AlignBottom, title);
        painter.drawText(line, Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("Seite %1 von %2").arg(page + 1).arg(pages));
    }
    painter.end();
    buffer.close();
    const QString error = writeFileAtomically(outPath, pdf);
    return error.isEmpty() ? 0 : fail(error);
}

int renderPng(const QString &sourcePath, int size, const QString &outPath)
{
    QSvgRenderer renderer(sourcePath);
    if (!renderer.isValid() || size <= 0)
        return fail(sourcePath + QStringLiteral(": kein gültiges SVG-Bild"));
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    const QString error = writeFileAtomically(outPath, png);
    return error.isEmpty() ? 0 : fail(error);
}

// A starter lining system: its description and the two inputs of the resonance formula
// (construction 1: air gap s in m and m' of the shell; construction 2: dynamic stiffness
// s' in MN/m³ of the layer and m' of the shell or screed).
struct StarterLining
{
    const char *description;
    LiningConstruction construction;
    long double a;
    long double b;
};

// Where the values come from is documented beside the sources in data/catalogues/HERKUNFT.md.
const StarterLining WallLinings[] = {
    {"GK-Platte 12,5 mm, freistehendes CW-Profil, 50 mm Hohlraum mit Mineralwolle",
     LiningConstruction::AirGap, 0.05L, 10.0L},
    {"GK-Platte 12,5 mm, freistehendes CW-Profil, 75 mm Hohlraum mit Mineralwolle",
     LiningConstruction::AirGap, 0.075L, 10.0L},
    {"2 x GK-Platte 12,5 mm, freistehendes CW-Profil, 50 mm Hohlraum mit Mineralwolle",
     LiningConstruction::AirGap, 0.05L, 20.0L},
    {"2 x GK-Platte 12,5 mm, freistehendes CW-Profil, 75 mm Hohlraum mit Mineralwolle",
     LiningConstruction::AirGap, 0.075L, 20.0L},
    {"2 x GK-Platte 12,5 mm, freistehendes CW-Profil, 100 mm Hohlraum mit Mineralwolle",
     LiningConstruction::AirGap, 0.10L, 20.0L},
    {"Gipsfaserplatte 12,5 mm, freistehend, 50 mm Hohlraum mit Mineralwolle", LiningConstruction::AirGap,
     0.05L, 15.0L},
    {"GK-Platte 12,5 mm auf Federschiene, 30 mm Hohlraum mit Mineralwolle", LiningConstruction::AirGap, 0.03L,
     10.0L},
    {"GK-Verbundplatte 12,5 mm mit 40 mm Mineralwolle (s' = 6 MN/m³), vollflächig verklebt",
     LiningConstruction::BondedLayer, 6.0L, 10.0L},
    {"GK-Verbundplatte 12,5 mm mit 30 mm Holzweichfaser (s' = 20 MN/m³), verklebt",
     LiningConstruction::BondedLayer, 20.0L, 10.0L},
    {"Putz 15 mm auf 50 mm Mineralwolle-Dämmplatte (s' = 8 MN/m³), verdübelt",
     LiningConstruction::BondedLayer, 8.0L, 25.0L},
};

const StarterLining CeilingLinings[] = {
    {"GK-Platte 12,5 mm, abgehängt, 100 mm Hohlraum mit Mineralwolle", LiningConstruction::AirGap, 0.10L,
     10.0L},
    {"GK-Platte 12,5 mm, abgehängt, 200 mm Hohlraum mit Mineralwolle", LiningConstruction::AirGap, 0.20L,
     10.0L},
    {"2 x GK-Platte 12,5 mm, abgehängt, 100 mm Hohlraum mit Mineralwolle", LiningConstruction::AirGap, 0.10L,
     20.0L},
    {"2 x GK-Platte 12,5 mm, abgehängt, 150 mm Hohlraum mit Mineralwolle", LiningConstruction::AirGap, 0.15L,
     20.0L},
    {"GK-Platte 12,5 mm auf Federschiene, 27 mm Hohlraum mit Mineralwolle", LiningConstruction::AirGap,
     0.027L, 10.0L},
    {"Gipsfaserplatte 12,5 mm, abgehängt, 100 mm Hohlraum mit Mineralwolle", LiningConstruction::AirGap,
     0.10L, 15.0L},
    {"Holzwolle-Leichtbauplatte 25 mm, abgehängt, 50 mm Hohlraum", LiningConstruction::AirGap, 0.05L, 12.0L},
};

const StarterLining ScreedLinings[] = {
    {"Zementestrich 50 mm auf Trittschalldämmung s' = 10 MN/m³", LiningConstruction::BondedLayer, 10.0L,
     110.0L},
    {"Zementestrich 50 mm auf Trittschalldämmung s' = 20 MN/m³", LiningConstruction::BondedLayer, 20.0L,
     110.0L},
    {"Zementestrich 50 mm auf Trittschalldämmung s' = 30 MN/m³", LiningConstruction::BondedLayer, 30.0L,
     110.0L},
    {"Zementestrich 65 mm auf Trittschalldämmung s' = 15 MN/m³", LiningConstruction::BondedLayer, 15.0L,
     143.0L},
    {"Calciumsulfat-Fließestrich 40 mm auf Trittschalldämmung s' = 15 MN/m³", LiningConstruction::BondedLayer,
     15.0L, 84.0L},
    {"Calciumsulfat-Fließestrich 40 mm auf Trittschalldämmung s' = 30 MN/m³", LiningConstruction::BondedLayer,
     30.0L, 84.0L},
    {"Gussasphaltestrich 25 mm auf Trittschalldämmung s' = 20 MN/m³", LiningConstruction::BondedLayer, 20.0L,
     58.0L},
    {"Trockenestrich Gipsfaser 25 mm auf Holzweichfaser 10 mm (s' = 40 MN/m³)",
     LiningConstruction::BondedLayer, 40.0L, 30.0L},
    {"Trockenestrich Gipsfaser 25 mm auf Mineralwolle 20 mm (s' = 15 MN/m³)", LiningConstruction::BondedLayer,
     15.0L, 30.0L},
};

template<std::size_t N> QList<LiningCatalogueRow> catalogueRows(const StarterLining (&linings)[N])
{
    QList<LiningCatalogueRow> rows;
    for (const StarterLining &lining : linings) {
        const auto f0 = resonanceFrequency(lining.construction, lining.a, lining.b);
        // Whole hertz, halves away from zero, as the lining dialog shows it.
        rows.append({QString::fromUtf8(lining.description), formatFixed(*f0, 5, 0, QLatin1Char('.'))});
    }
    return rows;
}

int writeCatalogues(const QString &outDir)
{
    QDir().mkpath(outDir);
    const QList<LiningCatalogueRow> rows[] = {catalogueRows(WallLinings), catalogueRows(CeilingLinings),
                                              catalogueRows(ScreedLinings)};
    for (int category = 1; category <= LiningCategoryCount; ++category) {
        const QString path = QDir(outDir).filePath(liningCatalogueFileName(category));
        const QString error = writeLiningCatalogue(path, category, rows[category - 1]);
        if (!error.isEmpty())
            return fail(path + QStringLiteral(": ") + error);
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // Fonts and pictures need a GUI application; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args.at(1) == QLatin1String("pdf"))
        return renderPdf(args.at(2), args.at(3), args.at(4));
    if (args.size() == 5 && args.at(1) == QLatin1String("png"))
        return renderPng(args.at(2), args.at(3).toInt(), args.at(4));
    if (args.size() == 3 && args.at(1) == QLatin1String("catalogues"))
        return writeCatalogues(args.at(2));
    return fail(QStringLiteral("Aufruf: tavix-doctool pdf|png|catalogues ..."));
}
