#include "ChartEngine/data/CandleChartDataEntry.h"

#include "ChartEngine/data/DataRevision.h"

#include <cmath>

namespace Charts {

CandleChartDataEntry::CandleChartDataEntry(double x, double shadowH, double shadowL, double open, double close)
    : ChartDataEntry(x, (shadowH + shadowL) * 0.5)
    , m_high(shadowH)
    , m_low(shadowL)
    , m_close(close)
    , m_open(open)
{
}

CandleChartDataEntry::CandleChartDataEntry(double x, double shadowH, double shadowL, double open, double close,
                                           const QVariant& data)
    : CandleChartDataEntry(x, shadowH, shadowL, open, close)
{
    setData(data);
}

CandleChartDataEntry::CandleChartDataEntry(double x, double shadowH, double shadowL, double open, double close,
                                           std::shared_ptr<ChartImage> icon)
    : CandleChartDataEntry(x, shadowH, shadowL, open, close)
{
    setIcon(std::move(icon));
}

CandleChartDataEntry::CandleChartDataEntry(double x, double shadowH, double shadowL, double open, double close,
                                           std::shared_ptr<ChartImage> icon, const QVariant& data)
    : CandleChartDataEntry(x, shadowH, shadowL, open, close)
{
    setIcon(std::move(icon));
    setData(data);
}

void CandleChartDataEntry::setY(double)
{
    storeY((m_high + m_low) / 2.0);
    DataRevision::bump();
}

void CandleChartDataEntry::setHigh(double high)
{
    m_high = high;
}

void CandleChartDataEntry::setLow(double low)
{
    m_low = low;
}

void CandleChartDataEntry::setClose(double close)
{
    m_close = close;
}

void CandleChartDataEntry::setOpen(double open)
{
    m_open = open;
}

double CandleChartDataEntry::shadowRange() const
{
    return std::abs(m_high - m_low);
}

double CandleChartDataEntry::bodyRange() const
{
    return std::abs(m_open - m_close);
}

std::shared_ptr<ChartDataEntry> CandleChartDataEntry::makeEmpty() const
{
    return std::make_shared<CandleChartDataEntry>();
}

void CandleChartDataEntry::copyTo(ChartDataEntry& target) const
{
    ChartDataEntry::copyTo(target);
    auto& entry = dynamic_cast<CandleChartDataEntry&>(target);
    entry.m_high = m_high;
    entry.m_low = m_low;
    entry.m_open = m_open;
    entry.m_close = m_close;
}

}
