#include "core/variants/variantstudy.h"

#include "core/model/numbers.h"
#include "core/model/variablen.h"

#include <algorithm>
#include <cmath>

namespace tavix {

VariantResult currentVariantResult(const ProjectModel &model)
{
    VariantResult result;
    result.calculated = model.Calculated;
    result.rw = model.RwBau;
    result.dnTw12 = model.DnTw12;
    result.dnTw21 = model.DnTw21;
    result.name = model.fields.Variante;
    return result;
}

VariantStudy::OpenOutcome VariantStudy::open(bool calculated)
{
    if (!calculated)
        return OpenOutcome::NoResults;
    if (m_running)
        return OpenOutcome::Running;
    m_running = true;
    clear();
    return OpenOutcome::Started;
}

QString VariantStudy::add(const VariantResult &result, QChar decimalSeparator)
{
    if (!result.calculated)
        return inputErrorLine();
    ++m_lastNumber;
    m_bars.append({m_lastNumber, result.rw, smallerLevelDifference(result)});
    return variantLine(m_lastNumber, result, decimalSeparator);
}

void VariantStudy::clear()
{
    m_lastNumber = 0;
    m_bars.clear();
}

long double VariantStudy::smallerLevelDifference(const VariantResult &result)
{
    return std::min(result.dnTw12, result.dnTw21);
}

QString VariantStudy::variantLine(int number, const VariantResult &result, QChar decimalSeparator)
{
    // "R´w" is written with the acute accent, as the list has always shown it.
    QString line = QStringLiteral(" Variante %1: ").arg(number) + result.name +
                   QString::fromUtf8("  R´w = ") + formatDb(result.rw, decimalSeparator) +
                   QStringLiteral(" [dB] / ");
    const long double dnTw = smallerLevelDifference(result);
    if (dnTw > 0)
        return line + QStringLiteral("DnT,w = ") + formatResult(dnTw, decimalSeparator);
    return line + QString::fromUtf8("Keine Berechnung für DnT,w möglich - Raumvolumen überprüfen!");
}

QString VariantStudy::inputErrorLine()
{
    return QString::fromUtf8(" Eingabefehler für aktuelle Variante -> keine Berechnung möglich!!");
}

QString VariantStudy::noResultsMessage()
{
    return QStringLiteral("Es liegen keine Berechnungsergebnisse vor.");
}

QString VariantStudy::closeQuestion()
{
    return QString::fromUtf8("Beim Schließen des Formulars gehen die Angaben verloren!\r"
                             "Möchten Sie die Variantenuntersuchung trotzdem beenden?");
}

AxisLimits VariantStudy::limits(VariantChart chart) const
{
    const Axis &axis = m_axes[index(chart)];
    return axis.automatic ? dataLimits(chart) : axis.fixed;
}

int VariantStudy::numberStep(int count)
{
    int step = 1;
    for (int decade = 1; count / step > MaxNumberLabels; decade *= 10) {
        for (int factor : {1, 2, 5}) {
            step = factor * decade;
            if (count / step <= MaxNumberLabels)
                break;
        }
    }
    return step;
}

int VariantStudy::numberSlots(int count)
{
    const int step = numberStep(count);
    return std::max(1, (count + step - 1) / step * step);
}

QList<int> VariantStudy::numberLabels(int count)
{
    const int step = numberStep(count);
    QList<int> numbers;
    for (int n = step; n <= count; n += step)
        numbers.append(n);
    return numbers;
}

double VariantStudy::labelStep(AxisLimits limits)
{
    const double span = limits.top - limits.bottom;
    for (const double step : {1.0, 2.0, 5.0, LabelStep, 20.0, 50.0, 100.0})
        if (span / step <= 10)
            return step;
    return std::ceil(span / 10 / 100) * 100;
}

QList<double> VariantStudy::axisLabels(AxisLimits limits)
{
    const double step = labelStep(limits);
    const double crowded = 0.6 * step;
    QList<double> labels{limits.bottom};
    for (double value = std::floor(limits.bottom / step) * step + step; value < limits.top; value += step)
        if (value - limits.bottom >= crowded && limits.top - value >= crowded)
            labels.append(value);
    if (limits.top > limits.bottom)
        labels.append(limits.top);
    return labels;
}

AxisLimits VariantStudy::dataLimits(VariantChart chart) const
{
    bool any = false;
    long double low = 0;
    long double high = 0;
    auto take = [&](long double value) {
        if (!std::isfinite(value))
            return;
        low = any ? std::min(low, value) : value;
        high = any ? std::max(high, value) : value;
        any = true;
    };
    for (const VariantBar &bar : m_bars) {
        if (chart != VariantChart::DnTw)
            take(bar.rw);
        if (chart != VariantChart::Rw)
            take(bar.dnTw);
    }
    if (!any)
        return StartLimits;
    const double margin = std::max(AutomaticMargin, 0.15 * static_cast<double>(high - low));
    const AxisLimits wide{static_cast<double>(low) - margin, static_cast<double>(high) + margin};
    const double step = labelStep(wide);
    double bottom = std::floor(wide.bottom / step) * step;
    if (low >= 0)
        bottom = std::max(bottom, 0.0);
    const double top = std::max(std::ceil(wide.top / step) * step, bottom + MinimumGap);
    return {bottom, top};
}

void VariantStudy::fix(VariantChart chart, AxisLimits limits)
{
    Axis &axis = m_axes[index(chart)];
    axis.automatic = false;
    axis.fixed = limits;
}

void VariantStudy::raiseTop()
{
    for (int c = 0; c < VariantChartCount; ++c) {
        const auto chart = static_cast<VariantChart>(c);
        AxisLimits l = limits(chart);
        l.top += ScaleStep;
        fix(chart, l);
    }
}

void VariantStudy::lowerTop()
{
    for (int c = 0; c < VariantChartCount; ++c) {
        const auto chart = static_cast<VariantChart>(c);
        AxisLimits l = limits(chart);
        const double top = std::max(l.top - ScaleStep, l.bottom + MinimumGap);
        if (top < l.top)
            fix(chart, {l.bottom, top});
    }
}

void VariantStudy::raiseBottom()
{
    for (int c = 0; c < VariantChartCount; ++c) {
        const auto chart = static_cast<VariantChart>(c);
        AxisLimits l = limits(chart);
        const double bottom = std::min(l.bottom + ScaleStep, l.top - MinimumGap);
        if (bottom > l.bottom)
            fix(chart, {bottom, l.top});
    }
}

void VariantStudy::lowerBottom()
{
    for (int c = 0; c < VariantChartCount; ++c) {
        const auto chart = static_cast<VariantChart>(c);
        AxisLimits l = limits(chart);
        if (l.bottom > 0)
            fix(chart, {l.bottom - ScaleStep, l.top});
    }
}

void VariantStudy::scaleAutomatically()
{
    for (Axis &axis : m_axes)
        axis.automatic = true;
}

} // namespace tavix
