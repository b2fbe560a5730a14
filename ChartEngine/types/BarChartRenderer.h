#pragma once

#include "ChartEngine/data/BarChartDataEntry.h"
#include "ChartEngine/data/BarChartDataSetProtocol.h"
#include "ChartEngine/foundation/TextAttributes.h"
#include "ChartEngine/views/BarLineScatterCandleBubbleRenderer.h"

#include <QFont>
#include <QList>
#include <QObject>
#include <QPen>
#include <QPointer>
#include <QRectF>

#include <cmath>
#include <optional>
#include <vector>

namespace Charts {

class BarChartData;

class BarChartDataProvider;
class BarChartDataSetProtocol;
class BarChartView;
class ChartViewBase;
class Transformer;
class ValueFormatter;

// Draws bar data: the bars of every visible bar data set, plain and stacked, with optional
// shadow columns and borders; value labels and icons; highlighted bars; and one accessibility
// element per bar (per segment of a stack) the pass wrote, grouped by entry index after the
// chart's header, those beside the content marked off screen.
//
// Each data set has a buffer of rectangles, sized by initBuffers (entryCount records, times the
// stack size for a stacked set). A draw fills it in value space, in entry order (a plain entry
// takes one slot, a stacked one a slot per value), converts it to pixels in place and draws from
// it. The fill never writes past the buffer's end: entries or stack values added since the last
// data change that do not fit are not drawn. Each slot records the entry and stack value it was
// written for, and every pass visits only the records the last fill wrote; the others are zero.
class BarChartRenderer : public BarLineScatterCandleBubbleRenderer {
public:
    // What one slot was written for: the entry's index in its set and the position of the value
    // in the entry's stack (0 for a plain bar).
    struct Slot {
        qint64 entryIndex = 0;
        qint64 valueIndex = 0;
    };

    // The rectangles of one data set and what the last fill wrote into them.
    struct Buffer {
        std::vector<QRectF> rects;
        std::vector<Slot> records;
        qsizetype written = 0;

        // A fill starts from slot 0.
        void begin() { written = 0; }
        // Whether another slot fits.
        bool isFull() const { return written >= qsizetype(rects.size()); }
        // Writes the next slot; ignored when the buffer is full.
        void append(const QRectF& rect, Slot slot);
        // Zeroes the records the fill did not write.
        void finish();
    };

    // `chart` answers BarChartDataProvider; it is held weakly and cast on each use.
    BarChartRenderer(QObject* chart, std::shared_ptr<Animator> animator,
                     std::shared_ptr<ViewPortHandler> viewPortHandler);
    ~BarChartRenderer() override;

    // The chart it draws; null once the chart is gone or when it answers no bar data provider.
    virtual BarChartDataProvider* dataProvider() const;
    virtual void setDataProvider(QObject* chart);

    // The bar elements of the last drawing, one group per entry index of the longest data set.
    virtual QList<Elements> accessibilityOrderedElements();

    // One buffer per data set, each resized to its set's slot count when that changed.
    void initBuffers() override;
    void drawData(QPainter& painter) override;
    void drawValues(QPainter& painter) override;
    // Bars have no extras.
    void drawExtras(QPainter& painter) override;
    // Fills each highlighted bar, or the highlighted segment of a stack, in the set's highlight
    // colour at its highlight alpha. A highlight that names no data set of the data, or a
    // segment that the entry's stack does not have, is skipped.
    void drawHighlighted(QPainter& painter, const HighlightList& indices) override;

    // Fills the data set's buffer in value space.
    virtual void computeBarRects(const BarChartDataSetProtocol& dataSet, qint64 index);
    virtual void drawDataSet(QPainter& painter, const BarChartDataSetProtocol& dataSet, qint64 index);
    // The bar from y1 to y2 at x, in pixels, its value extent scaled by the y phase.
    virtual QRectF computeHighlightRect(double x, double y1, double y2, double barWidthHalf,
                                        const Transformer& transformer) const;
    // One value label: x moved by the alignment; unrotated, its top-left corner at the point,
    // else the rotated text's anchor.
    virtual void drawValue(QPainter& painter, const QString& value, double xPos, double yPos,
                           const QFont& font, TextAlignment align, const QColor& color, QPointF anchor,
                           double angleRadians);
    // Where the marker of a highlighted bar stands: the middle of its top edge.
    virtual void setHighlightDrawPoint(Highlight& highlight, const QRectF& rect) const;
    // Empty groups: one per entry of the longest data set when the chart is a bar chart view with
    // data, else none.
    virtual QList<Elements> makeAccessibilityGroups() const;

protected:
    // How a set's value labels are written.
    struct ValueStyle {
        TextAttributes attributes;
        std::shared_ptr<ValueFormatter> formatter;
        double angle = 0.0;
        QPointF iconsOffset;
        bool inverted = false;
    };

    // The stack values' label positions, bottom to top as stacked, and the two running sums at
    // the end.
    struct StackPositions {
        QList<double> positions;
        double posY = 0.0;
        double negY = 0.0;
    };

