#include "ChartEngine/foundation/ViewPortHandler.h"

#include "ChartEngine/foundation/ViewPortChart.h"

#include <cmath>

namespace Charts {

namespace {

// The clamp's own minimum and maximum: on a tie the first argument of min and the second of max
// win, which only shows with zeros of opposite sign.
double lesser(double first, double second)
{
    return second < first ? second : first;
}

double greater(double first, double second)
{
    return second >= first ? second : first;
}

double floorToHundredths(double value)
{
    return std::floor(value * 100) / 100;
}

}

ViewPortHandler::ViewPortHandler(double width, double height)
{
    ViewPortHandler::setChartDimens(width, height);
}

ViewPortHandler::~ViewPortHandler() = default;

AffineTransform ViewPortHandler::touchMatrix() const { return m_touchMatrix; }
QRectF ViewPortHandler::contentRect() const { return m_contentRect; }
double ViewPortHandler::chartWidth() const { return m_chartWidth; }
double ViewPortHandler::chartHeight() const { return m_chartHeight; }
double ViewPortHandler::minScaleY() const { return m_minScaleY; }
double ViewPortHandler::maxScaleY() const { return m_maxScaleY; }
double ViewPortHandler::minScaleX() const { return m_minScaleX; }
double ViewPortHandler::maxScaleX() const { return m_maxScaleX; }
double ViewPortHandler::scaleX() const { return m_scaleX; }
double ViewPortHandler::scaleY() const { return m_scaleY; }
double ViewPortHandler::transX() const { return m_transX; }
double ViewPortHandler::transY() const { return m_transY; }

void ViewPortHandler::setTouchMatrix(const AffineTransform& matrix) { m_touchMatrix = matrix; }
void ViewPortHandler::setContentRect(const QRectF& rect) { m_contentRect = rect; }
void ViewPortHandler::setChartWidth(double width) { m_chartWidth = width; }
void ViewPortHandler::setChartHeight(double height) { m_chartHeight = height; }
void ViewPortHandler::setMinScaleY(double scale) { m_minScaleY = scale; }
void ViewPortHandler::setMaxScaleY(double scale) { m_maxScaleY = scale; }
void ViewPortHandler::setMinScaleX(double scale) { m_minScaleX = scale; }
void ViewPortHandler::setMaxScaleX(double scale) { m_maxScaleX = scale; }
void ViewPortHandler::setScaleX(double scale) { m_scaleX = scale; }
void ViewPortHandler::setScaleY(double scale) { m_scaleY = scale; }
void ViewPortHandler::setTransX(double translation) { m_transX = translation; }
void ViewPortHandler::setTransY(double translation) { m_transY = translation; }

void ViewPortHandler::setChartDimens(double width, double height)
{
    // The offsets are read before the size changes, so they survive the resize.
    const double left = offsetLeft();
    const double top = offsetTop();
    const double right = offsetRight();
    const double bottom = offsetBottom();
    m_chartHeight = height;
    m_chartWidth = width;
    restrainViewPort(left, top, right, bottom);
}

bool ViewPortHandler::hasChartDimens() const
{
    return chartHeight() > 0 && chartWidth() > 0;
}

void ViewPortHandler::restrainViewPort(double offsetLeft, double offsetTop, double offsetRight,
                                       double offsetBottom)
{
    // Nothing is clamped: offsets larger than the chart give a negative width or height. An
    // offset that is no finite number is 0: Qt never finishes painting over a rectangle of NaN.
    const auto finite = [](double offset) { return std::isfinite(offset) ? offset : 0.0; };
    offsetLeft = finite(offsetLeft);
    offsetTop = finite(offsetTop);
    offsetRight = finite(offsetRight);
    offsetBottom = finite(offsetBottom);
    m_contentRect = QRectF(offsetLeft, offsetTop, chartWidth() - offsetLeft - offsetRight,
                           chartHeight() - offsetBottom - offsetTop);
}

double ViewPortHandler::offsetLeft() const { return contentRect().x(); }

double ViewPortHandler::offsetRight() const
{
    const QRectF rect = contentRect();
    return chartWidth() - rect.width() - rect.x();
}

double ViewPortHandler::offsetTop() const { return contentRect().y(); }

double ViewPortHandler::offsetBottom() const
{
    const QRectF rect = contentRect();
    return chartHeight() - rect.height() - rect.y();
}

double ViewPortHandler::contentTop() const { return contentRect().y(); }
double ViewPortHandler::contentLeft() const { return contentRect().x(); }

double ViewPortHandler::contentRight() const
{
    const QRectF rect = contentRect();
    return rect.width() + rect.x();
}

double ViewPortHandler::contentBottom() const
{
    const QRectF rect = contentRect();
    return rect.height() + rect.y();
}

double ViewPortHandler::contentWidth() const { return contentRect().width(); }
double ViewPortHandler::contentHeight() const { return contentRect().height(); }

QPointF ViewPortHandler::contentCenter() const
{
    const QRectF rect = contentRect();
    return {rect.x() + rect.width() * 0.5, rect.y() + rect.height() * 0.5};
}

AffineTransform ViewPortHandler::zoom(double scaleX, double scaleY) const
{
    return touchMatrix().scaled(scaleX, scaleY);
}

AffineTransform ViewPortHandler::zoom(double scaleX, double scaleY, double x, double y) const
{
    return touchMatrix().translated(x, y).scaled(scaleX, scaleY).translated(-x, -y);
}

AffineTransform ViewPortHandler::zoomIn(double x, double y) const
{
    return zoom(1.4, 1.4, x, y);
}

AffineTransform ViewPortHandler::zoomOut(double x, double y) const
{
    return zoom(0.7, 0.7, x, y);
}

AffineTransform ViewPortHandler::resetZoom() const
{
    return zoom(1, 1, 0, 0);
}

AffineTransform ViewPortHandler::setZoom(double scaleX, double scaleY) const
{
    AffineTransform matrix = touchMatrix();
    matrix.a = scaleX;
    matrix.d = scaleY;
    return matrix;
}

AffineTransform ViewPortHandler::setZoom(double scaleX, double scaleY, double x, double y) const
{
    AffineTransform matrix = touchMatrix();
    matrix.a = 1;
    matrix.d = 1;
    return matrix.translated(x, y).scaled(scaleX, scaleY).translated(-x, -y);
}

AffineTransform ViewPortHandler::fitScreen()
{
    m_minScaleX = 1;
    m_minScaleY = 1;
    return AffineTransform::identity();
}

AffineTransform ViewPortHandler::translate(const QPointF& pt) const
{
    const double dx = pt.x() - offsetLeft();
    const double dy = pt.y() - offsetTop();
    return touchMatrix().concatenated(AffineTransform::translation(-dx, -dy));
}

void ViewPortHandler::centerViewPort(const QPointF& pt, ViewPortChart* chart)
{
    refresh(translate(pt), chart, true);
}

AffineTransform ViewPortHandler::refresh(const AffineTransform& newMatrix, ViewPortChart* chart,
                                         bool invalidate)
{
    // The redisplay is asked for on every call, whatever `invalidate` says.
    Q_UNUSED(invalidate);
    m_touchMatrix = newMatrix;
    constrainMatrix(m_touchMatrix, contentRect());
    if (chart) {
        chart->setNeedsDisplayInRect(chart->bounds());
    }
    return touchMatrix();
}

void ViewPortHandler::constrainMatrix(AffineTransform& matrix, const QRectF& content)
{
    m_scaleX = lesser(greater(minScaleX(), matrix.a), maxScaleX());
    m_scaleY = lesser(greater(minScaleY(), matrix.d), maxScaleY());

    const double width = content.width();
    const double height = content.height();

    // With no drag offset the data moves left until its right end meets the right edge, and
    // never right of its left end; vertically it moves down until its top meets the top edge.
    const double maxTransX = -width * (scaleX() - 1);
    m_transX = lesser(greater(matrix.tx, maxTransX - m_transOffsetX), m_transOffsetX);

    const double maxTransY = height * (scaleY() - 1);
    m_transY = greater(lesser(matrix.ty, maxTransY + m_transOffsetY), -m_transOffsetY);

    matrix.tx = transX();
    matrix.a = scaleX();
    matrix.ty = transY();
    matrix.d = scaleY();
}

void ViewPortHandler::setMinimumScaleX(double scale)
{
    m_minScaleX = scale < 1 ? 1 : scale;
    constrainMatrix(m_touchMatrix, contentRect());
}

void ViewPortHandler::setMaximumScaleX(double scale)
{
    m_maxScaleX = scale == 0 ? DBL_MAX : scale;
    constrainMatrix(m_touchMatrix, contentRect());
}

void ViewPortHandler::setMinMaxScaleX(double minScaleX, double maxScaleX)
{
    m_minScaleX = minScaleX < 1 ? 1 : minScaleX;
    m_maxScaleX = maxScaleX == 0 ? DBL_MAX : maxScaleX;
    constrainMatrix(m_touchMatrix, contentRect());
}

void ViewPortHandler::setMinimumScaleY(double scale)
{
    m_minScaleY = scale < 1 ? 1 : scale;
    constrainMatrix(m_touchMatrix, contentRect());
}

void ViewPortHandler::setMaximumScaleY(double scale)
{
    m_maxScaleY = scale == 0 ? DBL_MAX : scale;
    constrainMatrix(m_touchMatrix, contentRect());
}

void ViewPortHandler::setMinMaxScaleY(double minScaleY, double maxScaleY)
{
    m_minScaleY = minScaleY < 1 ? 1 : minScaleY;
    m_maxScaleY = maxScaleY == 0 ? DBL_MAX : maxScaleY;
    constrainMatrix(m_touchMatrix, contentRect());
}

bool ViewPortHandler::isInBoundsX(double x) const
{
    return isInBoundsLeft(x) && isInBoundsRight(x);
}

bool ViewPortHandler::isInBoundsY(double y) const
{
    return isInBoundsTop(y) && isInBoundsBottom(y);
}

bool ViewPortHandler::isInBounds(const QPointF& point) const
{
    return isInBounds(point.x(), point.y());
}

bool ViewPortHandler::isInBounds(double x, double y) const
{
    return isInBoundsX(x) && isInBoundsY(y);
}

bool ViewPortHandler::isInBoundsLeft(double x) const
{
    return contentRect().x() <= x + 1;
}

bool ViewPortHandler::isInBoundsRight(double x) const
{
    const QRectF rect = contentRect();
    return rect.x() + rect.width() >= floorToHundredths(x) - 1;
}

bool ViewPortHandler::isInBoundsTop(double y) const
{
    return y >= contentRect().y();
}

bool ViewPortHandler::isInBoundsBottom(double y) const
{
    const QRectF rect = contentRect();
    return rect.y() + rect.height() >= floorToHundredths(y);
}

bool ViewPortHandler::isIntersectingLine(const QPointF& from, const QPointF& to) const
{
    if (isInBounds(from) || isInBounds(to)) {
        return true;
    }
    if (from.x() == to.x()) {
        return isInBoundsX(from.x());
    }
    const double m = (to.y() - from.y()) / (to.x() - from.x());
    const double b = from.y() - m * from.x();
    if (isInBoundsY(m * contentLeft() + b)) {
        return true; // crosses the left edge
    }
    if (m == 0) {
        return false;
    }
    if (isInBoundsX((contentBottom() - b) / m)) {
        return true; // crosses the bottom edge
    }
    return isInBoundsX((contentTop() - b) / m); // crosses the top edge
}

bool ViewPortHandler::isFullyZoomedOut() const
{
    return isFullyZoomedOutX() && isFullyZoomedOutY();
}

bool ViewPortHandler::isFullyZoomedOutY() const
{
    return !(scaleY() > minScaleY()) && !(minScaleY() > 1);
}

bool ViewPortHandler::isFullyZoomedOutX() const
{
    return !(scaleX() > minScaleX()) && !(minScaleX() > 1);
}

void ViewPortHandler::setDragOffsetX(double offset) { m_transOffsetX = offset; }
void ViewPortHandler::setDragOffsetY(double offset) { m_transOffsetY = offset; }

bool ViewPortHandler::hasNoDragOffset() const
{
    return m_transOffsetX <= 0 && m_transOffsetY <= 0;
}

bool ViewPortHandler::canZoomOutMoreX() const { return scaleX() > minScaleX(); }
bool ViewPortHandler::canZoomInMoreX() const { return scaleX() < maxScaleX(); }
bool ViewPortHandler::canZoomOutMoreY() const { return scaleY() > minScaleY(); }
bool ViewPortHandler::canZoomInMoreY() const { return scaleY() < maxScaleY(); }

}
