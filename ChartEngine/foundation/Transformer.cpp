#include "ChartEngine/foundation/Transformer.h"

#include "ChartEngine/foundation/ChartFatal.h"
#include "ChartEngine/foundation/ViewPortHandler.h"

#include <limits>

namespace Charts {

namespace {

void applyToAll(const AffineTransform& matrix, std::span<QPointF> points)
{
    for (QPointF& point : points) {
        matrix.apply(point);
    }
}

}

Transformer::Transformer(std::shared_ptr<ViewPortHandler> viewPortHandler)
    : m_viewPortHandler(std::move(viewPortHandler))
{
    if (!m_viewPortHandler) {
        chartFatal(QStringLiteral("Transformer needs a ViewPortHandler"));
    }
}

Transformer::~Transformer() = default;

void Transformer::prepareMatrixValuePx(double chartXMin, double deltaX, double deltaY,
                                       double chartYMin)
{
    // An empty range on a visible axis (span 0) collapses to a zero scale; NaN and a negative
    // infinity are kept as they are.
    constexpr double infinity = std::numeric_limits<double>::infinity();
    double scaleX = m_viewPortHandler->contentWidth() / deltaX;
    double scaleY = m_viewPortHandler->contentHeight() / deltaY;
    if (scaleX == infinity) {
        scaleX = 0;
    }
    if (scaleY == infinity) {
        scaleY = 0;
    }
    m_matrixValueToPx =
        AffineTransform::identity().scaled(scaleX, -scaleY).translated(-chartXMin, -chartYMin);
}

void Transformer::prepareMatrixOffset(bool inverted)
{
    const ViewPortHandler& handler = *m_viewPortHandler;
    if (!inverted) {
        m_matrixOffset = AffineTransform::translation(
            handler.offsetLeft(), handler.chartHeight() - handler.offsetBottom());
    } else {
        m_matrixOffset = AffineTransform::scaling(1, -1).translated(handler.offsetLeft(),
                                                                    -handler.offsetTop());
    }
}

void Transformer::valuesToPixels(std::span<QPointF> points) const
{
    applyToAll(valueToPixelMatrix(), points);
}

void Transformer::valueToPixel(QPointF& point) const
{
    valueToPixelMatrix().apply(point);
}

QPointF Transformer::pixelForValues(double x, double y) const
{
    return valueToPixelMatrix().map(QPointF(x, y));
}

void Transformer::rectToPixels(QRectF& rect) const
{
    rect = valueToPixelMatrix().mapRect(rect);
}

void Transformer::rectToPixels(QRectF& rect, double phaseY) const
{
    const double top = rect.y() * phaseY;
    const double height = (rect.y() + rect.height()) * phaseY - rect.y() * phaseY;
    rect = QRectF(rect.x(), top, rect.width(), height);
    rectToPixels(rect);
}

void Transformer::horizontalRectToPixels(QRectF& rect) const
{
    rectToPixels(rect);
}

void Transformer::horizontalRectToPixels(QRectF& rect, double phaseY) const
{
    const double left = rect.x() * phaseY;
    const double width = (rect.x() + rect.width()) * phaseY - rect.x() * phaseY;
    rect = QRectF(left, rect.y(), width, rect.height());
    rectToPixels(rect);
}

void Transformer::rectsToPixels(std::span<QRectF> rects) const
{
    const AffineTransform matrix = valueToPixelMatrix();
    for (QRectF& rect : rects) {
        rect = matrix.mapRect(rect);
    }
}

void Transformer::pixelPointsToValues(std::span<QPointF> points) const
{
    applyToAll(pixelToValueMatrix(), points);
}

void Transformer::pixelPointToValue(QPointF& point) const
{
    pixelToValueMatrix().apply(point);
}

QPointF Transformer::valueForTouchPoint(const QPointF& point) const
{
    return pixelToValueMatrix().map(point);
}

QPointF Transformer::valueForTouchPoint(double x, double y) const
{
    return pixelToValueMatrix().map(QPointF(x, y));
}

AffineTransform Transformer::valueToPixelMatrix() const
{
    return m_matrixValueToPx.concatenated(m_viewPortHandler->touchMatrix())
        .concatenated(m_matrixOffset);
}

AffineTransform Transformer::pixelToValueMatrix() const
{
    return valueToPixelMatrix().inverted();
}

}
