#pragma once

#include "ChartEngine/data/ChartDataSetProtocol.h"

#include <limits>

namespace Charts {

class Highlight;

using ChartDataSetList = QList<std::shared_ptr<ChartDataSetProtocol>>;

// The data a chart view is given: an ordered list of data sets (shared with the caller) and the
// bounds of all their values, overall and per y axis. Data sets are compared by identity.
//
// The bounds are cached: calcMinMax recomputes them in full (after a write of the list, a removal
// and notifyDataChanged); adding a data set or an entry only widens them; an element write or a
// swap leaves them until notifyDataChanged. An axis without data sets keeps the sentinels: the
// greatest finite double as minimum, its negative as maximum.
//
// A bad index (negative or past the end) finds nothing and changes nothing.
class ChartData {
public:
    static constexpr double noMinimum = std::numeric_limits<double>::max();
    static constexpr double noMaximum = -std::numeric_limits<double>::max();

    // No data sets; the bounds are not computed.
    ChartData() = default;
    // Holds the sets and computes the bounds with this class's calcMinMax: a subclass that
    // replaces calcMinMax or notifyDataChanged calls its own at the end of its constructor.
    explicit ChartData(ChartDataSetList dataSets);
    virtual ~ChartData() = default;

    ChartData(const ChartData&) = delete;
    ChartData& operator=(const ChartData&) = delete;

    double xMax() const { return m_xMax; }
    void setXMax(double value) { m_xMax = value; }
    double xMin() const { return m_xMin; }
    void setXMin(double value) { m_xMin = value; }
    double yMax() const { return m_yMax; }
    void setYMax(double value) { m_yMax = value; }
    double yMin() const { return m_yMin; }
    void setYMin(double value) { m_yMin = value; }
    // This axis's bound, or the other axis's when this one has no data set.
    double getYMin(AxisDependency axis) const;
    double getYMax(AxisDependency axis) const;

    // Texts the renderers' accessibility elements put around an entry's spoken label.
    std::optional<QString> accessibilityEntryLabelPrefix() const { return m_accessibilityEntryLabelPrefix; }
    void setAccessibilityEntryLabelPrefix(const std::optional<QString>& prefix);
    std::optional<QString> accessibilityEntryLabelSuffix() const { return m_accessibilityEntryLabelSuffix; }
    void setAccessibilityEntryLabelSuffix(const std::optional<QString>& suffix);
    bool accessibilityEntryLabelSuffixIsCount() const { return m_accessibilityEntryLabelSuffixIsCount; }
    void setAccessibilityEntryLabelSuffixIsCount(bool isCount);

    virtual void notifyDataChanged();
    // Full recomputation of every bound from the data sets' own bounds.
    virtual void calcMinMax();
    // Each set's y bounds over the entries between two x values, then calcMinMax.
    virtual void calcMinMaxY(double fromX, double toX);
    // Widen the bounds by one entry on an axis, or by one data set.
    virtual void calcMinMaxWithEntry(const ChartDataEntry& entry, AxisDependency axis);
    virtual void calcMinMaxWithDataSet(const ChartDataSetProtocol& dataSet);

    const ChartDataSetList& dataSets() const { return m_dataSets; }
    // Stores the list and recomputes the bounds.
    virtual void setDataSets(ChartDataSetList dataSets);
    virtual qint64 dataSetCount() const;
    // None for an index outside the list.
    virtual std::shared_ptr<ChartDataSetProtocol> dataSetAtIndex(qint64 index) const;
    // The first set whose label equals label (sets without a label are skipped).
    virtual std::shared_ptr<ChartDataSetProtocol> dataSetForLabel(const QString& label, bool ignoreCase) const;
    // The index of that set; -1 when none matches.
    qint64 dataSetIndexForLabel(const QString& label, bool ignoreCase) const;
    // -1 when the container does not hold the set.
    virtual qint64 indexOf(const std::shared_ptr<ChartDataSetProtocol>& dataSet) const;
    virtual bool contains(const std::shared_ptr<ChartDataSetProtocol>& dataSet) const;
    // The first of the container's own sets on the left / right axis; the list passed is not
    // consulted.
    virtual std::shared_ptr<ChartDataSetProtocol> getFirstLeft(const ChartDataSetList& dataSets) const;
    virtual std::shared_ptr<ChartDataSetProtocol> getFirstRight(const ChartDataSetList& dataSets) const;
    // The set with the most entries, the earliest on a tie; none without sets.
    virtual std::shared_ptr<ChartDataSetProtocol> maxEntryCountSet() const;
    // The first set in which a search for the entry's x and y finds that very entry.
    virtual std::shared_ptr<ChartDataSetProtocol> getDataSetForEntry(const std::shared_ptr<ChartDataEntry>& entry) const;

