#include "ChartEngine/types/ScatterChartView.h"

#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/data/ScatterChartData.h"
#include "ChartEngine/types/ScatterChartRenderer.h"

namespace Charts {

ScatterChartView::ScatterChartView(QWidget* parent)
    : BarLineChartViewBase(parent)
{
    setUp();
}

ScatterChartView::ScatterChartView(const QRect& frame, QWidget* parent)
    : BarLineChartViewBase(frame, parent)
{
    setUp();
}

ScatterChartView::~ScatterChartView() = default;

// This class's step of the set-up.
void ScatterChartView::setUp()
{
    setRenderer(std::make_shared<ScatterChartRenderer>(this, chartAnimator(), viewPortHandler()));
    xAxis()->setSpaceMin(0.5);
    xAxis()->setSpaceMax(0.5);
}

std::shared_ptr<ScatterChartData> ScatterChartView::scatterData() const
{
    return std::dynamic_pointer_cast<ScatterChartData>(data());
}

}
