#pragma once

#include "ChartEngine/components/Legend.h"
#include "ChartEngine/views/Renderer.h"

#include <QPointF>

#include <array>
#include <memory>

class QPainter;

namespace Charts {

class ChartData;
class ChartDataSetProtocol;
class ViewPortHandler;

// Builds a chart's legend entries from its data sets and draws the legend. A subclass can
// replace how one form or one label is drawn.
class LegendRenderer : public Renderer {
public:
    LegendRenderer(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<Legend> legend);
    LegendRenderer(const LegendRenderer&) = delete;
    LegendRenderer& operator=(const LegendRenderer&) = delete;

    std::shared_ptr<ViewPortHandler> viewPortHandler() const override { return m_viewPortHandler; }

    // Without a legend the renderer does nothing.
    virtual std::shared_ptr<Legend> legend() const { return m_legend; }
    virtual void setLegend(std::shared_ptr<Legend> legend) { m_legend = std::move(legend); }

    // Rebuilds the entries from the data (a custom legend keeps its own) and lays the legend out
    // with its own font.
    virtual void computeLegend(const ChartData& data);
    // Draws every entry of an enabled legend.
    virtual void renderLegend(QPainter& painter);
    // One form: x is its left edge, y its vertical centre.
    virtual void drawForm(QPainter& painter, double x, double y, const LegendEntry& entry,
                          const Legend& legend);
    // One label with its top-left corner at (x, y).
    virtual void drawLabel(QPainter& painter, double x, double y, const QString& label,
                           const QFont& font, const QColor& textColor);

private:
    // Where the drawing starts and how it advances.
    struct Placement {
        double originX = 0.0;
        double startY = 0.0;
        double lineAdvance = 0.0;
        double formYOffset = 0.0;
        bool rightToLeft = false;
    };

    static void appendEntries(LegendEntryList& entries, const ChartDataSetProtocol& dataSet);
    double originX(const Legend& legend) const;
    double startY(const Legend& legend) const;
    void drawHorizontally(QPainter& painter, const Legend& legend, const Placement& placement);
    void drawVertically(QPainter& painter, const Legend& legend, const Placement& placement);
    void drawEntryLabel(QPainter& painter, double x, double y, const LegendEntry& entry,
                        const Legend& legend);

    std::shared_ptr<ViewPortHandler> m_viewPortHandler;
    std::shared_ptr<Legend> m_legend;
    // The two ends of every line form, reused.
    std::array<QPointF, 2> m_formLineSegmentsBuffer{};
};

}
