#pragma once

#include "ChartEngine/types/CombinedChartView.h"
#include "ChartEngine/views/BarLineScatterCandleBubbleRenderer.h"

#include <QList>
#include <QPointer>

#include <memory>
#include <optional>

namespace Charts {

// Draws the data of a combined chart through one sub-renderer per kind of data, built in the
// draw order for the kinds the chart has data of, each with the chart as its data provider and
// this renderer's animator and view-port handler. Every pass goes to the sub-renderers in list
// order, so later kinds draw over earlier ones; each highlight goes to the sub-renderer of the
// data its data index names (-1 names every one). Its elements are the header of the whole
// chart, then the sub-renderers' elements of the values, ordered by their data set's position
// among the combined data's sets (entry order within a set), which is the order the keyboard
// steps through.
class CombinedChartRenderer : public BarLineScatterCandleBubbleRenderer {
public:
    using DrawOrder = CombinedChartView::DrawOrder;

    // Builds the sub-renderers at once (none while the chart has no data).
    CombinedChartRenderer(CombinedChartView* chart, std::shared_ptr<Animator> animator,
                          std::shared_ptr<ViewPortHandler> viewPortHandler);
    ~CombinedChartRenderer() override;

    // Held weakly: once the chart is gone, nothing is built and no header is made.
    virtual CombinedChartView* chart() const { return m_chart.data(); }
    virtual void setChart(CombinedChartView* chart) { m_chart = chart; }

    // Read by the bar sub-renderer through the chart.
    virtual bool isDrawValueAboveBarEnabled() const { return m_drawValueAboveBarEnabled; }
    virtual void setDrawValueAboveBarEnabled(bool enabled) { m_drawValueAboveBarEnabled = enabled; }
    virtual bool isDrawBarShadowEnabled() const { return m_drawBarShadowEnabled; }
    virtual void setDrawBarShadowEnabled(bool enabled) { m_drawBarShadowEnabled = enabled; }

    // Rebuilds the sub-renderers: one for each kind of the draw order that the chart has data
    // of, in that order (a kind listed twice gets two).
    virtual void createRenderers();
    virtual QList<std::shared_ptr<DataRenderer>> subRenderers() const { return m_renderers; }
    virtual void setSubRenderers(QList<std::shared_ptr<DataRenderer>> renderers);

    // The order in which createRenderers builds the sub-renderers; an empty list is ignored.
    virtual QList<DrawOrder> drawOrder() const { return m_drawOrder; }
    virtual void setDrawOrder(const QList<DrawOrder>& order);

    void initBuffers() override;
    // The chart's header ("Combined Chart" without a description), then every sub-renderer.
    void drawData(QPainter& painter) override;
    void drawValues(QPainter& painter) override;
    void drawExtras(QPainter& painter) override;
    // Each sub-renderer gets the highlights of its data's index in the combined data, and those
    // of index -1, in their order; only the latter when its data is not found there.
    void drawHighlighted(QPainter& painter, const HighlightList& indices) override;

protected:
    // The sub-renderers' value elements in data set order; none once the chart is gone.
    Elements describeEntries() const override;

private:
    std::shared_ptr<DataRenderer> makeRenderer(DrawOrder kind, CombinedChartView& chart) const;
    std::optional<qint64> dataIndexOf(const DataRenderer& renderer) const;

    QPointer<CombinedChartView> m_chart;
    bool m_drawValueAboveBarEnabled = true;
    bool m_drawBarShadowEnabled = false;
    QList<std::shared_ptr<DataRenderer>> m_renderers;
    QList<DrawOrder> m_drawOrder{DrawOrder::bar, DrawOrder::bubble, DrawOrder::line,
                                 DrawOrder::candle, DrawOrder::scatter};
};

}
