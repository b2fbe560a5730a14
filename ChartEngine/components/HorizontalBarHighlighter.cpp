#include "ChartEngine/components/HorizontalBarHighlighter.h"

#include "ChartEngine/data/BarChartData.h"
#include "ChartEngine/data/ChartDataSetProtocol.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/views/BarLineScatterCandleBubbleChartDataProvider.h"

#include <cmath>

namespace Charts {

HorizontalBarHighlighter::HorizontalBarHighlighter(QObject* chart)
    : BarHighlighter(chart)
{
}

std::shared_ptr<Highlight> HorizontalBarHighlighter::getHighlight(double x, double y) const
{
    const ChartDataProvider* provider = dataProvider();
    const auto data = provider ? std::dynamic_pointer_cast<BarChartData>(provider->data()) : nullptr;
    if (!data) {
        return nullptr;
    }
    const QPointF pos = getValsForTouch(y, x);
    return narrowToStack(ChartHighlighter::getHighlight(pos.y(), y, x), *data, pos.y(), pos.x());
}

HighlightList HorizontalBarHighlighter::highlightsForDataSet(const ChartDataSetProtocol& dataSet,
                                                             qint64 dataSetIndex, double xValue,
                                                             ChartDataSetRounding rounding) const
{
    HighlightList highlights = ChartHighlighter::highlightsForDataSet(dataSet, dataSetIndex, xValue, rounding);
    const BarLineScatterCandleBubbleChartDataProvider* provider = barLineProvider();
    const auto transformer = provider ? provider->getTransformer(dataSet.axisDependency()) : nullptr;
    if (!transformer) {
        return {};
    }
    for (std::shared_ptr<Highlight>& high : highlights) {
        const QPointF pixel = transformer->pixelForValues(high->y(), high->x());
        high = std::make_shared<Highlight>(high->x(), high->y(), pixel.x(), pixel.y(), dataSetIndex, high->axis());
    }
    return highlights;
}

double HorizontalBarHighlighter::pixelDistance(double /*x1*/, double y1, double /*x2*/, double y2) const
{
    return std::abs(y1 - y2);
}

}
