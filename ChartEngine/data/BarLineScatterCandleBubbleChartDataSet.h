#pragma once

#include "ChartEngine/data/BarLineScatterCandleBubbleChartDataSetProtocol.h"
#include "ChartEngine/data/ChartDataSet.h"

namespace Charts {

// The common base of the data sets drawn on x and y axes: the style of the highlight line.
class BarLineScatterCandleBubbleChartDataSet : public ChartDataSet,
                                               public virtual BarLineScatterCandleBubbleChartDataSetProtocol {
public:
    BarLineScatterCandleBubbleChartDataSet() = default;
    explicit BarLineScatterCandleBubbleChartDataSet(const std::optional<QString>& label);
    explicit BarLineScatterCandleBubbleChartDataSet(ChartDataEntryList entries,
                                                    const std::optional<QString>& label = QStringLiteral("DataSet"));

    QColor highlightColor() const override;
    void setHighlightColor(const QColor& color) override;
    double highlightLineWidth() const override;
    void setHighlightLineWidth(double width) override;
    double highlightLineDashPhase() const override;
    void setHighlightLineDashPhase(double phase) override;
    std::optional<QList<double>> highlightLineDashLengths() const override;
    void setHighlightLineDashLengths(std::optional<QList<double>> lengths) override;

    std::shared_ptr<ChartBaseDataSet> makeEmpty() const override;

protected:
    void copyTo(ChartBaseDataSet& target) const override;

private:
    QColor m_highlightColor{255, 187, 115};
    double m_highlightLineWidth = 0.5;
    double m_highlightLineDashPhase = 0.0;
    std::optional<QList<double>> m_highlightLineDashLengths;
};

}
