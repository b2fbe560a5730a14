#include "ChartEngine/data/PieChartDataSet.h"

namespace Charts {

PieChartDataSet::PieChartDataSet()
{
    initialize();
}

PieChartDataSet::PieChartDataSet(const std::optional<QString>& label)
    : ChartDataSet(label)
{
    initialize();
}

PieChartDataSet::PieChartDataSet(ChartDataEntryList entries, const std::optional<QString>& label)
    : ChartDataSet(std::move(entries), label)
{
    initialize();
}

// The base constructor computed the bounds with the plain per-entry rule; the pie rule replaces
// them here, before the value style.
void PieChartDataSet::initialize()
{
    calcMinMax();
    setValueTextColor(ChartColors::white());
    setValueFont(systemFont(13));
}

void PieChartDataSet::calcMinMaxWithEntry(const ChartDataEntry& entry)
{
    calcMinMaxYWithEntry(entry);
}

double PieChartDataSet::sliceSpace() const
{
    return m_sliceSpace;
}

void PieChartDataSet::setSliceSpace(double space)
{
    if (space < 0.0) {
        m_sliceSpace = 0.0;
    } else if (space >= 20.0) {
        m_sliceSpace = 20.0;
    } else {
        m_sliceSpace = space;
    }
}

bool PieChartDataSet::automaticallyDisableSliceSpacing() const
{
    return m_automaticallyDisableSliceSpacing;
}

void PieChartDataSet::setAutomaticallyDisableSliceSpacing(bool disable)
{
    m_automaticallyDisableSliceSpacing = disable;
}

double PieChartDataSet::selectionShift() const
{
    return m_selectionShift;
}

void PieChartDataSet::setSelectionShift(double shift)
{
    m_selectionShift = shift;
}

PieChartDataSet::ValuePosition PieChartDataSet::xValuePosition() const
{
    return m_xValuePosition;
}

void PieChartDataSet::setXValuePosition(ValuePosition position)
{
    m_xValuePosition = position;
}

PieChartDataSet::ValuePosition PieChartDataSet::yValuePosition() const
{
    return m_yValuePosition;
}

void PieChartDataSet::setYValuePosition(ValuePosition position)
{
    m_yValuePosition = position;
}

std::optional<QColor> PieChartDataSet::valueLineColor() const
{
    return m_valueLineColor;
}

void PieChartDataSet::setValueLineColor(std::optional<QColor> color)
{
    m_valueLineColor = color;
}

bool PieChartDataSet::useValueColorForLine() const
{
    return m_useValueColorForLine;
}

void PieChartDataSet::setUseValueColorForLine(bool use)
{
    m_useValueColorForLine = use;
}

double PieChartDataSet::valueLineWidth() const
{
    return m_valueLineWidth;
}

void PieChartDataSet::setValueLineWidth(double width)
{
    m_valueLineWidth = width;
}

double PieChartDataSet::valueLinePart1OffsetPercentage() const
{
    return m_valueLinePart1OffsetPercentage;
}

void PieChartDataSet::setValueLinePart1OffsetPercentage(double percentage)
{
    m_valueLinePart1OffsetPercentage = percentage;
}

double PieChartDataSet::valueLinePart1Length() const
{
    return m_valueLinePart1Length;
}

void PieChartDataSet::setValueLinePart1Length(double length)
{
    m_valueLinePart1Length = length;
}

double PieChartDataSet::valueLinePart2Length() const
{
    return m_valueLinePart2Length;
}

void PieChartDataSet::setValueLinePart2Length(double length)
{
    m_valueLinePart2Length = length;
}

bool PieChartDataSet::valueLineVariableLength() const
{
    return m_valueLineVariableLength;
}

void PieChartDataSet::setValueLineVariableLength(bool variable)
{
    m_valueLineVariableLength = variable;
}

std::optional<QFont> PieChartDataSet::entryLabelFont() const
{
    return m_entryLabelFont;
}

void PieChartDataSet::setEntryLabelFont(std::optional<QFont> font)
{
    m_entryLabelFont = std::move(font);
}

std::optional<QColor> PieChartDataSet::entryLabelColor() const
{
    return m_entryLabelColor;
}

void PieChartDataSet::setEntryLabelColor(std::optional<QColor> color)
{
    m_entryLabelColor = color;
}

std::optional<QColor> PieChartDataSet::highlightColor() const
{
    return m_highlightColor;
}

void PieChartDataSet::setHighlightColor(std::optional<QColor> color)
{
    m_highlightColor = color;
}

std::shared_ptr<ChartBaseDataSet> PieChartDataSet::makeEmpty() const
{
    return std::make_shared<PieChartDataSet>();
}

// Everything but useValueColorForLine, which the copy leaves off.
void PieChartDataSet::copyTo(ChartBaseDataSet& target) const
{
    ChartDataSet::copyTo(target);
    auto& set = dynamic_cast<PieChartDataSet&>(target);
    set.m_sliceSpace = m_sliceSpace;
    set.m_automaticallyDisableSliceSpacing = m_automaticallyDisableSliceSpacing;
    set.m_selectionShift = m_selectionShift;
    set.m_xValuePosition = m_xValuePosition;
    set.m_yValuePosition = m_yValuePosition;
    set.m_valueLineColor = m_valueLineColor;
    set.m_valueLineWidth = m_valueLineWidth;
    set.m_valueLinePart1OffsetPercentage = m_valueLinePart1OffsetPercentage;
    set.m_valueLinePart1Length = m_valueLinePart1Length;
    set.m_valueLinePart2Length = m_valueLinePart2Length;
    set.m_valueLineVariableLength = m_valueLineVariableLength;
    set.m_entryLabelFont = m_entryLabelFont;
    set.m_entryLabelColor = m_entryLabelColor;
    set.m_highlightColor = m_highlightColor;
}

}
