#include "core/reports/reportdocument.h"

#include "core/junctions/junctioncodes.h"
#include "core/model/appversion.h"
#include "core/model/numbers.h"
#include "core/reports/proofpage.h"
#include "core/reports/reportbands.h"

#include <algorithm>

namespace tavix {

namespace {

using namespace reportbands;

// Where the rooms of the calculation sheet end: the sketch on the right of the upper part,
// the junction pictures and column lines of the flank table, the results' value column.
constexpr int SketchLeft = 353;
constexpr int SketchTop = 24; // below the project line
constexpr int JunctionLeft = 161;
constexpr int FlankColumnEnd = 216;
constexpr int Room1ColumnEnd = 463;
constexpr int TableRight = 710;
constexpr int ResultValueX = 502;

// A position field converted to report pixels. Far-off values are kept far off the page,
// but never so far that adding the header offset could overflow.
int headerPosition(int field, int offset)
{
    constexpr long long Limit = 100000;
    return static_cast<int>(std::clamp(static_cast<long long>(field) + offset, -Limit, Limit));
}

QString summaryLine(const QStringList &summary, int index)
{
    return index < summary.size() ? summary.at(index) : QString();
}

// The masonry mortar of Tavix masonry (construction kind 0); empty for every other kind.
QString mortarLine(const BuildUpRecord &record)
{
    if (record.Konstrukt != 0)
        return {};
    return record.Moertel == 1 ? QString::fromUtf8("(Tavix-Mauerwerk / Normalmörtel)")
                               : QString::fromUtf8("(Tavix-Mauerwerk / Dünnbettmörtel)");
}

// The three summary lines of a slot, with the mortar line between lines 2 and 3 when
// there is one; `ys` are the four line positions from the top.
void buildUpLines(BandWriter &band, int x, int right, const int (&ys)[4], const QStringList &summary,
                  const BuildUpRecord &record)
{
    band.startBlock();
    band.text(x, ys[0], summaryLine(summary, 0), font(Small), right);
    band.text(x, ys[1], summaryLine(summary, 1), font(Small), right);
    const QString mortar = mortarLine(record);
    if (mortar.isEmpty()) {
        band.text(x, ys[2], summaryLine(summary, 2), font(Small), right);
    } else {
        band.text(x, ys[2], mortar, font(Small), right);
        band.text(x, ys[3], summaryLine(summary, 2), font(Small), right);
    }
    band.endBlock();
}

QString liningText(const QString &lining)
{
    return lining.isEmpty() ? QStringLiteral("keine Vorsatzschale") : lining;
}

// The junction kind a code prints; nullopt for a text that is none of the twenty codes.
std::optional<QString> junctionKind(const QString &code)
{
    const std::optional<JunctionCode> parsed = parseJunctionCode(code);
    if (!parsed)
        return std::nullopt;
    switch (parsed->type) {
    case JunctionType::T:
        return QString::fromUtf8("T-Stoß");
    case JunctionType::Cross:
        return QString::fromUtf8("Kreuz-Stoß");
    case JunctionType::CornerA:
    case JunctionType::CornerB:
        return QString::fromUtf8("Winkelstoß");
    }
    return std::nullopt;
}

struct HeaderPositions
{
    int logoLeft, logoTop, nameLeft, nameTop;
};

constexpr int LogoWidth = 554;
constexpr int LogoHeight = 85;

class Composition
{
public:
    Composition(const ProjectModel &model, const CompanyData &company, const QDate &today, QChar sep)
        : m_model(model), m_fields(model.fields), m_company(company), m_today(today),
          m_date(reportDateText(company, today)), m_sep(sep)
    {
    }

