#pragma once

#include "ChartEngine/types/BarChartView.h"

namespace Charts {

// The bar chart view with bars running left to right: the data's x values stand on the vertical
// axis (growing upwards), the y values on the horizontal one. The x axis is drawn at the left or
// right, the left y axis along the top of the content and the right y axis along the bottom.
// Its set-up step, after the bar chart's, installs transformers that swap the axes, the
// horizontal bar renderer, the three horizontal-bar axis renderers and the horizontal bar
// highlighter.
class HorizontalBarChartView : public BarChartView {
    Q_OBJECT

public:
    explicit HorizontalBarChartView(QWidget* parent = nullptr);
    explicit HorizontalBarChartView(const QRect& frame, QWidget* parent = nullptr);
    ~HorizontalBarChartView() override;

    void calculateLegendOffsets(double& offsetLeft, double& offsetTop, double& offsetRight,
                                double& offsetBottom) override;
    // The y axes' room above and below the content, the x axis's left or right of it. With
    // custom view-port offsets the content stays and only the matrices are prepared.
    void calculateOffsets() override;
    // The y axes feed the horizontal pixel direction, the x axis the vertical one.
    void prepareValueToPixelMatrices() override;
    // The highlighter is asked with the touch's coordinates swapped; no full-bar rule here.
    std::shared_ptr<Highlight> getHighlightByTouchPoint(QPointF point) const override;
    // The stored draw position read swapped: the marker stands at the bar's end.
    QPointF getMarkerPosition(const Highlight& highlight) const override;
    // The pixel of (entry.y, entry.x) through that axis's transformer.
    QPointF getPosition(const ChartDataEntry& entry, AxisDependency axis) const override;
    // The x at the content's bottom edge, never below the x axis minimum.
    double lowestVisibleX() const override;
    // The x at the content's top edge, never above the x axis maximum.
    double highestVisibleX() const override;

    // x ranges set the vertical scale limits, y ranges the horizontal ones.
    void setVisibleXRangeMaximum(double maxXRange) override;
    void setVisibleXRangeMinimum(double minXRange) override;
    void setVisibleXRange(double minXRange, double maxXRange) override;
    void setVisibleYRangeMaximum(double maxYRange, AxisDependency axis) override;
    void setVisibleYRangeMinimum(double minYRange, AxisDependency axis) override;
    void setVisibleYRange(double minYRange, double maxYRange, AxisDependency axis) override;

protected:
    QRectF barValueRect(double x, double y, double barWidth) const override;
    // The horizontal drag is negated on an inverted axis.
    QPointF invertedAxisDragTranslation(QPointF translation) const override;
    // x runs vertically.
    QPointF pixelForXValue(double x) const override;

private:
    // This class's step of the set-up.
    void setUpHorizontal();
    void prepareTransformers();
    // The x axis's label room left, right or on both sides.
    void addXAxisOffsets(double& offsetLeft, double& offsetRight);
};

}
