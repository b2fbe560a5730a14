#include "ChartEngine/data/ChartDataSet.h"

#include "ChartEngine/data/DataRevision.h"
#include "ChartEngine/foundation/ChartFatal.h"

#include <cmath>

namespace Charts {

ChartDataSet::ChartDataSet() = default;

ChartDataSet::ChartDataSet(const std::optional<QString>& label)
    : ChartDataSet(ChartDataEntryList(), label)
{
}

ChartDataSet::ChartDataSet(ChartDataEntryList entries, const std::optional<QString>& label)
    : ChartBaseDataSet(label)
    , m_entries(std::move(entries))
{
    calcMinMax();
}

void ChartDataSet::calcMinMax()
{
    m_yMax = noMaximum;
    m_yMin = noMinimum;
    m_xMax = noMaximum;
    m_xMin = noMinimum;
    for (const auto& entry : std::as_const(m_entries)) {
        calcMinMaxWithEntry(*entry);
    }
}

void ChartDataSet::calcMinMaxY(double fromX, double toX)
{
    m_yMax = noMaximum;
    m_yMin = noMinimum;
    if (m_entries.isEmpty()) {
        return;
    }
    const double noY = std::numeric_limits<double>::quiet_NaN();
    const qint64 from = entryIndex(fromX, noY, ChartDataSetRounding::closest);
    qint64 to = entryIndex(toX, noY, ChartDataSetRounding::up);
    if (to == -1) {
        to = entryIndex(toX, noY, ChartDataSetRounding::closest);
    }
    for (qint64 i = from; i <= to; ++i) {
        calcMinMaxYWithEntry(*m_entries.at(i));
    }
}

void ChartDataSet::calcMinMaxWithEntry(const ChartDataEntry& entry)
{
    calcMinMaxXWithEntry(entry);
    calcMinMaxYWithEntry(entry);
}

// With these comparisons a not-a-number value replaces both bounds, and the next number
// replaces a not-a-number bound.
void ChartDataSet::calcMinMaxXWithEntry(const ChartDataEntry& entry)
{
    const double x = entry.x();
    m_xMin = m_xMin < x ? m_xMin : x;
    m_xMax = x <= m_xMax ? m_xMax : x;
}

void ChartDataSet::calcMinMaxYWithEntry(const ChartDataEntry& entry)
{
    const double y = entry.y();
    m_yMin = m_yMin < y ? m_yMin : y;
    m_yMax = y <= m_yMax ? m_yMax : y;
}

double ChartDataSet::yMin() const
{
    return m_yMin;
}

double ChartDataSet::yMax() const
{
    return m_yMax;
}

double ChartDataSet::xMin() const
{
    return m_xMin;
}

double ChartDataSet::xMax() const
{
    return m_xMax;
}

void ChartDataSet::setEntries(ChartDataEntryList entries)
{
    m_entries = std::move(entries);
    DataRevision::bump();
}

void ChartDataSet::replaceEntries(ChartDataEntryList entries)
{
    m_entries = std::move(entries);
    DataRevision::bump();
    notifyDataSetChanged();
}

qint64 ChartDataSet::entryCount() const
{
    return m_entries.size();
}

std::shared_ptr<ChartDataEntry> ChartDataSet::entryForIndex(qint64 index) const
{
    if (index < 0 || index >= m_entries.size()) {
        return nullptr;
    }
    return m_entries.at(index);
}

qint64 ChartDataSet::entryIndex(const std::shared_ptr<ChartDataEntry>& entry) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i)->isEqual(entry.get())) {
            return i;
        }
    }
    return -1;
}

