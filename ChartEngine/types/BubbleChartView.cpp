#include "ChartEngine/types/BubbleChartView.h"

#include "ChartEngine/data/BubbleChartData.h"
#include "ChartEngine/types/BubbleChartRenderer.h"

namespace Charts {

BubbleChartView::BubbleChartView(QWidget* parent)
    : BarLineChartViewBase(parent)
{
    setUp();
}

BubbleChartView::BubbleChartView(const QRect& frame, QWidget* parent)
    : BarLineChartViewBase(frame, parent)
{
    setUp();
}

BubbleChartView::~BubbleChartView() = default;

// This class's step of the set-up.
void BubbleChartView::setUp()
{
    setRenderer(std::make_shared<BubbleChartRenderer>(this, chartAnimator(), viewPortHandler()));
}

std::shared_ptr<BubbleChartData> BubbleChartView::bubbleData() const
{
    return std::dynamic_pointer_cast<BubbleChartData>(data());
}

}
