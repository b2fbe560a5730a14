#include "ChartEngine/data/RadarChartDataEntry.h"

#include <limits>

namespace Charts {

namespace {

constexpr double noX = std::numeric_limits<double>::quiet_NaN();

}

RadarChartDataEntry::RadarChartDataEntry()
    : ChartDataEntry(noX, 0.0)
{
}

RadarChartDataEntry::RadarChartDataEntry(double value)
    : ChartDataEntry(noX, value)
{
}

RadarChartDataEntry::RadarChartDataEntry(double value, const QVariant& data)
    : ChartDataEntry(noX, value, data)
{
}

void RadarChartDataEntry::setValue(double value)
{
    setY(value);
}

std::shared_ptr<ChartDataEntry> RadarChartDataEntry::makeEmpty() const
{
    return std::make_shared<RadarChartDataEntry>();
}

}