    ReportDocument compose(const HeaderPositions &header, const QString (&junctionKinds)[ElementCount])
    {
        ReportDocument document;
        document.pages.resize(hasProofPage(m_model) ? 3 : 2);
        document.title = reportDocumentTitle(m_fields.Projekt);
        document.date = m_date;
        for (int k = 1; k <= FlankCount; ++k)
            document.junctionCodes[k] = m_model.Stoss[k];
        for (int p = 0; p < document.pages.size(); ++p) {
            pageHeader(document.pages[p], header);
            pageFooter(document.pages[p], p + 1, int(document.pages.size()));
        }
        coverPage(document.pages[0]);
        sheetUpperPart(document.pages[1]);
        flankTable(document.pages[1], junctionKinds);
        results(document.pages[1]);
        if (document.pages.size() > 2)
            composeProofPage(document.pages[2], m_model, m_company, m_today, m_sep);
        return document;
    }

private:
    QString number(long double value, int significantDigits) const
    {
        return formatFixed(value, significantDigits, 1, m_sep);
    }
    QString rooms() const { return m_fields.room1 + QStringLiteral(" und ") + m_fields.room2; }
    QString variant() const
    {
        return m_fields.Variante.isEmpty() ? QString() : QStringLiteral("Variante: ") + m_fields.Variante;
    }

    void pageHeader(ReportPage &page, const HeaderPositions &pos) const
    {
        BandWriter band(page, 0);
        const QRect bandRect(0, 0, ReportPageWidth, ReportHeaderHeight);
        band.picture(ReportPicture::ProgramMark, 35, 6, 109, 80);
        const QRect logo(headerPosition(pos.logoLeft, ReportHeaderFieldOffset),
                         headerPosition(pos.logoTop, 0), LogoWidth, LogoHeight);
        band.picture(ReportPicture::CompanyLogo, logo.x(), logo.y(), logo.width(), logo.height()).clip =
            bandRect;
        // The name ends before a logo placed to its right on the same height.
        const QPoint name(headerPosition(pos.nameLeft, ReportHeaderFieldOffset),
                          headerPosition(pos.nameTop, 0));
        const bool logoAhead = !m_company.Logo.trimmed().isEmpty() && logo.left() > name.x() &&
                               logo.top() < name.y() + Title + Gap && logo.bottom() > name.y();
        band.text(name.x(), name.y(), m_company.Fa, font(Title, true),
                  logoAhead ? logo.left() - Gap : ReportPageWidth)
            .clip = bandRect;
        band.line(40, 92, 700, 92);
    }

    void pageFooter(ReportPage &page, int number, int count) const
    {
        BandWriter band(page, ReportFooterTop);
        band.line(0, 3, ReportPageWidth, 3);
        ReportText &text = band.text(710, 10, reportFooterText(m_date, number, count), font(Small));
        text.alignRight = true;
        text.width = 710;
        text.pageFooter = true;
    }

    void coverPage(ReportPage &page) const
    {
        BandWriter band(page, ReportBodyTop);
        const CompanyData &c = m_company;
        const std::pair<int, QString> address[] = {
            {5, c.Fa},
            {21, c.Str},
            {37, c.PLZ + QLatin1Char(' ') + c.Ort},
            {53, c.www},
            {77, QStringLiteral("Bearbeiter: ") + c.Bearbeiter},
            {93, QStringLiteral("Tel. : ") + c.Tel},
            {109, QStringLiteral("Fax. : ") + c.Fax},
            {125, QStringLiteral("email: ") + c.Mail},
        };
        band.startBlock();
        for (const auto &[y, text] : address)
            band.text(524, y, text, font(Small));
        band.endBlock();

        band.text(60, 214, QStringLiteral("SCHALLTECHNISCHE UNTERSUCHUNG"), font(Title, true));
        band.text(60, 246, QStringLiteral("PROJEKT:"), font(Title, true));
        ReportText &project = band.text(60, 267, m_fields.Projekt, font(Title, true));
        project.box = QSize(605, 95);
        project.wordWrap = true;
        band.text(60, 369, m_fields.Str, font(Title, true));
        band.text(60, 393, m_fields.PLZ + QLatin1Char(' ') + m_fields.Ort, font(Title, true));

        band.text(60, 507, QString::fromUtf8("Berechnung der Luftschalldämmung zwischen den Räumen"),
                  font(Normal, true));
        band.text(60, 531, rooms(), font(Normal, true));
        band.text(60, 555, QStringLiteral("nach DIN EN 12354-1"), font(Normal, true));
        band.text(60, 579, variant(), font(Normal, true));

        band.text(60, 744, QStringLiteral("Aufgestellt: ") + placeAndDateText(c, m_today), font(Normal));
        band.text(60, 776, QStringLiteral("Bearbeiter:"), font(Normal));
        band.text(60, 848, c.Bearbeiter, font(Normal));
    }

