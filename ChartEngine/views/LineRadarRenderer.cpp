#include "ChartEngine/views/LineRadarRenderer.h"

#include "ChartEngine/foundation/ClippedDrawing.h"
#include "ChartEngine/foundation/Fill.h"
#include "ChartEngine/foundation/ViewPortHandler.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>

namespace Charts {

LineRadarRenderer::LineRadarRenderer(std::shared_ptr<Animator> animator,
                                     std::shared_ptr<ViewPortHandler> viewPortHandler)
    : LineScatterCandleRadarRenderer(std::move(animator), std::move(viewPortHandler))
{
}

void LineRadarRenderer::drawFilledPath(QPainter& painter, const QPainterPath& path, const Fill& fill,
                                       double fillAlpha)
{
    painter.save();
    painter.setOpacity(fillAlpha);
    fill.fillPath(painter, clippedPath(path, viewPortHandler()->chartBounds()), viewPortHandler()->contentRect());
    painter.restore();
}

void LineRadarRenderer::drawFilledPath(QPainter& painter, const QPainterPath& path,
                                       const QColor& fillColor, double fillAlpha)
{
    QPainterPath area = path;
    area.setFillRule(Qt::WindingFill);
    painter.save();
    painter.setOpacity(fillAlpha);
    painter.fillPath(clippedPath(area, viewPortHandler()->chartBounds()), fillColor);
    painter.restore();
}

}
