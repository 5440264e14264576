#pragma once

// One bar chart of the variant study: bars over the variant numbers, one bar set per
// series, side by side when there are two. Bar i of a set stands at x = i, so variant
// number n is labelled at n - 1; only a bounded number of numbers is written, which keeps
// adding a bar cheap however long the study grows. The left axis shows whole decibels at both
// limits the study decides and at round values between them. The chart can be copied to the clipboard
// as a vector picture (with a bitmap of the same picture beside it for programs that
// take no vector pictures): white background and, with more than one series, a legend.

#include "core/variants/variantstudy.h"

#include <QChartView>
#include <QColor>
#include <QList>

class QAction;
class QCategoryAxis;
class QBarSeries;
class QBarSet;
class QGraphicsItem;
class QMimeData;

namespace tavix::gui {

struct VariantSeries
{
    QString name;
    QColor colour;
};

class VariantChartView : public QChartView
{
    Q_OBJECT

public:
    VariantChartView(const QString &objectName, const QString &axisTitle, const QList<VariantSeries> &series,
                     QWidget *parent = nullptr);

    // One bar per series at the variant `number`; `values` holds one value per series.
    void appendBar(int number, const QList<long double> &values);
    void clearBars();
    void setLimits(AxisLimits limits);

    // The entry of the right-click menu ("Grafik in Zwischenablage kopieren").
    QAction *copyAction() const { return m_copyAction; }
    // The picture for the clipboard: SVG and a bitmap of the same picture, in the colours
    // of paper; the chart on screen looks as before afterwards.
    QMimeData *createPicture();
    void copyToClipboard();

    static QColor screenBackground();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void setPaperLook(bool paper);
    // The variant numbers under the bars and the range of the bottom axis. Laying the
    // axis out measures every number, so a chart the view choice hides catches up only
    // when it is shown again.
    void updateBottomAxis();
    // Bars are outlined while they are wide enough for it.
    void updateOutlines();
    // The legend of the copied picture: a 15-pixel colour box and the name of each
    // series in a row above the plot, without frame or shadow.
    void showPaperLegend();
    void removePaperLegend();

    QBarSeries *m_series = nullptr;
    QList<QBarSet *> m_sets;
    QCategoryAxis *m_axisX = nullptr;
    int m_barCount = 0;
    bool m_outlined = true;
    bool m_bottomAxisStale = false;
    QCategoryAxis *m_axisY = nullptr;
    AxisLimits m_limits{-1, -1};
    QAction *m_copyAction = nullptr;
    QList<QGraphicsItem *> m_paperLegend;
    QMargins m_screenMargins;
};

} // namespace tavix::gui
