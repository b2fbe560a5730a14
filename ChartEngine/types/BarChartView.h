#pragma once

#include "ChartEngine/views/BarChartDataProvider.h"
#include "ChartEngine/views/BarLineChartViewBase.h"

#include <QRectF>

#include <memory>
#include <optional>

namespace Charts {

class BarChartDataEntry;

// The chart view of vertical bars: one bar per entry, stacked bars for entries with several
// values, groups of bars side by side. Its set-up step installs the bar renderer and the bar
// highlighter and gives the x axis half a unit of room on each side, so the outer bars are not
// cut in half.
class BarChartView : public BarLineChartViewBase, public virtual BarChartDataProvider {
    Q_OBJECT

public:
    explicit BarChartView(QWidget* parent = nullptr);
    explicit BarChartView(const QRect& frame, QWidget* parent = nullptr);
    ~BarChartView() override;

    // The two drawing switches redraw the whole view.
    virtual void setDrawValueAboveBarEnabled(bool enabled);
    virtual void setDrawBarShadowEnabled(bool enabled);
    // Widening the x range by half a bar on each side takes effect at the next data change.
    virtual bool fitBars() const { return m_fitBars; }
    virtual void setFitBars(bool enabled) { m_fitBars = enabled; }
    virtual void setHighlightFullBarEnabled(bool enabled) { m_highlightFullBarEnabled = enabled; }

    std::shared_ptr<BarChartData> barData() const override;
    bool isDrawBarShadowEnabled() const override { return m_drawBarShadowEnabled; }
    bool isDrawValueAboveBarEnabled() const override { return m_drawValueAboveBarEnabled; }
    bool isHighlightFullBarEnabled() const override { return m_highlightFullBarEnabled; }

    // The axes' ranges from bar data only; any other data leaves them as they are.
    void calcMinMax() override;
    // The touched bar; with the full-bar switch on, a copy that selects the whole stack.
    std::shared_ptr<Highlight> getHighlightByTouchPoint(QPointF point) const override;

    // The bar of the entry in view pixels, from 0 to its y over its bar width (stacks, the
    // animation and the axis range are ignored); none without bar data or when no bar data
    // set holds the entry.
    virtual std::optional<QRectF> getBarBounds(const std::shared_ptr<BarChartDataEntry>& entry) const;
    // Lays the data sets out side by side in groups (see BarChartData::groupBars), then
    // recomputes the chart.
    virtual void groupBars(double fromX, double groupSpace, double barSpace);
    // Highlights one segment of a stacked bar (or the whole bar with stack index -1) without
    // telling the delegate.
    virtual void highlightValueAtStack(double x, qint64 dataSetIndex, qint64 stackIndex);

protected:
    // The value rectangle of a bar for getBarBounds.
    virtual QRectF barValueRect(double x, double y, double barWidth) const;

private:
    // This class's step of the set-up.
    void setUpBars();

    bool m_drawValueAboveBarEnabled = true;
    bool m_drawBarShadowEnabled = false;
    bool m_fitBars = false;
    bool m_highlightFullBarEnabled = false;
};

}
