#pragma once

#include "ChartEngine/foundation/AffineTransform.h"
#include "ChartEngine/views/LineRadarRenderer.h"
#include "ChartEngine/views/LineValuesCopy.h"

#include <QGradient>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPainterPath>
#include <QPointer>
#include <QRectF>

#include <functional>
#include <optional>
#include <vector>

namespace Charts {

class ChartDataEntry;
class LineChartData;
struct PointSource;
class LineChartDataProvider;
class LineChartDataSetProtocol;
class ChartViewBase;
class LineChartView;
class Transformer;

// Draws the data of a line chart: each visible line data set as a straight, stepped, cubic or
// horizontal bezier line, over its filled area and optionally stroked with a vertical colour
// gradient; circles with optional holes at the values; value labels (above their points, or
// below where above would leave the view) and icons; the highlight indicator lines; and, after
// the chart's header, one accessibility element per entry of each visible set, those the pass
// draws no circle for marked off screen. Every drawn y is scaled by the animator's y phase and
// every pass visits the x bounds, so both animation phases act on all of it.
//
// A solid line of one colour is stroked as one path while a pass visits at most
// `pathEntryLimit` entries. Beyond that its segments are stroked in batches, with the set's cap
// and no joins, from a contiguous copy of the set's x and y values (LineValuesCopy, rebuilt
// whenever the data model's revision or the set changes). At widths up to `reductionWidthLimit`
// the batches are reduced per device-pixel column (LineReduction): a column that several
// entries fall into is drawn as one vertical stroke over their y values and one segment to the
// next column. Dashed lines, gradient lines and the bezier modes always keep the path. The path,
// and the segments of a line of many colours, are stroked only within the view widened by the
// pen's reach: Qt strokes a wide line over its whole length, seen or not.
class LineChartRenderer : public LineRadarRenderer {
public:
    static constexpr qint64 pathEntryLimit = 256;
    static constexpr double reductionWidthLimit = 4.0;

    // `chart` answers LineChartDataProvider; it is held weakly and cast on each use.
    LineChartRenderer(QObject* chart, std::shared_ptr<Animator> animator,
                      std::shared_ptr<ViewPortHandler> viewPortHandler);
    ~LineChartRenderer() override;

    // The chart it draws; null once the chart is gone or when it answers no line data provider.
    virtual LineChartDataProvider* dataProvider() const;
    virtual void setDataProvider(QObject* chart);

    // The entries' elements of the last pass, one list per data set in data-set order: as many
    // lists as the chart's line data has data sets when the chart is a chart view (a line
    // chart, or a combined chart that has line data), else none; a set that is not visible has
    // an empty list.
    virtual QList<Elements> accessibilityOrderedElements();

    void drawData(QPainter& painter) override;
    void drawValues(QPainter& painter) override;
    void drawExtras(QPainter& painter) override;
    void drawHighlighted(QPainter& painter, const HighlightList& indices) override;
    // Drops the copies of the data sets' values.
    void initBuffers() override;

    virtual void drawDataSet(QPainter& painter, const std::shared_ptr<LineChartDataSetProtocol>& dataSet);
    virtual void drawCubicBezier(QPainter& painter, const std::shared_ptr<LineChartDataSetProtocol>& dataSet);
    virtual void drawHorizontalBezier(QPainter& painter,
                                      const std::shared_ptr<LineChartDataSetProtocol>& dataSet);
    // Fills the area between the curve (a copy of it, closed down to the fill line) and the
    // fill line.
    virtual void drawCubicFill(QPainter& painter, const LineChartDataSetProtocol& dataSet,
                               QPainterPath spline, const AffineTransform& matrix,
                               const XBounds& bounds);
    virtual void drawLinear(QPainter& painter, const std::shared_ptr<LineChartDataSetProtocol>& dataSet);
    virtual void drawLinearFill(QPainter& painter, const LineChartDataSetProtocol& dataSet,
                                const Transformer& transformer, const XBounds& bounds);
    // The closed area under a linear or stepped line down to the fill line, in pixels. The fill
    // line is not scaled by the y phase: an animation grows the area from it.
    virtual QPainterPath generateFilledPath(const LineChartDataSetProtocol& dataSet, double fillMin,
                                            const XBounds& bounds, const AffineTransform& matrix) const;
    // Draws the circles of the sets that have them, at the points inside the content.
    virtual void drawCircles(QPainter& painter);