    QObject* chart() const { return m_chart.data(); }
    // The chart when it is a bar chart view: bars are then clipped to the axis and described.
    BarChartView* barChartView() const;
    // The chart as a view (a bar chart, or a combined chart that has bar data): the bars are then
    // described, by elements that belong to it.
    ChartViewBase* chartView() const;
    // The set's buffer; none for a set the buffers were not sized for.
    Buffer* buffer(qint64 index);
    const Buffer* buffer(qint64 index) const;
    // min(entryCount, ceil(entryCount × phaseX)): the entries the x animation has uncovered.
    qint64 animatedCount(qint64 entryCount) const;
    // The start and end of each stack value's segment, in order: positive values upwards from 0,
    // negative ones upwards from -negativeSum; a 0 while either running sum is 0 stays at 0.
    template <typename Visit>
    static void forEachStackSegment(const BarChartDataEntry& entry, Visit visit);
    static StackPositions stackPositions(const BarChartDataEntry& entry);

    // What a fill reads once per data set.
    struct FillGeometry {
        double barWidthHalf = 0.0;
        bool inverted = false;
        double phaseY = 1.0;
    };
    // None without a chart or bar data.
    std::optional<FillGeometry> fillGeometry(const BarChartDataSetProtocol& dataSet) const;
    // The transformer of the set's axis; none without a chart.
    std::shared_ptr<Transformer> transformerOf(const BarChartDataSetProtocol& dataSet) const;
    static void pointsToPixels(const Transformer& transformer, QList<QPointF>& points);
    // Fills the set's buffer in entry order, up to its end: `segment(entry, start, end, geometry)`
    // gives the value rectangle of one stack value, `plain(entry, geometry)` that of a plain bar.
    template <typename Segment, typename Plain>
    void fillSlots(const BarChartDataSetProtocol& dataSet, qint64 index, Segment segment, Plain plain);
    // The written bars in slot order with their entries' indices, until `visit` answers false.
    template <typename Visit>
    void forEachWrittenBar(const BarChartDataSetProtocol& dataSet, qint64 index, Visit visit) const;
    // The uncovered entries of a stacked set with the rectangle of their first slot: `plain` for
    // an entry without stack values (false ends the set); `stack` for the others, with their
    // label positions and those positions' pixels.
    template <typename Plain, typename Stack>
    void forEachStackedEntry(const BarChartDataSetProtocol& dataSet, qint64 index, Plain plain, Stack stack);
    // The value point at which a stack value's label is measured from, its position scaled by
    // the y phase already.
    virtual QPointF stackValuePoint(double position) const;
    // The shadow column behind the bars at x, in pixels across the whole content.
    virtual QRectF shadowColumn(double x, double barWidth, const Transformer& transformer) const;
    void drawShadowColumns(QPainter& painter, const BarChartDataSetProtocol& dataSet, double barWidth,
                           const Transformer& transformer);
    ValueStyle valueStyle(const BarChartDataSetProtocol& dataSet) const;
    // The text in the value colour of the entry at `point` when values are drawn, and the
    // entry's icon at `iconPoint` moved by the icons' offset when icons are.
    void drawValueAndIcon(QPainter& painter, const BarChartDataSetProtocol& dataSet, const ValueStyle& style,
                          const BarChartDataEntry& entry, QPointF point, QPointF iconPoint, qint64 entryIndex,
                          const QString& text, TextAlignment alignment, QPointF anchor);
    QString valueText(const ValueStyle& style, const BarChartDataEntry& entry, double value,
                      qint64 dataSetIndex) const;

    // Steps of a data set's drawing that differ with the bars' direction.
    virtual void fillBuffer(const BarChartDataSetProtocol& dataSet, qint64 index);
    virtual void drawShadows(QPainter& painter, const BarChartDataSetProtocol& dataSet, const BarChartData& data,
                             const Transformer& transformer, const Buffer& buffer);
    // A bar before the content in drawing order is passed over; one beyond it ends the set.
    virtual bool isBeforeContent(const QRectF& rect) const;
    virtual bool isBeyondContent(const QRectF& rect) const;
    virtual void drawValuesOfSet(QPainter& painter, const BarChartDataSetProtocol& dataSet, qint64 index,
                                 bool above);
    // What every bar of one data set is drawn and described with, read once per set.
    struct BarStyle {
        QList<QColor> colors;
        std::optional<QPen> border;
        // Present when the chart is a view: the bars are then described.
        ChartViewBase* view = nullptr;
        // The set's position among the view's data sets, which its elements name.
        qint64 viewSetIndex = -1;
        // Where grouped bars' groups start (empty for bars not grouped): a bar's x text is its
        // group's, so that the bars of every set say the group's label.
        QList<double> groupStarts;
        std::shared_ptr<ValueFormatter> valueFormatter;
        QString prefix;
        QStringList stackLabels;
        qint64 stackLabelCycle = 0;
    };
    BarStyle barStyle(const BarChartDataSetProtocol& dataSet) const;
    // The bar's fill and its border.
    void drawBar(QPainter& painter, const BarChartDataSetProtocol& dataSet, const BarStyle& style,
                 const Buffer& buffer, qsizetype j);
    Elements describeEntries() const override;
    // Adds the elements of the set's written bars to their entries' groups.
    void describeBars(const BarChartDataSetProtocol& dataSet, qint64 index) const;
    // The element of slot j of data set `dataSetIndex`, drawn at `rect`.
    std::shared_ptr<NSUIAccessibilityElement> makeBarAccessibilityElement(
        const BarChartDataSetProtocol& dataSet, qint64 dataSetIndex, const BarStyle& style, const Buffer& buffer,
        qsizetype j, const QRectF& rect) const;