qint64 ChartDataSet::entryIndex(double x, double closestToY, ChartDataSetRounding rounding) const
{
    const ChartDataEntryList& list = m_entries;
    const qint64 n = list.size();
    const auto xAt = [&list](qint64 i) { return list.at(i)->x(); };

    // The first entry whose x is not below x; a not-a-number x finds the first entry.
    qint64 first = 0;
    qint64 length = n;
    while (length > 0) {
        const qint64 half = length / 2;
        const qint64 middle = first + half;
        if (xAt(middle) < x) {
            first = middle + 1;
            length -= half + 1;
        } else {
            length = half;
        }
    }
    qint64 i = first;
    if (i == n) {
        return n - 1;
    }

    const double found = xAt(i);
    switch (rounding) {
    case ChartDataSetRounding::up:
        if (found < x && i < n - 1) {
            ++i;
        }
        break;
    case ChartDataSetRounding::down:
        if (found > x && i > 0) {
            --i;
        }
        break;
    case ChartDataSetRounding::closest:
        // On a tie the entry at or above x stays.
        if (i > 0 && std::fabs(xAt(i - 1) - x) < std::fabs(found - x)) {
            --i;
        }
        break;
    default:
        chartFatal(QStringLiteral("Unexpected ChartDataSetRounding value %1").arg(static_cast<int>(rounding)));
    }
    if (std::isnan(closestToY)) {
        return i;
    }

    // Among the run of entries at the chosen x, the one whose y is nearest; the later one on a tie.
    const double runX = xAt(i);
    while (i > 0 && xAt(i - 1) == runX) {
        --i;
    }
    qint64 best = i;
    double bestY = list.at(i)->y();
    while (i < n - 1) {
        ++i;
        if (xAt(i) != runX) {
            break;
        }
        const double y = list.at(i)->y();
        if (std::fabs(y - closestToY) <= std::fabs(bestY - closestToY)) {
            best = i;
            bestY = y;
        }
    }
    return best;
}

std::shared_ptr<ChartDataEntry> ChartDataSet::entryForXValue(double x, double closestToY,
                                                             ChartDataSetRounding rounding) const
{
    const qint64 index = entryIndex(x, closestToY, rounding);
    return index > -1 ? m_entries.at(index) : nullptr;
}

std::shared_ptr<ChartDataEntry> ChartDataSet::entryForXValue(double x, double closestToY) const
{
    return entryForXValue(x, closestToY, ChartDataSetRounding::closest);
}

ChartDataEntryList ChartDataSet::entriesForXValue(double x) const
{
    ChartDataEntryList list = m_entries;
    const auto matches = [&list, x](qsizetype i) { return list.at(i)->x() == x; };
    const qsizetype n = list.size();

    // Move the matching entries to the end: each matching entry from the front is swapped with
    // the last entry that does not match.
    qsizetype low = 0;
    qsizetype high = n;
    while (low < high) {
        if (matches(low)) {
            do {
                --high;
            } while (high > low && matches(high));
            if (high <= low) {
                break;
            }
            list.swapItemsAt(low, high);
        }
        ++low;
    }

    // The first matching entry of the partitioned list.
    qsizetype first = 0;
    qsizetype length = n;
    while (length > 0) {
        const qsizetype half = length / 2;
        const qsizetype middle = first + half;
        if (!matches(middle)) {
            first = middle + 1;
            length -= half + 1;
        } else {
            length = half;
        }
    }
    ChartDataEntryList result;
    for (qsizetype i = first; i < n && matches(i); ++i) {
        result.append(list.at(i));
    }
    return result;
}

bool ChartDataSet::addEntry(const std::shared_ptr<ChartDataEntry>& entry)
{
    if (!entry) {
        return false;
    }
    calcMinMaxWithEntry(*entry);
    m_entries.append(entry);
    DataRevision::bump();
    return true;
}

bool ChartDataSet::addEntryOrdered(const std::shared_ptr<ChartDataEntry>& entry)
{
    if (!entry) {
        return false;
    }
    const double x = entry->x();
    if (m_entries.isEmpty() || !(m_entries.last()->x() > x)) {
        calcMinMaxWithEntry(*entry);
        m_entries.append(entry);
        DataRevision::bump();
        return true;
    }
    qint64 position = entryIndex(x, entry->y(), ChartDataSetRounding::up);
    // With entries out of order, the last entry from there on that lies below x.
    for (qint64 i = m_entries.size() - 1; i >= position; --i) {
        if (m_entries.at(i)->x() < x) {
            position = i;
            break;
        }
    }
    calcMinMaxWithEntry(*entry);
    m_entries.insert(position, entry);
    DataRevision::bump();
    return true;
}