    // Whether batches of segments are reduced per device-pixel column; on by default. Off, every
    // segment is drawn (the faithfulness test and the benchmark compare both).
    bool isLineReductionEnabled() const { return m_lineReductionEnabled; }
    void setLineReductionEnabled(bool enabled) { m_lineReductionEnabled = enabled; }

protected:
    Elements describeEntries() const override;
    // A vertical gradient through the set's colours at the heights of its gradient positions,
    // clipped to the stroked line. Without positions nothing is drawn, not even a plain line.
    void drawGradientLine(QPainter& painter, const LineChartDataSetProtocol& dataSet,
                          const QPainterPath& spline, const AffineTransform& matrix);

private:
    // The chart as a view, which the elements belong to; null for any other chart.
    ChartViewBase* chartView() const;
    QList<Elements> emptyOrderedElements() const;
    double fillLinePosition(const LineChartDataSetProtocol& dataSet) const;
    void fillArea(QPainter& painter, const LineChartDataSetProtocol& dataSet, const QPainterPath& area);
    void strokeLine(QPainter& painter, const LineChartDataSetProtocol& dataSet, const QPainterPath& spline,
                    const AffineTransform& matrix);
    QPainterPath linearPath(const LineChartDataSetProtocol& dataSet, const AffineTransform& matrix) const;
    void drawLinearSegments(QPainter& painter, const LineChartDataSetProtocol& dataSet,
                            const AffineTransform& matrix);
    std::optional<AffineTransform> curveMatrix(const LineChartDataSetProtocol& dataSet);
    void drawCurve(QPainter& painter, const LineChartDataSetProtocol& dataSet, const QPainterPath& spline,
                   const AffineTransform& matrix);
    static QGradientStops gradientStops(const LineChartDataSetProtocol& dataSet, const QList<double>& positions,
                                        const QRectF& box, const AffineTransform& matrix);
    void drawLinearBatches(QPainter& painter, const std::shared_ptr<LineChartDataSetProtocol>& dataSet,
                           const AffineTransform& matrix);
    const LineValuesCopy& valuesCopy(const std::shared_ptr<LineChartDataSetProtocol>& dataSet);
    void drawValuesOfSet(QPainter& painter, const LineChartDataSetProtocol& dataSet, qint64 i);
    void forEachPointInContent(const LineChartDataSetProtocol& dataSet,
                               const std::function<void(qint64, const ChartDataEntry&, const QPointF&)>& visit);
    bool isPointInContent(const QPointF& pt) const;
    void drawCirclesOfSet(QPainter& painter, const LineChartDataSetProtocol& dataSet);
    Elements describePoints(const PointSource& points, const LineChartDataSetProtocol& dataSet) const;
    void drawHighlight(QPainter& painter, const std::shared_ptr<Highlight>& highlight,
                       const LineChartData& lineData, double chartXMax);

    QPointer<QObject> m_chart;
    mutable std::optional<QList<Elements>> m_accessibilityOrderedElements;
    // The segment buffer of many-coloured lines: 2 points, or 4 for stepped lines.
    std::vector<QPointF> m_lineSegments = std::vector<QPointF>(2);
    std::vector<LineValuesCopy> m_valuesCopies;
    // The reduced line's pixels before they are drawn; transparent between passes.
    QImage m_lineCanvas;
    bool m_lineReductionEnabled = true;
};

}
