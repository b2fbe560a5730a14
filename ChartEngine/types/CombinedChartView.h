#pragma once

#include "ChartEngine/views/BarLineChartViewBase.h"
#include "ChartEngine/views/CombinedChartDataProvider.h"

#include <QList>

#include <memory>
#include <optional>

namespace Charts {

class CombinedChartRenderer;
class FillFormatter;

// The x-y chart view that draws several kinds of data over the same axes: the line, bar,
// scatter, candle and bubble data of one CombinedChartData. Its set-up step installs the
// combined highlighter, full-bar highlighting, a default fill formatter and the combined
// renderer, which draws through one sub-renderer per kind in the draw order. The draw order and
// the two bar switches live on that renderer; the view forwards to them.
//
// The sub-renderers and the highlighter are rebuilt at every setData: only then does a new draw
// order, or a kind of data added to or removed from the combined data, reach the drawing.
class CombinedChartView : public BarLineChartViewBase, public virtual CombinedChartDataProvider {
    Q_OBJECT

public:
    // The kinds of data, in the raw values of their order.
    enum class DrawOrder : int { bar = 0, bubble = 1, line = 2, candle = 3, scatter = 4 };
    // The kind of a raw value; none outside 0 to 4.
    static std::optional<DrawOrder> drawOrderFromRaw(int raw);

    explicit CombinedChartView(QWidget* parent = nullptr);
    explicit CombinedChartView(const QRect& frame, QWidget* parent = nullptr);
    ~CombinedChartView() override;

    // The base's handling, then a new combined highlighter, the sub-renderers rebuilt for the
    // new data and the current draw order, and their buffers; also for no data.
    void setData(std::shared_ptr<ChartData> data) override;

    // Never none: storing none stores a new default fill formatter.
    virtual std::shared_ptr<FillFormatter> fillFormatter() const { return m_fillFormatter; }
    virtual void setFillFormatter(std::shared_ptr<FillFormatter> formatter);

    // The data when it is combined data; none otherwise. Each kind's data is none without it.
    std::shared_ptr<CombinedChartData> combinedData() const override;
    std::shared_ptr<LineChartData> lineData() const override;
    std::shared_ptr<BarChartData> barData() const override;
    std::shared_ptr<ScatterChartData> scatterData() const override;
    std::shared_ptr<CandleChartData> candleData() const override;
    std::shared_ptr<BubbleChartData> bubbleData() const override;
    std::shared_ptr<YAxis> getAxis(AxisDependency axis) const override;

    // The bar switches, on the renderer.
    bool isDrawValueAboveBarEnabled() const override;
    virtual void setDrawValueAboveBarEnabled(bool enabled);
    bool isDrawBarShadowEnabled() const override;
    virtual void setDrawBarShadowEnabled(bool enabled);
    // The renderer's draw order. A new one takes effect at the next setData; an empty list is
    // ignored.
    virtual QList<DrawOrder> drawOrder() const;
    virtual void setDrawOrder(const QList<DrawOrder>& order);
    bool isHighlightFullBarEnabled() const override { return m_highlightFullBarEnabled; }
    virtual void setHighlightFullBarEnabled(bool enabled) { m_highlightFullBarEnabled = enabled; }

    // The highlighter's value under the point; with full-bar highlighting, a copy that selects
    // the whole stack.
    std::shared_ptr<Highlight> getHighlightByTouchPoint(QPointF point) const override;
    // `dataSetIndex` counts the sets of every kind of data in the combined data's order; the
    // highlight names the kind's data and the set within it, the whole stack of a bar, as a
    // click's does.
    std::shared_ptr<Highlight> highlightForEntry(qint64 dataSetIndex, qint64 entryIndex) const override;

protected:
    // The set named by the highlight's data index and data-set index in the combined data.
    std::shared_ptr<ChartDataSetProtocol> markerDataSet(const Highlight& highlight) const override;

private:
    // This class's step of the set-up.
    void setUpCombined();
    CombinedChartRenderer& combinedRenderer() const;

    std::shared_ptr<FillFormatter> m_fillFormatter;
    bool m_highlightFullBarEnabled = false;
};

}
