#pragma once

#include "ChartEngine/foundation/TextAttributes.h"
#include "ChartEngine/views/Renderer.h"

#include <QColor>
#include <QList>
#include <QPen>
#include <QPointF>
#include <QRectF>

#include <memory>
#include <optional>
#include <utility>

class QPainter;

namespace Charts {

class AxisBase;
class ChartLimitLine;
class Transformer;
class ViewPortHandler;

// What every axis renderer offers the chart views: the axis's label values for a range, and the
// four drawing steps. It holds the view-port handler and the (optional) transformer, and it owns
// the one computation of label values that every axis uses.
class AxisRenderer : public Renderer {
public:
    AxisRenderer(std::shared_ptr<ViewPortHandler> viewPortHandler,
                 std::shared_ptr<Transformer> transformer);
    ~AxisRenderer() override;

    AxisRenderer(const AxisRenderer&) = delete;
    AxisRenderer& operator=(const AxisRenderer&) = delete;

    std::shared_ptr<ViewPortHandler> viewPortHandler() const override;
    virtual std::shared_ptr<AxisBase> axis() const = 0;
    // None: the range is taken as given and nothing that needs pixel positions is drawn.
    virtual std::shared_ptr<Transformer> transformer() const;

    virtual void renderAxisLabels(QPainter& painter) = 0;
    virtual void renderGridLines(QPainter& painter) = 0;
    virtual void renderAxisLine(QPainter& painter) = 0;
    virtual void renderLimitLines(QPainter& painter) = 0;

    // Narrows the range to what is visible, then computes the label values for it.
    virtual void computeAxis(double min, double max, bool inverted) = 0;
    // Writes the axis's entries, centred entries and decimals for the range.
    virtual void computeAxisValues(double min, double max) = 0;

protected:
    // The values under two pixel points: only with a transformer, a content area wider than 10
    // points and a view zoomed in along the axis (`fullyZoomedOut` false).
    std::optional<std::pair<QPointF, QPointF>> visibleValues(bool fullyZoomedOut, QPointF first,
                                                              QPointF second) const;

    // The label values of `axis` for the range: about labelCount values at a round interval
    // (or exactly labelCount, evenly spaced, when forced), one interval earlier when centred.
    // Returns false when the range gives no values: both lists are emptied and the decimals
    // kept.
    static bool computeLabelValues(AxisBase& axis, double min, double max);
    // The radar's label values for the range, which also become the axis's ends: the interval's
    // magnitude from the logarithm rounded down, always one value beyond the last multiple of
    // the interval at or below max, the decimals from the rounded interval even when forced,
    // and centred values half the first step on. Returns false when the range gives no values:
    // both lists are emptied and the ends and decimals kept.
    static bool computeRadarLabelValues(AxisBase& axis, double min, double max);

    // A pen of the given style, solid or dashed; butt ends unless a cap is given.
    static QPen linePen(const QColor& color, double width, double dashPhase,
                        const std::optional<QList<double>>& dashLengths,
                        Qt::PenCapStyle cap = Qt::FlatCap);
    // Saves the painter and sets it up for the axis's grid lines, clipped to `clip`; the caller
    // restores it.
    void beginGridLines(QPainter& painter, const AxisBase& axis, const QRectF& clip) const;
    // The line's label in its font and colour, its top at `point` and aligned on its x.
    static void drawLimitLineLabel(QPainter& painter, const ChartLimitLine& limitLine,
                                   QPointF point, TextAlignment alignment);

private:
    std::shared_ptr<ViewPortHandler> m_viewPortHandler;
    std::shared_ptr<Transformer> m_transformer;
};

}