bool ChartDataSet::removeEntry(const std::shared_ptr<ChartDataEntry>& entry)
{
    const qint64 index = entryIndex(entry);
    if (index < 0) {
        return false;
    }
    removeAt(index);
    return true;
}

bool ChartDataSet::removeFirst()
{
    if (m_entries.isEmpty()) {
        return false;
    }
    removeAt(0);
    return true;
}

bool ChartDataSet::removeLast()
{
    if (m_entries.isEmpty()) {
        return false;
    }
    removeAt(m_entries.size() - 1);
    return true;
}

void ChartDataSet::clear()
{
    m_entries.clear();
    DataRevision::bump();
    notifyDataSetChanged();
}

void ChartDataSet::checkIndex(qint64 index, qint64 end) const
{
    if (index < 0 || index >= end) {
        chartFatal(QStringLiteral("Index out of range"));
    }
}

void ChartDataSet::checkRange(qint64 from, qint64 to) const
{
    if (from < 0 || from > to || to > m_entries.size()) {
        chartFatal(QStringLiteral("Range out of bounds"));
    }
}

const std::shared_ptr<ChartDataEntry>& ChartDataSet::at(qint64 index) const
{
    checkIndex(index, m_entries.size());
    return m_entries.at(index);
}

void ChartDataSet::setAt(qint64 index, const std::shared_ptr<ChartDataEntry>& entry)
{
    checkIndex(index, m_entries.size());
    calcMinMaxWithEntry(*entry);
    m_entries[index] = entry;
    DataRevision::bump();
}

void ChartDataSet::append(const ChartDataEntryList& entries)
{
    for (const auto& entry : entries) {
        addEntry(entry);
    }
}

void ChartDataSet::insert(qint64 index, const std::shared_ptr<ChartDataEntry>& entry)
{
    checkIndex(index, m_entries.size() + 1);
    m_entries.insert(index, entry);
    DataRevision::bump();
    notifyDataSetChanged();
}

std::shared_ptr<ChartDataEntry> ChartDataSet::removeAt(qint64 index)
{
    checkIndex(index, m_entries.size());
    auto entry = m_entries.takeAt(index);
    DataRevision::bump();
    notifyDataSetChanged();
    return entry;
}

void ChartDataSet::removeRange(qint64 from, qint64 to)
{
    replaceRange(from, to, {});
}

void ChartDataSet::replaceRange(qint64 from, qint64 to, const ChartDataEntryList& entries)
{
    checkRange(from, to);
    m_entries.remove(from, to - from);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        m_entries.insert(from + i, entries.at(i));
    }
    DataRevision::bump();
    notifyDataSetChanged();
}

void ChartDataSet::removeFirst(qint64 count)
{
    checkRange(0, count);
    removeRange(0, count);
}

void ChartDataSet::removeLast(qint64 count)
{
    checkRange(0, count);
    removeRange(m_entries.size() - count, m_entries.size());
}

void ChartDataSet::removeAll(const std::function<bool(const ChartDataEntry&)>& matches)
{
    m_entries.removeIf([&matches](const std::shared_ptr<ChartDataEntry>& entry) { return matches(*entry); });
    DataRevision::bump();
    notifyDataSetChanged();
}

std::shared_ptr<ChartBaseDataSet> ChartDataSet::makeEmpty() const
{
    return std::make_shared<ChartDataSet>();
}

void ChartDataSet::copyTo(ChartBaseDataSet& target) const
{
    ChartBaseDataSet::copyTo(target);
    auto& set = dynamic_cast<ChartDataSet&>(target);
    set.m_entries = m_entries;
    set.m_yMax = m_yMax;
    set.m_yMin = m_yMin;
    set.m_xMax = m_xMax;
    set.m_xMin = m_xMin;
}

}
