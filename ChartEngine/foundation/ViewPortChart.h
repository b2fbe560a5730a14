#pragma once

#include <QRectF>

namespace Charts {

// The chart view as the view-port handler sees it: its bounds, and a request to redisplay a
// rectangle of it. The handler is handed the chart for the length of one call and never keeps
// it, so it owns nothing and cannot outlive the view.
class ViewPortChart {
public:
    virtual ~ViewPortChart() = default;

    // The view's own bounds, in its coordinates (origin top left).
    virtual QRectF bounds() const = 0;

    // Asks the view to draw the rectangle again at the next paint.
    virtual void setNeedsDisplayInRect(const QRectF& rect) = 0;

protected:
    ViewPortChart() = default;
    ViewPortChart(const ViewPortChart&) = default;
    ViewPortChart& operator=(const ViewPortChart&) = default;
};

}
