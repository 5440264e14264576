#include "gui/variants/variantchartview.h"

#include <QAction>
#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QCategoryAxis>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QImage>
#include <QLegend>
#include <QMimeData>
#include <QPainter>
#include <QPalette>
#include <QSvgGenerator>

namespace tavix::gui {

namespace {

constexpr qreal BarWidth = 0.95;    // share of a variant's slot that its bars fill
constexpr int PictureDpi = 96;      // the vector picture measures in screen pixels
constexpr qreal LegendMarker = 15;  // colour boxes of the copied legend
constexpr int MaxOutlinedBars = 40; // more variants make bars too narrow for an outline

QString chartToolTip()
{
    return QStringLiteral(" linke Maustaste: Zoom  /  rechte Maustaste: Grafik in Zwischenablage kopieren ");
}

} // namespace

QColor VariantChartView::screenBackground()
{
    return QApplication::palette().color(QPalette::Button);
}

VariantChartView::VariantChartView(const QString &objectName, const QString &axisTitle,
                                   const QList<VariantSeries> &series, QWidget *parent)
    : QChartView(parent)
{
    setObjectName(objectName);
    setToolTip(chartToolTip());
    setRenderHint(QPainter::Antialiasing, false);
    setRubberBand(QChartView::NoRubberBand);
    setDragMode(QGraphicsView::NoDrag);

    auto *chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setDropShadowEnabled(false);
    chart->legend()->hide();

    m_series = new QBarSeries(chart);
    m_series->setBarWidth(BarWidth);
    for (const VariantSeries &s : series) {
        auto *set = new QBarSet(s.name, m_series);
        set->setColor(s.colour);
        set->setPen(QPen(s.colour.darker(160)));
        m_series->append(set);
        m_sets.append(set);
    }
    chart->addSeries(m_series);

    QFont titleFont = font();
    titleFont.setBold(true);

    m_axisX = new QCategoryAxis(chart);
    m_axisX->setTitleText(QStringLiteral("Variante"));
    m_axisX->setTitleFont(titleFont);
    m_axisX->setLineVisible(false);
    m_axisX->setGridLineVisible(false);
    m_axisX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_axisX->setStartValue(-0.5);
    chart->addAxis(m_axisX, Qt::AlignBottom);
    m_series->attachAxis(m_axisX);
    updateBottomAxis();

    // Labels at both limits and at round values between them, so that every axis can be
    // read whatever its limits (see VariantStudy::axisLabels).
    m_axisY = new QCategoryAxis(chart);
    m_axisY->setTitleText(axisTitle);
    m_axisY->setTitleFont(titleFont);
    m_axisY->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_axisY->setMinorTickCount(0);
    m_axisY->setGridLinePen(QPen(QColor(160, 160, 160), 1, Qt::SolidLine));
    chart->addAxis(m_axisY, Qt::AlignLeft);
    m_series->attachAxis(m_axisY);
    setLimits(VariantStudy::StartLimits);

    setChart(chart);
    setPaperLook(false);

    m_copyAction = new QAction(QStringLiteral("Grafik in Zwischenablage kopieren"), this);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    addAction(m_copyAction);
}

void VariantChartView::appendBar(int number, const QList<long double> &values)
{
    for (int i = 0; i < m_sets.size(); ++i)
        m_sets[i]->append(i < values.size() ? static_cast<qreal>(values[i]) : 0.0);
    m_barCount = number;
    updateOutlines();
    updateBottomAxis();
}

void VariantChartView::clearBars()
{
    for (QBarSet *set : std::as_const(m_sets))
        set->remove(0, set->count());
    m_barCount = 0;
    updateOutlines();
    updateBottomAxis();
}

void VariantChartView::updateOutlines()
{
    // A bar a few pixels wide would show nothing but its outline, in the wrong colour.
    const bool outlined = m_barCount <= MaxOutlinedBars;
    if (outlined == m_outlined)
        return;
    m_outlined = outlined;
    for (QBarSet *set : std::as_const(m_sets))
        set->setPen(outlined ? QPen(set->color().darker(160)) : QPen(Qt::NoPen));
}

void VariantChartView::showEvent(QShowEvent *event)
{
    if (m_bottomAxisStale)
        updateBottomAxis();
    QChartView::showEvent(event);
}

void VariantChartView::updateBottomAxis()
{
    m_bottomAxisStale = isHidden();
    if (m_bottomAxisStale)
        return;
    const int count = m_barCount;
    QStringList wanted;
    const QList<int> numbers = VariantStudy::numberLabels(count);
    for (int n : numbers)
        wanted << QString::number(n);
    const QStringList shown = m_axisX->categoriesLabels();
    if (wanted != shown) {
        // Every change of the categories lays the axis out anew: keep the unchanged
        // numbers and let only the last change be announced.
        int keep = 0;
        while (keep < shown.size() && keep < wanted.size() && shown[keep] == wanted[keep])
            ++keep;
        const int changes = int(shown.size() - keep + wanted.size() - keep);
        int done = 0;
        auto announceLast = [&]() {
            m_axisX->blockSignals(++done < changes);
        };
        for (int i = int(shown.size()) - 1; i >= keep; --i) {
            announceLast();
            m_axisX->remove(shown[i]);
        }
        for (int i = keep; i < wanted.size(); ++i) {
            announceLast();
            m_axisX->append(wanted[i], numbers[i] - 1);
        }
        m_axisX->blockSignals(false);
    }
    m_axisX->setRange(-0.5, VariantStudy::numberSlots(count) - 0.5);
}

void VariantChartView::setLimits(AxisLimits limits)
{
    if (limits == m_limits)
        return;
    m_limits = limits;
    m_axisY->blockSignals(true);
    for (const QString &label : m_axisY->categoriesLabels())
        m_axisY->remove(label);
    // A category ends at each labelled value; the first begins just below the bottom limit
    // so that the bottom limit carries its label too.
    m_axisY->setStartValue(limits.bottom - 1e-6);
    for (const double value : VariantStudy::axisLabels(limits))
        m_axisY->append(QString::number(qRound(value)), value);
    m_axisY->blockSignals(false);
    m_axisY->setRange(limits.bottom, limits.top);
}

void VariantChartView::setPaperLook(bool paper)
{
    const QColor back = paper ? QColor(Qt::white) : screenBackground();
    chart()->setBackgroundBrush(back);
    chart()->setBackgroundPen(Qt::NoPen);
    setBackgroundBrush(back);
    // The legend tells the series apart; a chart of one series is named by its axis title.
    if (paper && m_sets.size() > 1)
        showPaperLegend();
    else
        removePaperLegend();
}

void VariantChartView::showPaperLegend()
{
    constexpr qreal Gap = 5;       // between box and name
    constexpr qreal Spacing = 20;  // between two entries
    constexpr qreal Headroom = 28; // added above the plot for the legend row
    m_screenMargins = chart()->margins();
    chart()->setMargins(m_screenMargins + QMargins(0, int(Headroom), 0, 0));
    chart()->layout()->activate();

    const QFont font = m_axisY->labelsFont();
    const QFontMetricsF metrics(font);
    qreal width = 0;
    for (const QBarSet *set : std::as_const(m_sets))
        width += LegendMarker + Gap + metrics.horizontalAdvance(set->label()) + Spacing;
    width -= Spacing;
    const QRectF plot = chart()->plotArea();
    qreal x = plot.center().x() - width / 2;
    const qreal y = plot.top() - Headroom + (Headroom - LegendMarker) / 2 - 4;
    for (QBarSet *set : std::as_const(m_sets)) {
        auto *box = new QGraphicsRectItem(x, y, LegendMarker, LegendMarker, chart());
        box->setBrush(set->color());
        box->setPen(QPen(set->color().darker(160), 1));
        auto *name = new QGraphicsSimpleTextItem(set->label(), chart());
        name->setFont(font);
        name->setBrush(QColor(40, 40, 40));
        name->setPos(x + LegendMarker + Gap, y + (LegendMarker - metrics.height()) / 2);
        m_paperLegend << box << name;
        x += LegendMarker + Gap + metrics.horizontalAdvance(set->label()) + Spacing;
    }
}

void VariantChartView::removePaperLegend()
{
    if (m_paperLegend.isEmpty())
        return;
    qDeleteAll(m_paperLegend);
    m_paperLegend.clear();
    chart()->setMargins(m_screenMargins);
    chart()->layout()->activate();
}

QMimeData *VariantChartView::createPicture()
{
    setPaperLook(true);
    const QSize size = viewport()->size();

    QBuffer svg;
    svg.open(QBuffer::WriteOnly); // memory only: the picture goes to the clipboard
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&svg);
        generator.setResolution(PictureDpi);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setTitle(chart()->axes(Qt::Vertical).value(0)->titleText());
        QPainter painter(&generator);
        render(&painter, QRectF(QPointF(0, 0), size), viewport()->rect());
    }

    QImage bitmap(size, QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    {
        QPainter painter(&bitmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        render(&painter, QRectF(QPointF(0, 0), size), viewport()->rect());
    }
    setPaperLook(false);

    auto *mime = new QMimeData;
    mime->setData(QStringLiteral("image/svg+xml"), svg.data());
    mime->setImageData(bitmap);
    return mime;
}

void VariantChartView::copyToClipboard()
{
    QApplication::clipboard()->setMimeData(createPicture());
}

} // namespace tavix::gui
