#pragma once

#include "ChartEngine/data/LineRadarChartDataSetProtocol.h"
#include "ChartEngine/data/LineScatterCandleRadarChartDataSet.h"
#include "ChartEngine/foundation/ChartColors.h"

namespace Charts {

// The common stem of the line and radar data sets: the line width and the filled area.
class LineRadarChartDataSet : public LineScatterCandleRadarChartDataSet, public virtual LineRadarChartDataSetProtocol {
public:
    LineRadarChartDataSet() = default;
    explicit LineRadarChartDataSet(const std::optional<QString>& label);
    explicit LineRadarChartDataSet(ChartDataEntryList entries,
                                   const std::optional<QString>& label = QStringLiteral("DataSet"));

    QColor fillColor() const override;
    // Stores the colour and removes the fill object: the area is filled with the colour.
    void setFillColor(const QColor& color) override;
    std::shared_ptr<Fill> fill() const override;
    void setFill(std::shared_ptr<Fill> fill) override;
    double fillAlpha() const override;
    void setFillAlpha(double alpha) override;
    double lineWidth() const override;
    // Clamped to [0, 10].
    void setLineWidth(double width) override;
    bool isDrawFilledEnabled() const override;
    void setDrawFilledEnabled(bool enabled) override;

    std::shared_ptr<ChartBaseDataSet> makeEmpty() const override;

protected:
    void copyTo(ChartBaseDataSet& target) const override;

private:
    QColor m_fillColor = ChartColors::dataSet();
    std::shared_ptr<Fill> m_fill;
    double m_fillAlpha = 0.33;
    double m_lineWidth = 1.0;
    bool m_drawFilledEnabled = false;
};

}
