#pragma once

#include "ChartEngine/data/FillFormatter.h"

#include <functional>
#include <memory>

namespace Charts {

// The fill formatter every line data set starts with. A set lying wholly at or above zero fills
// down to 0 when the chart's data reaches below zero, else down to the chart's lowest y; a set
// lying wholly below zero fills up to 0 when the data reaches above zero, else up to the chart's
// highest y; a set crossing zero fills to 0. A user function, when given, replaces the rule.
class DefaultFillFormatter : public FillFormatter {
public:
    using Block = std::function<double(const LineChartDataSetProtocol& dataSet, const ChartDataProvider& dataProvider)>;

    DefaultFillFormatter() = default;
    explicit DefaultFillFormatter(Block block);
    static std::shared_ptr<DefaultFillFormatter> withBlock(Block block);

    const Block& block() const { return m_block; }
    void setBlock(Block block);

    double getFillLinePosition(const LineChartDataSetProtocol& dataSet,
                               const ChartDataProvider& dataProvider) const override;

private:
    Block m_block;
};

}
