#pragma once

#include "ChartEngine/data/BarLineScatterCandleBubbleChartData.h"

#include <QList>

namespace Charts {

// The chart data of a bar chart: bar data sets and the width of one bar in x units. It can lay
// its sets out side by side, the n-th entries of all sets forming one group.
class BarChartData : public BarLineScatterCandleBubbleChartData {
public:
    BarChartData() = default;
    explicit BarChartData(ChartDataSetList dataSets);

    double barWidth() const { return m_barWidth; }
    void setBarWidth(double width);

    // The width of one group: (barWidth + barSpace) per data set, plus the group space.
    double groupWidth(double groupSpace, double barSpace) const;

    // Moves the entries' x values into groups starting at fromX: in each group half a group
    // space, then one slot of barWidth + barSpace per data set with its bar centred in it (a set
    // without an entry for the group leaves its slot empty), then half a group space; every group
    // is exactly groupWidth wide. The sets' own bounds are left as they are; the container's are
    // recomputed. An empty container prints a line and changes nothing.
    void groupBars(double fromX, double groupSpace, double barSpace);
    // Where the last groupBars started each group, by the index of the sets' entries in it
    // (empty until the bars are grouped): the x an axis labels a group by.
    const QList<double>& groupStarts() const { return m_groupStarts; }

private:
    double m_barWidth = 0.85;
    QList<double> m_groupStarts;
};

}
