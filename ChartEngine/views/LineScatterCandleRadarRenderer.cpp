#include "ChartEngine/views/LineScatterCandleRadarRenderer.h"

#include "ChartEngine/data/LineScatterCandleRadarChartDataSetProtocol.h"
#include "ChartEngine/foundation/ClippedDrawing.h"
#include "ChartEngine/foundation/ViewPortHandler.h"

#include <QLineF>
#include <QPainter>

namespace Charts {

LineScatterCandleRadarRenderer::LineScatterCandleRadarRenderer(std::shared_ptr<Animator> animator,
                                                               std::shared_ptr<ViewPortHandler> viewPortHandler)
    : BarLineScatterCandleBubbleRenderer(std::move(animator), std::move(viewPortHandler))
{
}

void LineScatterCandleRadarRenderer::drawHighlightLines(QPainter& painter, const QPointF& point,
                                                        const LineScatterCandleRadarChartDataSetProtocol& dataSet)
{
    const ViewPortHandler& handler = *viewPortHandler();
    if (dataSet.isVerticalHighlightIndicatorEnabled()) {
        drawClippedLine(painter, QLineF(point.x(), handler.contentTop(), point.x(), handler.contentBottom()),
                        handler.chartBounds());
    }
    if (dataSet.isHorizontalHighlightIndicatorEnabled()) {
        drawClippedLine(painter, QLineF(handler.contentLeft(), point.y(), handler.contentRight(), point.y()),
                        handler.chartBounds());
    }
}

}
