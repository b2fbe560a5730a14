#pragma once

#include "ChartEngine/views/LineScatterCandleRadarRenderer.h"

#include <QObject>
#include <QPointer>

namespace Charts {

class ScatterChartDataProvider;
class ScatterChartDataSetProtocol;

// Draws the data of a scatter chart: every visible point of each visible set through the set's
// shape renderer, value labels above the shapes and icons, and the highlight indicator lines.
// It makes the chart's header element (inside a scatter chart view only) and, inside any chart
// view, an element per drawn point, as the line chart's points have. The scatter and the
// combined chart views make one.
class ScatterChartRenderer : public LineScatterCandleRadarRenderer {
public:
    // `chart` answers ScatterChartDataProvider; it is held weakly and cast on each use.
    ScatterChartRenderer(QObject* chart, std::shared_ptr<Animator> animator,
                         std::shared_ptr<ViewPortHandler> viewPortHandler);
    ~ScatterChartRenderer() override;

    // The chart it draws; null once the chart is gone or when it answers no scatter provider.
    virtual ScatterChartDataProvider* dataProvider() const;
    virtual void setDataProvider(QObject* chart);

    void drawData(QPainter& painter) override;
    void drawValues(QPainter& painter) override;
    void drawExtras(QPainter& painter) override;
    void drawHighlighted(QPainter& painter, const HighlightList& indices) override;

    // The points of one set, in index order up to the share the x animation uncovers; the pass
    // ends at the first point right of the content (the entries are sorted by x) and passes
    // over points left of it or above or below it. Each drawn point adds its element (the
    // point's text, framed by a square of three shape sizes around it). A set without a shape
    // renderer draws nothing and says so on the console, once per call.
    virtual void drawDataSet(QPainter& painter, const ScatterChartDataSetProtocol& dataSet);

private:
    void drawValuesOfSet(QPainter& painter, const ScatterChartDataSetProtocol& dataSet, qint64 i);

    QPointer<QObject> m_chart;
};

}
