#pragma once

#include "ChartEngine/components/Range.h"
#include "ChartEngine/data/ChartDataEntry.h"

#include <optional>

namespace Charts {

// The entry of a bar chart. A plain bar has one y; a stacked bar carries its stack values (bottom
// first), and its y is then their sum. For a stack the entry keeps the sum of the negative values
// (as a magnitude) and of the others, and one range per value: negative values stack upwards from
// the lowest point towards 0, the others upwards from 0.
class BarChartDataEntry : public ChartDataEntry {
public:
    BarChartDataEntry() = default;
    // A plain bar.
    BarChartDataEntry(double x, double y);
    BarChartDataEntry(double x, double y, const QVariant& data);
    BarChartDataEntry(double x, double y, std::shared_ptr<ChartImage> icon);
    BarChartDataEntry(double x, double y, std::shared_ptr<ChartImage> icon, const QVariant& data);
    // A stacked bar: y is the sum of the values.
    BarChartDataEntry(double x, const QList<double>& yValues);
    BarChartDataEntry(double x, const QList<double>& yValues, const QVariant& data);
    BarChartDataEntry(double x, const QList<double>& yValues, std::shared_ptr<ChartImage> icon);
    BarChartDataEntry(double x, const QList<double>& yValues, std::shared_ptr<ChartImage> icon,
                      const QVariant& data);

    // The stack values; none for a plain bar.
    const std::optional<QList<double>>& yValues() const { return m_yValues; }
    // Sets y to the sum of the values (0 for none), stores them, then recomputes the two sums and
    // the ranges. A missing or empty list keeps the ranges already built.
    void setYValues(std::optional<QList<double>> values);
    // True when stack values are present, even an empty list.
    bool isStacked() const;

    // Magnitude of the sum of the negative stack values.
    double negativeSum() const { return m_negativeSum; }
    // Sum of the stack values that are zero or positive.
    double positiveSum() const { return m_positiveSum; }
    // One range per stack value, bottom first; none until first built.
    const std::optional<QList<Range>>& ranges() const { return m_ranges; }

    // The sum of the stack values from index up to the top, index included; 0 for an index outside
    // the stack or for a plain bar. For (3, -2, 5): index 1 gives 3, index 0 gives 6.
    double sumBelowStackIndex(qint64 index) const;

    void calcPosNegSum();
    // Reads the stored negative sum: calcPosNegSum runs first.
    void calcRanges();

    std::shared_ptr<ChartDataEntry> makeEmpty() const override;

protected:
    // The stack values, y and the two sums; the ranges are not carried over.
    void copyTo(ChartDataEntry& target) const override;

private:
    void storeStack(const QList<double>& values);

    std::optional<QList<double>> m_yValues;
    std::optional<QList<Range>> m_ranges;
    double m_negativeSum = 0.0;
    double m_positiveSum = 0.0;
};

}
