#include "ChartEngine/types/XYChartDrawing.h"

#include "ChartEngine/data/LineScatterCandleRadarChartDataSetProtocol.h"
#include "ChartEngine/data/ChartDataEntry.h"
#include "ChartEngine/foundation/AffineTransform.h"
#include "ChartEngine/foundation/ChartImage.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/LineDash.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/types/StrokePen.h"
#include "ChartEngine/views/XBounds.h"

#include <QPainter>

#include <numbers>

namespace Charts::XYChartDrawing {

QPen highlightPen(const BarLineScatterCandleBubbleChartDataSetProtocol& dataSet)
{
    QPen pen = strokePen(dataSet.highlightColor(), dataSet.highlightLineWidth());
    applyLineDash(pen, dataSet.highlightLineDashPhase(), dataSet.highlightLineDashLengths());
    return pen;
}

void forEachValuePoint(const ViewPortHandler& handler, const AffineTransform& matrix, const XBounds& bounds,
                       const EntryAt& entryAt, const ValuePoint& valuePoint, const ValueVisit& visit)
{
    for (const qint64 j : bounds) {
        const auto entry = entryAt(j);
        if (!entry) {
            return;
        }
        const QPointF point = matrix.map(valuePoint(*entry));
        if (!handler.isInBoundsRight(point.x())) {
            return;
        }
        if (handler.isInBoundsLeft(point.x()) && handler.isInBoundsY(point.y())) {
            visit(j, *entry, point);
        }
    }
}

void drawValueLabel(QPainter& painter, const ChartDataSetProtocol& dataSet, const QString& text, QPointF point,
                    double top, const QColor& color)
{
    TextAttributes attributes;
    attributes.font = dataSet.valueFont();
    attributes.color = color;
    const double angle = dataSet.valueLabelAngle() * std::numbers::pi / 180.0;
    drawAlignedText(painter, text, QPointF(point.x(), top), TextAlignment::Center, QPointF(0.5, 0.5), angle,
                    attributes);
}

void drawValueIcon(QPainter& painter, const ChartDataSetProtocol& dataSet, const ChartDataEntry& entry,
                   QPointF point)
{
    if (entry.icon() && dataSet.isDrawIconsEnabled()) {
        drawImage(painter, *entry.icon(), point + dataSet.iconsOffset(), entry.icon()->size());
    }
}

void drawHighlightLines(QPainter& painter, LineScatterCandleRadarRenderer& renderer, Highlight& highlight,
                        const LineScatterCandleRadarChartDataSetProtocol& dataSet, QPointF point)
{
    painter.setPen(highlightPen(dataSet));
    highlight.setDraw(point);
    renderer.drawHighlightLines(painter, point, dataSet);
}

}
