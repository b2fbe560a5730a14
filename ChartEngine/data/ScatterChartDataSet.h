#pragma once

#include "ChartEngine/data/LineScatterCandleRadarChartDataSet.h"
#include "ChartEngine/data/ScatterChartDataSetProtocol.h"

namespace Charts {

// The shapes a scatter data set can draw (`ScatterChartDataSet::Shape`).
enum class ScatterChartDataSetShape : int {
    square = 0,
    circle = 1,
    triangle = 2,
    cross = 3,
    x = 4,
    chevronUp = 5,
    chevronDown = 6,
};

// The shape for a stored raw value; none for a value outside the cases.
inline std::optional<ScatterChartDataSetShape> scatterChartDataSetShapeFromRaw(long long raw)
{
    if (raw < 0 || raw > 6) {
        return std::nullopt;
    }
    return static_cast<ScatterChartDataSetShape>(raw);
}

// The data set of a scatter chart: the shape drawn at each value, its size, the optional hole in
// its middle, and the shape renderer that draws it (a new square renderer for every new set).
class ScatterChartDataSet : public LineScatterCandleRadarChartDataSet, public virtual ScatterChartDataSetProtocol {
public:
    using Shape = ScatterChartDataSetShape;

    ScatterChartDataSet();
    explicit ScatterChartDataSet(const std::optional<QString>& label);
    explicit ScatterChartDataSet(ChartDataEntryList entries,
                                 const std::optional<QString>& label = QStringLiteral("DataSet"));

    double scatterShapeSize() const override;
    void setScatterShapeSize(double size);
    // 0 draws no hole.
    double scatterShapeHoleRadius() const override;
    void setScatterShapeHoleRadius(double radius);
    // None leaves the hole unfilled.
    std::optional<QColor> scatterShapeHoleColor() const override;
    void setScatterShapeHoleColor(std::optional<QColor> color);

    std::shared_ptr<ShapeRenderer> shapeRenderer() const override;
    void setShapeRenderer(std::shared_ptr<ShapeRenderer> renderer);
    // A new renderer for the shape.
    void setScatterShape(Shape shape);
    // A new renderer of the shape's class on every call.
    static std::shared_ptr<ShapeRenderer> rendererForShape(Shape shape);

    std::shared_ptr<ChartBaseDataSet> makeEmpty() const override;

protected:
    // The copy shares this set's shape renderer.
    void copyTo(ChartBaseDataSet& target) const override;

private:
    double m_scatterShapeSize = 10.0;
    double m_scatterShapeHoleRadius = 0.0;
    std::optional<QColor> m_scatterShapeHoleColor;
    std::shared_ptr<ShapeRenderer> m_shapeRenderer;
};

}
