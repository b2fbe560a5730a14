#pragma once

#include "ChartEngine/foundation/TextSizes.h"
#include "ChartEngine/views/DataRenderer.h"

#include <QColor>
#include <QObject>
#include <QPainterPath>
#include <QPointer>
#include <QPointF>

#include <memory>
#include <utility>
#include <vector>

namespace Charts {

class ChartDataEntry;
class PieChartDataSetProtocol;
class PieChartView;
struct TextAttributes;
enum class TextAlignment : int;

// Draws a pie chart view: the slices as filled paths with a gap of the set's slice space
// between neighbours, an inner arc along the hole, the highlighted slices pushed out by the
// set's selection shift, the hole disc with its translucent ring, the centre text, and the
// values and entry labels inside the slices or outside on value lines. Each data drawing
// renews the accessibility elements: per drawn set a header, then one element per slice; the
// highlighted slices' elements follow the first header. A drawing only notes what it drew; the
// elements are described at the first read after it, so that a drawing costs nothing for them
// until a reader asks. A slice drawn again on the same circle, at the same angles and spacing,
// is filled with the path made for it before (its minimum spaced radius is taken as a function
// of its arguments alone).
//
// Angles are degrees, clockwise on screen from +x, and the chart's rotation is added to each.
// phaseX moves the slices along the circle, phaseY grows their sweeps and positions. Every
// read of the view's angle lists is bounds-checked: a set whose entries outrun them stops
// drawing there.
class PieChartRenderer : public DataRenderer {
public:
    // `chart` is a PieChartView, held weakly and cast at each use; every stage does nothing
    // once it is gone.
    PieChartRenderer(QObject* chart, std::shared_ptr<Animator> animator,
                     std::shared_ptr<ViewPortHandler> viewPortHandler);
    ~PieChartRenderer() override;

    PieChartRenderer(const PieChartRenderer&) = delete;
    PieChartRenderer& operator=(const PieChartRenderer&) = delete;

    virtual PieChartView* chart() const;
    virtual void setChart(QObject* chart);

    std::shared_ptr<ViewPortHandler> viewPortHandler() const override { return m_viewPortHandler; }
    std::shared_ptr<Animator> animator() const override { return m_animator; }
    // The last drawing's elements (described now when they have not been read since).
    Elements accessibleChartElements() const override;
    // Replaces the elements until the next data drawing.
    virtual void setAccessibleChartElements(Elements elements);

    void drawData(QPainter& painter) override;
    // The values, entry labels, value lines and icons of every set.
    void drawValues(QPainter& painter) override;
    // The hole, then the centre text.
    void drawExtras(QPainter& painter) override;
    void drawHighlighted(QPainter& painter, const HighlightList& indices) override;
    void initBuffers() override;
    // True while the data's entry count lies below the chart's maxVisibleCount times the
    // horizontal zoom (truncated); the pie's own value drawing does not ask.
    bool isDrawingValuesAllowed(const ChartDataProvider* dataProvider) const override;
    std::shared_ptr<NSUIAccessibilityElement> createAccessibleHeader(
        const ChartViewBase& chart, const ChartData& data, const QString& defaultDescription) override;

    // The distance from the centre of the inner end of a spaced slice: the radius less the
    // height of the triangle over the arc's chord (with the slice's angle at its apex) and
    // less the arc's height over that chord.
    virtual double calculateMinimumRadiusForSpacedSlice(QPointF center, double radius, double angle,
                                                        QPointF arcStart, double startAngle,
                                                        double sweepAngle) const;
    // The set's slice space, or 0 when the set disables it automatically and the space takes a
    // larger share of the content's smaller side than twice the smallest value's share of the
    // sum.
    virtual double getSliceSpace(const PieChartDataSetProtocol& dataSet) const;
    virtual void drawDataSet(QPainter& painter, const PieChartDataSetProtocol& dataSet);
    virtual void drawHole(QPainter& painter);
    virtual void drawCenterText(QPainter& painter);

private:
    struct Circle;
    struct ValueStage;
    struct SliceTexts;
    struct DrawnSlice;
    struct DrawnSet;
    struct DrawnHighlight;
    struct SlicePaths;

    double phaseX() const;
    double phaseY() const;
    Circle circleOf(const PieChartView& view) const;
    QPainterPath slicePath(const Circle& circle, double angle, double sliceAngle, double sliceSpace,
                           qint64 visibleCount) const;
    QPainterPath highlightedSlicePath(const Circle& circle, double angle, double sliceAngle, double sliceSpace,
                                      qint64 visibleCount, double selectionShift) const;
    QPainterPath highlightedSlicePath(const DrawnHighlight& drawn) const;
    const SlicePaths& slicePaths(const DrawnSet& drawn, const DrawnSlice& slice) const;
    void closeAtInnerArc(QPainterPath& path, const Circle& circle, double angle, double sliceAngle,
                         double sliceSpace, qint64 visibleCount, double innerRadius) const;
    std::shared_ptr<NSUIAccessibilityElement> makeHeader(const PieChartView& view,
                                                         const PieChartDataSetProtocol& dataSet) const;
    static double yValueSumOf(const PieChartView& view);
    std::shared_ptr<NSUIAccessibilityElement> makeSliceElement(qint64 index, const PieChartView& view,
                                                               const PieChartDataSetProtocol& dataSet,
                                                               const QPainterPath& path, double yValueSum) const;
    // A new data drawing: what the last one drew is forgotten and its selected slices unmarked.
    void beginDrawnElements();
    // Notes a set's slices as drawn.
    void noteDrawnSet(const PieChartView& view, const PieChartDataSetProtocol& dataSet, DrawnSet drawn);
    // The elements of what was drawn since the last data drawing began.
    Elements describeElements() const;
    Elements describeSet(const PieChartView& view, const PieChartDataSetProtocol& dataSet, const DrawnSet& drawn,
                         double yValueSum) const;
    bool drawValuesOfSet(QPainter& painter, ValueStage& stage, const PieChartDataSetProtocol& dataSet,
                         qint64 dataSetIndex);
    void fillSliceTexts(SliceTexts& texts, const ValueStage& stage, const PieChartDataSetProtocol& dataSet,
                        const ChartDataEntry& entry, qint64 dataSetIndex) const;
    bool drawOutsideTexts(QPainter& painter, const ValueStage& stage, const PieChartDataSetProtocol& dataSet,
                          const SliceTexts& texts);
    void drawInsideTexts(QPainter& painter, const ValueStage& stage, const SliceTexts& texts);
    void drawSliceText(QPainter& painter, const QString& text, QPointF point, TextAlignment alignment, double angle,
                       const TextAttributes& attributes);
    void drawIcon(QPainter& painter, const ValueStage& stage, const PieChartDataSetProtocol& dataSet,
                  const ChartDataEntry& entry, QPointF direction);

    std::shared_ptr<ViewPortHandler> m_viewPortHandler;
    mutable Elements m_accessibleChartElements;
    std::vector<DrawnSet> m_drawnSets;
    std::vector<DrawnHighlight> m_drawnHighlights;
    mutable bool m_elementsToDescribe = false;
    // The elements the last description marked selected.
    mutable Elements m_selectedElements;
    // Per slice index, the paths it was last drawn with.
    mutable std::vector<SlicePaths> m_slicePaths;
    // The sizes of the texts drawn, by font and text.
    TextSizes m_textSizes;
    std::shared_ptr<Animator> m_animator;
    QPointer<QObject> m_chart;
};

}
