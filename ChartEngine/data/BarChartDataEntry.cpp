#include "ChartEngine/data/BarChartDataEntry.h"

namespace Charts {

namespace {

double sumOf(const std::optional<QList<double>>& values)
{
    double sum = 0.0;
    if (values) {
        for (const double value : *values) {
            sum += value;
        }
    }
    return sum;
}

}

BarChartDataEntry::BarChartDataEntry(double x, double y)
    : ChartDataEntry(x, y)
{
}

BarChartDataEntry::BarChartDataEntry(double x, double y, const QVariant& data)
    : ChartDataEntry(x, y, data)
{
}

BarChartDataEntry::BarChartDataEntry(double x, double y, std::shared_ptr<ChartImage> icon)
    : ChartDataEntry(x, y, std::move(icon))
{
}

BarChartDataEntry::BarChartDataEntry(double x, double y, std::shared_ptr<ChartImage> icon, const QVariant& data)
    : ChartDataEntry(x, y, std::move(icon), data)
{
}

BarChartDataEntry::BarChartDataEntry(double x, const QList<double>& yValues)
    : ChartDataEntry(x, 0.0)
{
    storeStack(yValues);
}

BarChartDataEntry::BarChartDataEntry(double x, const QList<double>& yValues, const QVariant& data)
    : ChartDataEntry(x, 0.0, data)
{
    storeStack(yValues);
}

BarChartDataEntry::BarChartDataEntry(double x, const QList<double>& yValues, std::shared_ptr<ChartImage> icon)
    : ChartDataEntry(x, 0.0, std::move(icon))
{
    storeStack(yValues);
}

BarChartDataEntry::BarChartDataEntry(double x, const QList<double>& yValues, std::shared_ptr<ChartImage> icon,
                                     const QVariant& data)
    : ChartDataEntry(x, 0.0, std::move(icon), data)
{
    storeStack(yValues);
}

void BarChartDataEntry::storeStack(const QList<double>& values)
{
    m_yValues = values;
    storeY(sumOf(m_yValues));
    calcPosNegSum();
    calcRanges();
}

void BarChartDataEntry::setYValues(std::optional<QList<double>> values)
{
    setY(sumOf(values));
    m_yValues = std::move(values);
    calcPosNegSum();
    calcRanges();
}

bool BarChartDataEntry::isStacked() const
{
    return m_yValues.has_value();
}

double BarChartDataEntry::sumBelowStackIndex(qint64 index) const
{
    if (!m_yValues || index < 0 || index >= m_yValues->size()) {
        return 0.0;
    }
    double sum = 0.0;
    for (qsizetype i = index; i < m_yValues->size(); ++i) {
        sum += m_yValues->at(i);
    }
    return sum;
}

void BarChartDataEntry::calcPosNegSum()
{
    double negative = 0.0;
    double positive = 0.0;
    if (m_yValues) {
        for (const double value : *m_yValues) {
            if (value < 0.0) {
                negative += -value;
            } else {
                positive += value;
            }
        }
    }
    m_negativeSum = negative;
    m_positiveSum = positive;
}

void BarChartDataEntry::calcRanges()
{
    if (!m_yValues || m_yValues->isEmpty()) {
        return;
    }
    QList<Range> ranges;
    ranges.reserve(m_yValues->size());
    double negativeCursor = -m_negativeSum;
    double positiveCursor = 0.0;
    for (const double value : *m_yValues) {
        if (value < 0.0) {
            ranges.append(Range(negativeCursor, negativeCursor - value));
            negativeCursor -= value;
        } else {
            ranges.append(Range(positiveCursor, positiveCursor + value));
            positiveCursor += value;
        }
    }
    m_ranges = std::move(ranges);
}

std::shared_ptr<ChartDataEntry> BarChartDataEntry::makeEmpty() const
{
    return std::make_shared<BarChartDataEntry>();
}

void BarChartDataEntry::copyTo(ChartDataEntry& target) const
{
    ChartDataEntry::copyTo(target);
    auto& entry = dynamic_cast<BarChartDataEntry&>(target);
    entry.m_yValues = m_yValues;
    entry.storeY(y());
    entry.m_negativeSum = m_negativeSum;
    entry.m_positiveSum = m_positiveSum;
}

}
