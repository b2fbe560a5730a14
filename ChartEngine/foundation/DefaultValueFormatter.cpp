#include "ChartEngine/foundation/DefaultValueFormatter.h"

namespace Charts {

DefaultValueFormatter::DefaultValueFormatter()
    : DefaultValueFormatter(1)
{
}

DefaultValueFormatter::DefaultValueFormatter(int decimals)
    : m_hasAutoDecimals(true)
    , m_formatter(std::make_shared<NumberFormatter>())
    , m_decimals(decimals)
{
    m_formatter->setUsesGroupingSeparator(true);
    applyDecimals(decimals);
}

DefaultValueFormatter::DefaultValueFormatter(std::shared_ptr<NumberFormatter> formatter)
    : m_formatter(std::move(formatter))
{
}

DefaultValueFormatter::DefaultValueFormatter(Block block)
    : m_block(std::move(block))
{
}

std::shared_ptr<DefaultValueFormatter> DefaultValueFormatter::withBlock(Block block)
{
    return std::make_shared<DefaultValueFormatter>(std::move(block));
}

void DefaultValueFormatter::setDecimals(std::optional<int> decimals)
{
    m_decimals = decimals;
    applyDecimals(decimals);
}

void DefaultValueFormatter::applyDecimals(std::optional<int> decimals)
{
    if (!decimals || !m_formatter) {
        return;
    }
    m_formatter->setMinimumFractionDigits(*decimals);
    m_formatter->setMaximumFractionDigits(*decimals);
    m_formatter->setUsesGroupingSeparator(true);
}

QString DefaultValueFormatter::stringForValue(double value, const ChartDataEntry* entry,
                                              qint64 dataSetIndex,
                                              const ViewPortHandler* viewPortHandler) const
{
    if (m_block) {
        return m_block(value, entry, dataSetIndex, viewPortHandler);
    }
    if (m_formatter) {
        return m_formatter->stringFromNumber(value);
    }
    return QString();
}

}
