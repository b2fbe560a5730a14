#include "ChartEngine/components/ChartLimitLine.h"

#include <algorithm>

namespace Charts {

ChartLimitLine::ChartLimitLine(double limit)
    : m_limit(limit)
{
}

ChartLimitLine::ChartLimitLine(double limit, const QString& label)
    : m_limit(limit)
    , m_label(label)
{
}

void ChartLimitLine::setLineWidth(double width)
{
    m_lineWidth = std::clamp(width, 0.2, 12.0);
}

}
