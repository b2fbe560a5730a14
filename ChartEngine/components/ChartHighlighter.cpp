#include "ChartEngine/components/ChartHighlighter.h"

#include "ChartEngine/data/ChartData.h"
#include "ChartEngine/data/ChartDataSetProtocol.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/views/BarLineScatterCandleBubbleChartDataProvider.h"

#include <cfloat>
#include <cmath>

namespace Charts {

namespace {

// Any side other than left is the right one.
bool isOnSide(AxisDependency axis, AxisDependency side)
{
    return (axis == AxisDependency::left) == (side == AxisDependency::left);
}

}

ChartHighlighter::ChartHighlighter(QObject* chart)
    : m_chart(chart)
{
}

ChartDataProvider* ChartHighlighter::dataProvider() const
{
    return dynamic_cast<ChartDataProvider*>(chart());
}

BarLineScatterCandleBubbleChartDataProvider* ChartHighlighter::barLineProvider() const
{
    return dynamic_cast<BarLineScatterCandleBubbleChartDataProvider*>(chart());
}

std::shared_ptr<Highlight> ChartHighlighter::getHighlight(double x, double y) const
{
    const QPointF value = getValsForTouch(x, y);
    return getHighlight(value.x(), x, y);
}

QPointF ChartHighlighter::getValsForTouch(double x, double y) const
{
    const BarLineScatterCandleBubbleChartDataProvider* provider = barLineProvider();
    const std::shared_ptr<Transformer> transformer =
        provider ? provider->getTransformer(AxisDependency::left) : nullptr;
    // The left axis maps every touch, whatever axes the data sets use.
    return transformer ? transformer->valueForTouchPoint(x, y) : QPointF(0.0, 0.0);
}

std::shared_ptr<Highlight> ChartHighlighter::getHighlight(double xValue, double x, double y) const
{
    const ChartDataProvider* provider = dataProvider();
    if (!provider) {
        return nullptr;
    }
    const HighlightList candidates = getHighlights(xValue, x, y);
    if (candidates.isEmpty()) {
        return nullptr;
    }
    const double leftDistance = axisDistance(candidates, y, AxisDependency::left);
    const double rightDistance = axisDistance(candidates, y, AxisDependency::right);
    const AxisDependency axis =
        leftDistance < rightDistance ? AxisDependency::left : AxisDependency::right;

    std::shared_ptr<Highlight> closest;
    double closestDistance = provider->maxHighlightDistance();
    for (const std::shared_ptr<Highlight>& candidate : candidates) {
        if (!isOnSide(candidate->axis(), axis)) {
            continue;
        }
        const double distance = pixelDistance(x, y, candidate->xPx(), candidate->yPx());
        if (distance < closestDistance) {
            closest = candidate;
            closestDistance = distance;
        }
    }
    return closest;
}

// The smallest vertical pixel distance of the axis's candidates from the touch.
double ChartHighlighter::axisDistance(const HighlightList& highlights, double y, AxisDependency axis)
{
    double distance = DBL_MAX;
    for (const std::shared_ptr<Highlight>& highlight : highlights) {
        if (!isOnSide(highlight->axis(), axis)) {
            continue;
        }
        const double candidate = std::abs(highlight->yPx() - y);
        if (candidate < distance) {
            distance = candidate;
        }
    }
    return distance;
}

HighlightList ChartHighlighter::getHighlights(double xValue, double /*x*/, double /*y*/) const
{
    const std::shared_ptr<ChartData> data = highlightData();
    return data ? highlightsOfDataSets(*data, xValue) : HighlightList();
}

HighlightList ChartHighlighter::highlightsOfDataSets(const ChartData& data, double xValue) const
{
    HighlightList highlights;
    const ChartDataSetList& dataSets = data.dataSets();
    for (qsizetype i = 0; i < dataSets.size(); ++i) {
        const ChartDataSetProtocol& dataSet = *dataSets[i];
        if (dataSet.isHighlightEnabled()) {
            highlights.append(highlightsForDataSet(dataSet, i, xValue, ChartDataSetRounding::closest));
        }
    }
    return highlights;
}

HighlightList ChartHighlighter::highlightsForDataSet(const ChartDataSetProtocol& dataSet,
                                                     qint64 dataSetIndex, double xValue,
                                                     ChartDataSetRounding rounding) const
{
    HighlightList highlights;
    const BarLineScatterCandleBubbleChartDataProvider* provider = barLineProvider();
    if (!provider) {
        return highlights;
    }
    ChartDataEntryList entries = dataSet.entriesForXValue(xValue);
    if (entries.isEmpty()) {
        const double nan = std::nan("");
        if (const auto closest = dataSet.entryForXValue(xValue, nan, rounding)) {
            entries = dataSet.entriesForXValue(closest->x());
        }
    }
    const AxisDependency axis = dataSet.axisDependency();
    const std::shared_ptr<Transformer> transformer = provider->getTransformer(axis);
    if (!transformer) {
        return highlights;
    }
    highlights.reserve(entries.size());
    for (const std::shared_ptr<ChartDataEntry>& entry : entries) {
        const QPointF pixel = transformer->pixelForValues(entry->x(), entry->y());
        highlights.append(std::make_shared<Highlight>(entry->x(), entry->y(), pixel.x(), pixel.y(),
                                                      dataSetIndex, axis));
    }
    return highlights;
}

double ChartHighlighter::pixelDistance(double x1, double y1, double x2, double y2) const
{
    return std::hypot(x1 - x2, y1 - y2);
}

std::shared_ptr<ChartData> ChartHighlighter::highlightData() const
{
    const ChartDataProvider* provider = dataProvider();
    return provider ? provider->data() : nullptr;
}

}
