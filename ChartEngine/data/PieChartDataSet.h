#pragma once

#include "ChartEngine/data/ChartDataSet.h"
#include "ChartEngine/data/PieChartDataSetProtocol.h"
#include "ChartEngine/foundation/ChartColors.h"

namespace Charts {

// The data set of a pie chart: the slices' values with the slice spacing, the selection shift and
// the lines drawn to values outside their slices. Its entries take part in the y bounds only: the
// x bounds keep their sentinels. Values are drawn white at size 13.
class PieChartDataSet : public ChartDataSet, public virtual PieChartDataSetProtocol {
public:
    using ValuePosition = PieChartValuePosition;

    PieChartDataSet();
    explicit PieChartDataSet(const std::optional<QString>& label);
    explicit PieChartDataSet(ChartDataEntryList entries,
                             const std::optional<QString>& label = QStringLiteral("DataSet"));

    // Clamped to [0, 20].
    double sliceSpace() const override;
    void setSliceSpace(double space) override;
    bool automaticallyDisableSliceSpacing() const override;
    void setAutomaticallyDisableSliceSpacing(bool disable) override;
    // How far a highlighted slice is drawn out.
    double selectionShift() const override;
    void setSelectionShift(double shift) override;
    // Where the entry labels stand.
    ValuePosition xValuePosition() const override;
    void setXValuePosition(ValuePosition position) override;
    // Where the values stand.
    ValuePosition yValuePosition() const override;
    void setYValuePosition(ValuePosition position) override;
    std::optional<QColor> valueLineColor() const override;
    void setValueLineColor(std::optional<QColor> color) override;
    // The value line takes the set's colour for the entry instead of valueLineColor. Not carried
    // by a copy.
    bool useValueColorForLine() const override;
    void setUseValueColorForLine(bool use) override;
    double valueLineWidth() const override;
    void setValueLineWidth(double width) override;
    double valueLinePart1OffsetPercentage() const override;
    void setValueLinePart1OffsetPercentage(double percentage) override;
    double valueLinePart1Length() const override;
    void setValueLinePart1Length(double length) override;
    double valueLinePart2Length() const override;
    void setValueLinePart2Length(double length) override;
    bool valueLineVariableLength() const override;
    void setValueLineVariableLength(bool variable) override;
    std::optional<QFont> entryLabelFont() const override;
    void setEntryLabelFont(std::optional<QFont> font) override;
    std::optional<QColor> entryLabelColor() const override;
    void setEntryLabelColor(std::optional<QColor> color) override;
    // Colour of a highlighted slice; none keeps the slice's own colour.
    std::optional<QColor> highlightColor() const override;
    void setHighlightColor(std::optional<QColor> color) override;

    std::shared_ptr<ChartBaseDataSet> makeEmpty() const override;

protected:
    void calcMinMaxWithEntry(const ChartDataEntry& entry) override;
    void copyTo(ChartBaseDataSet& target) const override;

private:
    // What every constructor does once the bases are made.
    void initialize();

    double m_sliceSpace = 0.0;
    bool m_automaticallyDisableSliceSpacing = false;
    double m_selectionShift = 18.0;
    ValuePosition m_xValuePosition = ValuePosition::insideSlice;
    ValuePosition m_yValuePosition = ValuePosition::insideSlice;
    std::optional<QColor> m_valueLineColor = ChartColors::black();
    bool m_useValueColorForLine = false;
    double m_valueLineWidth = 1.0;
    double m_valueLinePart1OffsetPercentage = 0.75;
    double m_valueLinePart1Length = 0.3;
    double m_valueLinePart2Length = 0.4;
    bool m_valueLineVariableLength = true;
    std::optional<QFont> m_entryLabelFont;
    std::optional<QColor> m_entryLabelColor;
    std::optional<QColor> m_highlightColor;
};

}
