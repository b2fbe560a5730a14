#include "ChartEngine/types/HorizontalBarChartView.h"

#include "ChartEngine/components/HorizontalBarHighlighter.h"
#include "ChartEngine/components/Legend.h"
#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/XAxisRendererHorizontalBarChart.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/components/YAxisRendererHorizontalBarChart.h"
#include "ChartEngine/data/ChartDataEntry.h"
#include "ChartEngine/foundation/ChartConsole.h"
#include "ChartEngine/foundation/ChartFatal.h"
#include "ChartEngine/foundation/TransformerHorizontalBarChart.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/types/HorizontalBarChartRenderer.h"

#include <algorithm>

namespace Charts {

HorizontalBarChartView::HorizontalBarChartView(QWidget* parent)
    : BarChartView(parent)
{
    setUpHorizontal();
}

HorizontalBarChartView::HorizontalBarChartView(const QRect& frame, QWidget* parent)
    : BarChartView(frame, parent)
{
    setUpHorizontal();
}

HorizontalBarChartView::~HorizontalBarChartView() = default;

void HorizontalBarChartView::setUpHorizontal()
{
    auto left = std::make_shared<TransformerHorizontalBarChart>(viewPortHandler());
    auto right = std::make_shared<TransformerHorizontalBarChart>(viewPortHandler());
    setAxisTransformers(left, right);
    setRenderer(std::make_shared<HorizontalBarChartRenderer>(this, chartAnimator(), viewPortHandler()));
    setLeftYAxisRenderer(std::make_shared<YAxisRendererHorizontalBarChart>(viewPortHandler(), leftAxis(), left));
    setRightYAxisRenderer(std::make_shared<YAxisRendererHorizontalBarChart>(viewPortHandler(), rightAxis(), right));
    setXAxisRenderer(std::make_shared<XAxisRendererHorizontalBarChart>(viewPortHandler(), xAxis(), left, this));
    setHighlighter(std::make_shared<HorizontalBarHighlighter>(this));
}

// --- Layout --------------------------------------------------------------------------------------

void HorizontalBarChartView::calculateLegendOffsets(double& offsetLeft, double& offsetTop, double& offsetRight,
                                                    double& offsetBottom)
{
    const auto chartLegend = legend();
    if (!chartLegend->isEnabled() || chartLegend->isDrawInsideEnabled()) {
        return;
    }
    const auto handler = viewPortHandler();
    const double percent = chartLegend->maxSizePercent();
    const double width = std::min(chartLegend->neededWidth(), handler->chartWidth() * percent);
    const double height = std::min(chartLegend->neededHeight(), handler->chartHeight() * percent);
    const Legend::VerticalAlignment vertical = chartLegend->verticalAlignment();
    switch (chartLegend->orientation()) {
    case Legend::Orientation::vertical:
        switch (chartLegend->horizontalAlignment()) {
        case Legend::HorizontalAlignment::left:
            offsetLeft += width + chartLegend->xOffset();
            return;
        case Legend::HorizontalAlignment::right:
            offsetRight += width + chartLegend->xOffset();
            return;
        case Legend::HorizontalAlignment::center:
            if (vertical == Legend::VerticalAlignment::bottom) {
                offsetBottom += height + chartLegend->yOffset();
            } else if (vertical == Legend::VerticalAlignment::top) {
                offsetTop += height + chartLegend->yOffset();
            }
            return;
        }
        chartFatal(QStringLiteral("Unexpected Legend.HorizontalAlignment value %1")
                       .arg(static_cast<int>(chartLegend->horizontalAlignment())));
    case Legend::Orientation::horizontal: {
        // The y axis on the legend's side needs its labels' height besides.
        const auto axisRoom = [](YAxis& axis) {
            return axis.isEnabled() && axis.isDrawLabelsEnabled() ? axis.getRequiredHeightSpace() : 0.0;
        };
        if (vertical == Legend::VerticalAlignment::bottom) {
            offsetBottom += height + chartLegend->yOffset() + axisRoom(*rightAxis());
        } else if (vertical == Legend::VerticalAlignment::top) {
            offsetTop += height + chartLegend->yOffset() + axisRoom(*leftAxis());
        }
        return;
    }
    }
    chartFatal(QStringLiteral("Unexpected Legend.Orientation value %1").arg(static_cast<int>(chartLegend->orientation())));
}

void HorizontalBarChartView::calculateOffsets()
{
    if (isCustomViewPortEnabled()) {
        prepareTransformers();
        return;
    }
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    calculateLegendOffsets(left, top, right, bottom);
    if (leftAxis()->needsOffset()) {
        top += leftAxis()->getRequiredHeightSpace();
    }
    if (rightAxis()->needsOffset()) {
        bottom += rightAxis()->getRequiredHeightSpace();
    }
    addXAxisOffsets(left, right);
    top += extraTopOffset();
    right += extraRightOffset();
    bottom += extraBottomOffset();
    left += extraLeftOffset();
    restrainViewPortWithMinOffset(left, top, right, bottom);
    prepareTransformers();
}

void HorizontalBarChartView::addXAxisOffsets(double& offsetLeft, double& offsetRight)
{
    const auto axis = xAxis();
    if (!axis->isEnabled()) {
        return;
    }
    const double width = axis->labelRotatedWidth();
    switch (axis->labelPosition()) {
    case XAxis::LabelPosition::bottom:
        offsetLeft += width;
        return;
    case XAxis::LabelPosition::top:
        offsetRight += width;
        return;
    case XAxis::LabelPosition::topAndBottom:
        offsetLeft += width;
        offsetRight += width;
        return;
    case XAxis::LabelPosition::insideTop:
    case XAxis::LabelPosition::insideBottom:
        return;
    }
    chartFatal(QStringLiteral("Unexpected XAxis.LabelPosition value %1").arg(static_cast<int>(axis->labelPosition())));
}

void HorizontalBarChartView::prepareTransformers()
{
    getTransformer(AxisDependency::right)->prepareMatrixOffset(rightAxis()->isInverted());
    getTransformer(AxisDependency::left)->prepareMatrixOffset(leftAxis()->isInverted());
    prepareValueToPixelMatrices();
}

void HorizontalBarChartView::prepareValueToPixelMatrices()
{
    const auto axis = xAxis();
    getTransformer(AxisDependency::right)->prepareMatrixValuePx(rightAxis()->axisMinimum(), rightAxis()->axisRange(),
                                                                axis->axisRange(), axis->axisMinimum());
    getTransformer(AxisDependency::left)->prepareMatrixValuePx(leftAxis()->axisMinimum(), leftAxis()->axisRange(),
                                                               axis->axisRange(), axis->axisMinimum());
}

// --- Highlights and positions --------------------------------------------------------------------

std::shared_ptr<Highlight> HorizontalBarChartView::getHighlightByTouchPoint(QPointF point) const
{
    if (!data()) {
        ChartConsole::printLine(QStringLiteral("Can't select by touch. No data set."));
        return nullptr;
    }
    const auto chartHighlighter = highlighter();
    return chartHighlighter ? chartHighlighter->getHighlight(point.y(), point.x()) : nullptr;
}

QPointF HorizontalBarChartView::getMarkerPosition(const Highlight& highlight) const
{
    return QPointF(highlight.drawY(), highlight.drawX());
}

QPointF HorizontalBarChartView::getPosition(const ChartDataEntry& entry, AxisDependency axis) const
{
    return getTransformer(axis)->pixelForValues(entry.y(), entry.x());
}

double HorizontalBarChartView::lowestVisibleX() const
{
    const auto handler = viewPortHandler();
    const QPointF value =
        getTransformer(AxisDependency::left)->valueForTouchPoint(handler->contentLeft(), handler->contentBottom());
    return std::max(xAxis()->axisMinimum(), value.y());
}

double HorizontalBarChartView::highestVisibleX() const
{
    const auto handler = viewPortHandler();
    const QPointF value =
        getTransformer(AxisDependency::left)->valueForTouchPoint(handler->contentLeft(), handler->contentTop());
    return std::min(xAxis()->axisMaximum(), value.y());
}

QRectF HorizontalBarChartView::barValueRect(double x, double y, double barWidth) const
{
    const double top = x - barWidth / 2.0;
    const double bottom = x + barWidth / 2.0;
    const double left = y >= 0.0 ? y : 0.0;
    const double right = y <= 0.0 ? y : 0.0;
    return QRectF(left, top, right - left, bottom - top);
}

QPointF HorizontalBarChartView::invertedAxisDragTranslation(QPointF translation) const
{
    return QPointF(-translation.x(), translation.y());
}

QPointF HorizontalBarChartView::pixelForXValue(double x) const
{
    return getTransformer(AxisDependency::left)->pixelForValues(0.0, x);
}

// --- Visible ranges ------------------------------------------------------------------------------

void HorizontalBarChartView::setVisibleXRangeMaximum(double maxXRange)
{
    if (const auto scale = scaleForRange(xAxis()->axisRange(), maxXRange)) {
        viewPortHandler()->setMinimumScaleY(*scale);
    }
}

void HorizontalBarChartView::setVisibleXRangeMinimum(double minXRange)
{
    if (const auto scale = scaleForRange(xAxis()->axisRange(), minXRange)) {
        viewPortHandler()->setMaximumScaleY(*scale);
    }
}

void HorizontalBarChartView::setVisibleXRange(double minXRange, double maxXRange)
{
    const double range = xAxis()->axisRange();
    const auto minScale = scaleForRange(range, maxXRange);
    const auto maxScale = scaleForRange(range, minXRange);
    if (minScale && maxScale) {
        viewPortHandler()->setMinMaxScaleY(*minScale, *maxScale);
    }
}

void HorizontalBarChartView::setVisibleYRangeMaximum(double maxYRange, AxisDependency axis)
{
    if (const auto scale = scaleForRange(getAxisRange(axis), maxYRange)) {
        viewPortHandler()->setMinimumScaleX(*scale);
    }
}

void HorizontalBarChartView::setVisibleYRangeMinimum(double minYRange, AxisDependency axis)
{
    if (const auto scale = scaleForRange(getAxisRange(axis), minYRange)) {
        viewPortHandler()->setMaximumScaleX(*scale);
    }
}

void HorizontalBarChartView::setVisibleYRange(double minYRange, double maxYRange, AxisDependency axis)
{
    const double range = getAxisRange(axis);
    const auto minScale = scaleForRange(range, maxYRange);
    const auto maxScale = scaleForRange(range, minYRange);
    if (minScale && maxScale) {
        viewPortHandler()->setMinMaxScaleX(*minScale, *maxScale);
    }
}

}
