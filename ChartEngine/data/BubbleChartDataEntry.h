#pragma once

#include "ChartEngine/data/ChartDataEntry.h"

namespace Charts {

// The entry of a bubble chart: a point with the size of its bubble. There is no constructor
// without a size.
class BubbleChartDataEntry : public ChartDataEntry {
public:
    BubbleChartDataEntry() = default;
    BubbleChartDataEntry(double x, double y, double size);
    BubbleChartDataEntry(double x, double y, double size, const QVariant& data);
    BubbleChartDataEntry(double x, double y, double size, std::shared_ptr<ChartImage> icon);
    BubbleChartDataEntry(double x, double y, double size, std::shared_ptr<ChartImage> icon, const QVariant& data);

    double size() const { return m_size; }
    void setSize(double size);

    std::shared_ptr<ChartDataEntry> makeEmpty() const override;

protected:
    void copyTo(ChartDataEntry& target) const override;

private:
    double m_size = 0.0;
};

}
