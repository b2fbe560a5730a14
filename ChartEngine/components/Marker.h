#pragma once

#include <QPointF>
#include <QSizeF>

#include <memory>

class QPainter;

namespace Charts {

class ChartDataEntry;
class Highlight;
class NSUIView;

// The callout a chart draws at a highlighted value. The chart refreshes its content for the
// entry, then draws it at the highlight's draw position; the marker asks for its own offset.
class Marker {
public:
    virtual ~Marker() = default;

    // The offset from the point the marker is drawn at.
    virtual QPointF offset() const = 0;
    // The offset to use at that point; it may differ from offset() to keep the marker visible.
    virtual QPointF offsetForDrawingAtPoint(QPointF point) const = 0;
    virtual void refreshContent(const std::shared_ptr<ChartDataEntry>& entry,
                                const std::shared_ptr<Highlight>& highlight) = 0;
    virtual void draw(QPainter& painter, QPointF point) = 0;

protected:
    // `offset` corrected so that a marker of `size` at `point` keeps its left and top edges
    // inside the view and, with a chart, its right and bottom edges inside the chart's bounds.
    // A marker that exactly touches an edge is not moved.
    static QPointF offsetKeptInside(QPointF point, QPointF offset, QSizeF size,
                                    const NSUIView* chart);
};

}
