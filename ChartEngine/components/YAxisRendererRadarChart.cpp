#include "ChartEngine/components/YAxisRendererRadarChart.h"

#include "ChartEngine/components/ChartLimitLine.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/data/ChartData.h"
#include "ChartEngine/data/ChartDataSetProtocol.h"
#include "ChartEngine/foundation/ClippedDrawing.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/views/RadarChartDataProvider.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace Charts {

YAxisRendererRadarChart::YAxisRendererRadarChart(std::shared_ptr<ViewPortHandler> viewPortHandler,
                                                 std::shared_ptr<YAxis> axis, QObject* chart)
    : YAxisRenderer(std::move(viewPortHandler), std::move(axis), nullptr)
    , m_chart(chart)
{
}

RadarChartDataProvider* YAxisRendererRadarChart::radarChart() const
{
    return dynamic_cast<RadarChartDataProvider*>(chart());
}

void YAxisRendererRadarChart::computeAxisValues(double min, double max)
{
    computeRadarLabelValues(*yAxis(), min, max);
}

void YAxisRendererRadarChart::renderAxisLabels(QPainter& painter)
{
    const RadarChartDataProvider* radar = radarChart();
    const std::shared_ptr<YAxis>& axis = yAxis();
    // A radial axis without a range has no scale.
    if (!radar || !axis->isEnabled() || !axis->isDrawLabelsEnabled()
        || !std::isfinite(radar->factor())) {
        return;
    }
    TextAttributes attributes;
    attributes.font = axis->labelFont();
    attributes.color = axis->labelTextColor();
    const QPointF center = radar->centerOffsets();
    const double factor = radar->factor();
    const double lineHeight = fontLineHeight(attributes.font);
    const TextAlignment alignment = axis->labelAlignment();
    const double xOffset = axis->labelXOffset();
    const QList<double> entries = axis->entries();
    const qint64 from = axis->isDrawBottomYLabelEntryEnabled() ? 0 : 1;
    const qint64 to = axis->isDrawTopYLabelEntryEnabled() ? entries.size() : entries.size() - 1;
    for (qint64 i = from; i < to; ++i) {
        const double distance = (entries.at(i) - axis->axisMinimum()) * factor;
        const QPointF point = polarPoint(center, distance, radar->rotationAngle());
        drawAlignedText(painter, axis->getFormattedLabel(i),
                        QPointF(point.x() + xOffset, point.y() - lineHeight), alignment,
                        QPointF(0.0, 0.0), 0.0, attributes);
    }
}

void YAxisRendererRadarChart::renderLimitLines(QPainter& painter)
{
    const RadarChartDataProvider* radar = radarChart();
    const std::shared_ptr<ChartData> data = radar ? radar->data() : nullptr;
    const QList<std::shared_ptr<ChartLimitLine>> limitLines = yAxis()->limitLines();
    if (!data || limitLines.isEmpty()) {
        return;
    }
    const double sliceAngle = radar->sliceAngle();
    const double factor = radar->factor();
    const QPointF center = radar->centerOffsets();
    const std::shared_ptr<ChartDataSetProtocol> mostEntries = data->maxEntryCountSet();
    const qint64 count = mostEntries ? mostEntries->entryCount() : 0;
    painter.save();
    painter.setBrush(Qt::NoBrush);
    for (const std::shared_ptr<ChartLimitLine>& limitLine : limitLines) {
        if (!limitLine->isEnabled()) {
            continue;
        }
        QPen pen = linePen(limitLine->lineColor(), limitLine->lineWidth(),
                           limitLine->lineDashPhase(), limitLine->lineDashLengths());
        pen.setJoinStyle(Qt::MiterJoin);
        pen.setMiterLimit(10.0);
        painter.setPen(pen);
        const double distance = (limitLine->limit() - radar->chartYMin()) * factor;
        if (!std::isfinite(distance)) {
            continue;
        }
        QPainterPath polygon;
        for (qint64 j = 0; j < count; ++j) {
            const QPointF point =
                polarPoint(center, distance, sliceAngle * double(j) + radar->rotationAngle());
            if (j == 0) {
                polygon.moveTo(point);
            } else {
                polygon.lineTo(point);
            }
        }
        polygon.closeSubpath();
        drawClippedPath(painter, polygon, viewPortHandler()->chartBounds());
    }
    painter.restore();
}

}
