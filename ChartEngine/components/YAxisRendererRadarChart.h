#pragma once

#include "ChartEngine/components/YAxisRenderer.h"

#include <QObject>
#include <QPointer>

namespace Charts {

class RadarChartDataProvider;

// The radial axis of a radar chart: its labels stand along the first spoke, its limit lines are
// closed polygons around the centre, and its label values also become the axis's ends. It has
// no transformer, so it draws no grid lines, zero line or label positions of the base kind, and
// its range is taken as given.
//
// The chart is held weakly; once it is gone nothing is drawn.
class YAxisRendererRadarChart : public YAxisRenderer {
public:
    // `chart` answers RadarChartDataProvider.
    YAxisRendererRadarChart(std::shared_ptr<ViewPortHandler> viewPortHandler,
                            std::shared_ptr<YAxis> axis, QObject* chart);

    virtual QObject* chart() const { return m_chart.data(); }

    // Each label one line height above its ring on the first spoke, moved right by the axis's
    // labelXOffset and aligned by its labelAlignment.
    void renderAxisLabels(QPainter& painter) override;
    // Each enabled limit line as a polygon through every spoke at its value; no label.
    void renderLimitLines(QPainter& painter) override;
    void computeAxisValues(double min, double max) override;

private:
    RadarChartDataProvider* radarChart() const;

    QPointer<QObject> m_chart;
};

}
