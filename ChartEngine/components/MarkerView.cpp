#include "ChartEngine/components/MarkerView.h"

#include <QPainter>

namespace Charts {

MarkerView::MarkerView()
    : NSUIView(nullptr)
{
}

MarkerView::MarkerView(const QRectF& frame)
    : NSUIView(nullptr)
{
    setGeometry(frame.toRect());
}

QPointF MarkerView::offsetForDrawingAtPoint(QPointF point) const
{
    const NSUIView* chart = chartView();
    if (!chart) {
        return offset();
    }
    return offsetKeptInside(point, offset(), bounds().size(), chart);
}

void MarkerView::refreshContent(const std::shared_ptr<ChartDataEntry>& /*entry*/,
                                const std::shared_ptr<Highlight>& /*highlight*/)
{
}

void MarkerView::draw(QPainter& painter, QPointF point)
{
    const QPointF origin = point + offsetForDrawingAtPoint(point);
    painter.save();
    painter.translate(origin);
    render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.restore();
}

}
