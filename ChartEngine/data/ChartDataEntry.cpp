#include "ChartEngine/data/ChartDataEntry.h"

#include "ChartEngine/data/DataRevision.h"
#include "ChartEngine/data/ShortestNumberText.h"

namespace Charts {

ChartDataEntry::ChartDataEntry(double x, double y)
    : ChartDataEntryBase(y)
    , m_x(x)
{
}

ChartDataEntry::ChartDataEntry(double x, double y, const QVariant& data)
    : ChartDataEntryBase(y, data)
    , m_x(x)
{
}

ChartDataEntry::ChartDataEntry(double x, double y, std::shared_ptr<ChartImage> icon)
    : ChartDataEntryBase(y, std::move(icon))
    , m_x(x)
{
}

ChartDataEntry::ChartDataEntry(double x, double y, std::shared_ptr<ChartImage> icon, const QVariant& data)
    : ChartDataEntryBase(y, std::move(icon), data)
    , m_x(x)
{
}

void ChartDataEntry::setX(double x)
{
    m_x = x;
    DataRevision::bump();
}

QString ChartDataEntry::description() const
{
    return QStringLiteral("ChartDataEntry, x: ") + shortestNumberText(m_x) + QStringLiteral(", y ")
        + shortestNumberText(y());
}

bool ChartDataEntry::isEqual(const ChartDataEntryBase* other) const
{
    const auto* entry = dynamic_cast<const ChartDataEntry*>(other);
    if (entry == nullptr) {
        return false;
    }
    return entry == this || (entry->y() == y() && entry->m_x == m_x);
}

std::shared_ptr<ChartDataEntry> ChartDataEntry::copy() const
{
    auto target = makeEmpty();
    copyTo(*target);
    return target;
}

std::shared_ptr<ChartDataEntry> ChartDataEntry::makeEmpty() const
{
    return std::make_shared<ChartDataEntry>();
}

void ChartDataEntry::copyTo(ChartDataEntry& target) const
{
    target.m_x = m_x;
    target.storeY(y());
    target.setData(data());
}

}
