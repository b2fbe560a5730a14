#include "ChartEngine/data/RadarChartDataSet.h"

namespace Charts {

RadarChartDataSet::RadarChartDataSet()
{
    setValueFont(systemFont(13));
}

RadarChartDataSet::RadarChartDataSet(const std::optional<QString>& label)
    : LineRadarChartDataSet(label)
{
    setValueFont(systemFont(13));
}

RadarChartDataSet::RadarChartDataSet(ChartDataEntryList entries, const std::optional<QString>& label)
    : LineRadarChartDataSet(std::move(entries), label)
{
    setValueFont(systemFont(13));
}

bool RadarChartDataSet::isDrawHighlightCircleEnabled() const
{
    return m_drawHighlightCircleEnabled;
}

void RadarChartDataSet::setDrawHighlightCircleEnabled(bool enabled)
{
    m_drawHighlightCircleEnabled = enabled;
}

std::optional<QColor> RadarChartDataSet::highlightCircleFillColor() const
{
    return m_highlightCircleFillColor;
}

void RadarChartDataSet::setHighlightCircleFillColor(std::optional<QColor> color)
{
    m_highlightCircleFillColor = color;
}

std::optional<QColor> RadarChartDataSet::highlightCircleStrokeColor() const
{
    return m_highlightCircleStrokeColor;
}

void RadarChartDataSet::setHighlightCircleStrokeColor(std::optional<QColor> color)
{
    m_highlightCircleStrokeColor = color;
}

double RadarChartDataSet::highlightCircleStrokeAlpha() const
{
    return m_highlightCircleStrokeAlpha;
}

void RadarChartDataSet::setHighlightCircleStrokeAlpha(double alpha)
{
    m_highlightCircleStrokeAlpha = alpha;
}

double RadarChartDataSet::highlightCircleInnerRadius() const
{
    return m_highlightCircleInnerRadius;
}

void RadarChartDataSet::setHighlightCircleInnerRadius(double radius)
{
    m_highlightCircleInnerRadius = radius;
}

double RadarChartDataSet::highlightCircleOuterRadius() const
{
    return m_highlightCircleOuterRadius;
}

void RadarChartDataSet::setHighlightCircleOuterRadius(double radius)
{
    m_highlightCircleOuterRadius = radius;
}

double RadarChartDataSet::highlightCircleStrokeWidth() const
{
    return m_highlightCircleStrokeWidth;
}

void RadarChartDataSet::setHighlightCircleStrokeWidth(double width)
{
    m_highlightCircleStrokeWidth = width;
}

std::shared_ptr<ChartBaseDataSet> RadarChartDataSet::makeEmpty() const
{
    return std::make_shared<RadarChartDataSet>();
}

}
