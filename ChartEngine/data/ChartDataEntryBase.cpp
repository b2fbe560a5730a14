#include "ChartEngine/data/ChartDataEntryBase.h"

#include "ChartEngine/data/DataRevision.h"
#include "ChartEngine/data/ShortestNumberText.h"

namespace Charts {

ChartDataEntryBase::ChartDataEntryBase(double y)
    : m_y(y)
{
}

ChartDataEntryBase::ChartDataEntryBase(double y, const QVariant& data)
    : m_y(y)
    , m_data(data)
{
}

ChartDataEntryBase::ChartDataEntryBase(double y, std::shared_ptr<ChartImage> icon)
    : m_y(y)
    , m_icon(std::move(icon))
{
}

ChartDataEntryBase::ChartDataEntryBase(double y, std::shared_ptr<ChartImage> icon, const QVariant& data)
    : m_y(y)
    , m_data(data)
    , m_icon(std::move(icon))
{
}

void ChartDataEntryBase::setY(double y)
{
    m_y = y;
    DataRevision::bump();
}

void ChartDataEntryBase::setData(const QVariant& data)
{
    m_data = data;
}

void ChartDataEntryBase::setIcon(std::shared_ptr<ChartImage> icon)
{
    m_icon = std::move(icon);
}

QString ChartDataEntryBase::description() const
{
    return QStringLiteral("ChartDataEntryBase, y ") + shortestNumberText(m_y);
}

bool ChartDataEntryBase::isEqual(const ChartDataEntryBase* other) const
{
    if (other == nullptr) {
        return false;
    }
    return other == this || other->m_y == m_y;
}

}
