#pragma once

#include "ChartEngine/views/BarLineScatterCandleBubbleRenderer.h"

#include <QPointF>

namespace Charts {

class LineScatterCandleRadarChartDataSetProtocol;

// The base of the renderers whose highlight is drawn as indicator lines across the content.
class LineScatterCandleRadarRenderer : public BarLineScatterCandleBubbleRenderer {
public:
    LineScatterCandleRadarRenderer(std::shared_ptr<Animator> animator,
                                   std::shared_ptr<ViewPortHandler> viewPortHandler);

    // The set's vertical indicator line through the point from the content's top to its
    // bottom, then its horizontal one from the left edge to the right, each when the set
    // enables it; with the painter's pen as the caller set it. A point outside the content
    // still gets its lines.
    virtual void drawHighlightLines(QPainter& painter, const QPointF& point,
                                    const LineScatterCandleRadarChartDataSetProtocol& dataSet);
};

}
