#include "ChartEngine/components/XAxisRenderer.h"

#include "ChartEngine/components/ChartLimitLine.h"
#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/foundation/AxisValueFormatter.h"
#include "ChartEngine/foundation/ChartFatal.h"
#include "ChartEngine/foundation/ClippedDrawing.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/Transformer.h"
#include "ChartEngine/foundation/ViewPortHandler.h"

#include <QLineF>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace Charts {

namespace {

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

bool drawsAtTop(XAxis::LabelPosition position)
{
    return position == XAxis::LabelPosition::top || position == XAxis::LabelPosition::insideTop
        || position == XAxis::LabelPosition::topAndBottom;
}

bool drawsAtBottom(XAxis::LabelPosition position)
{
    return position == XAxis::LabelPosition::bottom
        || position == XAxis::LabelPosition::insideBottom
        || position == XAxis::LabelPosition::topAndBottom;
}

}

XAxisRenderer::XAxisRenderer(std::shared_ptr<ViewPortHandler> viewPortHandler,
                             std::shared_ptr<XAxis> axis, std::shared_ptr<Transformer> transformer)
    : AxisRenderer(std::move(viewPortHandler), std::move(transformer))
    , m_axis(std::move(axis))
{
}

std::shared_ptr<AxisBase> XAxisRenderer::axis() const
{
    return m_axis;
}

void XAxisRenderer::computeAxis(double min, double max, bool inverted)
{
    const std::shared_ptr<ViewPortHandler> handler = viewPortHandler();
    const QPointF topLeft(handler->contentLeft(), handler->contentTop());
    const QPointF topRight(handler->contentRight(), handler->contentTop());
    if (const auto visible = visibleValues(handler->isFullyZoomedOutX(), topLeft, topRight)) {
        min = inverted ? visible->second.x() : visible->first.x();
        max = inverted ? visible->first.x() : visible->second.x();
    }
    computeAxisValues(min, max);
}

void XAxisRenderer::computeAxisValues(double min, double max)
{
    if (computeLabelValues(*m_axis, min, max)) {
        computeSize();
    }
}

void XAxisRenderer::computeSize()
{
    TextAttributes attributes;
    attributes.font = m_axis->labelFont();
    const QSizeF size = textSize(m_axis->getLongestLabel(), attributes);
    const double angle = radians(m_axis->labelRotationAngle());
    const double w = size.width();
    const double h = size.height();
    m_axis->setLabelWidth(w);
    m_axis->setLabelHeight(h);
    m_axis->setLabelRotatedWidth(std::abs(w * std::cos(angle)) + std::abs(h * std::sin(angle)));
    m_axis->setLabelRotatedHeight(std::abs(w * std::sin(angle)) + std::abs(h * std::cos(angle)));
}

void XAxisRenderer::renderAxisLabels(QPainter& painter)
{
    if (!m_axis->isEnabled() || !m_axis->isDrawLabelsEnabled()) {
        return;
    }
    const std::shared_ptr<ViewPortHandler> handler = viewPortHandler();
    const double yOffset = m_axis->yOffset();
    const QPointF above(0.5, 1.0);
    const QPointF below(0.5, 0.0);
    switch (m_axis->labelPosition()) {
    case XAxis::LabelPosition::top:
        drawLabels(painter, handler->contentTop() - yOffset, above);
        return;
    case XAxis::LabelPosition::bottom:
        drawLabels(painter, handler->contentBottom() + yOffset, below);
        return;
    case XAxis::LabelPosition::topAndBottom:
        drawLabels(painter, handler->contentTop() - yOffset, above);
        drawLabels(painter, handler->contentBottom() + yOffset, below);
        return;
    case XAxis::LabelPosition::insideTop:
        drawLabels(painter, handler->contentTop() + yOffset + m_axis->labelRotatedHeight(), above);
        return;
    case XAxis::LabelPosition::insideBottom:
        drawLabels(painter, handler->contentBottom() - yOffset - m_axis->labelRotatedHeight(),
                   below);
        return;
    }
    chartFatal(QStringLiteral("Unexpected XAxis.LabelPosition value %1")
                   .arg(static_cast<int>(m_axis->labelPosition())));
}

