#include "ChartEngine/views/LineValuesCopy.h"

#include "ChartEngine/data/ChartDataSet.h"
#include "ChartEngine/data/DataRevision.h"

#include <cmath>

namespace Charts {

LineValuesCopy::LineValuesCopy(const std::shared_ptr<const ChartDataSetProtocol>& dataSet)
    : m_dataSet(dataSet)
{
    rebuild();
}

bool LineValuesCopy::isCopyOf(const ChartDataSetProtocol* dataSet) const
{
    const auto held = m_dataSet.lock();
    return held && held.get() == dataSet;
}

bool LineValuesCopy::isCurrent(const ChartDataSetProtocol* dataSet) const
{
    return m_revision == DataRevision::current() && isCopyOf(dataSet);
}

void LineValuesCopy::rebuild()
{
    m_xValues.clear();
    m_yValues.clear();
    m_revision = DataRevision::current();
    const auto dataSet = m_dataSet.lock();
    if (!dataSet) {
        return;
    }
    const qint64 count = dataSet->entryCount();
    m_xValues.reserve(count);
    m_yValues.reserve(count);
    m_ascendingAndFinite = true;
    const auto append = [this](const ChartDataEntry& entry) {
        const double x = entry.x();
        const double y = entry.y();
        m_ascendingAndFinite = m_ascendingAndFinite && std::isfinite(x) && std::isfinite(y)
            && (m_xValues.empty() || m_xValues.back() <= x);
        m_xValues.push_back(x);
        m_yValues.push_back(y);
    };
    if (const auto* entrySet = dynamic_cast<const ChartDataSet*>(dataSet.get())) {
        for (const auto& entry : entrySet->entries()) {
            append(*entry);
        }
        return;
    }
    for (qint64 i = 0; i < count; ++i) {
        append(*dataSet->entryForIndex(i));
    }
}

}
