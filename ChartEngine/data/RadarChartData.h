#pragma once

#include "ChartEngine/data/ChartData.h"

#include <QStringList>

namespace Charts {

// The chart data of a radar chart: the style of the highlight lines and one label per spoke.
// Its entries are addressed by index, not by x.
class RadarChartData : public ChartData {
public:
    RadarChartData() = default;
    explicit RadarChartData(ChartDataSetList dataSets);

    QColor highlightColor() const { return m_highlightColor; }
    void setHighlightColor(const QColor& color);
    double highlightLineWidth() const { return m_highlightLineWidth; }
    void setHighlightLineWidth(double width);
    double highlightLineDashPhase() const { return m_highlightLineDashPhase; }
    void setHighlightLineDashPhase(double phase);
    // None: a solid line.
    const std::optional<QList<double>>& highlightLineDashLengths() const { return m_highlightLineDashLengths; }
    void setHighlightLineDashLengths(std::optional<QList<double>> lengths);
    // One label per spoke, in entry-index order; setLabels({"a", "b"}) takes them as a list.
    const QStringList& labels() const { return m_labels; }
    void setLabels(const QStringList& labels);

    // The entry of the highlight's data set at the index its x names (truncated toward zero);
    // none for a data-set index outside the list, an index outside the entries, or an x that is
    // not a finite number.
    std::shared_ptr<ChartDataEntry> entryFor(const Highlight& highlight) const override;

private:
    QColor m_highlightColor{255, 187, 115};
    double m_highlightLineWidth = 1.0;
    double m_highlightLineDashPhase = 0.0;
    std::optional<QList<double>> m_highlightLineDashLengths;
    QStringList m_labels;
};

}
