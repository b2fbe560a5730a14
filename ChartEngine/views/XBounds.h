#pragma once

#include <QString>
#include <QtGlobal>

#include <iterator>

namespace Charts {

class Animator;
class BarLineScatterCandleBubbleChartDataProvider;
class BarLineScatterCandleBubbleChartDataSetProtocol;

// The entries of one data set that a drawing pass visits: the indices min, min + 1, ...,
// min + range. They reach from the entry at or just left of the visible x range to the one at or
// just right of it, shortened by the animation's x phase. A negative range visits nothing.
class XBounds {
public:
    // Yields the visited indices in ascending order.
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = qint64;
        using difference_type = qint64;
        using pointer = const qint64*;
        using reference = qint64;

        Iterator() = default;
        explicit Iterator(qint64 index) : m_index(index) {}
        qint64 operator*() const { return m_index; }
        Iterator& operator++()
        {
            ++m_index;
            return *this;
        }
        Iterator operator++(int)
        {
            Iterator before = *this;
            ++m_index;
            return before;
        }
        friend bool operator==(const Iterator&, const Iterator&) = default;

    private:
        qint64 m_index = 0;
    };

    // All fields 0.
    XBounds() = default;
    // Filled by set().
    XBounds(const BarLineScatterCandleBubbleChartDataProvider& chart,
            const BarLineScatterCandleBubbleChartDataSetProtocol& dataSet, const Animator* animator);
    virtual ~XBounds() = default;

    // Index of the first visited entry.
    qint64 min() const { return m_min; }
    void setMin(qint64 min) { m_min = min; }
    // Index of the last entry inside the visible range, before the animation phase applies.
    qint64 max() const { return m_max; }
    void setMax(qint64 max) { m_max = max; }
    // How many index steps after min the pass visits.
    qint64 range() const { return m_range; }
    void setRange(qint64 range) { m_range = range; }

    // Refills the bounds for the data set's entries inside the chart's visible x range. The phase
    // is the animator's x phase limited to 0 ... 1 (not-a-number counts as 1), 1 without an
    // animator; an edge without an entry gives index 0.
    virtual void set(const BarLineScatterCandleBubbleChartDataProvider& chart,
                     const BarLineScatterCandleBubbleChartDataSetProtocol& dataSet,
                     const Animator* animator);

    Iterator begin() const { return Iterator(m_min); }
    Iterator end() const { return Iterator(m_range < 0 ? m_min : m_min + m_range + 1); }
    bool contains(qint64 index) const { return index >= m_min && index <= m_min + m_range; }

    // "min:0, max:5, range:5"
    QString debugDescription() const;

private:
    qint64 m_min = 0;
    qint64 m_max = 0;
    qint64 m_range = 0;
};

}
