#include "ChartEngine/types/CandleStickChartView.h"

#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/data/CandleChartData.h"
#include "ChartEngine/types/CandleStickChartRenderer.h"

namespace Charts {

CandleStickChartView::CandleStickChartView(QWidget* parent)
    : BarLineChartViewBase(parent)
{
    setUp();
}

CandleStickChartView::CandleStickChartView(const QRect& frame, QWidget* parent)
    : BarLineChartViewBase(frame, parent)
{
    setUp();
}

CandleStickChartView::~CandleStickChartView() = default;

// This class's step of the set-up.
void CandleStickChartView::setUp()
{
    setRenderer(std::make_shared<CandleStickChartRenderer>(this, chartAnimator(), viewPortHandler()));
    xAxis()->setSpaceMin(0.5);
    xAxis()->setSpaceMax(0.5);
}

std::shared_ptr<CandleChartData> CandleStickChartView::candleData() const
{
    return std::dynamic_pointer_cast<CandleChartData>(data());
}

}