void XAxisRenderer::renderAxisLine(QPainter& painter)
{
    if (!m_axis->isEnabled() || !m_axis->isDrawAxisLineEnabled()) {
        return;
    }
    const std::shared_ptr<ViewPortHandler> handler = viewPortHandler();
    const XAxis::LabelPosition position = m_axis->labelPosition();
    painter.save();
    painter.setPen(linePen(m_axis->axisLineColor(), m_axis->axisLineWidth(),
                           m_axis->axisLineDashPhase(), m_axis->axisLineDashLengths()));
    if (drawsAtTop(position)) {
        drawClippedLine(painter,
                        QLineF(handler->contentLeft(), handler->contentTop(), handler->contentRight(),
                               handler->contentTop()),
                        handler->chartBounds());
    }
    if (drawsAtBottom(position)) {
        drawClippedLine(painter,
                        QLineF(handler->contentLeft(), handler->contentBottom(), handler->contentRight(),
                               handler->contentBottom()),
                        handler->chartBounds());
    }
    painter.restore();
}

void XAxisRenderer::drawLabels(QPainter& painter, double pos, QPointF anchor)
{
    const std::shared_ptr<Transformer> valueTransformer = transformer();
    if (!valueTransformer) {
        return;
    }
    TextAttributes attributes;
    attributes.font = m_axis->labelFont();
    attributes.color = m_axis->labelTextColor();
    attributes.alignment = TextAlignment::Center;
    const bool centering = m_axis->isCenterAxisLabelsEnabled();
    const AffineTransform matrix = valueTransformer->valueToPixelMatrix();
    const QSizeF labelMaxSize(m_axis->isWordWrapEnabled()
                                  ? m_axis->wordWrapWidthPercent() * matrix.a
                                  : 0.0,
                              0.0);
    const QList<double> entries = m_axis->entries();
    if (entries.isEmpty()) {
        return;
    }
    const QList<double> positions = centering ? m_axis->centeredEntries() : entries;
    const double angle = radians(m_axis->labelRotationAngle());
    const std::shared_ptr<AxisValueFormatter> formatter = m_axis->valueFormatter();
    const std::shared_ptr<ViewPortHandler> handler = viewPortHandler();
    const qsizetype count = entries.size();
    for (qsizetype i = 0; i < count; ++i) {
        // An entry without a centred value has no place to stand.
        if (i >= positions.size()) {
            break;
        }
        double x = matrix.map(QPointF(positions.at(i), 0.0)).x();
        if (!handler->isInBoundsX(x)) {
            continue;
        }
        const QString label = formatter->stringForValue(entries.at(i), m_axis.get());
        if (m_axis->isAvoidFirstLastClippingEnabled()) {
            const auto width = [&] {
                return textBoundingSize(label, labelMaxSize.width(), attributes).width();
            };
            if (i == count - 1 && count > 1) {
                const double w = width();
                if (w > handler->offsetRight() * 2.0 && x + w > handler->chartWidth()) {
                    x -= w / 2.0;
                }
            } else if (i == 0) {
                x += width() / 2.0;
            }
        }
        drawLabel(painter, label, x, pos, attributes, labelMaxSize, anchor, angle);
    }
}

void XAxisRenderer::drawLabel(QPainter& painter, const QString& formattedLabel, double x,
                              double y, const TextAttributes& attributes, QSizeF constrainedTo,
                              QPointF anchor, double angleRadians)
{
    const QSizeF size = textBoundingSize(formattedLabel, constrainedTo.width(), attributes);
    drawMultilineText(painter, formattedLabel, QPointF(x, y), anchor, size, angleRadians,
                      attributes);
}

void XAxisRenderer::renderGridLines(QPainter& painter)
{
    const std::shared_ptr<Transformer> valueTransformer = transformer();
    if (!valueTransformer || !m_axis->isEnabled() || !m_axis->isDrawGridLinesEnabled()) {
        return;
    }
    beginGridLines(painter, *m_axis, gridClippingRect());
    const AffineTransform matrix = valueTransformer->valueToPixelMatrix();
    for (double entry : m_axis->entries()) {
        const QPointF position = matrix.map(QPointF(entry, entry));
        drawGridLine(painter, position.x(), position.y());
    }
    painter.restore();
}

