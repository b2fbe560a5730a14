#include "ChartEngine/data/PieChartDataEntry.h"

#include <limits>

namespace Charts {

namespace {

constexpr double noX = std::numeric_limits<double>::quiet_NaN();

}

PieChartDataEntry::PieChartDataEntry()
    : ChartDataEntry(noX, 0.0)
{
}

PieChartDataEntry::PieChartDataEntry(double value)
    : ChartDataEntry(noX, value)
{
}

PieChartDataEntry::PieChartDataEntry(double value, const QString& label)
    : ChartDataEntry(noX, value)
    , m_label(label)
{
}

PieChartDataEntry::PieChartDataEntry(double value, const QString& label, const QVariant& data)
    : ChartDataEntry(noX, value, data)
    , m_label(label)
{
}

PieChartDataEntry::PieChartDataEntry(double value, const QString& label, std::shared_ptr<ChartImage> icon)
    : ChartDataEntry(noX, value, std::move(icon))
    , m_label(label)
{
}

PieChartDataEntry::PieChartDataEntry(double value, const QString& label, std::shared_ptr<ChartImage> icon,
                                     const QVariant& data)
    : ChartDataEntry(noX, value, std::move(icon), data)
    , m_label(label)
{
}

PieChartDataEntry::PieChartDataEntry(double value, const QVariant& data)
    : ChartDataEntry(noX, value, data)
{
}

PieChartDataEntry::PieChartDataEntry(double value, std::shared_ptr<ChartImage> icon)
    : ChartDataEntry(noX, value, std::move(icon))
{
}

PieChartDataEntry::PieChartDataEntry(double value, std::shared_ptr<ChartImage> icon, const QVariant& data)
    : ChartDataEntry(noX, value, std::move(icon), data)
{
}

void PieChartDataEntry::setLabel(const std::optional<QString>& label)
{
    m_label = label;
}

void PieChartDataEntry::setValue(double value)
{
    setY(value);
}

std::shared_ptr<ChartDataEntry> PieChartDataEntry::makeEmpty() const
{
    return std::make_shared<PieChartDataEntry>();
}

void PieChartDataEntry::copyTo(ChartDataEntry& target) const
{
    ChartDataEntry::copyTo(target);
    dynamic_cast<PieChartDataEntry&>(target).m_label = m_label;
}

}
