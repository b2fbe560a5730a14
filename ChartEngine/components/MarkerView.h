#pragma once

#include "ChartEngine/components/Marker.h"
#include "ChartEngine/foundation/NSUIView.h"

#include <QPointer>

namespace Charts {

// A marker that is a view: the application lays out its content as widgets. It is never a
// child of the chart; the chart draws it by rendering it at the marker's point. Its drawn size
// is its own size.
class MarkerView : public NSUIView, public Marker {
    Q_OBJECT

public:
    MarkerView();
    explicit MarkerView(const QRectF& frame);

    QPointF offset() const override { return m_offset; }
    virtual void setOffset(QPointF offset) { m_offset = offset; }
    // The chart whose bounds the marker stays inside; held weakly.
    virtual NSUIView* chartView() const { return m_chartView.data(); }
    virtual void setChartView(NSUIView* chartView) { m_chartView = chartView; }

    // Without a chart, the offset as it is.
    QPointF offsetForDrawingAtPoint(QPointF point) const override;
    void refreshContent(const std::shared_ptr<ChartDataEntry>& entry,
                        const std::shared_ptr<Highlight>& highlight) override;
    // Renders the view (its children included, no window background) with its top-left
    // corner at point + offset.
    void draw(QPainter& painter, QPointF point) override;

private:
    QPointF m_offset;
    QPointer<NSUIView> m_chartView;
};

}
