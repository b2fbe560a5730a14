#pragma once

#include "ChartEngine/data/LineScatterCandleRadarChartDataSetProtocol.h"

namespace Charts {

class ShapeRenderer;

// The data set of a scatter chart: the shape drawn at each value.
class ScatterChartDataSetProtocol : public virtual LineScatterCandleRadarChartDataSetProtocol {
public:
    virtual double scatterShapeSize() const = 0;
    virtual double scatterShapeHoleRadius() const = 0;
    virtual std::optional<QColor> scatterShapeHoleColor() const = 0;
    virtual std::shared_ptr<ShapeRenderer> shapeRenderer() const = 0;
};

}
