#include "ChartEngine/data/ScatterChartDataSet.h"

#include "ChartEngine/foundation/ChartFatal.h"
#include "ChartEngine/types/ChevronDownShapeRenderer.h"
#include "ChartEngine/types/ChevronUpShapeRenderer.h"
#include "ChartEngine/types/CircleShapeRenderer.h"
#include "ChartEngine/types/CrossShapeRenderer.h"
#include "ChartEngine/types/SquareShapeRenderer.h"
#include "ChartEngine/types/TriangleShapeRenderer.h"
#include "ChartEngine/types/XShapeRenderer.h"

namespace Charts {

ScatterChartDataSet::ScatterChartDataSet()
    : m_shapeRenderer(std::make_shared<SquareShapeRenderer>())
{
}

ScatterChartDataSet::ScatterChartDataSet(const std::optional<QString>& label)
    : LineScatterCandleRadarChartDataSet(label)
    , m_shapeRenderer(std::make_shared<SquareShapeRenderer>())
{
}

ScatterChartDataSet::ScatterChartDataSet(ChartDataEntryList entries, const std::optional<QString>& label)
    : LineScatterCandleRadarChartDataSet(std::move(entries), label)
    , m_shapeRenderer(std::make_shared<SquareShapeRenderer>())
{
}

double ScatterChartDataSet::scatterShapeSize() const
{
    return m_scatterShapeSize;
}

void ScatterChartDataSet::setScatterShapeSize(double size)
{
    m_scatterShapeSize = size;
}

double ScatterChartDataSet::scatterShapeHoleRadius() const
{
    return m_scatterShapeHoleRadius;
}

void ScatterChartDataSet::setScatterShapeHoleRadius(double radius)
{
    m_scatterShapeHoleRadius = radius;
}

std::optional<QColor> ScatterChartDataSet::scatterShapeHoleColor() const
{
    return m_scatterShapeHoleColor;
}

void ScatterChartDataSet::setScatterShapeHoleColor(std::optional<QColor> color)
{
    m_scatterShapeHoleColor = color;
}

std::shared_ptr<ShapeRenderer> ScatterChartDataSet::shapeRenderer() const
{
    return m_shapeRenderer;
}

void ScatterChartDataSet::setShapeRenderer(std::shared_ptr<ShapeRenderer> renderer)
{
    m_shapeRenderer = std::move(renderer);
}

void ScatterChartDataSet::setScatterShape(Shape shape)
{
    m_shapeRenderer = rendererForShape(shape);
}

std::shared_ptr<ShapeRenderer> ScatterChartDataSet::rendererForShape(Shape shape)
{
    switch (shape) {
    case Shape::square:
        return std::make_shared<SquareShapeRenderer>();
    case Shape::circle:
        return std::make_shared<CircleShapeRenderer>();
    case Shape::triangle:
        return std::make_shared<TriangleShapeRenderer>();
    case Shape::cross:
        return std::make_shared<CrossShapeRenderer>();
    case Shape::x:
        return std::make_shared<XShapeRenderer>();
    case Shape::chevronUp:
        return std::make_shared<ChevronUpShapeRenderer>();
    case Shape::chevronDown:
        return std::make_shared<ChevronDownShapeRenderer>();
    }
    chartFatal(QStringLiteral("Unexpected ScatterChartDataSet.Shape value %1").arg(static_cast<int>(shape)));
}

std::shared_ptr<ChartBaseDataSet> ScatterChartDataSet::makeEmpty() const
{
    return std::make_shared<ScatterChartDataSet>();
}

void ScatterChartDataSet::copyTo(ChartBaseDataSet& target) const
{
    LineScatterCandleRadarChartDataSet::copyTo(target);
    auto& set = dynamic_cast<ScatterChartDataSet&>(target);
    set.m_scatterShapeSize = m_scatterShapeSize;
    set.m_scatterShapeHoleRadius = m_scatterShapeHoleRadius;
    set.m_scatterShapeHoleColor = m_scatterShapeHoleColor;
    set.m_shapeRenderer = m_shapeRenderer;
}

}