    std::vector<Buffer> m_buffers;

private:
    std::optional<QRectF> highlightRect(const Highlight& highlight, const BarChartData& data);
    void drawStackedValues(QPainter& painter, const BarChartDataSetProtocol& dataSet, qint64 index,
                           const ValueStyle& style, double posOffset, double negOffset);
    // Draws a plain bar's value at `rect`; false when the bar lies beyond the content.
    bool drawPlainValue(QPainter& painter, const BarChartDataSetProtocol& dataSet, qint64 index,
                        const ValueStyle& style, const BarChartDataEntry& entry, qint64 j, const QRectF& rect,
                        double posOffset, double negOffset);

    QPointer<QObject> m_chart;
    mutable std::optional<QList<Elements>> m_accessibilityOrderedElements;
};

template <typename Segment, typename Plain>
void BarChartRenderer::fillSlots(const BarChartDataSetProtocol& dataSet, qint64 index, Segment segment, Plain plain)
{
    const std::optional<FillGeometry> geometry = fillGeometry(dataSet);
    Buffer* target = buffer(index);
    if (!geometry || !target) {
        return;
    }
    const bool stacked = dataSet.isStacked();
    const qint64 count = animatedCount(dataSet.entryCount());
    target->begin();
    for (qint64 i = 0; i < count && !target->isFull(); ++i) {
        const auto e = std::dynamic_pointer_cast<BarChartDataEntry>(dataSet.entryForIndex(i));
        if (!e) {
            continue;
        }
        if (stacked && e->yValues()) {
            forEachStackSegment(*e, [&](qint64 k, double start, double end) {
                target->append(segment(*e, start, end, *geometry), Slot{i, k});
                return !target->isFull();
            });
        } else {
            target->append(plain(*e, *geometry), Slot{i, 0});
        }
    }
    target->finish();
}

template <typename Visit>
void BarChartRenderer::forEachWrittenBar(const BarChartDataSetProtocol& dataSet, qint64 index, Visit visit) const
{
    const Buffer* bars = buffer(index);
    for (qsizetype j = 0; bars && j < bars->written; ++j) {
        const qint64 entryIndex = bars->records[std::size_t(j)].entryIndex;
        const auto e = std::dynamic_pointer_cast<BarChartDataEntry>(dataSet.entryForIndex(entryIndex));
        if (e && !visit(*e, entryIndex, bars->rects[std::size_t(j)])) {
            return;
        }
    }
}

template <typename Plain, typename Stack>
void BarChartRenderer::forEachStackedEntry(const BarChartDataSetProtocol& dataSet, qint64 index, Plain plain,
                                           Stack stack)
{
    const Buffer* bars = buffer(index);
    const auto transformer = bars ? transformerOf(dataSet) : nullptr;
    if (!transformer) {
        return;
    }
    const double phase = phaseY();
    const qint64 count = animatedCount(dataSet.entryCount());
    qsizetype slot = 0;
    for (qint64 j = 0; j < count && slot < bars->written; ++j) {
        const auto e = std::dynamic_pointer_cast<BarChartDataEntry>(dataSet.entryForIndex(j));
        if (!e) {
            continue;
        }
        const QRectF& rect = bars->rects[std::size_t(slot)];
        if (!e->yValues()) {
            if (!plain(*e, j, rect)) {
                return;
            }
            ++slot;
            continue;
        }
        const StackPositions positions = stackPositions(*e);
        QList<QPointF> points;
        for (const double position : positions.positions) {
            points.append(stackValuePoint(position * phase));
        }
        pointsToPixels(*transformer, points);
        stack(*e, j, rect, positions, points);
        slot += e->yValues()->size();
    }
}

template <typename Visit>
void BarChartRenderer::forEachStackSegment(const BarChartDataEntry& entry, Visit visit)
{
    double posY = 0.0;
    double negY = -entry.negativeSum();
    const QList<double>& values = *entry.yValues();
    for (qsizetype k = 0; k < values.size(); ++k) {
        const double value = values.at(k);
        double start = value;
        double end = value;
        if (value == 0.0 && (posY == 0.0 || negY == 0.0)) {
            // A zero segment at 0.
        } else if (value >= 0.0) {
            start = posY;
            posY += value;
            end = posY;
        } else {
            start = negY;
            end = negY + std::abs(value);
            negY = end;
        }
        if (!visit(k, start, end)) {
            return;
        }
    }
}

}