    void sheetUpperPart(ReportPage &page) const
    {
        BandWriter band(page, ReportBodyTop);
        const BuildUpRecord &tb = m_model.buildUp[0][0];
        // Everything left of the sketch ends before it.
        const int right = SketchLeft - Gap;
        const int labelEnd = 164 - Gap;
        // The project line stands above the sketch and may use the whole width.
        band.text(43, 4, QStringLiteral("PROJEKT: ") + m_fields.Projekt, font(Large, true));
        band.text(43, 28, QString::fromUtf8("Berechnung der Luftschalldämmung zwischen:"), font(Normal, true),
                  right);
        band.text(43, 46, rooms(), font(Normal, true), right);
        ReportFont blue = font(Small, true);
        blue.colour = ReportColour::Blue;
        band.text(43, 65, variant(), blue, right);

        band.text(54, 91, QStringLiteral("Trennbauteil:"), font(Normal, true, true), labelEnd);
        band.text(164, 93, m_fields.TB == QLatin1String("Trennbauteil") ? QString() : m_fields.TB,
                  font(Small), right);
        band.text(54, 113, QStringLiteral("Bauteilaufbau:"), font(Small), labelEnd);
        buildUpLines(band, 164, right, {113, 134, 152, 171}, m_fields.Memo[0][0], tb);

        band.text(54, 197, QStringLiteral("Fläche:"), font(Small), labelEnd);
        band.text(164, 197, m_fields.A + QString::fromUtf8(" [m²]"), font(Small), right);
        band.text(54, 214, QStringLiteral("Flächenmasse m':"), font(Small), labelEnd);
        band.text(164, 214, number(tb.m, 5) + QString::fromUtf8(" [kg/m²]"), font(Small), right);
        band.formula(54, 231, QStringLiteral("R"), QStringLiteral("w"), font(Small), labelEnd);
        band.text(164, 231, number(tb.Rw, 3) + QStringLiteral(" [dB]"), font(Small), right);
        band.formula(54, 251, QStringLiteral("R"), QStringLiteral("w,d"), font(Small), 78);
        band.text(78, 251, QStringLiteral("Trennbauteil:"), font(Small, true), labelEnd);
        band.text(164, 251, number(m_model.Rres[0], 3) + QStringLiteral(" [dB]"), font(Small, true), right);

        band.text(54, 279, QStringLiteral("Vorsatzschale(n):"), font(Normal, false, true), right);
        band.text(54, 303, m_fields.room1, font(Small), right);
        band.text(54, 319, liningText(m_fields.VS[0][1]), font(Small), right);
        band.text(54, 343, m_fields.room2, font(Small), right);
        band.text(54, 359, liningText(m_fields.VS[0][2]), font(Small), right);

        band.picture(ReportPicture::Sketch, SketchLeft, SketchTop, 360, 373 - SketchTop);
    }

