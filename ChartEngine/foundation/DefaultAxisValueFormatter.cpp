#include "ChartEngine/foundation/DefaultAxisValueFormatter.h"

namespace Charts {

// Setting the formatter turns automatic decimals off, so the constructors that want them
// turn them on last.
DefaultAxisValueFormatter::DefaultAxisValueFormatter()
{
    setFormatter(std::make_shared<NumberFormatter>());
    m_hasAutoDecimals = true;
}

DefaultAxisValueFormatter::DefaultAxisValueFormatter(int decimals)
{
    setFormatter(std::make_shared<NumberFormatter>());
    m_formatter->setUsesGroupingSeparator(true);
    setDecimals(decimals);
    m_hasAutoDecimals = true;
}

DefaultAxisValueFormatter::DefaultAxisValueFormatter(std::shared_ptr<NumberFormatter> formatter)
{
    setFormatter(std::move(formatter));
}

DefaultAxisValueFormatter::DefaultAxisValueFormatter(Block block)
    : m_block(std::move(block))
{
}

std::shared_ptr<DefaultAxisValueFormatter> DefaultAxisValueFormatter::withBlock(Block block)
{
    return std::make_shared<DefaultAxisValueFormatter>(std::move(block));
}

void DefaultAxisValueFormatter::setFormatter(std::shared_ptr<NumberFormatter> formatter)
{
    m_hasAutoDecimals = false;
    m_formatter = std::move(formatter);
}

void DefaultAxisValueFormatter::setDecimals(std::optional<int> decimals)
{
    m_decimals = decimals;
    if (!decimals || !m_formatter) {
        return;
    }
    m_formatter->setMinimumFractionDigits(*decimals);
    m_formatter->setMaximumFractionDigits(*decimals);
    m_formatter->setUsesGroupingSeparator(true);
}

QString DefaultAxisValueFormatter::stringForValue(double value, const AxisBase* axis) const
{
    if (m_block) {
        return m_block(value, axis);
    }
    if (m_formatter) {
        return m_formatter->stringFromNumber(value);
    }
    return QString();
}

}
