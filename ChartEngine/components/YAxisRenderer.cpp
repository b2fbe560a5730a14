#include "ChartEngine/components/YAxisRenderer.h"

#include "ChartEngine/components/ChartLimitLine.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/foundation/ChartFatal.h"
#include "ChartEngine/foundation/ClippedDrawing.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/foundation/ViewPortHandler.h"

#include <QLineF>
#include <QPainter>

#include <cmath>

namespace Charts {

namespace {

// The content area grown by `width` / 2 above and below.
QRectF grownVertically(const ViewPortHandler& handler, double width)
{
    return handler.contentRect().adjusted(0.0, -width / 2.0, 0.0, width / 2.0);
}

void drawHorizontalLine(QPainter& painter, const ViewPortHandler& handler, double y)
{
    drawClippedLine(painter, QLineF(handler.contentLeft(), y, handler.contentRight(), y), handler.chartBounds());
}

}

YAxisRenderer::YAxisRenderer(std::shared_ptr<ViewPortHandler> viewPortHandler,
                             std::shared_ptr<YAxis> axis, std::shared_ptr<Transformer> transformer)
    : AxisRenderer(std::move(viewPortHandler), std::move(transformer))
    , m_axis(std::move(axis))
{
}

std::shared_ptr<AxisBase> YAxisRenderer::axis() const
{
    return m_axis;
}

void YAxisRenderer::renderAxisLabels(QPainter& painter)
{
    if (!m_axis->isEnabled() || !m_axis->isDrawLabelsEnabled()) {
        return;
    }
    const std::shared_ptr<ViewPortHandler> handler = viewPortHandler();
    const double xOffset = m_axis->xOffset();
    const double lineHeight = fontLineHeight(m_axis->labelFont());
    const double yOffset = lineHeight / 2.5 + m_axis->yOffset();
    const bool left = m_axis->axisDependency() == AxisDependency::left;
    double x = 0.0;
    TextAlignment alignment = TextAlignment::Left;
    switch (m_axis->labelPosition()) {
    case YAxis::LabelPosition::outside:
        x = left ? handler->offsetLeft() - xOffset : handler->contentRight() + xOffset;
        alignment = left ? TextAlignment::Right : TextAlignment::Left;
        break;
    case YAxis::LabelPosition::inside:
        x = left ? handler->offsetLeft() + xOffset : handler->contentRight() - xOffset;
        alignment = left ? TextAlignment::Left : TextAlignment::Right;
        break;
    default:
        chartFatal(QStringLiteral("Unexpected YAxis.LabelPosition value %1")
                       .arg(static_cast<int>(m_axis->labelPosition())));
    }
    drawYLabels(painter, x, transformedPositions(), yOffset - lineHeight, alignment);
}

void YAxisRenderer::drawYLabels(QPainter& painter, double fixedPosition,
                                const QList<QPointF>& positions, double offset,
                                TextAlignment textAlign)
{
    TextAttributes attributes;
    attributes.font = m_axis->labelFont();
    attributes.color = m_axis->labelTextColor();
    const qint64 from = m_axis->isDrawBottomYLabelEntryEnabled() ? 0 : 1;
    const qint64 to = m_axis->isDrawTopYLabelEntryEnabled() ? m_axis->entryCount()
                                                            : m_axis->entryCount() - 1;
    const double x = fixedPosition + m_axis->labelXOffset();
    // Only entries with a position are drawn: none without a transformer.
    for (qint64 i = from; i < to && i < positions.size(); ++i) {
        const QPointF origin(x, positions.at(i).y() + offset);
        drawAlignedText(painter, m_axis->getFormattedLabel(i), origin, textAlign,
                        QPointF(0.0, 0.0), 0.0, attributes);
    }
}

void YAxisRenderer::renderAxisLine(QPainter& painter)
{
    if (!m_axis->isEnabled() || !m_axis->isDrawAxisLineEnabled()) {
        return;
    }
    const std::shared_ptr<ViewPortHandler> handler = viewPortHandler();
    const double x = m_axis->axisDependency() == AxisDependency::left ? handler->contentLeft()
                                                                      : handler->contentRight();
    painter.save();
    painter.setPen(linePen(m_axis->axisLineColor(), m_axis->axisLineWidth(),
                           m_axis->axisLineDashPhase(), m_axis->axisLineDashLengths()));
    drawClippedLine(painter, QLineF(x, handler->contentTop(), x, handler->contentBottom()), handler->chartBounds());
    painter.restore();
}

void YAxisRenderer::renderGridLines(QPainter& painter)
{
    if (!m_axis->isEnabled()) {
        return;
    }
    if (m_axis->isDrawGridLinesEnabled()) {
        const QList<QPointF> positions = transformedPositions();
        beginGridLines(painter, *m_axis, gridClippingRect());
        for (const QPointF& position : positions) {
            drawGridLine(painter, position);
        }
        painter.restore();
    }
    // Zone bands are painted over the grid, before the zero line; always this class's own.
    if (m_axis->drawGridLinesBackgroungEnabled()) {
        YAxisRenderer::drawGridLinesBackground(painter);
    }
    if (m_axis->drawZeroLineEnabled()) {
        drawZeroLine(painter);
    }
}

QRectF YAxisRenderer::gridClippingRect() const
{
    return grownVertically(*viewPortHandler(), m_axis->gridLineWidth());
}

void YAxisRenderer::drawGridLine(QPainter& painter, QPointF position)
{
    drawHorizontalLine(painter, *viewPortHandler(), position.y());
}

QList<QPointF> YAxisRenderer::transformedPositions() const
{
    const std::shared_ptr<Transformer> valueTransformer = transformer();
    if (!valueTransformer) {
        return {};
    }
    const QList<double> entries = m_axis->entries();
    QList<QPointF> positions;
    positions.reserve(entries.size());
    for (double entry : entries) {
        positions.append(QPointF(0.0, entry));
    }
    valueTransformer->valuesToPixels(std::span<QPointF>(positions.data(), positions.size()));
    return positions;
}

void YAxisRenderer::drawZeroLine(QPainter& painter)
{
    const std::shared_ptr<Transformer> valueTransformer = transformer();
    const std::optional<QColor> color = m_axis->zeroLineColor();
    if (!valueTransformer || !color) {
        return;
    }
    const std::shared_ptr<ViewPortHandler> handler = viewPortHandler();
    painter.save();
    clipToRect(painter, grownVertically(*handler, m_axis->zeroLineWidth()), handler->chartBounds());
    painter.setPen(linePen(*color, m_axis->zeroLineWidth(), m_axis->zeroLineDashPhase(),
                           m_axis->zeroLineDashLengths()));
    drawHorizontalLine(painter, *handler, valueTransformer->pixelForValues(0.0, 0.0).y());
    painter.restore();
}

void YAxisRenderer::renderLimitLines(QPainter& painter)
{
    const std::shared_ptr<Transformer> valueTransformer = transformer();
    const QList<std::shared_ptr<ChartLimitLine>> limitLines = m_axis->limitLines();
    if (!valueTransformer || limitLines.isEmpty()) {
        return;
    }
    const std::shared_ptr<ViewPortHandler> handler = viewPortHandler();
    painter.save();
    const AffineTransform matrix = valueTransformer->valueToPixelMatrix();
    for (const std::shared_ptr<ChartLimitLine>& limitLine : limitLines) {
        if (!limitLine->isEnabled()) {
            continue;
        }
        painter.save();
        clipToRect(painter, grownVertically(*handler, limitLine->lineWidth()), handler->chartBounds());
        const double y = matrix.map(QPointF(0.0, limitLine->limit())).y();
        painter.setPen(linePen(limitLine->lineColor(), limitLine->lineWidth(),
                               limitLine->lineDashPhase(), limitLine->lineDashLengths()));
        drawHorizontalLine(painter, *handler, y);
        if (limitLine->isLabelDrawn()) {
            drawLimitLineLabelAt(painter, *limitLine, y);
        }
        painter.restore();
    }
    painter.restore();
}

void YAxisRenderer::drawLimitLineLabelAt(QPainter& painter, const ChartLimitLine& limitLine,
                                         double y)
{
    const std::shared_ptr<ViewPortHandler> handler = viewPortHandler();
    const double lineHeight = fontLineHeight(limitLine.valueFont());
    const double xOffset = 4.0 + limitLine.xOffset();
    const double yOffset = limitLine.lineWidth() + lineHeight + limitLine.yOffset();
    const double left = handler->contentLeft() + xOffset;
    const double right = handler->contentRight() - xOffset;
    const double above = y - yOffset;
    const double below = y + yOffset - lineHeight;
    switch (limitLine.labelPosition()) {
    case ChartLimitLine::LabelPosition::leftTop:
        drawLimitLineLabel(painter, limitLine, QPointF(left, above), TextAlignment::Left);
        return;
    case ChartLimitLine::LabelPosition::leftBottom:
        drawLimitLineLabel(painter, limitLine, QPointF(left, below), TextAlignment::Left);
        return;
    case ChartLimitLine::LabelPosition::rightTop:
        drawLimitLineLabel(painter, limitLine, QPointF(right, above), TextAlignment::Right);
        return;
    case ChartLimitLine::LabelPosition::rightBottom:
        drawLimitLineLabel(painter, limitLine, QPointF(right, below), TextAlignment::Right);
        return;
    }
    chartFatal(QStringLiteral("Unexpected ChartLimitLine.LabelPosition value %1")
                   .arg(static_cast<int>(limitLine.labelPosition())));
}

void YAxisRenderer::computeAxis(double min, double max, bool inverted)
{
    const std::shared_ptr<ViewPortHandler> handler = viewPortHandler();
    const QPointF topLeft(handler->contentLeft(), handler->contentTop());
    const QPointF bottomLeft(handler->contentLeft(), handler->contentBottom());
    if (const auto visible = visibleValues(handler->isFullyZoomedOutY(), topLeft, bottomLeft)) {
        min = inverted ? visible->first.y() : visible->second.y();
        max = inverted ? visible->second.y() : visible->first.y();
    }
    computeAxisValues(min, max);
}

void YAxisRenderer::computeAxisValues(double min, double max)
{
    computeLabelValues(*m_axis, min, max);
}

void YAxisRenderer::drawGridLinesBackground(QPainter& painter)
{
    const QList<ZoneBand> bands = m_axis->backgroundLimit();
    if (bands.isEmpty()) {
        return;
    }
    const std::shared_ptr<Transformer> valueTransformer = transformer();
    const std::shared_ptr<ViewPortHandler> handler = viewPortHandler();
    const auto pixelY = [&](double value) {
        return valueTransformer ? valueTransformer->pixelForValues(0.0, value).y() : 0.0;
    };
    const double left = handler->contentLeft();
    const double width = handler->contentRight() - left;
    painter.save();
    // A band beyond the visible range never reaches the margins.
    clipToRect(painter, handler->contentRect(), handler->chartBounds());
    for (const ZoneBand& band : bands) {
        if (!std::isfinite(band.start) || !std::isfinite(band.end)) {
            continue;
        }
        const double startY = pixelY(band.start);
        const double endY = pixelY(band.end);
        if (std::isfinite(startY) && std::isfinite(endY)) {
            fillClippedRect(painter, QRectF(left, startY, width, endY - startY).normalized(), band.color,
                            handler->chartBounds());
        }
    }
    painter.restore();
}

}
