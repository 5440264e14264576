#pragma once

// The printed report as a page description: every text, line, frame and picture slot of
// its pages (cover page, calculation sheet and, with a requirement, the proof page),
// placed in report pixels of 1/96 inch relative to the top-left corner of the page's
// content area (A4 portrait inside 10 mm margins). Composing it is pure data work; a
// painter in the widget layer draws it on any device, so that screen, preview, printer and
// PDF show the same layout.

#include "core/model/variablen.h"
#include "core/reports/companydata.h"

#include <QDate>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace tavix {

// The content area of an A4 page inside 10 mm margins: 190 mm × 277 mm at 96 per inch.
constexpr int ReportPageWidth = 718;
constexpr int ReportPageHeight = 1046;

// Bands stacked on a page: the header on top, the footer at the bottom, the cover page or
// the calculation sheet between them.
constexpr int ReportHeaderHeight = 94;
constexpr int ReportFooterHeight = 31;
constexpr int ReportBodyTop = ReportHeaderHeight;
constexpr int ReportFooterTop = ReportPageHeight - ReportFooterHeight;

// Offset the company logo and name fields are counted from in the header.
constexpr int ReportHeaderFieldOffset = 160;

enum class ReportColour
{
    Black,
    Blue,
    Green, // a requirement fulfilled
    Red    // a requirement not fulfilled
};

struct ReportFont
{
    int pixelSize = 11; // character height in report pixels (16 px = 12 pt)
    bool bold = false;
    bool underline = false;
    ReportColour colour = ReportColour::Black;
};

// The smallest character height a text is set in to make it fit its room; below it a
// text is shortened with "…" instead.
constexpr int ReportMinimumPixelSize = 8;

// A single line grows to the right within `width`, the room it may use before the next
// item, a column line, a picture or the page margin. A text that does not fit is set
// smaller, down to ReportMinimumPixelSize, and then shortened with "…" at its end. A formula
// letter carries its subscript, set smaller and lower right after the letter as the font
// measures it, and an optional suffix in the letter's font after it.
struct ReportText
{
    QPoint position; // top-left corner of the line; the right end when alignRight
    QString text;
    ReportFont font;
    QString subscript;
    int subscriptPixelSize = 0;
    QString suffix;
    int width = 0; // room of a single line (leftwards when alignRight); 0: up to the page margin
    QSize box;     // a box of its own instead (word wrap: set smaller, then the last line shortened)
    bool wordWrap = false;
    bool alignRight = false;
    QRect clip;              // empty: none; else the text is cut off outside it
    int sizeGroup = 0;       // not 0: the lines of one block (an address, a build-up), set in one size
    bool pageFooter = false; // its page number is set when the pages printed are known
};

struct ReportLine
{
    QPoint from;
    QPoint to;
};

enum class ReportPicture
{
    ProgramMark, // the fixed picture of the page header
    CompanyLogo, // drawn at its own size from the slot's top-left corner, cut off at the slot
    Sketch,      // the schematic drawing of the current orientation, fitted into the slot
    Junction     // the picture of a flank's junction, fitted into the slot
};

struct ReportPictureSlot
{
    ReportPicture picture = ReportPicture::ProgramMark;
    QRect box;
    int flank = 0; // the flank 1..4 of a junction picture
    QRect clip;    // empty: the slot itself
};

struct ReportPage
{
    QList<ReportText> texts;
    QList<ReportLine> lines;
    QList<QRect> frames;
    QList<ReportPictureSlot> pictures;
};

struct ReportDocument
{
    QList<ReportPage> pages;             // the cover page, the calculation sheet, the proof page if any
    QString title;                       // the document title of a PDF and a print job
    QString date;                        // the date the report carries (reportDateText)
    QString junctionCodes[ElementCount]; // codes of flanks 1..4, for their pictures
};

// Warning shown instead of a report when the last recalculation was not complete.
QString noResultsWarning(); // " Keine Berechnungsergebnisse vorhanden!\r  "
// "'<text>' ist kein gültiger Integerwert"
QString invalidIntegerMessage(const QString &text);

struct ReportOutcome
{
    enum class Status
    {
        Composed,
        NoResults,      // message: noResultsWarning()
        InvalidPosition // message: invalidIntegerMessage() of the offending field
    };
    Status status = Status::Composed;
    QString message;
    ReportDocument document;
    bool ok() const { return status == Status::Composed; }
};

// Composes reports and remembers the junction kinds printed last: a flank whose code is
// none of the twenty prints the kind of the previous report again ("Stoßstelle:" at
// first), so one instance lives as long as the window that prints.
class ReportComposer
{
public:
    ReportComposer();

    // The report of the last recalculation of `model`, with the company data, and the proof
    // page when the project names a requirement (proofpage.h). It carries the
    // company's date, or `today` when none is set. Numbers use `decimalSeparator`; field
    // texts are printed as typed.
    ReportOutcome compose(const ProjectModel &model, const CompanyData &company, const QDate &today,
                          QChar decimalSeparator);

private:
    QString m_junctionKind[ElementCount];
};

// The footer text of page `page` of `pageCount`: program, date and page number.
QString reportFooterText(const QString &date, int page, int pageCount);

// The title of the report as a PDF document and a print job, wherever it is written:
// "Schallschutznachweis – " and the project name.
QString reportDocumentTitle(const QString &projectName);

// What the results box prints for DnT,w when a room volume is missing.
QString dnTwNotComputedText(const ProjectModel &model);

// The file name the sketch of an orientation is saved under beside the report.
QString reportSketchFileName(int orientation); // "img_v.bmp" for 1, else "img_h.bmp"

} // namespace tavix
