#pragma once

namespace Charts {

class ChartDataProvider;
class LineChartDataSetProtocol;

// Decides the y value (in data units) at which a line's filled area ends. The chart is passed as
// the data provider the line renderer reads it through.
class FillFormatter {
public:
    virtual ~FillFormatter() = default;

    virtual double getFillLinePosition(const LineChartDataSetProtocol& dataSet,
                                       const ChartDataProvider& dataProvider) const = 0;
};

}
