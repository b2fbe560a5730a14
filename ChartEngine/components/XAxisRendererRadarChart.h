#pragma once

#include "ChartEngine/components/XAxisRenderer.h"

#include <QObject>
#include <QPointer>

namespace Charts {

class RadarChartDataProvider;

// The x axis of a radar chart: one label per spoke, beyond the outer ring at the spoke's angle,
// written by the axis's formatter from the spoke's index. It has no transformer, so its range
// is taken as given and it draws no grid lines, no limit lines and no labels of the base kind.
//
// The chart is held weakly; once it is gone nothing is drawn.
class XAxisRendererRadarChart : public XAxisRenderer {
public:
    // `chart` answers RadarChartDataProvider.
    XAxisRendererRadarChart(std::shared_ptr<ViewPortHandler> viewPortHandler,
                            std::shared_ptr<XAxis> axis, QObject* chart);

    virtual QObject* chart() const { return m_chart.data(); }
    virtual void setChart(QObject* chart) { m_chart = chart; }

    void renderAxisLabels(QPainter& painter) override;
    // Radar limit lines are the y axis's polygons.
    void renderLimitLines(QPainter& painter) override;

    using XAxisRenderer::drawLabel;
    // One line of text, its anchor (fractions of its size) at (x, y), not measured first.
    virtual void drawLabel(QPainter& painter, const QString& formattedLabel, double x, double y,
                           const TextAttributes& attributes, QPointF anchor, double angleRadians);

private:
    RadarChartDataProvider* radarChart() const;

    QPointer<QObject> m_chart;
};

}
