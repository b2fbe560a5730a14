#pragma once

#include <QPointF>
#include <QRect>
#include <Qt>

#include <limits>
#include <utility>
#include <vector>

class QColor;
class QImage;
class QPolygonF;

namespace Charts {

// How much of each device pixel of a rectangle closed polygons cover, reckoned as Qt's
// antialiased raster engine reckons it: within a pixel row, each edge adds to the pixels it
// crosses the signed share of the row that it sweeps on its right, a pixel's winding is the sum
// of its row up to it, and the fill rule makes that a coverage (held to 1 by the non-zero rule,
// folded by the odd-even rule). The time grows with the length of the edges. Qt's rasterizer
// keeps each row's pixels in a list that every edge walks, so its time grows with the square of
// the edges a row holds: an outline of thousands of corners across a view took it seconds. A
// layer of few edges across a row shades it in time that grows with the edges, not with the
// pixels: thousands of layers across a view (a radar's web lines 10,000 points wide, each inked
// on its own, shaded by run) take no longer.
//
// Polygons are inked in layers, each as one call of Qt's would ink them: a pixel two polygons of
// a layer cover is inked once, one that two layers cover twice.
//
// Aliased, as Qt's raster engine fills without antialiasing, a pixel is covered whole or not at
// all: whole when its centre lies inside. An edge then changes the winding of the pixels whose
// centres lie right of it, in each row whose centre line it meets (its upper end excluded, its
// lower end included), the meeting point reckoned in 16.16 fixed point from the edge's upper end,
// as Qt reckons it, so that a centre on or next to an edge falls to the same side.
class CoverageMask {
public:
    enum class Sampling { antialiased, aliased };
    // How a layer is shaded: pixel by pixel, or, for layers of few edges across wide rows (bands
    // across the view), run by run between the steps of each row, in time that grows with the
    // edges, not with the pixels (finding the steps costs a little for every edge).
    enum class Shading { byPixel, byRun };

    // `area` in device pixels.
    explicit CoverageMask(const QRect& area, Sampling sampling = Sampling::antialiased,
                          Shading shading = Shading::byPixel);

    // Adds the closed polygon through `points` (device pixels, within a billion of the area) to
    // the layer being made. What lies above or below the area adds nothing; what lies left of it
    // adds to the rows it spans as far as the area's left edge, as it would in a wider area, and
    // what lies right of it adds nothing.
    void addPolygon(const QPolygonF& points);

    // Inks the layer made since the last one, each pixel by its coverage under `rule`, with an
    // ink of opacity `alpha` over the layers before, and starts a new layer.
    void addLayer(Qt::FillRule rule, double alpha);

    // The inked area in `color` (its alpha aside), premultiplied: each pixel as opaque as its
    // layers made it.
    QImage image(const QColor& color) const;

private:
    void addEdge(QPointF from, QPointF to);
    void addEdgeWithin(QPointF from, QPointF to);
    void addRowPart(int row, double left, double right, double height);
    void addAliasedEdge(QPointF from, QPointF to);
    void noteSteps(int y, int first, int last);
    template <typename Through> void shadePixels(int y, int first, int last, const Through& through);
    template <typename Through> void shadeRuns(int y, std::vector<int>& stepsAt, const Through& through);

    static constexpr size_t fewSteps = 16;

    QRect m_area;
    Sampling m_sampling;
    Shading m_shadingBy;
    qsizetype m_stride;
    // Per row of the layer being made, the change of winding from one pixel to the next (and two
    // beyond the last), the first and last of them that are not 0, and where they are while they
    // are few.
    std::vector<double> m_steps;
    std::vector<int> m_firstStep;
    std::vector<int> m_lastStep;
    std::vector<std::vector<int>> m_stepsAt;
    // The first and last row of the layer being made that hold steps (none: first after last).
    static constexpr std::pair<int, int> noRows{std::numeric_limits<int>::max(), -1};
    std::pair<int, int> m_layerRows = noRows;
    // How much of what lies beneath the layers still shows through them: per pixel, and per row,
    // from one pixel to the next, the change of its logarithm, so that a layer shades a run of one
    // winding (a band across the view) at once, in time that grows with its edges alone.
    std::vector<double> m_clearance;
    std::vector<double> m_shading;
};

}