QRectF XAxisRenderer::gridClippingRect() const
{
    const double halfWidth = m_axis->gridLineWidth() / 2.0;
    return viewPortHandler()->contentRect().adjusted(-halfWidth, 0.0, halfWidth, 0.0);
}

void XAxisRenderer::drawGridLine(QPainter& painter, double x, double y)
{
    Q_UNUSED(y);
    const std::shared_ptr<ViewPortHandler> handler = viewPortHandler();
    if (x >= handler->offsetLeft() && x <= handler->chartWidth()) {
        drawClippedLine(painter, QLineF(x, handler->contentTop(), x, handler->contentBottom()), handler->chartBounds());
    }
}

void XAxisRenderer::renderLimitLines(QPainter& painter)
{
    const std::shared_ptr<Transformer> valueTransformer = transformer();
    const QList<std::shared_ptr<ChartLimitLine>> limitLines = m_axis->limitLines();
    if (!valueTransformer || limitLines.isEmpty()) {
        return;
    }
    const AffineTransform matrix = valueTransformer->valueToPixelMatrix();
    const QRectF content = viewPortHandler()->contentRect();
    for (const std::shared_ptr<ChartLimitLine>& limitLine : limitLines) {
        if (!limitLine->isEnabled()) {
            continue;
        }
        const double halfWidth = limitLine->lineWidth() / 2.0;
        painter.save();
        clipToRect(painter, content.adjusted(-halfWidth, 0.0, halfWidth, 0.0), viewPortHandler()->chartBounds());
        const QPointF position = matrix.map(QPointF(limitLine->limit(), 0.0));
        renderLimitLineLine(painter, *limitLine, position);
        renderLimitLineLabel(painter, *limitLine, position, limitLine->yOffset() + 2.0);
        painter.restore();
    }
}

void XAxisRenderer::renderLimitLineLine(QPainter& painter, const ChartLimitLine& limitLine,
                                        QPointF position)
{
    const std::shared_ptr<ViewPortHandler> handler = viewPortHandler();
    painter.setPen(linePen(limitLine.lineColor(), limitLine.lineWidth(),
                           limitLine.lineDashPhase(), limitLine.lineDashLengths()));
    drawClippedLine(painter, QLineF(position.x(), handler->contentTop(), position.x(), handler->contentBottom()),
                    handler->chartBounds());
}

void XAxisRenderer::renderLimitLineLabel(QPainter& painter, const ChartLimitLine& limitLine,
                                         QPointF position, double yOffset)
{
    if (!limitLine.isLabelDrawn()) {
        return;
    }
    const std::shared_ptr<ViewPortHandler> handler = viewPortHandler();
    const double lineHeight = fontLineHeight(limitLine.valueFont());
    const double gap = limitLine.lineWidth() + limitLine.xOffset();
    const double top = handler->contentTop() + yOffset;
    const double bottom = handler->contentBottom() - lineHeight - yOffset;
    const double left = position.x() - gap;
    const double right = position.x() + gap;
    switch (limitLine.labelPosition()) {
    case ChartLimitLine::LabelPosition::leftTop:
        drawLimitLineLabel(painter, limitLine, QPointF(left, top), TextAlignment::Right);
        return;
    case ChartLimitLine::LabelPosition::leftBottom:
        drawLimitLineLabel(painter, limitLine, QPointF(left, bottom), TextAlignment::Right);
        return;
    case ChartLimitLine::LabelPosition::rightTop:
        drawLimitLineLabel(painter, limitLine, QPointF(right, top), TextAlignment::Left);
        return;
    case ChartLimitLine::LabelPosition::rightBottom:
        drawLimitLineLabel(painter, limitLine, QPointF(right, bottom), TextAlignment::Left);
        return;
    }
    chartFatal(QStringLiteral("Unexpected ChartLimitLine.LabelPosition value %1")
                   .arg(static_cast<int>(limitLine.labelPosition())));
}

}
