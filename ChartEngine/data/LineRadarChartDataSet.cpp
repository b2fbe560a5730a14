#include "ChartEngine/data/LineRadarChartDataSet.h"

namespace Charts {

LineRadarChartDataSet::LineRadarChartDataSet(const std::optional<QString>& label)
    : LineScatterCandleRadarChartDataSet(label)
{
}

LineRadarChartDataSet::LineRadarChartDataSet(ChartDataEntryList entries, const std::optional<QString>& label)
    : LineScatterCandleRadarChartDataSet(std::move(entries), label)
{
}

QColor LineRadarChartDataSet::fillColor() const
{
    return m_fillColor;
}

void LineRadarChartDataSet::setFillColor(const QColor& color)
{
    m_fillColor = color;
    m_fill.reset();
}

std::shared_ptr<Fill> LineRadarChartDataSet::fill() const
{
    return m_fill;
}

void LineRadarChartDataSet::setFill(std::shared_ptr<Fill> fill)
{
    m_fill = std::move(fill);
}

double LineRadarChartDataSet::fillAlpha() const
{
    return m_fillAlpha;
}

void LineRadarChartDataSet::setFillAlpha(double alpha)
{
    m_fillAlpha = alpha;
}

double LineRadarChartDataSet::lineWidth() const
{
    return m_lineWidth;
}

void LineRadarChartDataSet::setLineWidth(double width)
{
    if (width <= 0.0) {
        m_lineWidth = 0.0;
    } else if (width > 10.0) {
        m_lineWidth = 10.0;
    } else {
        m_lineWidth = width;
    }
}

bool LineRadarChartDataSet::isDrawFilledEnabled() const
{
    return m_drawFilledEnabled;
}

void LineRadarChartDataSet::setDrawFilledEnabled(bool enabled)
{
    m_drawFilledEnabled = enabled;
}

std::shared_ptr<ChartBaseDataSet> LineRadarChartDataSet::makeEmpty() const
{
    return std::make_shared<LineRadarChartDataSet>();
}

void LineRadarChartDataSet::copyTo(ChartBaseDataSet& target) const
{
    LineScatterCandleRadarChartDataSet::copyTo(target);
    auto& set = dynamic_cast<LineRadarChartDataSet&>(target);
    set.m_fill = m_fill;
    set.m_fillAlpha = m_fillAlpha;
    // The stored colour and width, past the setters: the copy keeps the fill object.
    set.m_fillColor = m_fillColor;
    set.m_lineWidth = m_lineWidth;
    set.m_drawFilledEnabled = m_drawFilledEnabled;
}

}
