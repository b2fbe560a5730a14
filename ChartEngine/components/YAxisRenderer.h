#pragma once

#include "ChartEngine/components/AxisRenderer.h"
#include "ChartEngine/foundation/TextAttributes.h"

#include <QList>
#include <QPointF>
#include <QRectF>

namespace Charts {

class ChartLimitLine;
class YAxis;

// Computes a y axis's label values and draws its labels, axis line, horizontal grid lines, zone
// bands, zero line and horizontal limit lines. Every step is a virtual member called through the
// object, so the horizontal-bar and radar variants replace single steps; only the zone bands
// are always this class's own.
class YAxisRenderer : public AxisRenderer {
public:
    YAxisRenderer(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<YAxis> axis,
                  std::shared_ptr<Transformer> transformer);

    std::shared_ptr<AxisBase> axis() const override;

    void renderAxisLabels(QPainter& painter) override;
    void renderAxisLine(QPainter& painter) override;
    // The labels of the entries that have a position, from the bottom label to the top one as
    // the axis allows, at x `fixedPosition` and `offset` below each position.
    virtual void drawYLabels(QPainter& painter, double fixedPosition,
                             const QList<QPointF>& positions, double offset,
                             TextAlignment textAlign);
    // The grid lines, then the zone bands over them, then the zero line.
    void renderGridLines(QPainter& painter) override;
    // The content area grown by half the grid line width above and below.
    virtual QRectF gridClippingRect() const;
    virtual void drawGridLine(QPainter& painter, QPointF position);
    // The pixel positions of the entries; empty without a transformer.
    virtual QList<QPointF> transformedPositions() const;
    virtual void drawZeroLine(QPainter& painter);
    void renderLimitLines(QPainter& painter) override;

    // With a transformer and a zoomed-in view wider than 10 points, the range is the one
    // visible between the content's bottom and top edges (top and bottom when inverted).
    void computeAxis(double min, double max, bool inverted) override;
    void computeAxisValues(double min, double max) override;

    // The zone bands, in list order, clipped to the content area; a band whose start or end is
    // not finite is skipped.
    virtual void drawGridLinesBackground(QPainter& painter);

protected:
    // The axis as the y axis it is.
    const std::shared_ptr<YAxis>& yAxis() const { return m_axis; }

private:
    // A limit line's label beside its line at pixel y.
    void drawLimitLineLabelAt(QPainter& painter, const ChartLimitLine& limitLine, double y);

    std::shared_ptr<YAxis> m_axis;
};

}
