#include "ChartEngine/types/HorizontalBarChartRenderer.h"

#include "ChartEngine/data/BarChartData.h"
#include "ChartEngine/data/BarChartDataEntry.h"
#include "ChartEngine/data/BarChartDataSetProtocol.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/views/BarChartDataProvider.h"

#include <QPainter>

#include <algorithm>
#include <span>

namespace Charts {

namespace {

constexpr double valueGap = 5.0;

std::shared_ptr<BarChartDataEntry> barEntry(const ChartDataSetProtocol& dataSet, qint64 index)
{
    return std::dynamic_pointer_cast<BarChartDataEntry>(dataSet.entryForIndex(index));
}

// The label's offset from the bar's end for a positive (first) and a negative (second) value:
// `width` is the label's, `barWidth` the plain bar's (0 for a stack segment).
std::pair<double, double> labelOffsets(bool above, bool inverted, double width, double barWidth)
{
    double posOffset = above ? valueGap : -(width + valueGap);
    double negOffset = (above ? -(width + valueGap) : valueGap) - barWidth;
    if (inverted) {
        posOffset = -posOffset - width;
        negOffset = -negOffset - width;
    }
    return {posOffset, negOffset};
}

}

HorizontalBarChartRenderer::HorizontalBarChartRenderer(QObject* chart, std::shared_ptr<Animator> animator,
                                                       std::shared_ptr<ViewPortHandler> viewPortHandler)
    : BarChartRenderer(chart, std::move(animator), std::move(viewPortHandler))
{
}

void HorizontalBarChartRenderer::fillBuffer(const BarChartDataSetProtocol& dataSet, qint64 index)
{
    computeHorizontalBarRects(dataSet, index);
}

void HorizontalBarChartRenderer::computeHorizontalBarRects(const BarChartDataSetProtocol& dataSet, qint64 index)
{
    const auto* provider = dataProvider();
    const auto data = provider ? provider->barData() : nullptr;
    Buffer* target = buffer(index);
    if (!data || !target) {
        return;
    }
    const double barWidthHalf = data->barWidth() / 2.0;
    const bool stacked = dataSet.isStacked();
    const bool inverted = provider->isInverted(dataSet.axisDependency());
    const double phase = phaseY();
    const qint64 count = animatedCount(dataSet.entryCount());
    target->begin();
    for (qint64 i = 0; i < count && !target->isFull(); ++i) {
        const auto e = barEntry(dataSet, i);
        if (!e) {
            continue;
        }
        const double top = e->x() + barWidthHalf;
        const double bottom = e->x() - barWidthHalf;
        if (stacked && e->yValues()) {
            forEachStackSegment(*e, [&](qint64 k, double start, double end) {
                const double left = inverted ? std::max(start, end) : std::min(start, end);
                const double right = inverted ? std::min(start, end) : std::max(start, end);
                target->append(QRectF(left * phase, top, right * phase - left * phase, bottom - top), Slot{i, k});
                return !target->isFull();
            });
            continue;
        }
        const double y = e->y();
        double right = inverted ? (y <= 0.0 ? y : 0.0) : (y >= 0.0 ? y : 0.0);
        double left = inverted ? (y >= 0.0 ? y : 0.0) : (y <= 0.0 ? y : 0.0);
        if (right > 0.0) {
            right *= phase;
        } else {
            left *= phase;
        }
        target->append(QRectF(left, top, right - left, bottom - top), Slot{i, 0});
    }
    target->finish();
}

bool HorizontalBarChartRenderer::isBeforeContent(const QRectF& rect) const
{
    return !viewPortHandler()->isInBoundsBottom(rect.y());
}

bool HorizontalBarChartRenderer::isBeyondContent(const QRectF& rect) const
{
    return !viewPortHandler()->isInBoundsTop(rect.y() + rect.height());
}

void HorizontalBarChartRenderer::drawShadows(QPainter& painter, const BarChartDataSetProtocol& dataSet,
                                             const BarChartData& data, const Transformer& transformer,
                                             const Buffer& /*buffer*/)
{
    const ViewPortHandler& handler = *viewPortHandler();
    const double barWidth = data.barWidth();
    const QColor color = dataSet.barShadowColor();
    const qint64 count = animatedCount(dataSet.entryCount());
    for (qint64 i = 0; i < count; ++i) {
        const auto e = barEntry(dataSet, i);
        if (!e) {
            continue;
        }
        QRectF column(0.0, e->x() - barWidth / 2.0, 0.0, barWidth);
        transformer.rectToPixels(column);
        if (isBeyondContent(column)) {
            break;
        }
        if (isBeforeContent(column)) {
            continue;
        }
        column.setX(handler.contentLeft());
        column.setWidth(handler.contentWidth());
        painter.fillRect(column, color);
    }
}

QRectF HorizontalBarChartRenderer::computeHighlightRect(double x, double y1, double y2, double barWidthHalf,
                                                        const Transformer& transformer) const
{
    QRectF rect(y1, x - barWidthHalf, y2 - y1, 2.0 * barWidthHalf);
    transformer.horizontalRectToPixels(rect, phaseY());
    return rect;
}

void HorizontalBarChartRenderer::setHighlightDrawPoint(Highlight& highlight, const QRectF& rect) const
{
    highlight.setDraw(rect.center().y(), rect.x() + rect.width());
}

bool HorizontalBarChartRenderer::isDrawingValuesAllowed(const ChartDataProvider* dataProvider) const
{
    const auto data = dataProvider ? dataProvider->data() : nullptr;
    if (!data) {
        return false;
    }
    const double limit = std::trunc(double(dataProvider->maxVisibleCount()) * viewPortHandler()->scaleY());
    return double(data->entryCount()) < limit;
}

// ---- Values ----

void HorizontalBarChartRenderer::drawValuesOfSet(QPainter& painter, const BarChartDataSetProtocol& dataSet,
                                                 qint64 index, bool above)
{
    const ValueStyle style = valueStyle(dataSet);
    if (dataSet.isStacked()) {
        drawStackedValues(painter, dataSet, index, style, above);
        return;
    }
    const Buffer* bars = buffer(index);
    if (!bars) {
        return;
    }
    for (qsizetype j = 0; j < bars->written; ++j) {
        const qint64 entryIndex = bars->records[std::size_t(j)].entryIndex;
        const auto e = barEntry(dataSet, entryIndex);
        if (e && !drawPlainValue(painter, dataSet, index, style, *e, entryIndex, bars->rects[std::size_t(j)], above)) {
            return;
        }
    }
}

bool HorizontalBarChartRenderer::drawPlainValue(QPainter& painter, const BarChartDataSetProtocol& dataSet,
                                                qint64 index, const ValueStyle& style, const BarChartDataEntry& entry,
                                                qint64 j, const QRectF& rect, bool above)
{
    const ViewPortHandler& handler = *viewPortHandler();
    if (!handler.isInBoundsTop(rect.y())) {
        return false;
    }
    if (!handler.isInBoundsX(rect.x()) || !handler.isInBoundsBottom(rect.y())) {
        return true;
    }
    const double value = entry.y();
    const QString text = valueText(style, entry, value, index);
    const double width = textSize(text, style.attributes).width();
    const auto [posOffset, negOffset] = labelOffsets(above, style.inverted, width, rect.width());
    const double x = rect.x() + rect.width() + (value >= 0.0 ? posOffset : negOffset);
    const double middle = rect.center().y();
    const double y = middle - fontLineHeight(style.attributes.font) / 2.0;
    drawValueAndIcon(painter, dataSet, style, entry, QPointF(x, y), QPointF(x, middle), j, text, TextAlignment::Left,
                     QPointF(0.0, 0.0));
    return true;
}

void HorizontalBarChartRenderer::drawStackedValues(QPainter& painter, const BarChartDataSetProtocol& dataSet,
                                                   qint64 index, const ValueStyle& style, bool above)
{
    const Buffer* bars = buffer(index);
    if (!bars) {
        return;
    }
    const ViewPortHandler& handler = *viewPortHandler();
    const auto transformer = dataProvider()->getTransformer(dataSet.axisDependency());
    const double phase = phaseY();
    const double halfHeight = fontLineHeight(style.attributes.font) / 2.0;
    const qint64 count = animatedCount(dataSet.entryCount());
    qsizetype slot = 0;
    for (qint64 j = 0; j < count && slot < bars->written; ++j) {
        const auto e = barEntry(dataSet, j);
        if (!e) {
            continue;
        }
        const QRectF& rect = bars->rects[std::size_t(slot)];
        if (!e->yValues()) {
            if (!drawPlainValue(painter, dataSet, index, style, *e, j, rect, above)) {
                return;
            }
            ++slot;
            continue;
        }
        const StackPositions stack = stackPositions(*e);
        QList<QPointF> points;
        for (const double position : stack.positions) {
            points.append(QPointF(position * phase, 0.0));
        }
        transformer->valuesToPixels(std::span<QPointF>(points.data(), std::size_t(points.size())));
        const double middle = rect.center().y();
        const QList<double>& values = *e->yValues();
        for (qsizetype k = 0; k < values.size(); ++k) {
            const double value = values.at(k);
            const QString text = valueText(style, *e, value, index);
            const double width = textSize(text, style.attributes).width();
            const auto [posOffset, negOffset] = labelOffsets(above, style.inverted, width, 0.0);
            const bool below = (value == 0.0 && stack.negY == 0.0 && stack.posY > 0.0) || value < 0.0;
            const double x = points.at(k).x() + (below ? negOffset : posOffset);
            if (!handler.isInBoundsTop(middle)) {
                break;
            }
            if (!handler.isInBoundsX(x) || !handler.isInBoundsBottom(middle)) {
                continue;
            }
            drawValueAndIcon(painter, dataSet, style, *e, QPointF(x, middle - halfHeight), QPointF(x, middle), j, text,
                             TextAlignment::Left, QPointF(0.0, 0.0));
        }
        slot += values.size();
    }
}

}
