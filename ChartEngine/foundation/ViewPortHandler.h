#pragma once

#include "ChartEngine/foundation/AffineTransform.h"

#include <QPointF>
#include <QRectF>

#include <cfloat>

namespace Charts {

class ViewPortChart;

// The geometry of one chart view: the size of the whole chart, the content rectangle inside the
// four offsets where data is drawn, and the touch matrix carrying the user's zoom and pan.
// Coordinates are the view's, y growing downward.
//
// Every operation is virtual and the operations reach each other through the object, so a
// subclass's override (a getter included) is what the rest of the handler uses.
class ViewPortHandler {
public:
    // A handler for a chart of that size, with no offsets. (The constructor sizes the handler
    // with this class's own setChartDimens: an override cannot be reached while constructing.)
    ViewPortHandler(double width, double height);
    virtual ~ViewPortHandler();

    ViewPortHandler(const ViewPortHandler&) = delete;
    ViewPortHandler& operator=(const ViewPortHandler&) = delete;

    // Stored properties. A setter stores its value and does nothing else.
    virtual AffineTransform touchMatrix() const;
    virtual QRectF contentRect() const;
    virtual double chartWidth() const;
    virtual double chartHeight() const;
    // The whole chart, from its top left corner: what lies beyond it is never seen.
    QRectF chartBounds() const { return QRectF(0, 0, chartWidth(), chartHeight()); }
    virtual double minScaleY() const;
    virtual double maxScaleY() const;
    virtual double minScaleX() const;
    virtual double maxScaleX() const;
    virtual double scaleX() const;
    virtual double scaleY() const;
    virtual double transX() const;
    virtual double transY() const;

    virtual void setTouchMatrix(const AffineTransform& matrix);
    virtual void setContentRect(const QRectF& rect);
    virtual void setChartWidth(double width);
    virtual void setChartHeight(double height);
    virtual void setMinScaleY(double scale);
    virtual void setMaxScaleY(double scale);
    virtual void setMinScaleX(double scale);
    virtual void setMaxScaleX(double scale);
    virtual void setScaleX(double scale);
    virtual void setScaleY(double scale);
    virtual void setTransX(double translation);
    virtual void setTransY(double translation);

    // Size and offsets.
    virtual void setChartDimens(double width, double height);
    virtual bool hasChartDimens() const;
    virtual void restrainViewPort(double offsetLeft, double offsetTop, double offsetRight,
                                  double offsetBottom);

    virtual double offsetLeft() const;
    virtual double offsetRight() const;
    virtual double offsetTop() const;
    virtual double offsetBottom() const;
    virtual double contentTop() const;
    virtual double contentLeft() const;
    virtual double contentRight() const;
    virtual double contentBottom() const;
    virtual double contentWidth() const;
    virtual double contentHeight() const;
    virtual QPointF contentCenter() const;

    // Matrices of the zoom and move operations; they leave the handler as it is (fitScreen
    // excepted) and the chart views pass them to refresh.
    virtual AffineTransform zoom(double scaleX, double scaleY) const;
    virtual AffineTransform zoom(double scaleX, double scaleY, double x, double y) const;
    virtual AffineTransform zoomIn(double x, double y) const;
    virtual AffineTransform zoomOut(double x, double y) const;
    virtual AffineTransform resetZoom() const;
    virtual AffineTransform setZoom(double scaleX, double scaleY) const;
    virtual AffineTransform setZoom(double scaleX, double scaleY, double x, double y) const;
    // Lowers both minimum scales to 1 (no clamp) and returns the identity; the touch matrix
    // stays as it is.
    virtual AffineTransform fitScreen();
    virtual AffineTransform translate(const QPointF& pt) const;

    // Operations that change the handler. `chart` may be null; it is used for the call only.
    virtual void centerViewPort(const QPointF& pt, ViewPortChart* chart);
    // Stores and clamps the matrix, asks the chart to redisplay its whole bounds (always:
    // `invalidate` is not consulted) and returns the stored matrix.
    virtual AffineTransform refresh(const AffineTransform& newMatrix, ViewPortChart* chart,
                                    bool invalidate);
    // Clamps the matrix in place to the scale limits and to the content's edges, and stores the
    // resulting scales and translations.
    virtual void constrainMatrix(AffineTransform& matrix, const QRectF& content);

    // Scale limits: a minimum below 1 is raised to 1, a maximum of exactly 0 means no limit.
    // Each applies to the touch matrix at once, without asking any view to redraw.
    virtual void setMinimumScaleX(double scale);
    virtual void setMaximumScaleX(double scale);
    virtual void setMinMaxScaleX(double minScaleX, double maxScaleX);
    virtual void setMinimumScaleY(double scale);
    virtual void setMaximumScaleY(double scale);
    virtual void setMinMaxScaleY(double minScaleY, double maxScaleY);

    // Bounds tests, tolerant by a pixel on the left and right and by flooring to hundredths on
    // the right and bottom. The compound tests stop at the first false part.
    virtual bool isInBoundsX(double x) const;
    virtual bool isInBoundsY(double y) const;
    virtual bool isInBounds(const QPointF& point) const;
    virtual bool isInBounds(double x, double y) const;
    virtual bool isInBoundsLeft(double x) const;
    virtual bool isInBoundsRight(double x) const;
    virtual bool isInBoundsTop(double y) const;
    virtual bool isInBoundsBottom(double y) const;
    // Whether the infinite line through the two points may cross the content area.
    virtual bool isIntersectingLine(const QPointF& from, const QPointF& to) const;

    virtual bool isFullyZoomedOut() const;
    virtual bool isFullyZoomedOutY() const;
    virtual bool isFullyZoomedOutX() const;

    // How far the data may be dragged past its ends; takes effect at the next clamp.
    virtual void setDragOffsetX(double offset);
    virtual void setDragOffsetY(double offset);

    virtual bool hasNoDragOffset() const;
    virtual bool canZoomOutMoreX() const;
    virtual bool canZoomInMoreX() const;
    virtual bool canZoomOutMoreY() const;
    virtual bool canZoomInMoreY() const;

private:
    AffineTransform m_touchMatrix;
    QRectF m_contentRect{0, 0, 0, 0};
    double m_chartWidth = 0;
    double m_chartHeight = 0;
    double m_minScaleY = 1;
    double m_maxScaleY = DBL_MAX;
    double m_minScaleX = 1;
    double m_maxScaleX = DBL_MAX;
    double m_scaleX = 1;
    double m_scaleY = 1;
    double m_transX = 0;
    double m_transY = 0;
    double m_transOffsetX = 0;
    double m_transOffsetY = 0;
};

}
