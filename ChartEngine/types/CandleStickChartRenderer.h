#pragma once

#include "ChartEngine/views/LineScatterCandleRadarRenderer.h"

#include <QObject>
#include <QPointer>

namespace Charts {

class CandleChartDataEntry;
class CandleChartDataProvider;
class CandleChartDataSetProtocol;
struct PointSource;
class Transformer;

// Draws the data of a candlestick chart: for each entry either a candle (a shadow from low to
// high and a body from open to close, `barSpace` x units in from both sides of its x unit) or an
// open-high-low-close bar (a line from high to low, the open tick to its left and the close tick
// to its right); value labels above the highs and icons; the highlight indicator lines through
// the middle of the highlighted candle's range. Every stroke is the set's shadow width wide.
//
// A candle closing below its open is "decreasing" (its body filled when the set fills decreasing
// bodies), above it "increasing", and one closing at its open "neutral" (a stroked body of no
// height). A colour the set leaves unset is its colour for the entry's index.
//
// It publishes one element per entry of each visible set after the chart's header, those it draws
// nothing of on screen marked off screen; the header only inside a candlestick chart view, the
// elements also inside a combined chart, with that chart as their container.
class CandleStickChartRenderer : public LineScatterCandleRadarRenderer {
public:
    // `chart` answers CandleChartDataProvider; it is held weakly and cast on each use.
    CandleStickChartRenderer(QObject* chart, std::shared_ptr<Animator> animator,
                             std::shared_ptr<ViewPortHandler> viewPortHandler);
    ~CandleStickChartRenderer() override;

    // The chart it draws; null once the chart is gone or when it answers no candle provider.
    virtual CandleChartDataProvider* dataProvider() const;
    virtual void setDataProvider(QObject* chart);

    void drawData(QPainter& painter) override;
    void drawValues(QPainter& painter) override;
    void drawExtras(QPainter& painter) override;
    void drawHighlighted(QPainter& painter, const HighlightList& indices) override;

    virtual void drawDataSet(QPainter& painter, const CandleChartDataSetProtocol& dataSet);

    // "<prefix> <x> - <direction>. low: <low>, high: <high>, opening: <open>, closing: <close>",
    // x as the view's x axis writes it and the four values as the set's value formatter does
    // (pointXText, pointValueText), the prefix being the set's label (or "Dataset") where points
    // name their set (pointTextNamesDataSet); framed by the value rectangle (x + 0.5 - barSpace,
    // low, 2 × barSpace - 1, high - low). It is the view's one element of entry j of the set.
    std::shared_ptr<NSUIAccessibilityElement> makeAccessibilityElement(const PointSource& candles,
                                                                       const CandleChartDataSetProtocol& dataSet,
                                                                       const CandleChartDataEntry& entry,
                                                                       const QString& direction,
                                                                       const Transformer& transformer,
                                                                       qint64 j) const;

protected:
    Elements describeEntries() const override;

private:
    // Each draws one entry in its direction's colour.
    void drawCandle(QPainter& painter, const CandleChartDataSetProtocol& dataSet, const CandleChartDataEntry& entry,
                    qint64 j, const Transformer& transformer);
    void drawTicks(QPainter& painter, const CandleChartDataSetProtocol& dataSet, const CandleChartDataEntry& entry,
                   qint64 j, const Transformer& transformer);
    void drawValuesOfSet(QPainter& painter, const CandleChartDataSetProtocol& dataSet, qint64 i);

    QPointer<QObject> m_chart;
};

}
