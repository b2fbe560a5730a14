#pragma once

#include "ChartEngine/views/BarLineChartViewBase.h"
#include "ChartEngine/views/CandleChartDataProvider.h"

namespace Charts {

class CandleChartData;

// The candlestick chart view: an x-y chart view that draws its data with a
// CandleStickChartRenderer made by its constructor's set-up step (this view as the provider, the
// view's own animator and view-port handler), and keeps half an x unit of room before the first
// and after the last candle.
class CandleStickChartView : public BarLineChartViewBase, public virtual CandleChartDataProvider {
    Q_OBJECT

public:
    explicit CandleStickChartView(QWidget* parent = nullptr);
    explicit CandleStickChartView(const QRect& frame, QWidget* parent = nullptr);
    ~CandleStickChartView() override;

    // The data when it is candle chart data, read at every call; none otherwise.
    std::shared_ptr<CandleChartData> candleData() const override;

private:
    void setUp();
};

}
