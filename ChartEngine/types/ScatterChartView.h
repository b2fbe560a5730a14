#pragma once

#include "ChartEngine/views/BarLineChartViewBase.h"
#include "ChartEngine/views/ScatterChartDataProvider.h"

namespace Charts {

class ScatterChartData;

// The scatter chart view: an x-y chart view that draws its data with a ScatterChartRenderer made
// by its constructor's set-up step (this view as the provider, the view's own animator and
// view-port handler), and keeps half an x unit of room before the first and after the last point.
class ScatterChartView : public BarLineChartViewBase, public virtual ScatterChartDataProvider {
    Q_OBJECT

public:
    explicit ScatterChartView(QWidget* parent = nullptr);
    explicit ScatterChartView(const QRect& frame, QWidget* parent = nullptr);
    ~ScatterChartView() override;

    // The data when it is scatter chart data, read at every call; none otherwise.
    std::shared_ptr<ScatterChartData> scatterData() const override;

private:
    void setUp();
};

}