    // The entry behind a highlight: the entry of its data set closest to its x, then to its y.
    virtual std::shared_ptr<ChartDataEntry> entryFor(const Highlight& highlight) const;
    // Sum of the sets' entry counts.
    virtual qint64 entryCount() const;

    // Adds the entry to the set and widens the bounds; a bad index prints a line and adds nothing.
    virtual void addEntry(const std::shared_ptr<ChartDataEntry>& entry, qint64 dataSetIndex);
    // Removes the entry from the set and recomputes; false for a bad index or a missing entry.
    virtual bool removeEntry(const std::shared_ptr<ChartDataEntry>& entry, qint64 dataSetIndex);
    // Removes the entry closest to x from the set.
    virtual bool removeEntryWithXValue(double x, qint64 dataSetIndex);

    // Appends the set and widens the bounds by it.
    virtual void addDataSet(const std::shared_ptr<ChartDataSetProtocol>& dataSet);
    // Removes and returns the set at index and recomputes; none for a bad index.
    virtual std::shared_ptr<ChartDataSetProtocol> removeDataSetByIndex(qint64 index);
    // Removes the set if held; none when it is not.
    virtual std::shared_ptr<ChartDataSetProtocol> removeDataSet(const std::shared_ptr<ChartDataSetProtocol>& dataSet);
    // Empties the list and recomputes.
    virtual void clearValues();

    // All sets' colours, in list order.
    virtual QList<QColor> colors() const;
    virtual void setValueFormatter(const std::shared_ptr<ValueFormatter>& formatter);
    virtual void setValueTextColor(const QColor& color);
    virtual void setValueFont(const QFont& font);
    virtual void setDrawValues(bool enabled);
    // True when every set's highlighting is on (also without sets).
    virtual bool isHighlightEnabled() const;
    virtual void setHighlightEnabled(bool enabled);

    // The container as a collection of its data sets. Element reads and writes and swaps leave
    // the bounds alone; a range replacement widens them by each new set; the removals recompute.
    std::shared_ptr<ChartDataSetProtocol> at(qint64 index) const;
    void setAt(qint64 index, const std::shared_ptr<ChartDataSetProtocol>& dataSet);
    void swapAt(qint64 first, qint64 second);
    void removeFirst(qint64 count);
    void removeLast(qint64 count);
    // Removes the sets from index from up to (not including) index to.
    void removeRange(qint64 from, qint64 to);
    void replaceRange(qint64 from, qint64 to, const ChartDataSetList& dataSets);

protected:
    // For subclasses that keep their own list (combined data).
    ChartDataSetList& mutableDataSets() { return m_dataSets; }
    void resetBounds();

private:
    bool isIndex(qint64 index) const { return index >= 0 && index < m_dataSets.size(); }
    bool isRange(qint64 from, qint64 to) const { return from >= 0 && from <= to && to <= m_dataSets.size(); }
    void widenAxis(AxisDependency axis, double yMin, double yMax);

    double m_xMax = noMaximum;
    double m_xMin = noMinimum;
    double m_yMax = noMaximum;
    double m_yMin = noMinimum;
    double m_leftAxisMax = noMaximum;
    double m_leftAxisMin = noMinimum;
    double m_rightAxisMax = noMaximum;
    double m_rightAxisMin = noMinimum;
    std::optional<QString> m_accessibilityEntryLabelPrefix;
    std::optional<QString> m_accessibilityEntryLabelSuffix;
    bool m_accessibilityEntryLabelSuffixIsCount = false;
    ChartDataSetList m_dataSets;
};

}
