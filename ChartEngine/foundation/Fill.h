#pragma once

class QPainter;
class QPainterPath;
class QRectF;

namespace Charts {

// Paints an area (the part under a line, the inside of a radar web) in its own way. Fills are
// immutable and shared by reference.
class Fill {
public:
    virtual ~Fill() = default;

    // Paints `path` (filled with the non-zero winding rule) inside the chart's content
    // rectangle `rect`. The caller has set the painter's opacity; the painter's state is the
    // same afterwards.
    virtual void fillPath(QPainter& painter, const QPainterPath& path,
                          const QRectF& rect) const = 0;

protected:
    // Narrows the painter's clip to `path` filled with the non-zero winding rule.
    static void clipToArea(QPainter& painter, const QPainterPath& path);
    // True when the rectangle's corners and size are finite numbers.
    static bool isFinite(const QRectF& rect);
};

}
