// Build tool of the project: renders the German help documents from their Markdown
// sources into PDF, the program icon from its SVG into PNG sizes, and writes the starter
// lining catalogues with frequencies computed by the program's own resonance formulas.
// It runs at build time only and writes every file through the core's file layer.
//
//   tavix-doctool pdf SOURCE.md OUT.pdf TITLE
//   tavix-doctool png SOURCE.svg SIZE OUT.png
//   tavix-doctool catalogues OUTDIR

#include "core/io/filelayer.h"
#include "core/linings/liningcatalogue.h"
#include "core/linings/resonance.h"
#include "core/model/appversion.h"
#include "core/model/numbers.h"

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
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTextStream>

#include <cstdio>

using namespace tavix;

namespace {

int fail(const QString &message)
{
    QTextStream(stderr) << "tavix-doctool: " << message << Qt::endl;
    return 1;
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
            // print() lays out a copy of the document that has no base URL: name the
            // picture by its absolute location so that the copy finds it too.
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

int renderPdf(const QString &sourcePath, const QString &outPath, const QString &title)
{
    const FileReadResult source = readFileCapped(sourcePath, 4 * 1024 * 1024);
    if (!source.ok())
        return fail(source.error);

    QTextDocument document;
    document.setBaseUrl(QUrl::fromLocalFile(QFileInfo(sourcePath).absolutePath() + QLatin1Char('/')));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(10.5);
    document.setDefaultFont(font);
    document.setDefaultStyleSheet(QStringLiteral("h1 { color: #1f3a68; } h2 { color: #1f3a68; } "
                                                 "code { font-family: 'Liberation Mono'; }"));
    document.setMarkdown(QString::fromUtf8(source.content));

    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter));
        writer.setResolution(300);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Tavix-Schallschutz Rechner " TAVIX_VERSION_STRING));
        // The document is laid out in points of the page, so pictures are fitted to the
        // text width in the same unit.
        const QSizeF pagePoints = writer.pageLayout().paintRect(QPageLayout::Point).size();
        fitImages(document, pagePoints.width() * 0.9);
        document.print(&writer);
    }
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
