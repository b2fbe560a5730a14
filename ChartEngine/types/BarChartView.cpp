#include "ChartEngine/types/BarChartView.h"

#include "ChartEngine/components/BarHighlighter.h"
#include "ChartEngine/components/Highlighter.h"
#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/data/BarChartData.h"
#include "ChartEngine/data/BarChartDataEntry.h"
#include "ChartEngine/data/BarChartDataSetProtocol.h"
#include "ChartEngine/foundation/ChartConsole.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/types/BarChartRenderer.h"

namespace Charts {

BarChartView::BarChartView(QWidget* parent)
    : BarLineChartViewBase(parent)
{
    setUpBars();
}

BarChartView::BarChartView(const QRect& frame, QWidget* parent)
    : BarLineChartViewBase(frame, parent)
{
    setUpBars();
}

BarChartView::~BarChartView() = default;

void BarChartView::setUpBars()
{
    setRenderer(std::make_shared<BarChartRenderer>(this, chartAnimator(), viewPortHandler()));
    setHighlighter(std::make_shared<BarHighlighter>(this));
    xAxis()->setSpaceMin(0.5);
    xAxis()->setSpaceMax(0.5);
}

void BarChartView::setDrawValueAboveBarEnabled(bool enabled)
{
    m_drawValueAboveBarEnabled = enabled;
    setNeedsDisplayInRect(bounds());
}

void BarChartView::setDrawBarShadowEnabled(bool enabled)
{
    m_drawBarShadowEnabled = enabled;
    setNeedsDisplayInRect(bounds());
}

std::shared_ptr<BarChartData> BarChartView::barData() const
{
    return std::dynamic_pointer_cast<BarChartData>(data());
}

void BarChartView::calcMinMax()
{
    const auto bars = barData();
    if (!bars) {
        return;
    }
    if (m_fitBars) {
        const double half = bars->barWidth() / 2.0;
        xAxis()->calculate(bars->xMin() - half, bars->xMax() + half);
    } else {
        xAxis()->calculate(bars->xMin(), bars->xMax());
    }
    leftAxis()->calculate(bars->getYMin(AxisDependency::left), bars->getYMax(AxisDependency::left));
    rightAxis()->calculate(bars->getYMin(AxisDependency::right), bars->getYMax(AxisDependency::right));
}

std::shared_ptr<Highlight> BarChartView::getHighlightByTouchPoint(QPointF point) const
{
    if (!data()) {
        ChartConsole::printLine(QStringLiteral("Can't select by touch. No data set."));
        return nullptr;
    }
    const auto chartHighlighter = highlighter();
    const auto high = chartHighlighter ? chartHighlighter->getHighlight(point.x(), point.y()) : nullptr;
    if (!high || !m_highlightFullBarEnabled) {
        return high;
    }
    return std::make_shared<Highlight>(high->x(), high->y(), high->xPx(), high->yPx(), high->dataIndex(),
                                       high->dataSetIndex(), -1, high->axis());
}

std::optional<QRectF> BarChartView::getBarBounds(const std::shared_ptr<BarChartDataEntry>& entry) const
{
    const auto bars = barData();
    const auto dataSet = bars && entry
        ? std::dynamic_pointer_cast<BarChartDataSetProtocol>(bars->getDataSetForEntry(entry))
        : nullptr;
    if (!dataSet) {
        return std::nullopt;
    }
    QRectF rect = barValueRect(entry->x(), entry->y(), bars->barWidth());
    getTransformer(dataSet->axisDependency())->rectToPixels(rect);
    return rect;
}

QRectF BarChartView::barValueRect(double x, double y, double barWidth) const
{
    const double left = x - barWidth / 2.0;
    const double right = x + barWidth / 2.0;
    const double top = y >= 0.0 ? y : 0.0;
    const double bottom = y <= 0.0 ? y : 0.0;
    return QRectF(left, top, right - left, bottom - top);
}

void BarChartView::groupBars(double fromX, double groupSpace, double barSpace)
{
    const auto bars = barData();
    if (!bars) {
        ChartConsole::printLine(QStringLiteral("You need to set data for the chart before grouping bars."));
        return;
    }
    bars->groupBars(fromX, groupSpace, barSpace);
    notifyDataSetChanged();
}

void BarChartView::highlightValueAtStack(double x, qint64 dataSetIndex, qint64 stackIndex)
{
    highlightValue(std::make_shared<Highlight>(x, dataSetIndex, stackIndex), false);
}

}
