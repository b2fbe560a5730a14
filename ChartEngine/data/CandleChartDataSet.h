#pragma once

#include "ChartEngine/data/CandleChartDataSetProtocol.h"
#include "ChartEngine/data/LineScatterCandleRadarChartDataSet.h"

namespace Charts {

// The data set of a candlestick chart, holding CandleChartDataEntry objects; other entries take
// no part in its bounds. Its y bounds span the lowest low and the highest high, not the entries'
// y values. A copy carries the properties of the bases only: the candle style below starts from
// its initial values in the copy.
class CandleChartDataSet : public LineScatterCandleRadarChartDataSet, public virtual CandleChartDataSetProtocol {
public:
    CandleChartDataSet();
    explicit CandleChartDataSet(const std::optional<QString>& label);
    explicit CandleChartDataSet(ChartDataEntryList entries,
                                const std::optional<QString>& label = QStringLiteral("DataSet"));

    // Space left free on each side of a body, in x units; clamped to [0, 0.45].
    double barSpace() const override;
    void setBarSpace(double space) override;
    // Candles when on, open-high-low-close ticks when off.
    bool showCandleBar() const override;
    void setShowCandleBar(bool show) override;
    double shadowWidth() const override;
    void setShadowWidth(double width) override;
    std::optional<QColor> shadowColor() const override;
    void setShadowColor(std::optional<QColor> color) override;
    // The shadow takes the body's colour.
    bool isShadowColorSameAsCandle() const override;
    void setShadowColorSameAsCandle(bool same) override;
    // Colour of a candle whose close equals its open.
    std::optional<QColor> neutralColor() const override;
    void setNeutralColor(std::optional<QColor> color) override;
    // Colour of a candle closing above its open; none: the set's colour for the entry.
    std::optional<QColor> increasingColor() const override;
    void setIncreasingColor(std::optional<QColor> color) override;
    // Colour of a candle closing below its open; none: the set's colour for the entry.
    std::optional<QColor> decreasingColor() const override;
    void setDecreasingColor(std::optional<QColor> color) override;
    bool isIncreasingFilled() const override;
    void setIncreasingFilled(bool filled) override;
    bool isDecreasingFilled() const override;
    void setDecreasingFilled(bool filled) override;

    std::shared_ptr<ChartBaseDataSet> makeEmpty() const override;

protected:
    void calcMinMaxWithEntry(const ChartDataEntry& entry) override;
    void calcMinMaxYWithEntry(const ChartDataEntry& entry) override;

private:
    double m_barSpace = 0.1;
    bool m_showCandleBar = true;
    double m_shadowWidth = 1.5;
    std::optional<QColor> m_shadowColor;
    bool m_shadowColorSameAsCandle = false;
    std::optional<QColor> m_neutralColor;
    std::optional<QColor> m_increasingColor;
    std::optional<QColor> m_decreasingColor;
    bool m_increasingFilled = false;
    bool m_decreasingFilled = true;
};

}
