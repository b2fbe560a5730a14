#pragma once

#include "ChartEngine/views/BarLineChartViewBase.h"
#include "ChartEngine/views/LineChartDataProvider.h"

namespace Charts {

class LineChartData;

// The line chart view of the PEF and FEV1 pages and the report's pictures: an x-y chart view
// that draws its data with a LineChartRenderer made by its constructor's set-up step (with this
// view as the provider and the view's own animator and view-port handler).
class LineChartView : public BarLineChartViewBase, public virtual LineChartDataProvider {
    Q_OBJECT

public:
    explicit LineChartView(QWidget* parent = nullptr);
    // A view with the frame's geometry from the start: the report's charts, never shown.
    explicit LineChartView(const QRect& frame, QWidget* parent = nullptr);
    ~LineChartView() override;

    // The data when it is line chart data, read at every call; none otherwise.
    std::shared_ptr<LineChartData> lineData() const override;
    std::shared_ptr<YAxis> getAxis(AxisDependency axis) const override;

private:
    void installRenderer();
};

}
