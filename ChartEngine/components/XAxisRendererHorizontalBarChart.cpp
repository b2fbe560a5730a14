#include "ChartEngine/components/XAxisRendererHorizontalBarChart.h"

#include "ChartEngine/components/ChartLimitLine.h"
#include "ChartEngine/components/MiterPen.h"
#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/foundation/AxisValueFormatter.h"
#include "ChartEngine/foundation/ChartFatal.h"
#include "ChartEngine/foundation/ClippedDrawing.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/views/ChartDataProvider.h"

#include <QLineF>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace Charts {

XAxisRendererHorizontalBarChart::XAxisRendererHorizontalBarChart(std::shared_ptr<ViewPortHandler> viewPortHandler,
                                                                 std::shared_ptr<XAxis> axis,
                                                                 std::shared_ptr<Transformer> transformer,
                                                                 QObject* chart)
    : XAxisRenderer(std::move(viewPortHandler), std::move(axis), std::move(transformer))
    , m_chart(chart)
{
}

bool XAxisRendererHorizontalBarChart::hasChartData() const
{
    const auto* provider = dynamic_cast<ChartDataProvider*>(m_chart.data());
    return provider && provider->data();
}

void XAxisRendererHorizontalBarChart::computeAxis(double min, double max, bool inverted)
{
    const std::shared_ptr<ViewPortHandler> handler = viewPortHandler();
    const QPointF bottomLeft(handler->contentLeft(), handler->contentBottom());
    const QPointF topLeft(handler->contentLeft(), handler->contentTop());
    if (const auto visible = visibleValues(handler->isFullyZoomedOutY(), bottomLeft, topLeft)) {
        min = inverted ? visible->second.y() : visible->first.y();
        max = inverted ? visible->first.y() : visible->second.y();
    }
    computeAxisValues(min, max);
}

void XAxisRendererHorizontalBarChart::computeSize()
{
    const auto& axis = xAxis();
    TextAttributes attributes;
    attributes.font = axis->labelFont();
    const QSizeF size = textSize(axis->getLongestLabel(), attributes);
    const double angle = axis->labelRotationAngle() * std::numbers::pi / 180.0;
    const double w = size.width();
    const double h = size.height();
    const double room = 3.5 * axis->xOffset();
    axis->setLabelWidth(std::floor(w + room));
    axis->setLabelHeight(h);
    axis->setLabelRotatedWidth(std::round(std::abs(w * std::cos(angle)) + std::abs(h * std::sin(angle)) + room));
    axis->setLabelRotatedHeight(std::round(std::abs(w * std::sin(angle)) + std::abs(h * std::cos(angle))));
}

void XAxisRendererHorizontalBarChart::renderAxisLabels(QPainter& painter)
{
    const auto& axis = xAxis();
    if (!axis->isEnabled() || !axis->isDrawLabelsEnabled() || !hasChartData()) {
        return;
    }
    const std::shared_ptr<ViewPortHandler> handler = viewPortHandler();
    const double xo = axis->xOffset();
    const QPointF leftAnchor(0.0, 0.5);
    const QPointF rightAnchor(1.0, 0.5);
    switch (axis->labelPosition()) {
    case XAxis::LabelPosition::top:
        drawLabels(painter, handler->contentRight() + xo, leftAnchor);
        return;
    case XAxis::LabelPosition::bottom:
        drawLabels(painter, handler->contentLeft() - xo, rightAnchor);
        return;
    case XAxis::LabelPosition::topAndBottom:
        drawLabels(painter, handler->contentRight() + xo, leftAnchor);
        drawLabels(painter, handler->contentLeft() - xo, rightAnchor);
        return;
    case XAxis::LabelPosition::insideTop:
        drawLabels(painter, handler->contentRight() - xo, rightAnchor);
        return;
    case XAxis::LabelPosition::insideBottom:
        drawLabels(painter, handler->contentLeft() + xo, leftAnchor);
        return;
    }
    chartFatal(QStringLiteral("Unexpected XAxis.LabelPosition value %1").arg(static_cast<int>(axis->labelPosition())));
}

void XAxisRendererHorizontalBarChart::drawLabels(QPainter& painter, double pos, QPointF anchor)
{
    const std::shared_ptr<Transformer> valueTransformer = transformer();
    if (!valueTransformer) {
        return;
    }
    const auto& axis = xAxis();
    TextAttributes attributes;
    attributes.font = axis->labelFont();
    attributes.color = axis->labelTextColor();
    const double angle = axis->labelRotationAngle() * std::numbers::pi / 180.0;
    const QList<double> entries = axis->entries();
    // An entry without a centred value has no place to stand.
    const QList<double> positions = axis->isCenterAxisLabelsEnabled() ? axis->centeredEntries() : entries;
    const qsizetype count = std::min(positions.size(), entries.size());
    const std::shared_ptr<ViewPortHandler> handler = viewPortHandler();
    const AffineTransform matrix = valueTransformer->valueToPixelMatrix();
    const auto formatter = axis->valueFormatter();
    for (qsizetype i = 0; i < count; ++i) {
        const double y = matrix.map(QPointF(0.0, positions.at(i))).y();
        if (!handler->isInBoundsY(y)) {
            continue;
        }
        drawLabel(painter, formatter->stringForValue(entries.at(i), axis.get()), pos, y, attributes, anchor, angle);
    }
}

