#pragma once

#include "ChartEngine/data/ChartDataEntry.h"

namespace Charts {

// The entry of a candlestick chart: a shadow from low to high and a body from open to close. Its
// y is the middle of the shadow. There is no constructor from x and y.
class CandleChartDataEntry : public ChartDataEntry {
public:
    CandleChartDataEntry() = default;
    CandleChartDataEntry(double x, double shadowH, double shadowL, double open, double close);
    CandleChartDataEntry(double x, double shadowH, double shadowL, double open, double close, const QVariant& data);
    CandleChartDataEntry(double x, double shadowH, double shadowL, double open, double close,
                         std::shared_ptr<ChartImage> icon);
    CandleChartDataEntry(double x, double shadowH, double shadowL, double open, double close,
                         std::shared_ptr<ChartImage> icon, const QVariant& data);

    // Ignores the value: y becomes (high + low) / 2 of the current high and low. Changing high or
    // low alone leaves y until it is set again.
    void setY(double y) override;

    double high() const { return m_high; }
    void setHigh(double high);
    double low() const { return m_low; }
    void setLow(double low);
    double close() const { return m_close; }
    void setClose(double close);
    double open() const { return m_open; }
    void setOpen(double open);

    // |high - low|
    double shadowRange() const;
    // |open - close|
    double bodyRange() const;

    std::shared_ptr<ChartDataEntry> makeEmpty() const override;

protected:
    void copyTo(ChartDataEntry& target) const override;

private:
    double m_high = 0.0;
    double m_low = 0.0;
    double m_close = 0.0;
    double m_open = 0.0;
};

}
