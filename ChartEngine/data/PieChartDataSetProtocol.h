#pragma once

#include "ChartEngine/data/ChartDataSetProtocol.h"

namespace Charts {

// Where a pie chart's value or entry label stands (`PieChartDataSet::ValuePosition`).
enum class PieChartValuePosition : int {
    insideSlice = 0,
    outsideSlice = 1,
};

// The position for a stored raw value; none for a value outside the cases.
inline std::optional<PieChartValuePosition> pieChartValuePositionFromRaw(long long raw)
{
    if (raw < 0 || raw > 1) {
        return std::nullopt;
    }
    return static_cast<PieChartValuePosition>(raw);
}

// The data set of a pie chart: slice spacing, selection shift and the value lines.
class PieChartDataSetProtocol : public virtual ChartDataSetProtocol {
public:
    virtual double sliceSpace() const = 0;
    virtual void setSliceSpace(double space) = 0;
    virtual bool automaticallyDisableSliceSpacing() const = 0;
    virtual void setAutomaticallyDisableSliceSpacing(bool disable) = 0;
    virtual double selectionShift() const = 0;
    virtual void setSelectionShift(double shift) = 0;
    virtual PieChartValuePosition xValuePosition() const = 0;
    virtual void setXValuePosition(PieChartValuePosition position) = 0;
    virtual PieChartValuePosition yValuePosition() const = 0;
    virtual void setYValuePosition(PieChartValuePosition position) = 0;
    virtual std::optional<QColor> valueLineColor() const = 0;
    virtual void setValueLineColor(std::optional<QColor> color) = 0;
    virtual bool useValueColorForLine() const = 0;
    virtual void setUseValueColorForLine(bool use) = 0;
    virtual double valueLineWidth() const = 0;
    virtual void setValueLineWidth(double width) = 0;
    virtual double valueLinePart1OffsetPercentage() const = 0;
    virtual void setValueLinePart1OffsetPercentage(double percentage) = 0;
    virtual double valueLinePart1Length() const = 0;
    virtual void setValueLinePart1Length(double length) = 0;
    virtual double valueLinePart2Length() const = 0;
    virtual void setValueLinePart2Length(double length) = 0;
    virtual bool valueLineVariableLength() const = 0;
    virtual void setValueLineVariableLength(bool variable) = 0;
    virtual std::optional<QFont> entryLabelFont() const = 0;
    virtual void setEntryLabelFont(std::optional<QFont> font) = 0;
    virtual std::optional<QColor> entryLabelColor() const = 0;
    virtual void setEntryLabelColor(std::optional<QColor> color) = 0;
    virtual std::optional<QColor> highlightColor() const = 0;
    virtual void setHighlightColor(std::optional<QColor> color) = 0;
};

}
