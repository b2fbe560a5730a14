#include "ChartEngine/data/ChartBaseDataSet.h"

#include "ChartEngine/data/RuntimeClassName.h"
#include "ChartEngine/foundation/ChartColors.h"
#include "ChartEngine/foundation/ChartFatal.h"
#include "ChartEngine/foundation/DefaultValueFormatter.h"

#include <limits>

namespace Charts {

namespace {

[[noreturn]] void notImplemented(const char* member)
{
    chartFatal(QStringLiteral("Fatal error: %1 is not implemented in ChartBaseDataSet").arg(QLatin1String(member)));
}

// The list's colour at index, the lists repeating; a negative index counts as 0.
std::optional<QColor> cyclicColor(const QList<QColor>& list, qint64 index)
{
    if (list.isEmpty()) {
        return std::nullopt;
    }
    return list.at(static_cast<qsizetype>((index < 0 ? 0 : index) % list.size()));
}

}

ChartBaseDataSet::ChartBaseDataSet()
    : m_colors{ChartColors::dataSet()}
    , m_valueColors{ChartColors::label()}
    , m_valueFont(systemFont(7))
{
}

ChartBaseDataSet::ChartBaseDataSet(const std::optional<QString>& label)
    : ChartBaseDataSet()
{
    m_label = label;
}

void ChartBaseDataSet::notifyDataSetChanged()
{
    calcMinMax();
}

void ChartBaseDataSet::calcMinMax()
{
    notImplemented("calcMinMax");
}

void ChartBaseDataSet::calcMinMaxY(double, double)
{
    notImplemented("calcMinMaxY(fromX:, toX:)");
}

double ChartBaseDataSet::yMin() const
{
    notImplemented("yMin");
}

double ChartBaseDataSet::yMax() const
{
    notImplemented("yMax");
}

double ChartBaseDataSet::xMin() const
{
    notImplemented("xMin");
}

double ChartBaseDataSet::xMax() const
{
    notImplemented("xMax");
}

qint64 ChartBaseDataSet::entryCount() const
{
    notImplemented("entryCount");
}

std::shared_ptr<ChartDataEntry> ChartBaseDataSet::entryForIndex(qint64) const
{
    notImplemented("entryForIndex");
}

std::shared_ptr<ChartDataEntry> ChartBaseDataSet::entryForXValue(double, double, ChartDataSetRounding) const
{
    notImplemented("entryForXValue(x, closestToY, rounding)");
}

std::shared_ptr<ChartDataEntry> ChartBaseDataSet::entryForXValue(double, double) const
{
    notImplemented("entryForXValue(x, closestToY)");
}

ChartDataEntryList ChartBaseDataSet::entriesForXValue(double) const
{
    notImplemented("entriesForXValue");
}

qint64 ChartBaseDataSet::entryIndex(double, double, ChartDataSetRounding) const
{
    notImplemented("entryIndex(x, closestToY, rounding)");
}

qint64 ChartBaseDataSet::entryIndex(const std::shared_ptr<ChartDataEntry>&) const
{
    notImplemented("entryIndex(entry)");
}

bool ChartBaseDataSet::addEntry(const std::shared_ptr<ChartDataEntry>&)
{
    notImplemented("addEntry");
}

bool ChartBaseDataSet::addEntryOrdered(const std::shared_ptr<ChartDataEntry>&)
{
    notImplemented("addEntryOrdered");
}

bool ChartBaseDataSet::removeEntry(const std::shared_ptr<ChartDataEntry>&)
{
    notImplemented("removeEntry");
}

void ChartBaseDataSet::clear()
{
    notImplemented("clear");
}

bool ChartBaseDataSet::removeEntryWithIndex(qint64 index)
{
    const auto entry = entryForIndex(index);
    return entry ? removeEntry(entry) : false;
}

bool ChartBaseDataSet::removeEntryWithX(double x)
{
    const auto entry = entryForXValue(x, std::numeric_limits<double>::quiet_NaN());
    return entry ? removeEntry(entry) : false;
}

bool ChartBaseDataSet::removeFirst()
{
    if (entryCount() == 0) {
        return false;
    }
    const auto entry = entryForIndex(0);
    return entry ? removeEntry(entry) : false;
}

bool ChartBaseDataSet::removeLast()
{
    if (entryCount() == 0) {
        return false;
    }
    const auto entry = entryForIndex(entryCount() - 1);
    return entry ? removeEntry(entry) : false;
}

bool ChartBaseDataSet::contains(const std::shared_ptr<ChartDataEntry>& entry) const
{
    return entryIndex(entry) != -1;
}

QList<QColor> ChartBaseDataSet::colors() const
{
    return m_colors;
}

void ChartBaseDataSet::setColors(const QList<QColor>& colors)
{
    m_colors = colors;
}

QColor ChartBaseDataSet::colorAtIndex(qint64 index) const
{
    return cyclicColor(m_colors, index).value_or(ChartColors::dataSet());
}

void ChartBaseDataSet::resetColors()
{
    m_colors.clear();
}

void ChartBaseDataSet::addColor(const QColor& color)
{
    m_colors.append(color);
}

void ChartBaseDataSet::setColor(const QColor& color)
{
    m_colors = {color};
}

void ChartBaseDataSet::setColor(const QColor& color, double alpha)
{
    setColors({color}, alpha);
}

void ChartBaseDataSet::setColors(const QList<QColor>& colors, double alpha)
{
    m_colors.clear();
    for (QColor color : colors) {
        color.setAlphaF(static_cast<float>(alpha));
        m_colors.append(color);
    }
}

QList<QColor> ChartBaseDataSet::valueColors() const
{
    return m_valueColors;
}

void ChartBaseDataSet::setValueColors(const QList<QColor>& colors)
{
    m_valueColors = colors;
}

QColor ChartBaseDataSet::valueTextColor() const
{
    return m_valueColors.isEmpty() ? ChartColors::label() : m_valueColors.first();
}

void ChartBaseDataSet::setValueTextColor(const QColor& color)
{
    m_valueColors = {color};
}

QColor ChartBaseDataSet::valueTextColorAt(qint64 index) const
{
    return cyclicColor(m_valueColors, index).value_or(ChartColors::label());
}

std::optional<QString> ChartBaseDataSet::label() const
{
    return m_label;
}

void ChartBaseDataSet::setLabel(const std::optional<QString>& label)
{
    m_label = label;
}

AxisDependency ChartBaseDataSet::axisDependency() const
{
    return m_axisDependency;
}

void ChartBaseDataSet::setAxisDependency(AxisDependency axis)
{
    m_axisDependency = axis;
}

bool ChartBaseDataSet::isHighlightEnabled() const
{
    return m_highlightEnabled;
}

void ChartBaseDataSet::setHighlightEnabled(bool enabled)
{
    m_highlightEnabled = enabled;
}

std::shared_ptr<ValueFormatter> ChartBaseDataSet::valueFormatter() const
{
    if (!m_valueFormatter) {
        m_valueFormatter = std::make_shared<DefaultValueFormatter>();
    }
    return m_valueFormatter;
}

void ChartBaseDataSet::setValueFormatter(std::shared_ptr<ValueFormatter> formatter)
{
    m_valueFormatter = std::move(formatter);
}

QFont ChartBaseDataSet::valueFont() const
{
    return m_valueFont;
}

void ChartBaseDataSet::setValueFont(const QFont& font)
{
    m_valueFont = font;
}

double ChartBaseDataSet::valueLabelAngle() const
{
    return m_valueLabelAngle;
}

void ChartBaseDataSet::setValueLabelAngle(double degrees)
{
    m_valueLabelAngle = degrees;
}

LegendForm ChartBaseDataSet::form() const
{
    return m_form;
}

void ChartBaseDataSet::setForm(LegendForm form)
{
    m_form = form;
}

double ChartBaseDataSet::formSize() const
{
    return m_formSize;
}

void ChartBaseDataSet::setFormSize(double size)
{
    m_formSize = size;
}

double ChartBaseDataSet::formLineWidth() const
{
    return m_formLineWidth;
}

void ChartBaseDataSet::setFormLineWidth(double width)
{
    m_formLineWidth = width;
}

double ChartBaseDataSet::formLineDashPhase() const
{
    return m_formLineDashPhase;
}

void ChartBaseDataSet::setFormLineDashPhase(double phase)
{
    m_formLineDashPhase = phase;
}

std::optional<QList<double>> ChartBaseDataSet::formLineDashLengths() const
{
    return m_formLineDashLengths;
}

void ChartBaseDataSet::setFormLineDashLengths(std::optional<QList<double>> lengths)
{
    m_formLineDashLengths = std::move(lengths);
}

bool ChartBaseDataSet::isDrawValuesEnabled() const
{
    return m_drawValuesEnabled;
}

void ChartBaseDataSet::setDrawValuesEnabled(bool enabled)
{
    m_drawValuesEnabled = enabled;
}

bool ChartBaseDataSet::isDrawIconsEnabled() const
{
    return m_drawIconsEnabled;
}

void ChartBaseDataSet::setDrawIconsEnabled(bool enabled)
{
    m_drawIconsEnabled = enabled;
}

QPointF ChartBaseDataSet::iconsOffset() const
{
    return m_iconsOffset;
}

void ChartBaseDataSet::setIconsOffset(const QPointF& offset)
{
    m_iconsOffset = offset;
}

bool ChartBaseDataSet::isVisible() const
{
    return m_visible;
}

void ChartBaseDataSet::setVisible(bool visible)
{
    m_visible = visible;
}

QString ChartBaseDataSet::description() const
{
    return QStringLiteral("%1, label: %2, %3 entries")
        .arg(runtimeClassName(typeid(*this)), m_label.value_or(QString()), QString::number(entryCount()));
}

QString ChartBaseDataSet::debugDescription() const
{
    QString text = description() + QLatin1Char(':');
    const qint64 count = entryCount();
    for (qint64 i = 0; i < count; ++i) {
        const auto entry = entryForIndex(i);
        text += QLatin1Char('\n') + (entry ? entry->description() : QString());
    }
    return text;
}

std::shared_ptr<ChartBaseDataSet> ChartBaseDataSet::copy() const
{
    auto target = makeEmpty();
    copyTo(*target);
    return target;
}

std::shared_ptr<ChartBaseDataSet> ChartBaseDataSet::makeEmpty() const
{
    return std::make_shared<ChartBaseDataSet>();
}

void ChartBaseDataSet::copyTo(ChartBaseDataSet& target) const
{
    target.m_colors = m_colors;
    target.m_valueColors = m_valueColors;
    target.m_label = m_label;
    target.m_axisDependency = m_axisDependency;
    target.m_highlightEnabled = m_highlightEnabled;
    target.m_valueFormatter = valueFormatter();
    target.m_valueFont = m_valueFont;
    target.m_form = m_form;
    target.m_formSize = m_formSize;
    target.m_formLineWidth = m_formLineWidth;
    target.m_formLineDashPhase = m_formLineDashPhase;
    target.m_formLineDashLengths = m_formLineDashLengths;
    target.m_drawValuesEnabled = m_drawValuesEnabled;
    target.m_drawIconsEnabled = m_drawIconsEnabled;
    target.m_iconsOffset = m_iconsOffset;
    target.m_visible = m_visible;
}

}
