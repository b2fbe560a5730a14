#include "ChartEngine/components/Range.h"

namespace Charts {

Range::Range(double from, double to)
    : m_from(from)
    , m_to(to)
{
}

bool Range::contains(double value) const
{
    return value > m_from && value <= m_to;
}

bool Range::isLarger(double value) const
{
    return value > m_to;
}

bool Range::isSmaller(double value) const
{
    return value < m_from;
}

}