void XAxisRendererHorizontalBarChart::drawLabel(QPainter& painter, const QString& formattedLabel, double x,
                                                double y, const TextAttributes& attributes, QPointF anchor,
                                                double angleRadians)
{
    drawText(painter, formattedLabel, QPointF(x, y), anchor, angleRadians, attributes);
}

QRectF XAxisRendererHorizontalBarChart::gridClippingRect() const
{
    const double halfWidth = xAxis()->gridLineWidth() / 2.0;
    return viewPortHandler()->contentRect().adjusted(0.0, -halfWidth, 0.0, halfWidth);
}

void XAxisRendererHorizontalBarChart::drawGridLine(QPainter& painter, double /*x*/, double y)
{
    const std::shared_ptr<ViewPortHandler> handler = viewPortHandler();
    if (handler->isInBoundsY(y)) {
        drawClippedLine(painter, QLineF(handler->contentLeft(), y, handler->contentRight(), y), handler->chartBounds());
    }
}

void XAxisRendererHorizontalBarChart::renderAxisLine(QPainter& painter)
{
    const auto& axis = xAxis();
    if (!axis->isEnabled() || !axis->isDrawAxisLineEnabled()) {
        return;
    }
    const std::shared_ptr<ViewPortHandler> handler = viewPortHandler();
    const XAxis::LabelPosition position = axis->labelPosition();
    painter.save();
    painter.setPen(miterPen(
        linePen(axis->axisLineColor(), axis->axisLineWidth(), axis->axisLineDashPhase(), axis->axisLineDashLengths())));
    const bool right = position == XAxis::LabelPosition::top || position == XAxis::LabelPosition::insideTop
        || position == XAxis::LabelPosition::topAndBottom;
    const bool left = position == XAxis::LabelPosition::bottom || position == XAxis::LabelPosition::insideBottom
        || position == XAxis::LabelPosition::topAndBottom;
    if (right) {
        drawClippedLine(painter,
                        QLineF(handler->contentRight(), handler->contentTop(), handler->contentRight(),
                               handler->contentBottom()),
                        handler->chartBounds());
    }
    if (left) {
        drawClippedLine(painter,
                        QLineF(handler->contentLeft(), handler->contentTop(), handler->contentLeft(),
                               handler->contentBottom()),
                        handler->chartBounds());
    }
    painter.restore();
}

void XAxisRendererHorizontalBarChart::renderLimitLines(QPainter& painter)
{
    const std::shared_ptr<Transformer> valueTransformer = transformer();
    const QList<std::shared_ptr<ChartLimitLine>> limitLines = xAxis()->limitLines();
    if (!valueTransformer || limitLines.isEmpty()) {
        return;
    }
    const AffineTransform matrix = valueTransformer->valueToPixelMatrix();
    for (const std::shared_ptr<ChartLimitLine>& limitLine : limitLines) {
        if (limitLine->isEnabled()) {
            renderLimitLine(painter, *limitLine, matrix);
        }
    }
}

void XAxisRendererHorizontalBarChart::renderLimitLine(QPainter& painter, const ChartLimitLine& limitLine,
                                                      const AffineTransform& matrix)
{
    const std::shared_ptr<ViewPortHandler> handler = viewPortHandler();
    const double halfWidth = limitLine.lineWidth() / 2.0;
    painter.save();
    clipToRect(painter, handler->contentRect().adjusted(0.0, -halfWidth, 0.0, halfWidth), handler->chartBounds());
    const double y = matrix.map(QPointF(0.0, limitLine.limit())).y();
    painter.setPen(miterPen(linePen(limitLine.lineColor(), limitLine.lineWidth(), limitLine.lineDashPhase(),
                                    limitLine.lineDashLengths())));
    drawClippedLine(painter, QLineF(handler->contentLeft(), y, handler->contentRight(), y), handler->chartBounds());
    if (limitLine.isLabelDrawn()) {
        TextAttributes attributes;
        attributes.font = limitLine.valueFont();
        const double lineHeight = fontLineHeight(limitLine.valueFont());
        const double xo = limitLine.xOffset() + 4.0;
        const double total = limitLine.lineWidth() + lineHeight + limitLine.yOffset();
        const double textWidth = textSize(limitLine.label(), attributes).width();
        const double left = handler->contentLeft() + xo;
        const double right = handler->contentRight() - xo - textWidth;
        const double above = y - total;
        const double below = y + total - lineHeight;
        switch (limitLine.labelPosition()) {
        case ChartLimitLine::LabelPosition::leftTop:
            drawLimitLineLabel(painter, limitLine, QPointF(left, above), TextAlignment::Left);
            break;
        case ChartLimitLine::LabelPosition::leftBottom:
            drawLimitLineLabel(painter, limitLine, QPointF(left, below), TextAlignment::Left);
            break;
        case ChartLimitLine::LabelPosition::rightTop:
            drawLimitLineLabel(painter, limitLine, QPointF(right, above), TextAlignment::Left);
            break;
        case ChartLimitLine::LabelPosition::rightBottom:
            drawLimitLineLabel(painter, limitLine, QPointF(right, below), TextAlignment::Left);
            break;
        default:
            chartFatal(QStringLiteral("Unexpected ChartLimitLine.LabelPosition value %1")
                           .arg(static_cast<int>(limitLine.labelPosition())));
        }
    }
    painter.restore();
}

}
