#pragma once

#include "ChartEngine/components/YAxisRenderer.h"
#include "ChartEngine/foundation/AffineTransform.h"

namespace Charts {

// A y axis of a horizontal bar chart, drawn horizontally: the left axis along the top of the
// content, the right axis along the bottom, with vertical grid, zero and limit lines.
class YAxisRendererHorizontalBarChart : public YAxisRenderer {
public:
    YAxisRendererHorizontalBarChart(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<YAxis> axis,
                                    std::shared_ptr<Transformer> transformer);

    // With a zoomed-in view (along x) taller than 10 points, the range visible between the
    // content's left and right edges.
    void computeAxis(double min, double max, bool inverted) override;
    // The labels above the content (left axis) or below it (right axis), whatever the label
    // position.
    void renderAxisLabels(QPainter& painter) override;
    using YAxisRenderer::drawYLabels;
    // The labels centred on their positions' x, their tops at `fixedPosition` - `offset`, moved
    // down by the axis's labelXOffset.
    virtual void drawYLabels(QPainter& painter, double fixedPosition, const QList<QPointF>& positions,
                             double offset);
    void renderAxisLine(QPainter& painter) override;
    // The content area grown by half the grid line width left and right.
    QRectF gridClippingRect() const override;
    void drawGridLine(QPainter& painter, QPointF position) override;
    // The pixel positions of the entries as points (entry, 0); only their x is used.
    QList<QPointF> transformedPositions() const override;
    // A vertical line one pixel left of value 0.
    void drawZeroLine(QPainter& painter) override;
    void renderLimitLines(QPainter& painter) override;

private:
    void renderLimitLine(QPainter& painter, const ChartLimitLine& limitLine, const AffineTransform& matrix);
};

}
