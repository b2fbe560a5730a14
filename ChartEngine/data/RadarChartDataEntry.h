#pragma once

#include "ChartEngine/data/ChartDataEntry.h"

namespace Charts {

// The entry of a radar chart: one value on a spoke, addressed by its index; x is not-a-number.
// There is no constructor from x and y.
class RadarChartDataEntry : public ChartDataEntry {
public:
    RadarChartDataEntry();
    explicit RadarChartDataEntry(double value);
    RadarChartDataEntry(double value, const QVariant& data);

    // The entry's y under the name of the spoke's value.
    double value() const { return y(); }
    void setValue(double value);

    std::shared_ptr<ChartDataEntry> makeEmpty() const override;
};

}
