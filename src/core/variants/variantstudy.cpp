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

AxisLimits VariantStudy::dataLimits(VariantChart chart) const
{
    // Bars grow from zero, so zero is always on the axis.
    long double low = 0;
    long double high = 0;
    auto take = [&](long double value) {
        if (!std::isfinite(value))
            return;
        low = std::min(low, value);
        high = std::max(high, value);
    };
    for (const VariantBar &bar : m_bars) {
        if (chart != VariantChart::DnTw)
            take(bar.rw);
        if (chart != VariantChart::Rw)
            take(bar.dnTw);
    }
    const double bottom = std::floor(static_cast<double>(low) / LabelStep) * LabelStep;
    const double top = std::floor(static_cast<double>(high) / LabelStep) * LabelStep + LabelStep;
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
