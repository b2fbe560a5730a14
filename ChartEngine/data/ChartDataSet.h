#pragma once

#include "ChartEngine/data/ChartBaseDataSet.h"

#include <functional>
#include <limits>

namespace Charts {

// A data set over a list of entries (never null), kept in ascending x order by its callers. It keeps the
// minimum and maximum of x and y over its entries by three rules:
//  1. removals, insertions at an index, range replacements, replaceEntries and clear recompute
//     everything from the entries;
//  2. addEntry, addEntryOrdered, appends and element writes only widen the bounds by the new
//     entry (an element write keeps the replaced entry's values in the bounds);
//  3. setEntries and changes of an entry's values leave the bounds alone until
//     notifyDataSetChanged.
// Every editing member moves DataRevision on, so caches of the entries' values see the change.
// Without entries the bounds hold the sentinels: the greatest finite double for a minimum, its
// negative for a maximum.
//
// The constructors from entries compute the bounds with this class's per-entry rule: C++ cannot
// reach a subclass's override from a base constructor. A subclass that changes the per-entry rule
// (calcMinMaxWithEntry and its two halves) calls calcMinMax() again at the end of its own
// constructors.
class ChartDataSet : public ChartBaseDataSet {
public:
    static constexpr double noMinimum = std::numeric_limits<double>::max();
    static constexpr double noMaximum = -std::numeric_limits<double>::max();

    // No entries, the label "DataSet", bounds at the sentinels.
    ChartDataSet();
    explicit ChartDataSet(const std::optional<QString>& label);
    explicit ChartDataSet(ChartDataEntryList entries,
                          const std::optional<QString>& label = QStringLiteral("DataSet"));

    // Bounds
    void calcMinMax() override;
    // Recomputes the y bounds only, over the entries from the one closest to fromX to the first at
    // or above toX; the x bounds stay.
    void calcMinMaxY(double fromX, double toX) override;
    double yMin() const override;
    double yMax() const override;
    double xMin() const override;
    double xMax() const override;

    // Entries
    const ChartDataEntryList& entries() const { return m_entries; }
    // Stores the list as it is: the bounds stay until notifyDataSetChanged.
    void setEntries(ChartDataEntryList entries);
    // Stores the list and recomputes the bounds.
    void replaceEntries(ChartDataEntryList entries);
    qint64 entryCount() const override;
    // None outside 0 to entryCount() - 1.
    std::shared_ptr<ChartDataEntry> entryForIndex(qint64 index) const override;
    // The first index whose entry equals entry (same x and y); -1 when none does.
    qint64 entryIndex(const std::shared_ptr<ChartDataEntry>& entry) const override;

    // Search by x over entries in ascending x order. The index found for x with the rounding;
    // with a y that is a number, the entry of that x run whose y is nearest (the later one on a
    // tie). -1 only for an empty set.
    qint64 entryIndex(double x, double closestToY, ChartDataSetRounding rounding) const override;
    std::shared_ptr<ChartDataEntry> entryForXValue(double x, double closestToY,
                                                   ChartDataSetRounding rounding) const override;
    std::shared_ptr<ChartDataEntry> entryForXValue(double x, double closestToY) const override;
    // Every entry whose x equals x exactly, in the order a partition of the list leaves them
    // (for 1, 2a, 2b, 2c, 3 and x 2: 2b, 2c, 2a).
    ChartDataEntryList entriesForXValue(double x) const override;

    // Editing (rule 1 or 2 above)
    bool addEntry(const std::shared_ptr<ChartDataEntry>& entry) override;
    bool addEntryOrdered(const std::shared_ptr<ChartDataEntry>& entry) override;
    // Removes the first entry equal to entry; the bounds are recomputed only when one was removed.
    bool removeEntry(const std::shared_ptr<ChartDataEntry>& entry) override;
    bool removeFirst() override;
    bool removeLast() override;
    void clear() override;

    // The set as a collection of its entries. An index or range outside the entries is a
    // programming error that stops the program.
    const std::shared_ptr<ChartDataEntry>& at(qint64 index) const;
    void setAt(qint64 index, const std::shared_ptr<ChartDataEntry>& entry);
    void append(const ChartDataEntryList& entries);
    void insert(qint64 index, const std::shared_ptr<ChartDataEntry>& entry);
    std::shared_ptr<ChartDataEntry> removeAt(qint64 index);
    // Removes the entries from index from up to (not including) index to.
    void removeRange(qint64 from, qint64 to);
    void replaceRange(qint64 from, qint64 to, const ChartDataEntryList& entries);
    void removeFirst(qint64 count);
    void removeLast(qint64 count);
    // Removes the matching entries; the others keep their order.
    void removeAll(const std::function<bool(const ChartDataEntry&)>& matches);

    std::shared_ptr<ChartBaseDataSet> makeEmpty() const override;

protected:
    // Widen the bounds by one entry. The per-entry rule of the bounds; chart types replace it.
    virtual void calcMinMaxWithEntry(const ChartDataEntry& entry);
    virtual void calcMinMaxXWithEntry(const ChartDataEntry& entry);
    virtual void calcMinMaxYWithEntry(const ChartDataEntry& entry);

    void copyTo(ChartBaseDataSet& target) const override;

    // The bounds, for the subclasses' per-entry rules.
    double m_yMax = noMaximum;
    double m_yMin = noMinimum;
    double m_xMax = noMaximum;
    double m_xMin = noMinimum;

private:
    void checkIndex(qint64 index, qint64 end) const;
    void checkRange(qint64 from, qint64 to) const;

    ChartDataEntryList m_entries;
};

}
