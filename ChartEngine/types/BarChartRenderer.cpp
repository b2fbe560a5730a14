#include "ChartEngine/types/BarChartRenderer.h"
#include "ChartEngine/foundation/NumberUtils.h"

#include "ChartEngine/components/MiterPen.h"
#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/data/BarChartData.h"
#include "ChartEngine/data/BarChartDataEntry.h"
#include "ChartEngine/data/BarChartDataSetProtocol.h"
#include "ChartEngine/foundation/ChartFatal.h"
#include "ChartEngine/foundation/ChartImage.h"
#include "ChartEngine/foundation/ClippedDrawing.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/foundation/ValueFormatter.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/types/BarChartView.h"
#include "ChartEngine/views/AccessibilityHeader.h"
#include "ChartEngine/views/BarChartDataProvider.h"
#include "ChartEngine/views/PointAccessibility.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <numbers>
#include <span>

namespace Charts {

namespace {

constexpr double valueGap = 4.5;

std::shared_ptr<BarChartDataSetProtocol> barDataSet(const std::shared_ptr<ChartDataSetProtocol>& dataSet)
{
    return std::dynamic_pointer_cast<BarChartDataSetProtocol>(dataSet);
}

std::shared_ptr<BarChartDataEntry> barEntry(const ChartDataSetProtocol& dataSet, qint64 index)
{
    return std::dynamic_pointer_cast<BarChartDataEntry>(dataSet.entryForIndex(index));
}

qint64 slotCount(const BarChartDataSetProtocol& dataSet)
{
    return dataSet.entryCount() * (dataSet.isStacked() ? dataSet.stackSize() : 1);
}

}

// ---- Buffer ----

void BarChartRenderer::Buffer::append(const QRectF& rect, Slot slot)
{
    if (isFull()) {
        return;
    }
    rects[std::size_t(written)] = rect;
    records[std::size_t(written)] = slot;
    ++written;
}

void BarChartRenderer::Buffer::finish()
{
    std::fill(rects.begin() + written, rects.end(), QRectF());
    std::fill(records.begin() + written, records.end(), Slot());
}

// ---- Set-up ----

BarChartRenderer::BarChartRenderer(QObject* chart, std::shared_ptr<Animator> animator,
                                   std::shared_ptr<ViewPortHandler> viewPortHandler)
    : BarLineScatterCandleBubbleRenderer(std::move(animator), std::move(viewPortHandler))
    , m_chart(chart)
{
}

BarChartRenderer::~BarChartRenderer() = default;

BarChartDataProvider* BarChartRenderer::dataProvider() const
{
    return dynamic_cast<BarChartDataProvider*>(m_chart.data());
}

void BarChartRenderer::setDataProvider(QObject* chart)
{
    m_chart = chart;
}

BarChartView* BarChartRenderer::barChartView() const
{
    return qobject_cast<BarChartView*>(m_chart.data());
}

ChartViewBase* BarChartRenderer::chartView() const
{
    return qobject_cast<ChartViewBase*>(m_chart.data());
}

QList<DataRenderer::Elements> BarChartRenderer::accessibilityOrderedElements()
{
    accessibleChartElements();
    return m_accessibilityOrderedElements.value_or(makeAccessibilityGroups());
}

QList<DataRenderer::Elements> BarChartRenderer::makeAccessibilityGroups() const
{
    const auto data = chartView() ? dataProvider()->barData() : nullptr;
    const auto longest = data ? data->maxEntryCountSet() : nullptr;
    return QList<Elements>(longest ? longest->entryCount() : 0);
}

void BarChartRenderer::initBuffers()
{
    const auto* provider = dataProvider();
    const auto data = provider ? provider->barData() : nullptr;
    if (!data) {
        m_buffers.clear();
        return;
    }
    m_buffers.resize(std::size_t(data->dataSetCount()));
    for (std::size_t i = 0; i < m_buffers.size(); ++i) {
        const auto dataSet = barDataSet(data->dataSetAtIndex(qint64(i)));
        const std::size_t size = dataSet ? std::size_t(std::max<qint64>(0, slotCount(*dataSet))) : 0;
        Buffer& buffer = m_buffers[i];
        if (buffer.rects.size() != size) {
            buffer.rects.assign(size, QRectF());
            buffer.records.assign(size, Slot());
            buffer.written = 0;
        }
    }
}

BarChartRenderer::Buffer* BarChartRenderer::buffer(qint64 index)
{
    return index >= 0 && std::size_t(index) < m_buffers.size() ? &m_buffers[std::size_t(index)] : nullptr;
}

const BarChartRenderer::Buffer* BarChartRenderer::buffer(qint64 index) const
{
    return index >= 0 && std::size_t(index) < m_buffers.size() ? &m_buffers[std::size_t(index)] : nullptr;
}

std::optional<BarChartRenderer::FillGeometry> BarChartRenderer::fillGeometry(const BarChartDataSetProtocol& dataSet) const
{
    const auto* provider = dataProvider();
    const auto data = provider ? provider->barData() : nullptr;
    if (!data) {
        return std::nullopt;
    }
    return FillGeometry{data->barWidth() / 2.0, provider->isInverted(dataSet.axisDependency()), phaseY()};
}

std::shared_ptr<Transformer> BarChartRenderer::transformerOf(const BarChartDataSetProtocol& dataSet) const
{
    const auto* provider = dataProvider();
    return provider ? provider->getTransformer(dataSet.axisDependency()) : nullptr;
}

void BarChartRenderer::pointsToPixels(const Transformer& transformer, QList<QPointF>& points)
{
    transformer.valuesToPixels(std::span<QPointF>(points.data(), std::size_t(points.size())));
}

qint64 BarChartRenderer::animatedCount(qint64 entryCount) const
{
    const double share = std::ceil(double(entryCount) * phaseX());
    if (!(share > 0.0)) {
        return 0;
    }
    return share < double(entryCount) ? checkedInteger<qint64>(share) : entryCount;
}

// ---- Bars ----

namespace {

// A plain bar from 0 to its y; in a bar chart view cut to the axis range, the animation growing
// it from the cut end nearer 0.
QRectF plainBarRect(const BarChartDataEntry& e, double barWidthHalf, bool inverted, double phaseY, const YAxis* axis)
{
    const double y = e.y();
    double top = inverted ? (y <= 0.0 ? y : 0.0) : (y >= 0.0 ? y : 0.0);
    double bottom = inverted ? (y >= 0.0 ? y : 0.0) : (y <= 0.0 ? y : 0.0);
    double cutHigh = 0.0;
    double cutLow = 0.0;
    if (axis) {
        const double axisMax = axis->axisMaximum();
        const double axisMin = axis->axisMinimum();
        if (y >= 0.0) {
            cutHigh = y > axisMax ? y - axisMax : 0.0;
            cutLow = axisMin > 0.0 ? axisMin : 0.0;
        } else {
            cutHigh = axisMax < 0.0 ? -axisMax : 0.0;
            cutLow = axisMin > y ? axisMin - y : 0.0;
        }
    }
    double threshold = cutHigh;
    if (inverted) {
        top += cutLow;
        bottom -= cutHigh;
        threshold = cutLow;
    } else {
        top -= cutHigh;
        bottom += cutLow;
    }
    if (top > threshold) {
        top *= phaseY;
    } else {
        bottom *= phaseY;
    }
    const double left = e.x() - barWidthHalf;
    const double right = e.x() + barWidthHalf;
    return QRectF(left, top, right - left, bottom - top);
}

}

void BarChartRenderer::computeBarRects(const BarChartDataSetProtocol& dataSet, qint64 index)
{
    // Only a bar chart view clips its bars to the axis range.
    const auto* view = barChartView();
    const auto axis = view ? view->getAxis(dataSet.axisDependency()) : nullptr;
    fillSlots(
        dataSet, index,
        [](const BarChartDataEntry& e, double start, double end, const FillGeometry& g) {
            const double top = g.inverted ? std::min(start, end) : std::max(start, end);
            const double bottom = g.inverted ? std::max(start, end) : std::min(start, end);
            const double left = e.x() - g.barWidthHalf;
            const double right = e.x() + g.barWidthHalf;
            return QRectF(left, top * g.phaseY, right - left, (bottom - top) * g.phaseY);
        },
        [&](const BarChartDataEntry& e, const FillGeometry& g) {
            return plainBarRect(e, g.barWidthHalf, g.inverted, g.phaseY, axis.get());
        });
}

void BarChartRenderer::fillBuffer(const BarChartDataSetProtocol& dataSet, qint64 index)
{
    computeBarRects(dataSet, index);
}

void BarChartRenderer::drawData(QPainter& painter)
{
    const auto* provider = dataProvider();
    const auto data = provider ? provider->barData() : nullptr;
    if (!data) {
        return;
    }
    BarChartView* view = barChartView();
    beginAccessibleElements(view ? createAccessibleHeader(*view, *data, QStringLiteral("Bar Chart")) : nullptr);
    const ChartDataSetList& dataSets = data->dataSets();
    for (qsizetype i = 0; i < dataSets.size(); ++i) {
        const auto dataSet = barDataSet(dataSets.at(i));
        if (!dataSet) {
            chartFatal(QStringLiteral("Datasets for BarChartRenderer must conform to IBarChartDataset"));
        }
        if (dataSet->isVisible()) {
            drawDataSet(painter, *dataSet, i);
        }
    }
    accessibilityPostLayoutChangedNotification();
}

// Every bar the last pass wrote (a segment of a stack each), grouped by entry index, each group in
// data-set order; off screen where the bar lies beside the content.
DataRenderer::Elements BarChartRenderer::describeEntries() const
{
    const auto data = dataProvider() ? dataProvider()->barData() : nullptr;
    m_accessibilityOrderedElements = makeAccessibilityGroups();
    if (!data) {
        return {};
    }
    const ChartDataSetList& dataSets = data->dataSets();
    for (qsizetype i = 0; i < dataSets.size(); ++i) {
        const auto dataSet = barDataSet(dataSets.at(i));
        if (dataSet && dataSet->isVisible()) {
            describeBars(*dataSet, i);
        }
    }
    Elements elements;
    for (const Elements& group : std::as_const(*m_accessibilityOrderedElements)) {
        elements.append(group);
    }
    return elements;
}

void BarChartRenderer::describeBars(const BarChartDataSetProtocol& dataSet, qint64 index) const
{
    const Buffer* bars = buffer(index);
    const BarStyle style = barStyle(dataSet);
    if (!bars || !style.view) {
        return;
    }
    for (qsizetype j = 0; j < bars->written; ++j) {
        const QRectF& rect = bars->rects[std::size_t(j)];
        const qint64 group = bars->records[std::size_t(j)].entryIndex;
        if (group < m_accessibilityOrderedElements->size()) {
            auto element = makeBarAccessibilityElement(dataSet, index, style, *bars, j, rect);
            element->setOffScreen(isBesideContent(rect));
            (*m_accessibilityOrderedElements)[group].append(element);
        }
    }
}

void BarChartRenderer::drawDataSet(QPainter& painter, const BarChartDataSetProtocol& dataSet, qint64 index)
{
    const auto* provider = dataProvider();
    if (!provider) {
        return;
    }
    const auto transformer = provider->getTransformer(dataSet.axisDependency());
    fillBuffer(dataSet, index);
    Buffer* bars = buffer(index);
    if (!transformer || !bars) {
        return;
    }
    transformer->rectsToPixels(std::span<QRectF>(bars->rects.data(), std::size_t(bars->written)));
    painter.save();
    if (provider->isDrawBarShadowEnabled()) {
        const auto data = provider->barData();
        if (!data) {
            painter.restore();
            return;
        }
        drawShadows(painter, dataSet, *data, *transformer, *bars);
    }
    const BarStyle style = barStyle(dataSet);
    for (qsizetype j = 0; j < bars->written; ++j) {
        const QRectF& rect = bars->rects[std::size_t(j)];
        if (isBeforeContent(rect)) {
            continue;
        }
        if (isBeyondContent(rect)) {
            break;
        }
        drawBar(painter, dataSet, style, *bars, j);
    }
    painter.restore();
}

BarChartRenderer::BarStyle BarChartRenderer::barStyle(const BarChartDataSetProtocol& dataSet) const
{
    BarStyle style;
    style.colors = dataSet.colors();
    if (dataSet.barBorderWidth() > 0.0) {
        style.border = miterPen(QPen(dataSet.barBorderColor(), dataSet.barBorderWidth()));
    }
    const auto data = dataProvider()->barData();
    style.view = data ? chartView() : nullptr;
    if (!style.view) {
        return style;
    }
    style.viewSetIndex = style.view->data() ? indexOfDataSet(*style.view->data(), dataSet) : -1;
    style.groupStarts = data->groupStarts();
    style.valueFormatter = dataSet.valueFormatter();
    if (pointTextNamesDataSet(*style.view, *data)) {
        style.prefix = dataSet.label().value_or(QString()) + QStringLiteral(", ");
    }
    // The stack label follows the slot's colour.
    style.stackLabels = dataSet.stackLabels();
    style.stackLabelCycle = std::min<qint64>(dataSet.stackSize(), style.colors.size());
    return style;
}

void BarChartRenderer::drawBar(QPainter& painter, const BarChartDataSetProtocol& dataSet, const BarStyle& style,
                               const Buffer& buffer, qsizetype j)
{
    const QRectF& rect = buffer.rects[std::size_t(j)];
    const QRectF bounds = viewPortHandler()->chartBounds();
    fillClippedRect(painter, rect, style.colors.size() == 1 ? style.colors.front() : dataSet.colorAtIndex(j), bounds);
    if (style.border) {
        painter.setPen(*style.border);
        painter.setBrush(Qt::NoBrush);
        drawClippedRect(painter, rect, bounds);
    }
}

bool BarChartRenderer::isBeforeContent(const QRectF& rect) const
{
    return !viewPortHandler()->isInBoundsLeft(rect.x() + rect.width());
}

bool BarChartRenderer::isBeyondContent(const QRectF& rect) const
{
    return !viewPortHandler()->isInBoundsRight(rect.x());
}

QRectF BarChartRenderer::shadowColumn(double x, double barWidth, const Transformer& transformer) const
{
    QRectF column(x - barWidth / 2.0, 0.0, barWidth, 0.0);
    transformer.rectToPixels(column);
    const ViewPortHandler& handler = *viewPortHandler();
    column.setY(handler.contentTop());
    column.setHeight(handler.contentHeight());
    return column;
}

void BarChartRenderer::drawShadowColumns(QPainter& painter, const BarChartDataSetProtocol& dataSet, double barWidth,
                                         const Transformer& transformer)
{
    const QColor color = dataSet.barShadowColor();
    const qint64 count = animatedCount(dataSet.entryCount());
    for (qint64 i = 0; i < count; ++i) {
        const auto e = barEntry(dataSet, i);
        if (!e) {
            continue;
        }
        const QRectF column = shadowColumn(e->x(), barWidth, transformer);
        if (isBeforeContent(column)) {
            continue;
        }
        if (isBeyondContent(column)) {
            break;
        }
        fillClippedRect(painter, column, color, viewPortHandler()->chartBounds());
    }
}

// Full-height columns behind the bars, then a shadow fill of every bar.
void BarChartRenderer::drawShadows(QPainter& painter, const BarChartDataSetProtocol& dataSet,
                                   const BarChartData& data, const Transformer& transformer, const Buffer& buffer)
{
    drawShadowColumns(painter, dataSet, data.barWidth(), transformer);
    const QColor color = dataSet.barShadowColor();
    for (qsizetype j = 0; j < buffer.written; ++j) {
        const QRectF& rect = buffer.rects[std::size_t(j)];
        if (isBeforeContent(rect)) {
            continue;
        }
        if (isBeyondContent(rect)) {
            break;
        }
        fillClippedRect(painter, rect, color, viewPortHandler()->chartBounds());
    }
}

// ---- Accessibility ----

std::shared_ptr<NSUIAccessibilityElement> BarChartRenderer::makeBarAccessibilityElement(
    const BarChartDataSetProtocol& dataSet, qint64 dataSetIndex, const BarStyle& style, const Buffer& buffer,
    qsizetype j, const QRectF& rect) const
{
    const Slot slot = buffer.records[std::size_t(j)];
    const auto e = barEntry(dataSet, slot.entryIndex);
    // A stack has one element per segment; a plain bar one for the whole entry.
    const qint64 stackIndex = dataSet.isStacked() && e && e->yValues() ? slot.valueIndex : -1;
    auto element = style.view->accessibilityElement(style.viewSetIndex, slot.entryIndex, stackIndex);
    if (!e) {
        return element;
    }
    const QString xText = pointXText(*style.view, style.groupStarts.value(slot.entryIndex, e->x()));
    double value = e->y();
    QString stackLabel;
    if (dataSet.isStacked() && e->yValues()) {
        const QList<double>& values = *e->yValues();
        value = slot.valueIndex < values.size() ? values.at(slot.valueIndex) : 0.0;
        const qint64 n = style.stackLabelCycle;
        if (!style.stackLabels.isEmpty() && n >= 1 && j % n < style.stackLabels.size()) {
            stackLabel = style.stackLabels.at(j % n) + QStringLiteral(" ");
        }
    }
    const QString valueText = style.valueFormatter
        ? style.valueFormatter->stringForValue(value, e.get(), dataSetIndex, viewPortHandler().get())
        : QString();
    element->setAccessibilityLabel(style.prefix + QStringLiteral(" ") + xText + QStringLiteral(": ") + stackLabel
                                   + valueText);
    element->setAccessibilityFrame(rect);
    return element;
}

// ---- Values ----

BarChartRenderer::ValueStyle BarChartRenderer::valueStyle(const BarChartDataSetProtocol& dataSet) const
{
    ValueStyle style;
    style.attributes.font = dataSet.valueFont();
    style.formatter = dataSet.valueFormatter();
    style.angle = dataSet.valueLabelAngle() * std::numbers::pi / 180.0;
    style.iconsOffset = dataSet.iconsOffset();
    style.inverted = dataProvider()->isInverted(dataSet.axisDependency());
    return style;
}

QString BarChartRenderer::valueText(const ValueStyle& style, const BarChartDataEntry& entry, double value,
                                    qint64 dataSetIndex) const
{
    return style.formatter ? style.formatter->stringForValue(value, &entry, dataSetIndex, viewPortHandler().get())
                           : QString();
}

BarChartRenderer::StackPositions BarChartRenderer::stackPositions(const BarChartDataEntry& entry)
{
    StackPositions stack;
    stack.negY = -entry.negativeSum();
    for (const double value : *entry.yValues()) {
        if (value == 0.0 && (stack.posY == 0.0 || stack.negY == 0.0)) {
            stack.positions.append(value);
        } else if (value >= 0.0) {
            stack.posY += value;
            stack.positions.append(stack.posY);
        } else {
            stack.positions.append(stack.negY);
            stack.negY -= value;
        }
    }
    return stack;
}

void BarChartRenderer::drawValues(QPainter& painter)
{
    const auto* provider = dataProvider();
    const auto data = provider ? provider->barData() : nullptr;
    if (!data || !isDrawingValuesAllowed(provider)) {
        return;
    }
    const bool above = provider->isDrawValueAboveBarEnabled();
    const ChartDataSetList& dataSets = data->dataSets();
    for (qsizetype i = 0; i < dataSets.size(); ++i) {
        const auto dataSet = barDataSet(dataSets.at(i));
        if (dataSet && shouldDrawValues(*dataSet)) {
            drawValuesOfSet(painter, *dataSet, i, above);
        }
    }
}

void BarChartRenderer::drawValuesOfSet(QPainter& painter, const BarChartDataSetProtocol& dataSet, qint64 index,
                                       bool above)
{
    const ValueStyle style = valueStyle(dataSet);
    const double h = fontLineHeight(style.attributes.font);
    double posOffset = above ? -(h + valueGap) : valueGap;
    double negOffset = above ? valueGap : -(h + valueGap);
    if (style.inverted) {
        posOffset = -posOffset - h;
        negOffset = -negOffset - h;
    }
    if (dataSet.isStacked()) {
        drawStackedValues(painter, dataSet, index, style, posOffset, negOffset);
        return;
    }
    forEachWrittenBar(dataSet, index, [&](const BarChartDataEntry& e, qint64 j, const QRectF& rect) {
        return drawPlainValue(painter, dataSet, index, style, e, j, rect, posOffset, negOffset);
    });
}

bool BarChartRenderer::drawPlainValue(QPainter& painter, const BarChartDataSetProtocol& dataSet, qint64 index,
                                      const ValueStyle& style, const BarChartDataEntry& entry, qint64 j,
                                      const QRectF& rect, double posOffset, double negOffset)
{
    const ViewPortHandler& handler = *viewPortHandler();
    const double x = rect.center().x();
    if (!handler.isInBoundsRight(x)) {
        return false;
    }
    if (!handler.isInBoundsY(rect.y()) || !handler.isInBoundsLeft(x)) {
        return true;
    }
    const double value = entry.y();
    const double y = value >= 0.0 ? rect.y() + posOffset : rect.y() + rect.height() + negOffset;
    drawValueAndIcon(painter, dataSet, style, entry, QPointF(x, y), QPointF(x, y), j,
                     valueText(style, entry, value, index), TextAlignment::Center, QPointF(0.5, 0.5));
    return true;
}

void BarChartRenderer::drawStackedValues(QPainter& painter, const BarChartDataSetProtocol& dataSet, qint64 index,
                                         const ValueStyle& style, double posOffset, double negOffset)
{
    const ViewPortHandler& handler = *viewPortHandler();
    forEachStackedEntry(
        dataSet, index,
        [&](const BarChartDataEntry& e, qint64 j, const QRectF& rect) {
            return drawPlainValue(painter, dataSet, index, style, e, j, rect, posOffset, negOffset);
        },
        [&](const BarChartDataEntry& e, qint64 j, const QRectF& rect, const StackPositions& stack,
            const QList<QPointF>& points) {
            const double x = rect.center().x();
            const QList<double>& values = *e.yValues();
            for (qsizetype k = 0; k < values.size(); ++k) {
                const double value = values.at(k);
                const bool below = (value == 0.0 && stack.negY == 0.0 && stack.posY > 0.0) || value < 0.0;
                const double y = points.at(k).y() + (below ? negOffset : posOffset);
                if (!handler.isInBoundsRight(x)) {
                    break;
                }
                if (!handler.isInBoundsY(y) || !handler.isInBoundsLeft(x)) {
                    continue;
                }
                drawValueAndIcon(painter, dataSet, style, e, QPointF(x, y), QPointF(x, y), j,
                                 valueText(style, e, value, index), TextAlignment::Center, QPointF(0.5, 0.5));
            }
        });
}

QPointF BarChartRenderer::stackValuePoint(double position) const
{
    return QPointF(0.0, position);
}

void BarChartRenderer::drawValueAndIcon(QPainter& painter, const BarChartDataSetProtocol& dataSet,
                                        const ValueStyle& style, const BarChartDataEntry& entry, QPointF point,
                                        QPointF iconPoint, qint64 entryIndex, const QString& text,
                                        TextAlignment alignment, QPointF anchor)
{
    if (dataSet.isDrawValuesEnabled()) {
        drawValue(painter, text, point.x(), point.y(), style.attributes.font, alignment,
                  dataSet.valueTextColorAt(entryIndex), anchor, style.angle);
    }
    if (entry.icon() && dataSet.isDrawIconsEnabled()) {
        drawImage(painter, *entry.icon(), iconPoint + style.iconsOffset, entry.icon()->size());
    }
}

void BarChartRenderer::drawValue(QPainter& painter, const QString& value, double xPos, double yPos,
                                 const QFont& font, TextAlignment align, const QColor& color, QPointF anchor,
                                 double angleRadians)
{
    TextAttributes attributes;
    attributes.font = font;
    attributes.color = color;
    drawAlignedText(painter, value, QPointF(xPos, yPos), align, anchor, angleRadians, attributes);
}

void BarChartRenderer::drawExtras(QPainter& /*painter*/)
{
}

// ---- Highlights ----

void BarChartRenderer::drawHighlighted(QPainter& painter, const HighlightList& indices)
{
    const auto* provider = dataProvider();
    const auto data = provider ? provider->barData() : nullptr;
    if (!data) {
        return;
    }
    painter.save();
    for (const auto& highlight : indices) {
        if (!highlight) {
            continue;
        }
        const auto dataSet = barDataSet(data->dataSetAtIndex(highlight->dataSetIndex()));
        const auto rect = highlightRect(*highlight, *data);
        if (!dataSet || !rect) {
            continue;
        }
        setHighlightDrawPoint(*highlight, *rect);
        QColor color = dataSet->highlightColor();
        painter.save();
        painter.setOpacity(dataSet->highlightAlpha());
        fillClippedRect(painter, *rect, color, viewPortHandler()->chartBounds());
        painter.restore();
    }
    painter.restore();
}

// The highlighted bar or segment in pixels; none when the highlight does not resolve to one.
std::optional<QRectF> BarChartRenderer::highlightRect(const Highlight& highlight, const BarChartData& data)
{
    const auto dataSet = barDataSet(data.dataSetAtIndex(highlight.dataSetIndex()));
    if (!dataSet || !dataSet->isHighlightEnabled()) {
        return std::nullopt;
    }
    const auto e = std::dynamic_pointer_cast<BarChartDataEntry>(
        dataSet->entryForXValue(highlight.x(), highlight.y()));
    if (!e || !isInBoundsX(*e, *dataSet)) {
        return std::nullopt;
    }
    const auto transformer = dataProvider()->getTransformer(dataSet->axisDependency());
    if (!transformer) {
        return std::nullopt;
    }
    double y1 = e->y();
    double y2 = 0.0;
    if (highlight.stackIndex() >= 0 && e->isStacked()) {
        if (dataProvider()->isHighlightFullBarEnabled()) {
            y1 = e->positiveSum();
            y2 = -e->negativeSum();
        } else {
            const auto& ranges = e->ranges();
            if (!ranges || highlight.stackIndex() >= ranges->size()) {
                return std::nullopt;
            }
            y1 = ranges->at(highlight.stackIndex()).from();
            y2 = ranges->at(highlight.stackIndex()).to();
        }
    }
    return computeHighlightRect(e->x(), y1, y2, data.barWidth() / 2.0, *transformer);
}

QRectF BarChartRenderer::computeHighlightRect(double x, double y1, double y2, double barWidthHalf,
                                              const Transformer& transformer) const
{
    QRectF rect(x - barWidthHalf, y1, 2.0 * barWidthHalf, y2 - y1);
    transformer.rectToPixels(rect, phaseY());
    return rect;
}

void BarChartRenderer::setHighlightDrawPoint(Highlight& highlight, const QRectF& rect) const
{
    highlight.setDraw(rect.center().x(), rect.y());
}

}
