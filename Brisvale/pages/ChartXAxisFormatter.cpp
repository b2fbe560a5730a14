#include "Brisvale/pages/ChartXAxisFormatter.h"

#include "Brisvale/platform/DatePattern.h"

#include <QDateTime>
#include <cmath>

QString ChartXAxisFormatter::stringForValue(double value, const Charts::AxisBase* axis) const
{
    Q_UNUSED(axis);
    if (!dateFormatter || !referenceTimeInterval) {
        return QString();
    }
    const double seconds = *referenceTimeInterval + value * 3600.0 * 24.0;
    constexpr double farthest = 1.0e13; // beyond any date a label could show
    if (!std::isfinite(seconds) || std::fabs(seconds) > farthest) {
        return QString();
    }
    return dateFormatter->text(QDateTime::fromMSecsSinceEpoch(std::llround(seconds * 1000.0)));
}

QString ChartXAxisFormatter::DateFormatter::text(const QDateTime& moment) const
{
    if (pattern.isEmpty()) {
        return locale.toString(moment.date(), QLocale::ShortFormat);
    }
    return DatePattern::format(moment, pattern, locale);
}
