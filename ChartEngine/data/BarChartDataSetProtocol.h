#pragma once

#include "ChartEngine/data/BarLineScatterCandleBubbleChartDataSetProtocol.h"

#include <QStringList>

namespace Charts {

// The data set of a bar chart: its stacks and the style of its bars.
class BarChartDataSetProtocol : public virtual BarLineScatterCandleBubbleChartDataSetProtocol {
public:
    virtual bool isStacked() const = 0;
    virtual qint64 stackSize() const = 0;
    virtual QColor barShadowColor() const = 0;
    virtual void setBarShadowColor(const QColor& color) = 0;
    virtual double barBorderWidth() const = 0;
    virtual void setBarBorderWidth(double width) = 0;
    virtual QColor barBorderColor() const = 0;
    virtual void setBarBorderColor(const QColor& color) = 0;
    virtual double highlightAlpha() const = 0;
    virtual void setHighlightAlpha(double alpha) = 0;
    virtual QStringList stackLabels() const = 0;
    virtual void setStackLabels(const QStringList& labels) = 0;
};

}
