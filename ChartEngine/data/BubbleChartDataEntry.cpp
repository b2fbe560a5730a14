#include "ChartEngine/data/BubbleChartDataEntry.h"

namespace Charts {

BubbleChartDataEntry::BubbleChartDataEntry(double x, double y, double size)
    : ChartDataEntry(x, y)
    , m_size(size)
{
}

BubbleChartDataEntry::BubbleChartDataEntry(double x, double y, double size, const QVariant& data)
    : ChartDataEntry(x, y, data)
    , m_size(size)
{
}

BubbleChartDataEntry::BubbleChartDataEntry(double x, double y, double size, std::shared_ptr<ChartImage> icon)
    : ChartDataEntry(x, y, std::move(icon))
    , m_size(size)
{
}

BubbleChartDataEntry::BubbleChartDataEntry(double x, double y, double size, std::shared_ptr<ChartImage> icon,
                                           const QVariant& data)
    : ChartDataEntry(x, y, std::move(icon), data)
    , m_size(size)
{
}

void BubbleChartDataEntry::setSize(double size)
{
    m_size = size;
}

std::shared_ptr<ChartDataEntry> BubbleChartDataEntry::makeEmpty() const
{
    return std::make_shared<BubbleChartDataEntry>();
}

void BubbleChartDataEntry::copyTo(ChartDataEntry& target) const
{
    ChartDataEntry::copyTo(target);
    dynamic_cast<BubbleChartDataEntry&>(target).m_size = m_size;
}

}
