#pragma once

#include "ChartEngine/components/AxisDependency.h"
#include "ChartEngine/views/BarLineScatterCandleBubbleChartDataProvider.h"

#include <memory>

namespace Charts {

class LineChartData;
class YAxis;

// What the line renderer reads of a chart beyond the x-y base: its line data (none for other
// data) and the y axis of each side.
class LineChartDataProvider : public virtual BarLineScatterCandleBubbleChartDataProvider {
public:
    virtual std::shared_ptr<LineChartData> lineData() const = 0;
    virtual std::shared_ptr<YAxis> getAxis(AxisDependency axis) const = 0;
};

}
