#pragma once

#include "ChartEngine/components/AxisRenderer.h"
#include "ChartEngine/foundation/TextAttributes.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace Charts {

class ChartLimitLine;
class XAxis;

// Computes the x axis's label values and label sizes, and draws its labels, axis line, vertical
// grid lines and vertical limit lines. Every step is a virtual member called through the
// object, so the horizontal-bar and radar variants replace single steps.
class XAxisRenderer : public AxisRenderer {
public:
    XAxisRenderer(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<XAxis> axis,
                  std::shared_ptr<Transformer> transformer);

    std::shared_ptr<AxisBase> axis() const override;

    // With a transformer and a zoomed-in view wider than 10 points, the range is the one
    // visible between the content's left and right edges.
    void computeAxis(double min, double max, bool inverted) override;
    // The label values, then the label sizes.
    void computeAxisValues(double min, double max) override;
    // The longest label's size in the label font, and its bounding box after rotation.
    virtual void computeSize();

    void renderAxisLabels(QPainter& painter) override;
    void renderAxisLine(QPainter& painter) override;
    // The labels at pixel y `pos`, each placed by `anchor` (fractions of its size).
    virtual void drawLabels(QPainter& painter, double pos, QPointF anchor);
    // One label, wrapped within `constrainedTo` (a width of 0: one line).
    virtual void drawLabel(QPainter& painter, const QString& formattedLabel, double x, double y,
                           const TextAttributes& attributes, QSizeF constrainedTo, QPointF anchor,
                           double angleRadians);

    void renderGridLines(QPainter& painter) override;
    // The content area widened by half the grid line width on the left and right.
    virtual QRectF gridClippingRect() const;
    virtual void drawGridLine(QPainter& painter, double x, double y);

    void renderLimitLines(QPainter& painter) override;
    virtual void renderLimitLineLine(QPainter& painter, const ChartLimitLine& limitLine,
                                     QPointF position);
    virtual void renderLimitLineLabel(QPainter& painter, const ChartLimitLine& limitLine,
                                      QPointF position, double yOffset);

protected:
    // The axis as the x axis it is.
    const std::shared_ptr<XAxis>& xAxis() const { return m_axis; }

private:
    std::shared_ptr<XAxis> m_axis;
};

}
