#include "ChartEngine/data/LineChartDataSet.h"

#include "ChartEngine/data/DefaultFillFormatter.h"

namespace Charts {

// The circle colour is added once the bases are made, as the one default.
LineChartDataSet::LineChartDataSet()
    : m_fillFormatter(std::make_shared<DefaultFillFormatter>())
{
    m_circleColors.append(ChartColors::dataSet());
}

LineChartDataSet::LineChartDataSet(const std::optional<QString>& label)
    : LineRadarChartDataSet(label)
    , m_fillFormatter(std::make_shared<DefaultFillFormatter>())
{
    m_circleColors.append(ChartColors::dataSet());
}

LineChartDataSet::LineChartDataSet(ChartDataEntryList entries, const std::optional<QString>& label)
    : LineRadarChartDataSet(std::move(entries), label)
    , m_fillFormatter(std::make_shared<DefaultFillFormatter>())
{
    m_circleColors.append(ChartColors::dataSet());
}

LineChartDataSet::Mode LineChartDataSet::mode() const
{
    return m_mode;
}

void LineChartDataSet::setMode(Mode mode)
{
    m_mode = mode;
}

double LineChartDataSet::cubicIntensity() const
{
    return m_cubicIntensity;
}

void LineChartDataSet::setCubicIntensity(double intensity)
{
    if (intensity < 0.05) {
        m_cubicIntensity = 0.05;
    } else if (intensity > 1.0) {
        m_cubicIntensity = 1.0;
    } else {
        m_cubicIntensity = intensity;
    }
}

bool LineChartDataSet::isDrawLineWithGradientEnabled() const
{
    return m_drawLineWithGradientEnabled;
}

void LineChartDataSet::setDrawLineWithGradientEnabled(bool enabled)
{
    m_drawLineWithGradientEnabled = enabled;
}

std::optional<QList<double>> LineChartDataSet::gradientPositions() const
{
    return m_gradientPositions;
}

void LineChartDataSet::setGradientPositions(std::optional<QList<double>> positions)
{
    m_gradientPositions = std::move(positions);
}

double LineChartDataSet::circleRadius() const
{
    return m_circleRadius;
}

void LineChartDataSet::setCircleRadius(double radius)
{
    m_circleRadius = radius;
}

double LineChartDataSet::circleHoleRadius() const
{
    return m_circleHoleRadius;
}

void LineChartDataSet::setCircleHoleRadius(double radius)
{
    m_circleHoleRadius = radius;
}

QList<QColor> LineChartDataSet::circleColors() const
{
    return m_circleColors;
}

void LineChartDataSet::setCircleColors(const QList<QColor>& colors)
{
    m_circleColors = colors;
}

QColor LineChartDataSet::getCircleColorAtIndex(qint64 index) const
{
    if (m_circleColors.isEmpty()) {
        return ChartColors::dataSet();
    }
    return m_circleColors.at(static_cast<qsizetype>((index < 0 ? 0 : index) % m_circleColors.size()));
}

void LineChartDataSet::setCircleColor(const QColor& color)
{
    m_circleColors = {color};
}

void LineChartDataSet::resetCircleColors(qint64)
{
    m_circleColors.clear();
}

bool LineChartDataSet::isDrawCirclesEnabled() const
{
    return m_drawCirclesEnabled;
}

void LineChartDataSet::setDrawCirclesEnabled(bool enabled)
{
    m_drawCirclesEnabled = enabled;
}

std::optional<QColor> LineChartDataSet::circleHoleColor() const
{
    return m_circleHoleColor;
}

void LineChartDataSet::setCircleHoleColor(std::optional<QColor> color)
{
    m_circleHoleColor = std::move(color);
}

bool LineChartDataSet::isDrawCircleHoleEnabled() const
{
    return m_drawCircleHoleEnabled;
}

void LineChartDataSet::setDrawCircleHoleEnabled(bool enabled)
{
    m_drawCircleHoleEnabled = enabled;
}

double LineChartDataSet::lineDashPhase() const
{
    return m_lineDashPhase;
}

void LineChartDataSet::setLineDashPhase(double phase)
{
    m_lineDashPhase = phase;
}

std::optional<QList<double>> LineChartDataSet::lineDashLengths() const
{
    return m_lineDashLengths;
}

void LineChartDataSet::setLineDashLengths(std::optional<QList<double>> lengths)
{
    m_lineDashLengths = std::move(lengths);
}

Qt::PenCapStyle LineChartDataSet::lineCapType() const
{
    return m_lineCapType;
}

void LineChartDataSet::setLineCapType(Qt::PenCapStyle cap)
{
    m_lineCapType = cap;
}

std::shared_ptr<FillFormatter> LineChartDataSet::fillFormatter() const
{
    return m_fillFormatter;
}

void LineChartDataSet::setFillFormatter(std::shared_ptr<FillFormatter> formatter)
{
    m_fillFormatter = formatter ? std::move(formatter) : std::make_shared<DefaultFillFormatter>();
}

std::shared_ptr<ChartBaseDataSet> LineChartDataSet::makeEmpty() const
{
    return std::make_shared<LineChartDataSet>();
}

void LineChartDataSet::copyTo(ChartBaseDataSet& target) const
{
    LineRadarChartDataSet::copyTo(target);
    auto& set = dynamic_cast<LineChartDataSet&>(target);
    set.m_circleColors = m_circleColors;
    set.m_circleHoleColor = m_circleHoleColor;
    set.m_circleRadius = m_circleRadius;
    set.m_circleHoleRadius = m_circleHoleRadius;
    set.m_cubicIntensity = m_cubicIntensity;
    set.m_lineDashPhase = m_lineDashPhase;
    set.m_lineDashLengths = m_lineDashLengths;
    set.m_lineCapType = m_lineCapType;
    set.m_drawCirclesEnabled = m_drawCirclesEnabled;
    set.m_drawCircleHoleEnabled = m_drawCircleHoleEnabled;
    set.m_mode = m_mode;
    set.m_fillFormatter = m_fillFormatter;
}

}