    void flankTable(ReportPage &page, const QString (&junctionKinds)[ElementCount]) const
    {
        BandWriter band(page, ReportBodyTop);
        band.frame(50, 379, 660, 29);
        const int columns[3] = {54, 220, 467};
        const int columnEnds[3] = {FlankColumnEnd - Gap, Room1ColumnEnd - Gap, TableRight - Gap};
        band.text(54, 385, QStringLiteral("Flankierende Bauteile:"), font(Normal, true), columns[1] - Gap);
        band.text(220, 385, QStringLiteral("Bauteilaufbau ") + m_fields.room1, font(Normal, true),
                  columns[2] - Gap);
        band.text(467, 385, QStringLiteral("Bauteilaufbau ") + m_fields.room2, font(Normal, true),
                  columnEnds[2]);

        for (int k = 1; k <= FlankCount; ++k) {
            const int o = 111 * (k - 1);
            band.frame(50, 407 + o, 660, 112);
            band.line(216, 407 + o, 216, 484 + o);
            band.line(463, 407 + o, 463, 484 + o);
            band.line(50, 484 + o, 710, 484 + o);

            // Name, junction kind and edge length stand beside the junction picture.
            const int besidePicture = JunctionLeft - Gap;
            band.text(54, 411 + o, m_fields.Flanke[k], font(Normal, true), besidePicture);
            band.picture(ReportPicture::Junction, JunctionLeft, 415 + o, 49, 47).flank = k;
            band.text(54, 432 + o, junctionKinds[k], font(Small), besidePicture);
            band.text(54, 449 + o,
                      QString::fromUtf8("Kantenlänge: ") + m_fields.LF[k] + QStringLiteral(" [m]"),
                      font(Small), besidePicture);
            band.text(54, 468 + o,
                      QString::fromUtf8("Flankendämm-Maß: ") + number(m_model.Rres[k], 3) +
                          QStringLiteral(" [dB]"),
                      font(Small, true), columnEnds[0]);

            const int formulaX[3] = {0, 383, 629};
            for (int side = 1; side <= 2; ++side) {
                const BuildUpRecord &record = m_model.buildUp[k][side];
                const int x = columns[side];
                buildUpLines(band, x, columnEnds[side], {410 + o, 424 + o, 438 + o, 452 + o},
                             m_fields.Memo[k][side], record);
                band.text(x, 468 + o,
                          QString::fromUtf8("Flächenmasse: ") + number(record.m, 5) +
                              QString::fromUtf8(" [kg/m²]"),
                          font(Small), formulaX[side] - Gap);
                band.formula(formulaX[side], 468 + o, QStringLiteral("R"), QStringLiteral("w"), font(Small),
                             formulaX[side] + 21);
                band.text(formulaX[side] + 21, 468 + o,
                          QStringLiteral("= ") + number(record.Rw, 5) + QStringLiteral(" [dB]"), font(Small),
                          columnEnds[side]);
            }
            const QString rooms[3] = {QString(), m_fields.room1, m_fields.room2};
            for (int side = 1; side <= 2; ++side) {
                const int y = (side == 1 ? 487 : 502) + o;
                band.text(54, y, QStringLiteral("Vorsatzschale ") + rooms[side], font(Small), 240 - Gap);
                band.text(240, y, liningText(m_fields.VS[k][side]), font(Small), columnEnds[2]);
            }
        }
    }

    void results(ReportPage &page) const
    {
        BandWriter band(page, ReportBodyTop);
        // The subscripts follow their letters as the font measures them: at fixed places
        // they would run into the "=" with fonts narrower than the screen fonts of old.
        const int captionEnd = ResultValueX - Gap;
        const int valueEnd = TableRight - Gap;
        band.frame(50, 851, 660, 24);
        band.formula(166, 854, QString::fromUtf8("bewertetes Bau-Schalldämm-Maß:  R'"), QStringLiteral("w"),
                     font(Normal, true), captionEnd, Small, QStringLiteral(" ="));
        band.text(ResultValueX, 856, number(m_model.RwBau, 4) + QStringLiteral(" [dB]"), font(Normal, true),
                  valueEnd);

        band.frame(50, 874, 660, 24);
        band.formula(166, 877, QStringLiteral("bewertete Standard-Schallpegeldifferenz:  D"),
                     QStringLiteral("nT,w"), font(Normal, true), captionEnd, Small, QStringLiteral(" ="));
        // The smaller direction is the one from the larger room into the smaller; it is
        // the value that counts, whatever direction the main window shows. Without both
        // volumes there is none, and a number there would claim no insulation at all.
        const QString notComputed = dnTwNotComputedText(m_model);
        const long double dnTw = std::min(m_model.DnTw12, m_model.DnTw21);
        band.text(ResultValueX, 878,
                  notComputed.isEmpty() ? number(dnTw, 4) + QStringLiteral(" [dB]") : notComputed,
                  font(Normal, true), valueEnd);

        band.text(262, 903, QStringLiteral("(Berechnungsergebnisse ohne Vorhaltemaß)"), font(Small));
    }

