#include "ChartEngine/components/BarHighlighter.h"

#include "ChartEngine/data/BarChartData.h"
#include "ChartEngine/data/BarChartDataEntry.h"
#include "ChartEngine/data/BarChartDataSetProtocol.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/views/BarChartDataProvider.h"

#include <cmath>

namespace Charts {

BarHighlighter::BarHighlighter(QObject* chart)
    : ChartHighlighter(chart)
{
}

BarChartDataProvider* BarHighlighter::barProvider() const
{
    return dynamic_cast<BarChartDataProvider*>(chart());
}

std::shared_ptr<Highlight> BarHighlighter::getHighlight(double x, double y) const
{
    const BarChartDataProvider* provider = barProvider();
    const auto data = provider ? provider->barData() : nullptr;
    if (!data) {
        return nullptr;
    }
    const QPointF pos = getValsForTouch(x, y);
    return narrowToStack(ChartHighlighter::getHighlight(pos.x(), x, y), *data, pos.x(), pos.y());
}

std::shared_ptr<Highlight> BarHighlighter::narrowToStack(const std::shared_ptr<Highlight>& high,
                                                         const ChartData& data, double xValue,
                                                         double yValue) const
{
    if (!high) {
        return nullptr;
    }
    const auto dataSet = std::dynamic_pointer_cast<BarChartDataSetProtocol>(data.dataSetAtIndex(high->dataSetIndex()));
    if (dataSet && dataSet->isStacked()) {
        return getStackedHighlight(high, *dataSet, xValue, yValue);
    }
    return high;
}

std::shared_ptr<Highlight> BarHighlighter::getStackedHighlight(const std::shared_ptr<Highlight>& high,
                                                               const BarChartDataSetProtocol& dataSet,
                                                               double xValue, double yValue) const
{
    const BarLineScatterCandleBubbleChartDataProvider* provider = barLineProvider();
    if (!provider) {
        return nullptr;
    }
    const auto entry = std::dynamic_pointer_cast<BarChartDataEntry>(
        dataSet.entryForXValue(xValue, yValue, ChartDataSetRounding::closest));
    if (!entry) {
        return nullptr;
    }
    if (!entry->yValues()) {
        return high;
    }
    const auto& ranges = entry->ranges();
    if (!ranges || ranges->isEmpty()) {
        return nullptr;
    }
    const qint64 stackIndex = getClosestStackIndex(ranges, yValue);
    const auto transformer = provider->getTransformer(dataSet.axisDependency());
    if (!transformer) {
        return nullptr;
    }
    const QPointF pixel = transformer->pixelForValues(high->x(), ranges->at(stackIndex).to());
    return std::make_shared<Highlight>(entry->x(), entry->y(), pixel.x(), pixel.y(), high->dataSetIndex(),
                                       stackIndex, high->axis());
}

qint64 BarHighlighter::getClosestStackIndex(const std::optional<QList<Range>>& ranges, double value) const
{
    if (!ranges || ranges->isEmpty()) {
        return 0;
    }
    for (qsizetype i = 0; i < ranges->size(); ++i) {
        if (ranges->at(i).contains(value)) {
            return i;
        }
    }
    const qint64 last = ranges->size() - 1;
    return value > ranges->at(last).to() ? last : 0;
}

double BarHighlighter::pixelDistance(double x1, double /*y1*/, double x2, double /*y2*/) const
{
    return std::abs(x1 - x2);
}

std::shared_ptr<ChartData> BarHighlighter::highlightData() const
{
    const BarChartDataProvider* provider = barProvider();
    return provider ? provider->barData() : nullptr;
}

}
