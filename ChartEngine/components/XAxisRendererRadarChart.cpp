#include "ChartEngine/components/XAxisRendererRadarChart.h"

#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/data/ChartData.h"
#include "ChartEngine/data/ChartDataSetProtocol.h"
#include "ChartEngine/foundation/AxisValueFormatter.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/views/RadarChartDataProvider.h"

#include <cmath>
#include <numbers>

namespace Charts {

XAxisRendererRadarChart::XAxisRendererRadarChart(std::shared_ptr<ViewPortHandler> viewPortHandler,
                                                 std::shared_ptr<XAxis> axis, QObject* chart)
    : XAxisRenderer(std::move(viewPortHandler), std::move(axis), nullptr)
    , m_chart(chart)
{
}

RadarChartDataProvider* XAxisRendererRadarChart::radarChart() const
{
    return dynamic_cast<RadarChartDataProvider*>(chart());
}

void XAxisRendererRadarChart::renderAxisLabels(QPainter& painter)
{
    const RadarChartDataProvider* radar = radarChart();
    const std::shared_ptr<XAxis>& axis = xAxis();
    // A radial axis without a range has no outer ring.
    if (!radar || !axis->isEnabled() || !axis->isDrawLabelsEnabled()
        || !std::isfinite(radar->factor())) {
        return;
    }
    const std::shared_ptr<ChartData> data = radar->data();
    const std::shared_ptr<ChartDataSetProtocol> mostEntries =
        data ? data->maxEntryCountSet() : nullptr;
    if (!mostEntries) {
        return;
    }
    TextAttributes attributes;
    attributes.font = axis->labelFont();
    attributes.color = axis->labelTextColor();
    const double labelAngle = axis->labelRotationAngle() * std::numbers::pi / 180.0;
    const double sliceAngle = radar->sliceAngle();
    const double factor = radar->factor();
    const QPointF center = radar->centerOffsets();
    const double distance = radar->yRange() * factor + axis->labelRotatedWidth() / 2.0;
    const double lift = axis->labelRotatedHeight() / 2.0;
    const std::shared_ptr<AxisValueFormatter> formatter = axis->valueFormatter();
    const qint64 count = mostEntries->entryCount();
    for (qint64 i = 0; i < count; ++i) {
        const QString label = formatter->stringForValue(double(i), axis.get());
        const double angle = std::fmod(sliceAngle * double(i) + radar->rotationAngle(), 360.0);
        const QPointF point = polarPoint(center, distance, angle);
        drawLabel(painter, label, point.x(), point.y() - lift, attributes, QPointF(0.5, 0.25),
                  labelAngle);
    }
}

void XAxisRendererRadarChart::renderLimitLines(QPainter& /*painter*/)
{
}

void XAxisRendererRadarChart::drawLabel(QPainter& painter, const QString& formattedLabel,
                                        double x, double y, const TextAttributes& attributes,
                                        QPointF anchor, double angleRadians)
{
    drawText(painter, formattedLabel, QPointF(x, y), anchor, angleRadians, attributes);
}

}
