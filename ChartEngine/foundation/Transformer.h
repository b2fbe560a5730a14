#pragma once

#include "ChartEngine/foundation/AffineTransform.h"

#include <QPointF>
#include <QRectF>

#include <memory>
#include <span>

namespace Charts {

class ViewPortHandler;

// Turns chart values into pixel positions of the chart view and back, through three matrices:
// the value-to-pixel scaling of the axis ranges onto the content area, the view-port handler's
// live touch matrix (zoom and pan), and the offset onto the content area's corner.
//
// Every operation is virtual; the conversions read the combined matrix through the overridable
// getters, which rebuild it on each use so that a new touch matrix takes effect at once.
class Transformer {
public:
    explicit Transformer(std::shared_ptr<ViewPortHandler> viewPortHandler);
    virtual ~Transformer();

    Transformer(const Transformer&) = delete;
    Transformer& operator=(const Transformer&) = delete;

    // Scales the x range [chartXMin, chartXMin + deltaX] onto the content width and the y range
    // [chartYMin, chartYMin + deltaY] onto the content height, values growing upward.
    virtual void prepareMatrixValuePx(double chartXMin, double deltaX, double deltaY,
                                      double chartYMin);
    // Moves the scaled values onto the content area; `inverted` turns the y axis upside down.
    virtual void prepareMatrixOffset(bool inverted);

    // Value to pixel, in place. A list is converted in one pass with one matrix.
    virtual void valuesToPixels(std::span<QPointF> points) const;
    virtual void valueToPixel(QPointF& point) const;
    virtual QPointF pixelForValues(double x, double y) const;

    // Value rectangles to pixels, in place: each becomes the upright bounding box of its image
    // (width and height never negative).
    virtual void rectToPixels(QRectF& rect) const;
    // First scales both vertical edges toward value 0 by the phase, then converts.
    virtual void rectToPixels(QRectF& rect, double phaseY) const;
    virtual void horizontalRectToPixels(QRectF& rect) const;
    // First scales both horizontal edges toward value 0 by the phase, then converts.
    virtual void horizontalRectToPixels(QRectF& rect, double phaseY) const;
    virtual void rectsToPixels(std::span<QRectF> rects) const;

    // Pixel to value, in place. When the combined matrix has no inverse, the matrix itself is
    // applied.
    virtual void pixelPointsToValues(std::span<QPointF> points) const;
    virtual void pixelPointToValue(QPointF& point) const;
    virtual QPointF valueForTouchPoint(const QPointF& point) const;
    virtual QPointF valueForTouchPoint(double x, double y) const;

    // Value scaling, then the handler's current touch matrix, then the offset.
    virtual AffineTransform valueToPixelMatrix() const;
    // The inverse of valueToPixelMatrix, or that matrix itself when it has none.
    virtual AffineTransform pixelToValueMatrix() const;

    AffineTransform matrixValueToPx() const { return m_matrixValueToPx; }
    AffineTransform matrixOffset() const { return m_matrixOffset; }
    const std::shared_ptr<ViewPortHandler>& viewPortHandler() const { return m_viewPortHandler; }

protected:
    AffineTransform m_matrixValueToPx;
    AffineTransform m_matrixOffset;
    std::shared_ptr<ViewPortHandler> m_viewPortHandler;
};

}
