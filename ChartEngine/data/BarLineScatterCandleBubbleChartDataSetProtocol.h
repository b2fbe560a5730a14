#pragma once

#include "ChartEngine/data/ChartDataSetProtocol.h"

namespace Charts {

// A data set drawn on x and y axes: the style of its highlight line.
class BarLineScatterCandleBubbleChartDataSetProtocol : public virtual ChartDataSetProtocol {
public:
    virtual QColor highlightColor() const = 0;
    virtual void setHighlightColor(const QColor& color) = 0;
    virtual double highlightLineWidth() const = 0;
    virtual void setHighlightLineWidth(double width) = 0;
    virtual double highlightLineDashPhase() const = 0;
    virtual void setHighlightLineDashPhase(double phase) = 0;
    virtual std::optional<QList<double>> highlightLineDashLengths() const = 0;
    virtual void setHighlightLineDashLengths(std::optional<QList<double>> lengths) = 0;
};

}