    const ProjectModel &m_model;
    const FieldTexts &m_fields;
    const CompanyData &m_company;
    QDate m_today;
    QString m_date;
    QChar m_sep;
};

} // namespace

QString noResultsWarning()
{
    return QStringLiteral(" Keine Berechnungsergebnisse vorhanden!\r  ");
}

QString invalidIntegerMessage(const QString &text)
{
    return QString::fromUtf8("'%1' ist kein gültiger Integerwert").arg(text);
}

QString reportFooterText(const QString &date, int page, int pageCount)
{
    return QString::fromUtf8("Tavix-Schallschutz Rechner %1  ·  %2  ·  Seite %3 von %4")
        .arg(QStringLiteral(TAVIX_VERSION_STRING), date)
        .arg(page)
        .arg(pageCount);
}

QString reportDocumentTitle(const QString &projectName)
{
    const QString title = QStringLiteral("Schallschutznachweis");
    return projectName.trimmed().isEmpty() ? title : title + QString::fromUtf8(" – ") + projectName;
}

QString dnTwNotComputedText(const ProjectModel &model)
{
    const int missing = int(!(model.Vol1 > 0)) + int(!(model.Vol2 > 0));
    if (missing == 0)
        return {};
    return missing == 1 ? QStringLiteral("nicht berechnet (Raumvolumen fehlt)")
                        : QStringLiteral("nicht berechnet (Raumvolumen fehlen)");
}

QString reportSketchFileName(int orientation)
{
    return orientation == 1 ? QStringLiteral("img_v.bmp") : QStringLiteral("img_h.bmp");
}

ReportComposer::ReportComposer()
{
    for (QString &kind : m_junctionKind)
        kind = QString::fromUtf8("Stoßstelle:");
}

ReportOutcome ReportComposer::compose(const ProjectModel &model, const CompanyData &company,
                                      const QDate &today, QChar decimalSeparator)
{
    ReportOutcome outcome;
    if (!model.Calculated) {
        outcome.status = ReportOutcome::Status::NoResults;
        outcome.message = noResultsWarning();
        return outcome;
    }
    HeaderPositions header{};
    const std::pair<const QString *, int *> fields[] = {{&company.LogoLeft, &header.logoLeft},
                                                        {&company.LogoTop, &header.logoTop},
                                                        {&company.FaNameLeft, &header.nameLeft},
                                                        {&company.FaNameTop, &header.nameTop}};
    for (const auto &[text, value] : fields) {
        const std::optional<int> converted = parseWholeNumber(*text);
        if (!converted) {
            outcome.status = ReportOutcome::Status::InvalidPosition;
            outcome.message = invalidIntegerMessage(*text);
            return outcome;
        }
        *value = *converted;
    }
    for (int k = 1; k <= FlankCount; ++k) {
        if (const std::optional<QString> kind = junctionKind(model.Stoss[k]))
            m_junctionKind[k] = *kind;
    }
    outcome.document = Composition(model, company, today, decimalSeparator).compose(header, m_junctionKind);
    return outcome;
}

} // namespace tavix
