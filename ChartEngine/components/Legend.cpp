#include "ChartEngine/components/Legend.h"

#include "ChartEngine/foundation/ChartColors.h"
#include "ChartEngine/foundation/ChartFatal.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/ViewPortHandler.h"

#include <algorithm>
#include <cmath>

namespace Charts {

namespace {

template <typename Enum>
std::optional<Enum> enumFromRaw(long long raw, long long last)
{
    if (raw < 0 || raw > last) {
        return std::nullopt;
    }
    return static_cast<Enum>(raw);
}

// More distinct labels than a legend shows at once: the kept sizes start over.
constexpr qsizetype maxMeasuredLabels = 1024;

}

std::optional<Legend::HorizontalAlignment> Legend::horizontalAlignmentFromRaw(long long raw)
{
    return enumFromRaw<HorizontalAlignment>(raw, 2);
}

std::optional<Legend::VerticalAlignment> Legend::verticalAlignmentFromRaw(long long raw)
{
    return enumFromRaw<VerticalAlignment>(raw, 2);
}

std::optional<Legend::Orientation> Legend::orientationFromRaw(long long raw)
{
    return enumFromRaw<Orientation>(raw, 1);
}

std::optional<Legend::Direction> Legend::directionFromRaw(long long raw)
{
    return enumFromRaw<Direction>(raw, 1);
}

Legend::Legend()
    : Legend(LegendEntryList())
{
    // The chart's legend sits closer to the bottom edge than other components.
    setXOffset(5.0);
    setYOffset(3.0);
}

Legend::Legend(LegendEntryList entries)
    : m_entries(std::move(entries))
    , m_font(systemFont(10))
    , m_textColor(ChartColors::label())
{
}

double Legend::resolvedFormSize(const LegendEntry& entry) const
{
    const double own = entry.formSize();
    return std::isnan(own) ? formSize() : own;
}

QSizeF Legend::labelSize(const QString& label, const QFont& font) const
{
    if (font != m_measuredFont || m_measuredLabels.size() >= maxMeasuredLabels) {
        m_measuredLabels.clear();
        m_measuredFont = font;
    }
    auto found = m_measuredLabels.constFind(label);
    if (found == m_measuredLabels.constEnd()) {
        found = m_measuredLabels.insert(label, textSize(label, TextAttributes{font}));
    }
    return *found;
}

QSizeF Legend::getMaximumEntrySize(const QFont& font) const
{
    double maxFormSize = 0.0;
    double maxLabelWidth = 0.0;
    double maxLabelHeight = 0.0;
    for (const std::shared_ptr<LegendEntry>& entry : entries()) {
        maxFormSize = std::max(maxFormSize, resolvedFormSize(*entry));
        if (const std::optional<QString> label = entry->label()) {
            const QSizeF size = labelSize(*label, font);
            maxLabelWidth = std::max(maxLabelWidth, size.width());
            maxLabelHeight = std::max(maxLabelHeight, size.height());
        }
    }
    return QSizeF(maxFormSize + maxLabelWidth + formToTextSpace(), maxLabelHeight);
}

void Legend::calculateDimensions(const QFont& labelFont, const ViewPortHandler& viewPortHandler)
{
    const QSizeF maxEntry = getMaximumEntrySize(labelFont);
    m_textWidthMax = maxEntry.width();
    m_textHeightMax = maxEntry.height();
    switch (orientation()) {
    case Orientation::horizontal:
        layOutHorizontally(labelFont, viewPortHandler.contentWidth());
        break;
    case Orientation::vertical:
        layOutVertically(labelFont);
        break;
    default:
        chartFatal(QStringLiteral("Unexpected Legend.Orientation value %1")
                       .arg(static_cast<int>(orientation())));
    }
    m_neededWidth += xOffset();
    m_neededHeight += yOffset();
}

// Entries side by side; a run of entries without label stays on one row with the labelled
// entry after it, so a row break inside such a run goes before its first entry.
void Legend::layOutHorizontally(const QFont& labelFont, double contentWidth)
{
    const LegendEntryList all = entries();
    const qsizetype count = all.size();
    const double legendFormSize = formSize();
    const double stack = stackSpace();
    const double formToText = formToTextSpace();
    const double xSpace = xEntrySpace();
    const bool wordWrap = wordWrapEnabled();
    const double lineHeight = fontLineHeight(labelFont);
    const double rowLimit = contentWidth * maxSizePercent();

    if (m_calculatedLabelSizes.size() != count) {
        m_calculatedLabelSizes = QList<QSizeF>(count, QSizeF(0.0, 0.0));
    }
    if (m_calculatedLabelBreakPoints.size() != count) {
        m_calculatedLabelBreakPoints = QList<bool>(count, false);
    }
    m_calculatedLineSizes.clear();

    double rowWidth = 0.0;
    double widestRow = 0.0;
    qsizetype stackStart = -1;
    double required = 0.0;
    for (qsizetype i = 0; i < count; ++i) {
        const LegendEntry& entry = *all[i];
        m_calculatedLabelBreakPoints[i] = false;
        const bool drawsForm = entry.form() != Form::none;
        required = stackStart != -1 ? required + stack : 0.0;
        const std::optional<QString> label = entry.label();
        if (label) {
            const QSizeF size = labelSize(*label, labelFont);
            m_calculatedLabelSizes[i] = size;
            required += (drawsForm ? legendFormSize + formToText : 0.0) + size.width();
        } else {
            m_calculatedLabelSizes[i] = QSizeF(0.0, 0.0);
            required += drawsForm ? legendFormSize : 0.0;
            if (stackStart == -1) {
                stackStart = i;
            }
            if (i != count - 1) {
                continue;
            }
        }

        if (rowWidth == 0.0 || !wordWrap) {
            rowWidth += (rowWidth == 0.0 ? 0.0 : xSpace) + required;
        } else if (rowLimit - rowWidth >= xSpace + required) {
            rowWidth += xSpace + required;
        } else {
            m_calculatedLineSizes.append(QSizeF(rowWidth, lineHeight));
            widestRow = std::max(widestRow, rowWidth);
            m_calculatedLabelBreakPoints[stackStart != -1 ? stackStart : i] = true;
            rowWidth = required;
        }
        if (i == count - 1) {
            m_calculatedLineSizes.append(QSizeF(rowWidth, lineHeight));
            widestRow = std::max(widestRow, rowWidth);
        }
        if (label) {
            stackStart = -1;
        }
    }

    const auto rows = double(m_calculatedLineSizes.size());
    m_neededWidth = widestRow;
    m_neededHeight = rows > 0.0 ? lineHeight * rows + yEntrySpace() * (rows - 1.0) : 0.0;
}

// One labelled entry per line; the forms of entries without label go on a line of their own
// before the label that follows them, each counted twice in the width.
void Legend::layOutVertically(const QFont& labelFont)
{
    const LegendEntryList all = entries();
    const qsizetype count = all.size();
    const double stack = stackSpace();
    const double formToText = formToTextSpace();
    const double lineAdvance = fontLineHeight(labelFont) + yEntrySpace();

    double widest = 0.0;
    double totalHeight = 0.0;
    double width = 0.0;
    bool stacked = false;
    for (qsizetype i = 0; i < count; ++i) {
        const LegendEntry& entry = *all[i];
        const double size = resolvedFormSize(entry);
        const bool drawsForm = entry.form() != Form::none;
        if (!stacked) {
            width = 0.0;
        }
        if (drawsForm) {
            width += (stacked ? stack : 0.0) + size;
        }
        if (const std::optional<QString> label = entry.label()) {
            if (drawsForm && !stacked) {
                width += formToText;
            } else if (stacked) {
                widest = std::max(widest, width);
                totalHeight += lineAdvance;
                width = 0.0;
                stacked = false;
            }
            width += labelSize(*label, labelFont).width();
            totalHeight += lineAdvance;
        } else {
            stacked = true;
            width += size + (i != count - 1 ? stack : 0.0);
        }
        widest = std::max(widest, width);
    }
    m_neededWidth = widest;
    m_neededHeight = totalHeight;
}

void Legend::setCustom(LegendEntryList entries)
{
    setEntries(std::move(entries));
    m_isLegendCustom = true;
}

void Legend::resetCustom()
{
    m_isLegendCustom = false;
}

}
