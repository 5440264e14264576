#pragma once

// The variant study: the user adds the current results of the project one variant at a
// time and compares them as a numbered list and as bars over the variant numbers.
// Nothing of it is saved with the project; the study lives while its window is open.
//
// The study keeps the bars (the list itself is an editable text the window owns), the
// running number of the last variant, whether the study is running, and the left-axis
// limits of its three charts. Each chart's axis is either fixed (stepped by the scale
// buttons) or automatic (follows the bars shown on that chart).

#include <QList>
#include <QString>

namespace tavix {

struct ProjectModel;

// What one press of the add button takes from the project.
struct VariantResult
{
    bool calculated = false; // the last recalculation produced results
    long double rw = 0;      // R'w
    long double dnTw12 = 0;  // DnT,w from room 1 to room 2
    long double dnTw21 = 0;  // DnT,w from room 2 to room 1
    QString name;            // the variant name of the project, may be empty
};

VariantResult currentVariantResult(const ProjectModel &model);

// One variant as a bar on every chart; dnTw is the smaller of the two directions.
struct VariantBar
{
    int number = 0;
    long double rw = 0;
    long double dnTw = 0;
};

enum class VariantChart
{
    Rw = 0,     // R'w alone
    DnTw = 1,   // DnT,w alone
    RwDnTw = 2, // both, side by side
};
constexpr int VariantChartCount = 3;

struct AxisLimits
{
    double bottom = 0;
    double top = 0;
    bool operator==(const AxisLimits &o) const { return bottom == o.bottom && top == o.top; }
};

class VariantStudy
{
public:
    static constexpr double ScaleStep = 5;       // dB per press of a scale button
    static constexpr double MinimumGap = 5;      // the top limit stays this far above the bottom limit
    static constexpr double LabelStep = 10;      // dB between axis labels on a wide axis
    static constexpr double AutomaticMargin = 1; // dB at least between the bars and a limit
    static constexpr AxisLimits StartLimits{0, 70};

    enum class OpenOutcome
    {
        NoResults, // nothing to compare: the study is not touched
        Started,   // a new, empty study
        Running,   // the study that is running goes on
    };

    // Starts a new study unless one is running; without results nothing happens.
    OpenOutcome open(bool calculated);
    // Ends the study; the next open() starts afresh.
    void close() { m_running = false; }
    bool isRunning() const { return m_running; }

    // Adds the result as the next variant and returns the line for the list. Without
    // results the line is the input-error line and neither counter nor bars change.
    QString add(const VariantResult &result, QChar decimalSeparator);
    // Empties the study; it keeps running.
    void clear();

    int lastNumber() const { return m_lastNumber; }
    const QList<VariantBar> &bars() const { return m_bars; }
    // The charts are shown from the first variant on.
    bool chartsShown() const { return !m_bars.isEmpty(); }

    // The scale buttons act on every chart that the rule lets move. The top limit never
    // comes closer than MinimumGap to the bottom limit, so a fixed axis stays usable.
    void raiseTop();
    void lowerTop();
    void raiseBottom();
    void lowerBottom();
    void scaleAutomatically();

    AxisLimits limits(VariantChart chart) const;
    // The variant numbers written under `count` bars: every one while they fit, else the
    // multiples of a round step (2, 5, 10, 20, 50, ...), at most MaxNumberLabels of them.
    static constexpr int MaxNumberLabels = 20;
    static int numberStep(int count);
    static QList<int> numberLabels(int count);
    // The slots of the bottom axis: one per variant, rounded up to the step of the numbers,
    // so that a long study lays its axis out anew only every few additions (at least one).
    static int numberSlots(int count);
    bool isAutomatic(VariantChart chart) const { return m_axes[index(chart)].automatic; }

    // The step between the labels of a left axis: LabelStep while the axis spans enough for
    // a few of them, a finer round step (5, 2, 1 dB) on a narrower axis, a coarser one on a
    // very wide axis, so that it carries between four and ten labels.
    static double labelStep(AxisLimits limits);
    // The values labelled on a left axis: both limits and the multiples of the step between
    // them; an inner multiple that would crowd a limit is left out.
    static QList<double> axisLabels(AxisLimits limits);

    // The line of one variant as the list shows it.
    static QString variantLine(int number, const VariantResult &result, QChar decimalSeparator);
    static long double smallerLevelDifference(const VariantResult &result);
    // Fixed messages of the window.
    static QString inputErrorLine();
    static QString noResultsMessage();
    static QString closeQuestion();
    // Closing asks first only when the list holds something that would be lost.
    static bool closeNeedsConfirmation(const QString &listText) { return !listText.isEmpty(); }

private:
    struct Axis
    {
        bool automatic = false;
        AxisLimits fixed = StartLimits;
    };

    static int index(VariantChart chart) { return static_cast<int>(chart); }
    // Limits that fit the bar values of the chart with a margin, on whole label steps, so
    // that small differences between variants show; never above the smallest bar, and not
    // below zero while no bar is. Without bars the start limits.
    AxisLimits dataLimits(VariantChart chart) const;
    // Fixes the axis at its current limits (leaving automatic scaling) and applies `limits`.
    void fix(VariantChart chart, AxisLimits limits);

    bool m_running = false;
    int m_lastNumber = 0;
    QList<VariantBar> m_bars;
    Axis m_axes[VariantChartCount];
};

} // namespace tavix
