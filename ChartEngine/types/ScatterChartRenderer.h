#pragma once

#include "ChartEngine/views/LineScatterCandleRadarRenderer.h"

#include <QObject>
#include <QPointer>

namespace Charts {

struct PointSource;
class ScatterChartDataProvider;
class ScatterChartDataSetProtocol;

// Draws the data of a scatter chart: every visible point of each visible set through the set's
// shape renderer, value labels above the shapes and icons, and the highlight indicator lines.
// It makes the chart's header element (inside a scatter chart view only) and, inside any chart
// view, an element per entry of each visible set that has a shape renderer, as the line chart's
// points have (the text, a frame of a square of three shape sizes around the point), those it
// draws no shape for marked off screen. The scatter and the combined chart views make one.
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
    // over points left of it or above or below it. A set without a shape renderer draws nothing
    // and says so on the console, once per call.
    virtual void drawDataSet(QPainter& painter, const ScatterChartDataSetProtocol& dataSet);

protected:
    Elements describeEntries() const override;

private:
    // How many of the set's entries the x animation uncovers (a whole number, as a double).
    double uncoveredCount(const ScatterChartDataSetProtocol& dataSet) const;
    Elements describePoints(const PointSource& points, const ScatterChartDataSetProtocol& dataSet) const;
    void drawValuesOfSet(QPainter& painter, const ScatterChartDataSetProtocol& dataSet, qint64 i);

    QPointer<QObject> m_chart;
};

}
