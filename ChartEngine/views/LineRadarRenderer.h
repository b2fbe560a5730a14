#pragma once

#include "ChartEngine/views/LineScatterCandleRadarRenderer.h"

class QColor;
class QPainterPath;

namespace Charts {

class Fill;

// The base of the renderers that fill the area under a line or inside a web.
class LineRadarRenderer : public LineScatterCandleRadarRenderer {
public:
    LineRadarRenderer(std::shared_ptr<Animator> animator,
                      std::shared_ptr<ViewPortHandler> viewPortHandler);

    // Paints the area of the path at the opacity `fillAlpha` (a colour's own alpha multiplies
    // with it): with the fill inside the content rectangle, or with the colour by the non-zero
    // winding rule; either way the path cut to the chart's bounds (clippedPath). The painter's
    // state is the same afterwards.
    virtual void drawFilledPath(QPainter& painter, const QPainterPath& path, const Fill& fill,
                                double fillAlpha);
    virtual void drawFilledPath(QPainter& painter, const QPainterPath& path,
                                const QColor& fillColor, double fillAlpha);
};

}
