#pragma once

#include "ChartEngine/data/LineScatterCandleRadarChartDataSetProtocol.h"

namespace Charts {

// The data set of a candlestick chart.
class CandleChartDataSetProtocol : public virtual LineScatterCandleRadarChartDataSetProtocol {
public:
    virtual double barSpace() const = 0;
    virtual void setBarSpace(double space) = 0;
    virtual bool showCandleBar() const = 0;
    virtual void setShowCandleBar(bool show) = 0;
    virtual double shadowWidth() const = 0;
    virtual void setShadowWidth(double width) = 0;
    virtual std::optional<QColor> shadowColor() const = 0;
    virtual void setShadowColor(std::optional<QColor> color) = 0;
    virtual bool isShadowColorSameAsCandle() const = 0;
    virtual void setShadowColorSameAsCandle(bool same) = 0;
    virtual std::optional<QColor> neutralColor() const = 0;
    virtual void setNeutralColor(std::optional<QColor> color) = 0;
    virtual std::optional<QColor> increasingColor() const = 0;
    virtual void setIncreasingColor(std::optional<QColor> color) = 0;
    virtual std::optional<QColor> decreasingColor() const = 0;
    virtual void setDecreasingColor(std::optional<QColor> color) = 0;
    virtual bool isIncreasingFilled() const = 0;
    virtual void setIncreasingFilled(bool filled) = 0;
    virtual bool isDecreasingFilled() const = 0;
    virtual void setDecreasingFilled(bool filled) = 0;
};

}
