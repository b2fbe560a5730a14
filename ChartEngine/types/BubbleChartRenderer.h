#pragma once

#include "ChartEngine/views/BarLineScatterCandleBubbleRenderer.h"

#include <QObject>
#include <QPointer>
#include <QRectF>

#include <optional>

namespace Charts {

class BubbleChartDataEntry;
class BubbleChartDataProvider;
class BubbleChartDataSetProtocol;
class BubbleChartView;
class ChartViewBase;
struct PointSource;
class Transformer;

// Draws the data of a bubble chart: each entry as a filled circle at (x, y) whose diameter
// follows its size, value labels (the sizes) and icons, and a ring around each highlighted
// bubble. Inside a bubble chart view it also publishes the chart's header; inside any chart view
// one element per entry of each visible set, those it draws no bubble for marked off screen (the
// combined chart view makes one for its bubble part, without a header).
//
// The diameter: the reference size is the smaller of the content height and the pixel width of
// one x unit (zoom included); with normalisation on it is scaled by the square root of size /
// the set's maxSize (not at all when maxSize is 0), without it by the size itself.
class BubbleChartRenderer : public BarLineScatterCandleBubbleRenderer {
public:
    // `chart` answers BubbleChartDataProvider; it is held weakly and cast on each use.
    BubbleChartRenderer(QObject* chart, std::shared_ptr<Animator> animator,
                        std::shared_ptr<ViewPortHandler> viewPortHandler);
    ~BubbleChartRenderer() override;

    // The chart it draws; null once the chart is gone or when it answers no bubble provider.
    virtual BubbleChartDataProvider* dataProvider() const;
    virtual void setDataProvider(QObject* chart);

    // The entries' elements of the last drawing, one list per data set in entry order: as many
    // lists as the chart's bubble data has data sets when the chart is a view (a bubble chart,
    // or a combined chart that has bubble data), else none; a set that is not visible has an
    // empty list.
    virtual QList<Elements> accessibilityOrderedElements();

    void drawData(QPainter& painter) override;
    void drawValues(QPainter& painter) override;
    void drawExtras(QPainter& painter) override;
    // A ring of the set's highlight circle width in its colour for the entry's x value at half
    // brightness. The first highlighted bubble wholly right of the content ends the pass.
    void drawHighlighted(QPainter& painter, const HighlightList& indices) override;

    // The bubbles of set `dataSetIndex` over the x bounds. A bubble wholly above, below or left
    // of the content is passed over; the first one right of it ends the set.
    virtual void drawDataSet(QPainter& painter, const BubbleChartDataSetProtocol& dataSet, qint64 dataSetIndex);

    // The point's text (pointText) and ", bubble size: <sizePercent with two decimals> %", the
    // size being the bubble's diameter against the set's largest one. Its frame is the bubble's
    // square.
    std::shared_ptr<NSUIAccessibilityElement> makeAccessibilityElement(qint64 j, const PointSource& source,
                                                                       double sizePercent, const QRectF& square) const;

protected:
    Elements describeEntries() const override;

private:
    Elements describeBubbles(const PointSource& points, const BubbleChartDataSetProtocol& dataSet) const;
    // The chart as a view, which the elements belong to; null for any other chart.
    ChartViewBase* chartView() const;
    QList<Elements> emptyOrderedElements() const;
    double referenceSize(const Transformer& transformer) const;
    void drawValuesOfSet(QPainter& painter, const BubbleChartDataSetProtocol& dataSet, qint64 i, double alpha);
    bool drawHighlight(QPainter& painter, Highlight& highlight, const BubbleChartDataSetProtocol& dataSet,
                       const BubbleChartDataEntry& entry);

    QPointer<QObject> m_chart;
    mutable std::optional<QList<Elements>> m_accessibilityOrderedElements;
};

}
