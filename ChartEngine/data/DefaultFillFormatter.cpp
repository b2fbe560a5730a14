#include "ChartEngine/data/DefaultFillFormatter.h"

#include "ChartEngine/data/ChartData.h"
#include "ChartEngine/data/LineChartDataSetProtocol.h"
#include "ChartEngine/views/ChartDataProvider.h"

namespace Charts {

DefaultFillFormatter::DefaultFillFormatter(Block block)
    : m_block(std::move(block))
{
}

std::shared_ptr<DefaultFillFormatter> DefaultFillFormatter::withBlock(Block block)
{
    return std::make_shared<DefaultFillFormatter>(std::move(block));
}

void DefaultFillFormatter::setBlock(Block block)
{
    m_block = std::move(block);
}

double DefaultFillFormatter::getFillLinePosition(const LineChartDataSetProtocol& dataSet,
                                                 const ChartDataProvider& dataProvider) const
{
    if (m_block) {
        return m_block(dataSet, dataProvider);
    }
    if (dataSet.yMax() > 0.0 && dataSet.yMin() < 0.0) {
        return 0.0;
    }
    const auto data = dataProvider.data();
    if (!data) {
        return 0.0;
    }
    const double max = data->yMax() > 0.0 ? 0.0 : dataProvider.chartYMax();
    const double min = data->yMin() < 0.0 ? 0.0 : dataProvider.chartYMin();
    return dataSet.yMin() >= 0.0 ? min : max;
}

}
