#pragma once

#include "ChartEngine/data/ChartDataEntry.h"

#include <optional>

namespace Charts {

// The entry of a pie chart: one slice's value with an optional label. A slice is addressed by
// its index, not by x: x is not-a-number. There is no constructor from x and y.
class PieChartDataEntry : public ChartDataEntry {
public:
    PieChartDataEntry();
    explicit PieChartDataEntry(double value);
    PieChartDataEntry(double value, const QString& label);
    PieChartDataEntry(double value, const QString& label, const QVariant& data);
    PieChartDataEntry(double value, const QString& label, std::shared_ptr<ChartImage> icon);
    PieChartDataEntry(double value, const QString& label, std::shared_ptr<ChartImage> icon, const QVariant& data);
    PieChartDataEntry(double value, const QVariant& data);
    PieChartDataEntry(double value, std::shared_ptr<ChartImage> icon);
    PieChartDataEntry(double value, std::shared_ptr<ChartImage> icon, const QVariant& data);

    const std::optional<QString>& label() const { return m_label; }
    void setLabel(const std::optional<QString>& label);

    // The entry's y under the name of the slice's value.
    double value() const { return y(); }
    void setValue(double value);

    std::shared_ptr<ChartDataEntry> makeEmpty() const override;

protected:
    void copyTo(ChartDataEntry& target) const override;

private:
    std::optional<QString> m_label;
};

}
