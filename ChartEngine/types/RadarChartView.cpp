#include "ChartEngine/types/RadarChartView.h"

#include "ChartEngine/components/Legend.h"
#include "ChartEngine/components/LegendRenderer.h"
#include "ChartEngine/components/RadarHighlighter.h"
#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/XAxisRendererRadarChart.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/components/YAxisRendererRadarChart.h"
#include "ChartEngine/data/ChartData.h"
#include "ChartEngine/data/ChartDataSetProtocol.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/types/RadarChartRenderer.h"
#include "ChartEngine/views/DataRenderer.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace Charts {

namespace {

// The entry count of the data's largest data set; 0 without one.
qint64 mostEntries(const ChartData* data)
{
    const auto longest = data ? data->maxEntryCountSet() : nullptr;
    return longest ? longest->entryCount() : 0;
}

}

RadarChartView::RadarChartView(QWidget* parent)
    : PieRadarChartViewBase(parent)
{
    setUp();
}

RadarChartView::RadarChartView(const QRect& frame, QWidget* parent)
    : PieRadarChartViewBase(frame, parent)
{
    setUp();
}

RadarChartView::~RadarChartView() = default;

// This class's step of the set-up: the radial axis, the radar renderer on this view's animator
// and handler, both axis renderers (without a transformer) and the radar highlighter.
void RadarChartView::setUp()
{
    m_yAxis = std::make_shared<YAxis>(AxisDependency::left);
    m_yAxis->setLabelXOffset(10);
    setRenderer(std::make_shared<RadarChartRenderer>(this, chartAnimator(), viewPortHandler()));
    m_yAxisRenderer = std::make_shared<YAxisRendererRadarChart>(viewPortHandler(), m_yAxis, this);
    m_xAxisRenderer = std::make_shared<XAxisRendererRadarChart>(viewPortHandler(), xAxis(), this);
    setHighlighter(std::make_shared<RadarHighlighter>(this));
}

void RadarChartView::setSkipWebLineCount(qint64 count)
{
    // The web steps through its spokes by the count plus one, which must stay a qint64.
    m_skipWebLineCount = std::clamp<qint64>(count, 0, std::numeric_limits<qint64>::max() - 1);
}

// --- Geometry ------------------------------------------------------------------------------------

double RadarChartView::radius() const
{
    const QRectF content = viewPortHandler()->contentRect();
    return std::min(content.width() * 0.5, content.height() * 0.5);
}

double RadarChartView::factor() const
{
    return radius() / m_yAxis->axisRange();
}

double RadarChartView::sliceAngle() const
{
    return 360.0 / double(mostEntries(data().get()));
}

double RadarChartView::yRange() const
{
    return m_yAxis->axisRange();
}

qint64 RadarChartView::indexForAngle(double angle) const
{
    const double difference = angle - rotationAngle();
    const double a = std::fmod(difference, 360.0) + (std::signbit(difference) ? 360.0 : 0.0);
    const qint64 count = mostEntries(data().get());
    const double slice = sliceAngle();
    for (qint64 i = 0; i < count; ++i) {
        if (a < double(i + 1) * slice - slice / 2.0) {
            return i;
        }
    }
    return 0;
}

double RadarChartView::requiredLegendOffset() const
{
    // Fonts are sized in pixels; a font sized in points counts its points.
    const QFont font = legend()->font();
    return (font.pixelSize() > 0 ? double(font.pixelSize()) : font.pointSizeF()) * 4.0;
}

bool RadarChartView::drawsXLabels() const
{
    const auto axis = xAxis();
    return axis->isEnabled() && axis->isDrawLabelsEnabled();
}

double RadarChartView::requiredBaseOffset() const
{
    return drawsXLabels() ? xAxis()->labelRotatedWidth() : 10.0;
}

double RadarChartView::offsetFloor() const
{
    const double floor = PieRadarChartViewBase::offsetFloor();
    return drawsXLabels() ? std::max(floor, xAxis()->labelRotatedWidth()) : floor;
}

// --- Chart view ----------------------------------------------------------------------------------

double RadarChartView::chartYMax() const
{
    return m_yAxis->axisMaximum();
}

double RadarChartView::chartYMin() const
{
    return m_yAxis->axisMinimum();
}

void RadarChartView::calcMinMax()
{
    const auto chartData = data();
    if (!chartData) {
        return;
    }
    m_yAxis->calculate(chartData->getYMin(AxisDependency::left),
                       chartData->getYMax(AxisDependency::left));
    xAxis()->calculate(0.0, double(mostEntries(chartData.get())));
}

void RadarChartView::notifyDataSetChanged()
{
    calcMinMax();
    m_yAxisRenderer->computeAxis(m_yAxis->axisMinimum(), m_yAxis->axisMaximum(),
                                 m_yAxis->isInverted());
    const auto axis = xAxis();
    m_xAxisRenderer->computeAxis(axis->axisMinimum(), axis->axisMaximum(), false);
    if (const auto chartData = data(); chartData && !legend()->isLegendCustom()) {
        legendRenderer()->computeLegend(*chartData);
    }
    calculateOffsets();
    setNeedsDisplay();
    accessibilityDataDidChange();
}

NSUIView::Elements RadarChartView::accessibilityRowOrder(Elements rows) const
{
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return std::pair(a->dataSetIndex(), a->entryIndex()) < std::pair(b->dataSetIndex(), b->entryIndex());
    });
    return rows;
}

void RadarChartView::drawRect(QPainter& painter)
{
    PieRadarChartViewBase::drawRect(painter);
    const auto chartRenderer = renderer();
    if (!data() || !chartRenderer) {
        return;
    }
    if (!hasRadius()) {
        legendRenderer()->renderLegend(painter);
        drawDescription(painter);
        return;
    }
    const auto axis = xAxis();
    if (axis->isEnabled()) {
        m_xAxisRenderer->computeAxis(axis->axisMinimum(), axis->axisMaximum(), false);
    }
    m_xAxisRenderer->renderAxisLabels(painter);
    if (m_drawWeb) {
        chartRenderer->drawExtras(painter);
    }
    const bool limitLinesBehind = m_yAxis->isDrawLimitLinesBehindDataEnabled();
    if (m_yAxis->isEnabled() && limitLinesBehind) {
        m_yAxisRenderer->renderLimitLines(painter);
    }
    chartRenderer->drawData(painter);
    if (valuesToHighlight()) {
        chartRenderer->drawHighlighted(painter, highlighted());
    }
    if (m_yAxis->isEnabled() && !limitLinesBehind) {
        m_yAxisRenderer->renderLimitLines(painter);
    }
    m_yAxisRenderer->renderAxisLabels(painter);
    chartRenderer->drawValues(painter);
    legendRenderer()->renderLegend(painter);
    drawDescription(painter);
    drawMarkers(painter);
}

}
