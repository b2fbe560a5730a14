#pragma once

#include "ChartEngine/components/XAxisRenderer.h"
#include "ChartEngine/foundation/AffineTransform.h"

#include <QObject>
#include <QPointer>

namespace Charts {

// The x axis of a horizontal bar chart, drawn vertically: labels left or right of the content,
// horizontal grid and limit lines. Labels are drawn only while the chart is there and has data.
class XAxisRendererHorizontalBarChart : public XAxisRenderer {
public:
    // `chart` answers ChartDataProvider; it is held weakly.
    XAxisRendererHorizontalBarChart(std::shared_ptr<ViewPortHandler> viewPortHandler,
                                    std::shared_ptr<XAxis> axis, std::shared_ptr<Transformer> transformer,
                                    QObject* chart);

    // With a zoomed-in view (along y) wider than 10 points, the range visible between the
    // content's bottom and top edges.
    void computeAxis(double min, double max, bool inverted) override;
    // Label width floored, rotated sizes rounded, all with 3.5 x offsets of room.
    void computeSize() override;
    void renderAxisLabels(QPainter& painter) override;
    void renderAxisLine(QPainter& painter) override;
    // The labels at pixel x `pos`, each placed by `anchor`.
    void drawLabels(QPainter& painter, double pos, QPointF anchor) override;
    using XAxisRenderer::drawLabel;
    // One line of text at (x, y) placed by `anchor`, not measured first.
    virtual void drawLabel(QPainter& painter, const QString& formattedLabel, double x, double y,
                           const TextAttributes& attributes, QPointF anchor, double angleRadians);
    // The content area widened by half the grid line width above and below.
    QRectF gridClippingRect() const override;
    void drawGridLine(QPainter& painter, double x, double y) override;
    void renderLimitLines(QPainter& painter) override;

private:
    bool hasChartData() const;
    void renderLimitLine(QPainter& painter, const ChartLimitLine& limitLine, const AffineTransform& matrix);

    QPointer<QObject> m_chart;
};

}
