#pragma once

#include "ChartEngine/components/AxisDependency.h"
#include "ChartEngine/components/Highlight.h"
#include "ChartEngine/components/Highlighter.h"
#include "ChartEngine/data/ChartDataSetRounding.h"

#include <QList>
#include <QObject>
#include <QPointF>
#include <QPointer>

#include <memory>

namespace Charts {

class BarLineScatterCandleBubbleChartDataProvider;
class ChartData;
class ChartDataProvider;
class ChartDataSetProtocol;

// The highlighter of the x-y charts: maps a touch to an x value through the left axis, takes
// the entries at the nearest x of every highlightable data set, picks the y axis whose values
// lie nearest the touch vertically (a tie goes to the right axis) and returns that axis's value
// nearest the touch, if it lies strictly closer than the chart's largest highlight distance.
//
// The chart is held weakly; once it is gone every operation yields nothing.
class ChartHighlighter : public Highlighter {
public:
    // `chart` answers ChartDataProvider, and BarLineScatterCandleBubbleChartDataProvider to
    // reach values through its transformers.
    explicit ChartHighlighter(QObject* chart);
    ChartHighlighter(const ChartHighlighter&) = delete;
    ChartHighlighter& operator=(const ChartHighlighter&) = delete;

    virtual QObject* chart() const { return m_chart.data(); }
    virtual void setChart(QObject* chart) { m_chart = chart; }

    std::shared_ptr<Highlight> getHighlight(double x, double y) const override;
    // The value point under the view point through the left axis's transformer; (0, 0) without
    // an x-y chart.
    virtual QPointF getValsForTouch(double x, double y) const;
    // The candidate at the x value nearest the touch (x, y), or none.
    virtual std::shared_ptr<Highlight> getHighlight(double xValue, double x, double y) const;
    // Every candidate at the x value, in data-set order, then entry order.
    virtual HighlightList getHighlights(double xValue, double x, double y) const;
    // The candidates of one data set: its entries at the x value, or else at the x of its entry
    // nearest it by the rounding.
    virtual HighlightList highlightsForDataSet(const ChartDataSetProtocol& dataSet,
                                               qint64 dataSetIndex, double xValue,
                                               ChartDataSetRounding rounding) const;
    virtual double pixelDistance(double x1, double y1, double x2, double y2) const;
    // The chart's data; none when the chart is gone.
    virtual std::shared_ptr<ChartData> highlightData() const;

protected:
    // The candidates of every highlightable data set of the data, in data-set order.
    HighlightList highlightsOfDataSets(const ChartData& data, double xValue) const;
    ChartDataProvider* dataProvider() const;
    BarLineScatterCandleBubbleChartDataProvider* barLineProvider() const;

private:
    static double axisDistance(const HighlightList& highlights, double y, AxisDependency axis);

    QPointer<QObject> m_chart;
};

}
