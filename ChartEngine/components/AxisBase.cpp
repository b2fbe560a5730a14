#include "ChartEngine/components/AxisBase.h"

#include "ChartEngine/components/ChartLimitLine.h"
#include "ChartEngine/foundation/DefaultAxisValueFormatter.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>

namespace Charts {

namespace {

// Below the combining marks every code unit but a carriage return is a character of its own.
bool isOneUnitPerCharacter(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.unicode() < 0x300 && c != u'\r'; });
}

// User-perceived characters: a flag or an accented letter made of several code points is one.
qsizetype graphemeCount(const QString& text)
{
    if (isOneUnitPerCharacter(text)) {
        return text.size();
    }
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype count = 0;
    while (finder.toNextBoundary() > 0) {
        ++count;
    }
    return count;
}

}

QColor AxisBase::grayGridColor()
{
    QColor color = ChartColors::gray();
    color.setAlphaF(0.9f);
    return color;
}

bool AxisBase::centerAxisLabelsEnabled() const
{
    return m_centerAxisLabelsEnabled && entryCount() > 0;
}

void AxisBase::setGranularity(double granularity)
{
    m_granularity = granularity;
    setGranularityEnabled(true);
}

QString AxisBase::getFormattedLabel(qint64 index)
{
    if (index < 0 || index >= entryCount()) {
        return QString();
    }
    return valueFormatter()->stringForValue(entries().at(index), this);
}

QString AxisBase::getLongestLabel()
{
    const QList<double> values = entries();
    if (values.isEmpty()) {
        return QString();
    }
    // The formatter is read once for all labels, as getFormattedLabel would read it.
    const std::shared_ptr<AxisValueFormatter> formatter = valueFormatter();
    QString longest;
    qsizetype longestLength = -1;
    for (double value : values) {
        QString label = formatter->stringForValue(value, this);
        const qsizetype length = graphemeCount(label);
        if (length > longestLength) {
            longest = std::move(label);
            longestLength = length;
        }
    }
    return longest;
}

std::shared_ptr<AxisValueFormatter> AxisBase::valueFormatter()
{
    if (!m_axisValueFormatter) {
        m_axisValueFormatter = std::make_shared<DefaultAxisValueFormatter>(decimals());
    }
    auto* automatic = dynamic_cast<DefaultAxisValueFormatter*>(m_axisValueFormatter.get());
    if (automatic && automatic->hasAutoDecimals() && automatic->decimals() != decimals()) {
        automatic->setDecimals(decimals());
    }
    return m_axisValueFormatter;
}

void AxisBase::setValueFormatter(std::shared_ptr<AxisValueFormatter> formatter)
{
    if (!formatter) {
        formatter = std::make_shared<DefaultAxisValueFormatter>(decimals());
    }
    m_axisValueFormatter = std::move(formatter);
}

void AxisBase::setAxisMinLabels(qint64 count)
{
    if (count > 0) {
        m_axisMinLabels = std::min(count, labelCountCeiling);
    }
}

void AxisBase::setAxisMaxLabels(qint64 count)
{
    if (count > 0) {
        m_axisMaxLabels = std::min(count, labelCountCeiling);
    }
}

void AxisBase::setLabelCount(qint64 count)
{
    // The bounds as read (an override may answer more than the setters store), the ceiling over
    // both, and the maximum over the minimum.
    const qint64 most = std::min(axisMaxLabels(), labelCountCeiling);
    const qint64 least = std::min(axisMinLabels(), most);
    if (count > most) {
        count = most;
    } else if (count < least) {
        count = least;
    }
    m_labelCount = count;
    setForceLabelsEnabled(false);
}

void AxisBase::setLabelCount(qint64 count, bool force)
{
    setLabelCount(count);
    setForceLabelsEnabled(force);
}

void AxisBase::addLimitLine(std::shared_ptr<ChartLimitLine> line)
{
    m_limitLines.append(std::move(line));
}

void AxisBase::removeLimitLine(const std::shared_ptr<ChartLimitLine>& line)
{
    const qsizetype index = m_limitLines.indexOf(line);
    if (index >= 0) {
        m_limitLines.removeAt(index);
    }
}

void AxisBase::removeAllLimitLines()
{
    m_limitLines.clear();
}

void AxisBase::setAxisMinimum(double minimum)
{
    m_customAxisMin = true;
    m_axisMinimum = minimum;
    setAxisRange(std::abs(axisMaximum() - minimum));
}

void AxisBase::setAxisMaximum(double maximum)
{
    m_customAxisMax = true;
    m_axisMaximum = maximum;
    setAxisRange(std::abs(maximum - axisMinimum()));
}

void AxisBase::calculate(double dataMin, double dataMax)
{
    double min = isAxisMinCustom() ? axisMinimum() : dataMin - spaceMin();
    double max = isAxisMaxCustom() ? axisMaximum() : dataMax + spaceMax();
    if (max - min == 0.0) {
        min -= 1.0;
        max += 1.0;
    }
    storeRange(min, max);
}

void AxisBase::storeRange(double lower, double upper)
{
    m_axisMinimum = lower;
    m_axisMaximum = upper;
    setAxisRange(std::abs(upper - lower));
}

}
