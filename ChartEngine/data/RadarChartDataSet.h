#pragma once

#include "ChartEngine/data/LineRadarChartDataSet.h"
#include "ChartEngine/data/RadarChartDataSetProtocol.h"

namespace Charts {

// The data set of a radar chart: the ring drawn at a highlighted value. Values are drawn at size
// 13. A copy carries the properties of the bases only: the ring starts from its initial values in
// the copy.
class RadarChartDataSet : public LineRadarChartDataSet, public virtual RadarChartDataSetProtocol {
public:
    RadarChartDataSet();
    explicit RadarChartDataSet(const std::optional<QString>& label);
    explicit RadarChartDataSet(ChartDataEntryList entries,
                               const std::optional<QString>& label = QStringLiteral("DataSet"));

    bool isDrawHighlightCircleEnabled() const override;
    void setDrawHighlightCircleEnabled(bool enabled) override;
    std::optional<QColor> highlightCircleFillColor() const override;
    void setHighlightCircleFillColor(std::optional<QColor> color) override;
    std::optional<QColor> highlightCircleStrokeColor() const override;
    void setHighlightCircleStrokeColor(std::optional<QColor> color) override;
    // Alpha applied to the stroke colour.
    double highlightCircleStrokeAlpha() const override;
    void setHighlightCircleStrokeAlpha(double alpha) override;
    double highlightCircleInnerRadius() const override;
    void setHighlightCircleInnerRadius(double radius) override;
    double highlightCircleOuterRadius() const override;
    void setHighlightCircleOuterRadius(double radius) override;
    double highlightCircleStrokeWidth() const override;
    void setHighlightCircleStrokeWidth(double width) override;

    std::shared_ptr<ChartBaseDataSet> makeEmpty() const override;

private:
    bool m_drawHighlightCircleEnabled = false;
    std::optional<QColor> m_highlightCircleFillColor = ChartColors::white();
    std::optional<QColor> m_highlightCircleStrokeColor;
    double m_highlightCircleStrokeAlpha = 0.3;
    double m_highlightCircleInnerRadius = 3.0;
    double m_highlightCircleOuterRadius = 4.0;
    double m_highlightCircleStrokeWidth = 2.0;
};

}
