#include "ChartEngine/components/YAxisRendererHorizontalBarChart.h"

#include "ChartEngine/components/ChartLimitLine.h"
#include "ChartEngine/components/MiterPen.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/foundation/ChartFatal.h"
#include "ChartEngine/foundation/ClippedDrawing.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/foundation/ViewPortHandler.h"

#include <QLineF>
#include <QPainter>

namespace Charts {

namespace {

// The content area grown by `width` / 2 left and right.
QRectF grownHorizontally(const ViewPortHandler& handler, double width)
{
    return handler.contentRect().adjusted(-width / 2.0, 0.0, width / 2.0, 0.0);
}

void drawVerticalLine(QPainter& painter, const ViewPortHandler& handler, double x)
{
    drawClippedLine(painter, QLineF(x, handler.contentTop(), x, handler.contentBottom()), handler.chartBounds());
}

}

YAxisRendererHorizontalBarChart::YAxisRendererHorizontalBarChart(std::shared_ptr<ViewPortHandler> viewPortHandler,
                                                                 std::shared_ptr<YAxis> axis,
                                                                 std::shared_ptr<Transformer> transformer)
    : YAxisRenderer(std::move(viewPortHandler), std::move(axis), std::move(transformer))
{
}

void YAxisRendererHorizontalBarChart::computeAxis(double min, double max, bool inverted)
{
    const std::shared_ptr<Transformer> valueTransformer = transformer();
    const std::shared_ptr<ViewPortHandler> handler = viewPortHandler();
    if (valueTransformer && handler->contentHeight() > 10.0 && !handler->isFullyZoomedOutX()) {
        const QPointF p1 = valueTransformer->valueForTouchPoint(handler->contentLeft(), handler->contentTop());
        const QPointF p2 = valueTransformer->valueForTouchPoint(handler->contentRight(), handler->contentTop());
        min = inverted ? p2.x() : p1.x();
        max = inverted ? p1.x() : p2.x();
    }
    computeAxisValues(min, max);
}

QList<QPointF> YAxisRendererHorizontalBarChart::transformedPositions() const
{
    const std::shared_ptr<Transformer> valueTransformer = transformer();
    if (!valueTransformer) {
        return {};
    }
    QList<QPointF> positions;
    for (const double entry : yAxis()->entries()) {
        positions.append(QPointF(entry, 0.0));
    }
    valueTransformer->valuesToPixels(std::span<QPointF>(positions.data(), std::size_t(positions.size())));
    return positions;
}

void YAxisRendererHorizontalBarChart::renderAxisLabels(QPainter& painter)
{
    const auto& axis = yAxis();
    if (!axis->isEnabled() || !axis->isDrawLabelsEnabled()) {
        return;
    }
    const std::shared_ptr<ViewPortHandler> handler = viewPortHandler();
    const double lineHeight = fontLineHeight(axis->labelFont());
    const double y = axis->axisDependency() == AxisDependency::left ? handler->contentTop() - 2.5 - lineHeight
                                                                    : handler->contentBottom() + 2.5;
    drawYLabels(painter, y, transformedPositions(), axis->yOffset());
}

void YAxisRendererHorizontalBarChart::drawYLabels(QPainter& painter, double fixedPosition,
                                                  const QList<QPointF>& positions, double offset)
{
    const auto& axis = yAxis();
    TextAttributes attributes;
    attributes.font = axis->labelFont();
    attributes.color = axis->labelTextColor();
    const qint64 from = axis->isDrawBottomYLabelEntryEnabled() ? 0 : 1;
    const qint64 to = axis->isDrawTopYLabelEntryEnabled() ? axis->entryCount() : axis->entryCount() - 1;
    const double y = fixedPosition - offset + axis->labelXOffset();
    for (qint64 i = from; i < to && i < positions.size(); ++i) {
        drawAlignedText(painter, axis->getFormattedLabel(i), QPointF(positions.at(i).x(), y), TextAlignment::Center,
                        QPointF(0.0, 0.0), 0.0, attributes);
    }
}

void YAxisRendererHorizontalBarChart::renderAxisLine(QPainter& painter)
{
    const auto& axis = yAxis();
    if (!axis->isEnabled() || !axis->isDrawAxisLineEnabled()) {
        return;
    }
    const std::shared_ptr<ViewPortHandler> handler = viewPortHandler();
    const double y = axis->axisDependency() == AxisDependency::left ? handler->contentTop() : handler->contentBottom();
    painter.save();
    painter.setPen(miterPen(
        linePen(axis->axisLineColor(), axis->axisLineWidth(), axis->axisLineDashPhase(), axis->axisLineDashLengths())));
    drawClippedLine(painter, QLineF(handler->contentLeft(), y, handler->contentRight(), y), handler->chartBounds());
    painter.restore();
}

QRectF YAxisRendererHorizontalBarChart::gridClippingRect() const
{
    return grownHorizontally(*viewPortHandler(), yAxis()->gridLineWidth());
}

void YAxisRendererHorizontalBarChart::drawGridLine(QPainter& painter, QPointF position)
{
    drawVerticalLine(painter, *viewPortHandler(), position.x());
}

void YAxisRendererHorizontalBarChart::drawZeroLine(QPainter& painter)
{
    const auto& axis = yAxis();
    const std::shared_ptr<Transformer> valueTransformer = transformer();
    const std::optional<QColor> color = axis->zeroLineColor();
    if (!valueTransformer || !color) {
        return;
    }
    const std::shared_ptr<ViewPortHandler> handler = viewPortHandler();
    painter.save();
    clipToRect(painter, grownHorizontally(*handler, axis->zeroLineWidth()), handler->chartBounds());
    painter.setPen(miterPen(
        linePen(*color, axis->zeroLineWidth(), axis->zeroLineDashPhase(), axis->zeroLineDashLengths())));
    drawVerticalLine(painter, *handler, valueTransformer->pixelForValues(0.0, 0.0).x() - 1.0);
    painter.restore();
}

void YAxisRendererHorizontalBarChart::renderLimitLines(QPainter& painter)
{
    const std::shared_ptr<Transformer> valueTransformer = transformer();
    const QList<std::shared_ptr<ChartLimitLine>> limitLines = yAxis()->limitLines();
    if (!valueTransformer || limitLines.isEmpty()) {
        return;
    }
    painter.save();
    const AffineTransform matrix = valueTransformer->valueToPixelMatrix();
    for (const std::shared_ptr<ChartLimitLine>& limitLine : limitLines) {
        if (limitLine->isEnabled()) {
            renderLimitLine(painter, *limitLine, matrix);
        }
    }
    painter.restore();
}

void YAxisRendererHorizontalBarChart::renderLimitLine(QPainter& painter, const ChartLimitLine& limitLine,
                                                      const AffineTransform& matrix)
{
    const std::shared_ptr<ViewPortHandler> handler = viewPortHandler();
    painter.save();
    clipToRect(painter, grownHorizontally(*handler, limitLine.lineWidth()), handler->chartBounds());
    const double x = matrix.map(QPointF(limitLine.limit(), 0.0)).x();
    painter.setPen(miterPen(linePen(limitLine.lineColor(), limitLine.lineWidth(), limitLine.lineDashPhase(),
                                    limitLine.lineDashLengths())));
    drawVerticalLine(painter, *handler, x);
    if (limitLine.isLabelDrawn()) {
        const double lineHeight = fontLineHeight(limitLine.valueFont());
        const double xOffset = limitLine.lineWidth() + limitLine.xOffset();
        const double yOffset = limitLine.yOffset() + 2.0;
        const double top = handler->contentTop() + yOffset;
        const double bottom = handler->contentBottom() - lineHeight - yOffset;
        switch (limitLine.labelPosition()) {
        case ChartLimitLine::LabelPosition::leftTop:
            drawLimitLineLabel(painter, limitLine, QPointF(x - xOffset, top), TextAlignment::Right);
            break;
        case ChartLimitLine::LabelPosition::leftBottom:
            drawLimitLineLabel(painter, limitLine, QPointF(x - xOffset, bottom), TextAlignment::Right);
            break;
        case ChartLimitLine::LabelPosition::rightTop:
            drawLimitLineLabel(painter, limitLine, QPointF(x + xOffset, top), TextAlignment::Left);
            break;
        case ChartLimitLine::LabelPosition::rightBottom:
            drawLimitLineLabel(painter, limitLine, QPointF(x + xOffset, bottom), TextAlignment::Left);
            break;
        default:
            chartFatal(QStringLiteral("Unexpected ChartLimitLine.LabelPosition value %1")
                           .arg(static_cast<int>(limitLine.labelPosition())));
        }
    }
    painter.restore();
}

}
