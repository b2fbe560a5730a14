#include "ChartEngine/data/ChartData.h"

#include "ChartEngine/components/Highlight.h"
#include "ChartEngine/foundation/ChartConsole.h"

#include <cmath>

namespace Charts {

namespace {

double larger(double current, double value)
{
    return value >= current ? value : current;
}

double smaller(double current, double value)
{
    return value < current ? value : current;
}

}

ChartData::ChartData(ChartDataSetList dataSets)
{
    setDataSets(std::move(dataSets));
}

double ChartData::getYMin(AxisDependency axis) const
{
    if (axis == AxisDependency::left) {
        return m_leftAxisMin == noMinimum ? m_rightAxisMin : m_leftAxisMin;
    }
    return m_rightAxisMin == noMinimum ? m_leftAxisMin : m_rightAxisMin;
}

double ChartData::getYMax(AxisDependency axis) const
{
    if (axis == AxisDependency::left) {
        return m_leftAxisMax == noMaximum ? m_rightAxisMax : m_leftAxisMax;
    }
    return m_rightAxisMax == noMaximum ? m_leftAxisMax : m_rightAxisMax;
}

void ChartData::setAccessibilityEntryLabelPrefix(const std::optional<QString>& prefix)
{
    m_accessibilityEntryLabelPrefix = prefix;
}

void ChartData::setAccessibilityEntryLabelSuffix(const std::optional<QString>& suffix)
{
    m_accessibilityEntryLabelSuffix = suffix;
}

void ChartData::setAccessibilityEntryLabelSuffixIsCount(bool isCount)
{
    m_accessibilityEntryLabelSuffixIsCount = isCount;
}

void ChartData::notifyDataChanged()
{
    calcMinMax();
}

void ChartData::resetBounds()
{
    m_leftAxisMax = m_rightAxisMax = m_yMax = m_xMax = noMaximum;
    m_leftAxisMin = m_rightAxisMin = m_yMin = m_xMin = noMinimum;
}

void ChartData::calcMinMax()
{
    resetBounds();
    for (const auto& set : std::as_const(m_dataSets)) {
        calcMinMaxWithDataSet(*set);
    }
    // Each axis's bounds start from its first set, then take in the others on that axis.
    if (const auto firstLeft = getFirstLeft(m_dataSets)) {
        m_leftAxisMax = firstLeft->yMax();
        m_leftAxisMin = firstLeft->yMin();
        for (const auto& set : std::as_const(m_dataSets)) {
            if (set->axisDependency() == AxisDependency::left) {
                m_leftAxisMin = set->yMin() < m_leftAxisMin ? set->yMin() : m_leftAxisMin;
                m_leftAxisMax = set->yMax() > m_leftAxisMax ? set->yMax() : m_leftAxisMax;
            }
        }
    }
    if (const auto firstRight = getFirstRight(m_dataSets)) {
        m_rightAxisMax = firstRight->yMax();
        m_rightAxisMin = firstRight->yMin();
        for (const auto& set : std::as_const(m_dataSets)) {
            if (set->axisDependency() != AxisDependency::left) {
                m_rightAxisMin = set->yMin() < m_rightAxisMin ? set->yMin() : m_rightAxisMin;
                m_rightAxisMax = set->yMax() > m_rightAxisMax ? set->yMax() : m_rightAxisMax;
            }
        }
    }
}

void ChartData::calcMinMaxY(double fromX, double toX)
{
    for (const auto& set : std::as_const(m_dataSets)) {
        set->calcMinMaxY(fromX, toX);
    }
    calcMinMax();
}

void ChartData::widenAxis(AxisDependency axis, double yMin, double yMax)
{
    if (axis == AxisDependency::left) {
        m_leftAxisMax = larger(m_leftAxisMax, yMax);
        m_leftAxisMin = smaller(m_leftAxisMin, yMin);
    } else {
        m_rightAxisMax = larger(m_rightAxisMax, yMax);
        m_rightAxisMin = smaller(m_rightAxisMin, yMin);
    }
}

void ChartData::calcMinMaxWithEntry(const ChartDataEntry& entry, AxisDependency axis)
{
    m_xMax = larger(m_xMax, entry.x());
    m_xMin = smaller(m_xMin, entry.x());
    m_yMax = larger(m_yMax, entry.y());
    m_yMin = smaller(m_yMin, entry.y());
    widenAxis(axis, entry.y(), entry.y());
}

void ChartData::calcMinMaxWithDataSet(const ChartDataSetProtocol& dataSet)
{
    m_xMax = larger(m_xMax, dataSet.xMax());
    m_xMin = smaller(m_xMin, dataSet.xMin());
    m_yMax = larger(m_yMax, dataSet.yMax());
    m_yMin = smaller(m_yMin, dataSet.yMin());
    widenAxis(dataSet.axisDependency(), dataSet.yMin(), dataSet.yMax());
}

void ChartData::setDataSets(ChartDataSetList dataSets)
{
    m_dataSets = std::move(dataSets);
    notifyDataChanged();
}

qint64 ChartData::dataSetCount() const
{
    return m_dataSets.size();
}

std::shared_ptr<ChartDataSetProtocol> ChartData::dataSetAtIndex(qint64 index) const
{
    return isIndex(index) ? m_dataSets.at(index) : nullptr;
}

qint64 ChartData::dataSetIndexForLabel(const QString& label, bool ignoreCase) const
{
    const Qt::CaseSensitivity sensitivity = ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
    for (qsizetype i = 0; i < m_dataSets.size(); ++i) {
        const auto setLabel = m_dataSets.at(i)->label();
        if (setLabel && QString::compare(*setLabel, label, sensitivity) == 0) {
            return i;
        }
    }
    return -1;
}

std::shared_ptr<ChartDataSetProtocol> ChartData::dataSetForLabel(const QString& label, bool ignoreCase) const
{
    return dataSetAtIndex(dataSetIndexForLabel(label, ignoreCase));
}

qint64 ChartData::indexOf(const std::shared_ptr<ChartDataSetProtocol>& dataSet) const
{
    return m_dataSets.indexOf(dataSet);
}

bool ChartData::contains(const std::shared_ptr<ChartDataSetProtocol>& dataSet) const
{
    return m_dataSets.contains(dataSet);
}

std::shared_ptr<ChartDataSetProtocol> ChartData::getFirstLeft(const ChartDataSetList&) const
{
    for (const auto& set : m_dataSets) {
        if (set->axisDependency() == AxisDependency::left) {
            return set;
        }
    }
    return nullptr;
}

std::shared_ptr<ChartDataSetProtocol> ChartData::getFirstRight(const ChartDataSetList&) const
{
    for (const auto& set : m_dataSets) {
        if (set->axisDependency() != AxisDependency::left) {
            return set;
        }
    }
    return nullptr;
}

std::shared_ptr<ChartDataSetProtocol> ChartData::maxEntryCountSet() const
{
    std::shared_ptr<ChartDataSetProtocol> most;
    for (const auto& set : m_dataSets) {
        if (!most || set->entryCount() > most->entryCount()) {
            most = set;
        }
    }
    return most;
}

std::shared_ptr<ChartDataSetProtocol> ChartData::getDataSetForEntry(const std::shared_ptr<ChartDataEntry>& entry) const
{
    if (!entry) {
        return nullptr;
    }
    for (const auto& set : m_dataSets) {
        if (set->entryForXValue(entry->x(), entry->y()) == entry) {
            return set;
        }
    }
    return nullptr;
}

std::shared_ptr<ChartDataEntry> ChartData::entryFor(const Highlight& highlight) const
{
    // A highlight without a value (x not a number) names no entry.
    if (!isIndex(highlight.dataSetIndex()) || !std::isfinite(highlight.x())) {
        return nullptr;
    }
    return m_dataSets.at(highlight.dataSetIndex())->entryForXValue(highlight.x(), highlight.y());
}

qint64 ChartData::entryCount() const
{
    qint64 count = 0;
    for (const auto& set : m_dataSets) {
        count += set->entryCount();
    }
    return count;
}

void ChartData::addEntry(const std::shared_ptr<ChartDataEntry>& entry, qint64 dataSetIndex)
{
    if (!isIndex(dataSetIndex)) {
        ChartConsole::printLine(
            QStringLiteral("ChartData.addEntry() - Cannot add Entry because dataSetIndex too high or too low."));
        return;
    }
    const auto& set = m_dataSets.at(dataSetIndex);
    if (set->addEntry(entry)) {
        calcMinMaxWithEntry(*entry, set->axisDependency());
    }
}

bool ChartData::removeEntry(const std::shared_ptr<ChartDataEntry>& entry, qint64 dataSetIndex)
{
    if (!isIndex(dataSetIndex)) {
        return false;
    }
    if (!m_dataSets.at(dataSetIndex)->removeEntry(entry)) {
        return false;
    }
    calcMinMax();
    return true;
}

bool ChartData::removeEntryWithXValue(double x, qint64 dataSetIndex)
{
    if (!isIndex(dataSetIndex)) {
        return false;
    }
    const auto entry = m_dataSets.at(dataSetIndex)->entryForXValue(x, std::numeric_limits<double>::quiet_NaN());
    return entry ? removeEntry(entry, dataSetIndex) : false;
}

void ChartData::addDataSet(const std::shared_ptr<ChartDataSetProtocol>& dataSet)
{
    m_dataSets.append(dataSet);
    calcMinMaxWithDataSet(*dataSet);
}

std::shared_ptr<ChartDataSetProtocol> ChartData::removeDataSetByIndex(qint64 index)
{
    if (!isIndex(index)) {
        return nullptr;
    }
    auto removed = m_dataSets.takeAt(index);
    calcMinMax();
    return removed;
}

std::shared_ptr<ChartDataSetProtocol> ChartData::removeDataSet(const std::shared_ptr<ChartDataSetProtocol>& dataSet)
{
    const qint64 index = indexOf(dataSet);
    return index < 0 ? nullptr : removeDataSetByIndex(index);
}

void ChartData::clearValues()
{
    m_dataSets.clear();
    notifyDataChanged();
}

QList<QColor> ChartData::colors() const
{
    QList<QColor> all;
    for (const auto& set : m_dataSets) {
        all += set->colors();
    }
    return all;
}

void ChartData::setValueFormatter(const std::shared_ptr<ValueFormatter>& formatter)
{
    for (const auto& set : std::as_const(m_dataSets)) {
        set->setValueFormatter(formatter);
    }
}

void ChartData::setValueTextColor(const QColor& color)
{
    for (const auto& set : std::as_const(m_dataSets)) {
        set->setValueTextColor(color);
    }
}

void ChartData::setValueFont(const QFont& font)
{
    for (const auto& set : std::as_const(m_dataSets)) {
        set->setValueFont(font);
    }
}

void ChartData::setDrawValues(bool enabled)
{
    for (const auto& set : std::as_const(m_dataSets)) {
        set->setDrawValuesEnabled(enabled);
    }
}

bool ChartData::isHighlightEnabled() const
{
    for (const auto& set : m_dataSets) {
        if (!set->isHighlightEnabled()) {
            return false;
        }
    }
    return true;
}

void ChartData::setHighlightEnabled(bool enabled)
{
    for (const auto& set : std::as_const(m_dataSets)) {
        set->setHighlightEnabled(enabled);
    }
}

std::shared_ptr<ChartDataSetProtocol> ChartData::at(qint64 index) const
{
    return dataSetAtIndex(index);
}

void ChartData::setAt(qint64 index, const std::shared_ptr<ChartDataSetProtocol>& dataSet)
{
    if (isIndex(index)) {
        m_dataSets[index] = dataSet;
    }
}

void ChartData::swapAt(qint64 first, qint64 second)
{
    if (isIndex(first) && isIndex(second) && first != second) {
        m_dataSets.swapItemsAt(first, second);
    }
}

void ChartData::removeFirst(qint64 count)
{
    if (count > 0 && isRange(0, count)) {
        removeRange(0, count);
    }
}

void ChartData::removeLast(qint64 count)
{
    if (count > 0 && isRange(0, count)) {
        removeRange(m_dataSets.size() - count, m_dataSets.size());
    }
}

void ChartData::removeRange(qint64 from, qint64 to)
{
    if (!isRange(from, to)) {
        return;
    }
    m_dataSets.remove(from, to - from);
    notifyDataChanged();
}

void ChartData::replaceRange(qint64 from, qint64 to, const ChartDataSetList& dataSets)
{
    if (!isRange(from, to)) {
        return;
    }
    m_dataSets.remove(from, to - from);
    for (qsizetype i = 0; i < dataSets.size(); ++i) {
        m_dataSets.insert(from + i, dataSets.at(i));
    }
    for (const auto& set : dataSets) {
        calcMinMaxWithDataSet(*set);
    }
}

}
