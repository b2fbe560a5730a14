#include "ChartEngine/views/XBounds.h"
#include "ChartEngine/foundation/NumberUtils.h"

#include "ChartEngine/data/BarLineScatterCandleBubbleChartDataSetProtocol.h"
#include "ChartEngine/data/FoundEntryIndex.h"
#include "ChartEngine/foundation/Animator.h"
#include "ChartEngine/views/BarLineScatterCandleBubbleChartDataProvider.h"

#include <cmath>
#include <limits>

namespace Charts {

namespace {

// The index of the entry found at x by the rounding, or 0 when there is none.
qint64 edgeIndex(const BarLineScatterCandleBubbleChartDataSetProtocol& dataSet, double x,
                 ChartDataSetRounding rounding)
{
    const qint64 found = dataSet.entryIndex(x, std::numeric_limits<double>::quiet_NaN(), rounding);
    return std::max<qint64>(firstEqualEntryIndex(dataSet, found), 0);
}

}

XBounds::XBounds(const BarLineScatterCandleBubbleChartDataProvider& chart,
                 const BarLineScatterCandleBubbleChartDataSetProtocol& dataSet, const Animator* animator)
{
    // The constructor runs this class's own step: an override is not reachable yet.
    XBounds::set(chart, dataSet, animator);
}

void XBounds::set(const BarLineScatterCandleBubbleChartDataProvider& chart,
                  const BarLineScatterCandleBubbleChartDataSetProtocol& dataSet,
                  const Animator* animator)
{
    double phase = animator ? animator->phaseX() : 1.0;
    if (!(phase < 1.0)) {
        phase = 1.0;
    } else if (phase < 0.0) {
        phase = 0.0;
    }
    m_min = edgeIndex(dataSet, chart.lowestVisibleX(), ChartDataSetRounding::down);
    m_max = edgeIndex(dataSet, chart.highestVisibleX(), ChartDataSetRounding::up);
    m_range = checkedInteger<qint64>(static_cast<double>(m_max - m_min) * phase);
}

QString XBounds::debugDescription() const
{
    return QStringLiteral("min:%1, max:%2, range:%3").arg(m_min).arg(m_max).arg(m_range);
}

}
