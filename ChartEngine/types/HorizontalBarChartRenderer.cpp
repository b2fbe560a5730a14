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

namespace Charts {

namespace {

constexpr double valueGap = 5.0;

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
    // Horizontal bars are never cut to the axis range.
    fillSlots(
        dataSet, index,
        [](const BarChartDataEntry& e, double start, double end, const FillGeometry& g) {
            const double left = g.inverted ? std::max(start, end) : std::min(start, end);
            const double right = g.inverted ? std::min(start, end) : std::max(start, end);
            const double top = e.x() + g.barWidthHalf;
            const double bottom = e.x() - g.barWidthHalf;
            return QRectF(left * g.phaseY, top, right * g.phaseY - left * g.phaseY, bottom - top);
        },
        [](const BarChartDataEntry& e, const FillGeometry& g) {
            const double y = e.y();
            double right = g.inverted ? (y <= 0.0 ? y : 0.0) : (y >= 0.0 ? y : 0.0);
            double left = g.inverted ? (y >= 0.0 ? y : 0.0) : (y <= 0.0 ? y : 0.0);
            if (right > 0.0) {
                right *= g.phaseY;
            } else {
                left *= g.phaseY;
            }
            const double top = e.x() + g.barWidthHalf;
            const double bottom = e.x() - g.barWidthHalf;
            return QRectF(left, top, right - left, bottom - top);
        });
}

bool HorizontalBarChartRenderer::isBeforeContent(const QRectF& rect) const
{
    return !viewPortHandler()->isInBoundsBottom(rect.y());
}

bool HorizontalBarChartRenderer::isBeyondContent(const QRectF& rect) const
{
    return !viewPortHandler()->isInBoundsTop(rect.y() + rect.height());
}

QRectF HorizontalBarChartRenderer::shadowColumn(double x, double barWidth, const Transformer& transformer) const
{
    QRectF column(0.0, x - barWidth / 2.0, 0.0, barWidth);
    transformer.rectToPixels(column);
    const ViewPortHandler& handler = *viewPortHandler();
    column.setX(handler.contentLeft());
    column.setWidth(handler.contentWidth());
    return column;
}

void HorizontalBarChartRenderer::drawShadows(QPainter& painter, const BarChartDataSetProtocol& dataSet,
                                             const BarChartData& data, const Transformer& transformer,
                                             const Buffer& /*buffer*/)
{
    drawShadowColumns(painter, dataSet, data.barWidth(), transformer);
}

QPointF HorizontalBarChartRenderer::stackValuePoint(double position) const
{
    return QPointF(position, 0.0);
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
    forEachWrittenBar(dataSet, index, [&](const BarChartDataEntry& e, qint64 j, const QRectF& rect) {
        return drawPlainValue(painter, dataSet, index, style, e, j, rect, above);
    });
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
    const ViewPortHandler& handler = *viewPortHandler();
    const double halfHeight = fontLineHeight(style.attributes.font) / 2.0;
    forEachStackedEntry(
        dataSet, index,
        [&](const BarChartDataEntry& e, qint64 j, const QRectF& rect) {
            return drawPlainValue(painter, dataSet, index, style, e, j, rect, above);
        },
        [&](const BarChartDataEntry& e, qint64 j, const QRectF& rect, const StackPositions& stack,
            const QList<QPointF>& points) {
            const double middle = rect.center().y();
            const QList<double>& values = *e.yValues();
            for (qsizetype k = 0; k < values.size(); ++k) {
                const double value = values.at(k);
                const QString text = valueText(style, e, value, index);
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
                drawValueAndIcon(painter, dataSet, style, e, QPointF(x, middle - halfHeight), QPointF(x, middle), j,
                                 text, TextAlignment::Left, QPointF(0.0, 0.0));
            }
        });
}

}
