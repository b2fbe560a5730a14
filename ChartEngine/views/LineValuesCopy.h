#pragma once

#include <QtGlobal>

#include <memory>
#include <vector>

namespace Charts {

class ChartDataSetProtocol;

// A contiguous copy of one data set's x and y values, for the drawing passes that read every
// entry. It knows the set (weakly) and the data model's revision it was built at, and is current
// only while both are unchanged: every edit of a set or an entry moves the revision on.
class LineValuesCopy {
public:
    explicit LineValuesCopy(const std::shared_ptr<const ChartDataSetProtocol>& dataSet);

    // Whether this is the copy of that set and still holds its values.
    bool isCurrent(const ChartDataSetProtocol* dataSet) const;
    bool isCopyOf(const ChartDataSetProtocol* dataSet) const;
    bool isExpired() const { return m_dataSet.expired(); }

    // Copies the set's values again and notes the current revision.
    void rebuild();

    const std::vector<double>& xValues() const { return m_xValues; }
    // Whether every value is finite and x never decreases.
    bool isAscendingAndFinite() const { return m_ascendingAndFinite; }
    const std::vector<double>& yValues() const { return m_yValues; }

private:
    std::weak_ptr<const ChartDataSetProtocol> m_dataSet;
    quint64 m_revision = 0;
    std::vector<double> m_xValues;
    std::vector<double> m_yValues;
    bool m_ascendingAndFinite = true;
};

}
