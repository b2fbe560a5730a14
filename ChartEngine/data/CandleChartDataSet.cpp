#include "ChartEngine/data/CandleChartDataSet.h"

#include "ChartEngine/data/CandleChartDataEntry.h"

namespace Charts {

CandleChartDataSet::CandleChartDataSet() = default;

// The base constructors computed the bounds with the plain per-entry rule; the candle rule
// replaces them here.
CandleChartDataSet::CandleChartDataSet(const std::optional<QString>& label)
    : LineScatterCandleRadarChartDataSet(label)
{
    calcMinMax();
}

CandleChartDataSet::CandleChartDataSet(ChartDataEntryList entries, const std::optional<QString>& label)
    : LineScatterCandleRadarChartDataSet(std::move(entries), label)
{
    calcMinMax();
}

void CandleChartDataSet::calcMinMaxWithEntry(const ChartDataEntry& entry)
{
    if (dynamic_cast<const CandleChartDataEntry*>(&entry) == nullptr) {
        return;
    }
    calcMinMaxYWithEntry(entry);
    calcMinMaxXWithEntry(entry);
}

void CandleChartDataSet::calcMinMaxYWithEntry(const ChartDataEntry& entry)
{
    const auto* candle = dynamic_cast<const CandleChartDataEntry*>(&entry);
    if (candle == nullptr) {
        return;
    }
    m_yMin = m_yMin < candle->low() ? m_yMin : candle->low();
    m_yMax = candle->high() <= m_yMax ? m_yMax : candle->high();
}

double CandleChartDataSet::barSpace() const
{
    return m_barSpace;
}

void CandleChartDataSet::setBarSpace(double space)
{
    if (space > 0.45) {
        m_barSpace = 0.45;
    } else if (space < 0.0) {
        m_barSpace = 0.0;
    } else {
        m_barSpace = space;
    }
}

bool CandleChartDataSet::showCandleBar() const
{
    return m_showCandleBar;
}

void CandleChartDataSet::setShowCandleBar(bool show)
{
    m_showCandleBar = show;
}

double CandleChartDataSet::shadowWidth() const
{
    return m_shadowWidth;
}

void CandleChartDataSet::setShadowWidth(double width)
{
    m_shadowWidth = width;
}

std::optional<QColor> CandleChartDataSet::shadowColor() const
{
    return m_shadowColor;
}

void CandleChartDataSet::setShadowColor(std::optional<QColor> color)
{
    m_shadowColor = color;
}

bool CandleChartDataSet::isShadowColorSameAsCandle() const
{
    return m_shadowColorSameAsCandle;
}

void CandleChartDataSet::setShadowColorSameAsCandle(bool same)
{
    m_shadowColorSameAsCandle = same;
}

std::optional<QColor> CandleChartDataSet::neutralColor() const
{
    return m_neutralColor;
}

void CandleChartDataSet::setNeutralColor(std::optional<QColor> color)
{
    m_neutralColor = color;
}

std::optional<QColor> CandleChartDataSet::increasingColor() const
{
    return m_increasingColor;
}

void CandleChartDataSet::setIncreasingColor(std::optional<QColor> color)
{
    m_increasingColor = color;
}

std::optional<QColor> CandleChartDataSet::decreasingColor() const
{
    return m_decreasingColor;
}

void CandleChartDataSet::setDecreasingColor(std::optional<QColor> color)
{
    m_decreasingColor = color;
}

bool CandleChartDataSet::isIncreasingFilled() const
{
    return m_increasingFilled;
}

void CandleChartDataSet::setIncreasingFilled(bool filled)
{
    m_increasingFilled = filled;
}

bool CandleChartDataSet::isDecreasingFilled() const
{
    return m_decreasingFilled;
}

void CandleChartDataSet::setDecreasingFilled(bool filled)
{
    m_decreasingFilled = filled;
}

std::shared_ptr<ChartBaseDataSet> CandleChartDataSet::makeEmpty() const
{
    return std::make_shared<CandleChartDataSet>();
}

}
