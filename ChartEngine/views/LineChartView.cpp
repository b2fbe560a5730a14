#include "ChartEngine/views/LineChartView.h"

#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/data/LineChartData.h"
#include "ChartEngine/views/LineChartRenderer.h"

namespace Charts {

LineChartView::LineChartView(QWidget* parent)
    : BarLineChartViewBase(parent)
{
    installRenderer();
}

LineChartView::LineChartView(const QRect& frame, QWidget* parent)
    : BarLineChartViewBase(frame, parent)
{
    installRenderer();
}

LineChartView::~LineChartView() = default;

// This class's step of the set-up: the line renderer, on this view's animator and handler.
void LineChartView::installRenderer()
{
    setRenderer(std::make_shared<LineChartRenderer>(this, chartAnimator(), viewPortHandler()));
}

std::shared_ptr<LineChartData> LineChartView::lineData() const
{
    return std::dynamic_pointer_cast<LineChartData>(data());
}

std::shared_ptr<YAxis> LineChartView::getAxis(AxisDependency axis) const
{
    return BarLineChartViewBase::getAxis(axis);
}

}
