#pragma once

#include "ChartEngine/views/BarLineChartViewBase.h"
#include "ChartEngine/views/BubbleChartDataProvider.h"

namespace Charts {

class BubbleChartData;

// The bubble chart view: an x-y chart view that draws its data with a BubbleChartRenderer made by
// its constructor's set-up step (this view as the provider, the view's own animator and view-port
// handler). The x axis keeps no extra room.
class BubbleChartView : public BarLineChartViewBase, public virtual BubbleChartDataProvider {
    Q_OBJECT

public:
    explicit BubbleChartView(QWidget* parent = nullptr);
    explicit BubbleChartView(const QRect& frame, QWidget* parent = nullptr);
    ~BubbleChartView() override;

    // The data when it is bubble chart data, read at every call; none otherwise.
    std::shared_ptr<BubbleChartData> bubbleData() const override;

private:
    void setUp();
};

}
