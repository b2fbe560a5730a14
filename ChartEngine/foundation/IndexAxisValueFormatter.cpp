#include "ChartEngine/foundation/IndexAxisValueFormatter.h"
#include "ChartEngine/foundation/NumberUtils.h"

#include <cmath>

namespace Charts {

IndexAxisValueFormatter::IndexAxisValueFormatter(QStringList values)
    : m_values(std::move(values))
{
}

std::shared_ptr<IndexAxisValueFormatter> IndexAxisValueFormatter::withValues(QStringList values)
{
    return std::make_shared<IndexAxisValueFormatter>(std::move(values));
}

QString IndexAxisValueFormatter::stringForValue(double value, const AxisBase*) const
{
    // Compared as doubles first: only an index known to lie inside the list becomes an integer.
    const double index = std::round(value);
    if (!(index >= 0.0 && index < static_cast<double>(m_values.size()))
        || index != std::trunc(value)) {
        return QString();
    }
    return m_values.at(checkedInteger<qsizetype>(index));
}

}
