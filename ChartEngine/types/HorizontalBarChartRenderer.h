#pragma once

#include "ChartEngine/types/BarChartRenderer.h"

namespace Charts {

// Draws bar data for a horizontal bar chart: bars run from 0 to their value along the
// horizontal axis and stand at their x on the vertical one. Bars are never clipped to the axis
// range; the buffers, colours, borders, elements and highlights follow the bar renderer.
class HorizontalBarChartRenderer : public BarChartRenderer {
public:
    HorizontalBarChartRenderer(QObject* chart, std::shared_ptr<Animator> animator,
                               std::shared_ptr<ViewPortHandler> viewPortHandler);

    // Fills the data set's buffer in value space: each bar from x - half to x + half vertically.
    virtual void computeHorizontalBarRects(const BarChartDataSetProtocol& dataSet, qint64 index);
    // The bar from y1 to y2 at x, its value extent scaled by the y phase.
    QRectF computeHighlightRect(double x, double y1, double y2, double barWidthHalf,
                                const Transformer& transformer) const override;
    // The marker stands at the bar's end: x is the bar's vertical middle, y its right edge (the
    // view reads them swapped).
    void setHighlightDrawPoint(Highlight& highlight, const QRectF& rect) const override;
    // True while the data's entry count lies below maxVisibleCount times the vertical zoom.
    bool isDrawingValuesAllowed(const ChartDataProvider* dataProvider) const override;

protected:
    void fillBuffer(const BarChartDataSetProtocol& dataSet, qint64 index) override;
    // Full-width columns behind the bars; no shadow fill of the bars themselves.
    void drawShadows(QPainter& painter, const BarChartDataSetProtocol& dataSet, const BarChartData& data,
                     const Transformer& transformer, const Buffer& buffer) override;
    QPointF stackValuePoint(double position) const override;
    QRectF shadowColumn(double x, double barWidth, const Transformer& transformer) const override;
    bool isBeforeContent(const QRectF& rect) const override;
    bool isBeyondContent(const QRectF& rect) const override;
    // Labels left-aligned, 5 beyond each bar's end (measured against the label's own width).
    void drawValuesOfSet(QPainter& painter, const BarChartDataSetProtocol& dataSet, qint64 index,
                         bool above) override;

private:
    // Draws a plain bar's value; false when the bar lies above the content.
    bool drawPlainValue(QPainter& painter, const BarChartDataSetProtocol& dataSet, qint64 index,
                        const ValueStyle& style, const BarChartDataEntry& entry, qint64 j, const QRectF& rect,
                        bool above);
    void drawStackedValues(QPainter& painter, const BarChartDataSetProtocol& dataSet, qint64 index,
                           const ValueStyle& style, bool above);
};

}
