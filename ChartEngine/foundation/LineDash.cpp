#include "ChartEngine/foundation/LineDash.h"

#include <QPainterPathStroker>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace Charts {

namespace {

struct QtDash {
    QList<qreal> pattern;
    qreal offset = 0.0;
};

// The longest dash or gap, in points: far longer than any line a view shows. Qt's dash stroker
// loses its way in patterns whose lengths lie many orders of magnitude apart (a gap of 1e300
// beside a dash of 39 kept it busy for minutes), so a longer length counts as this one.
constexpr double longestDash = 1.0e6;

// A length that a dash can have: positive and finite, in points and in pen widths. Qt never
// finishes a pattern with a NaN in it, and one of zero or negative lengths has no dash to end.
bool isDashLength(double length, double unit)
{
    return std::isfinite(length) && length > 0.0 && std::isfinite(length / unit) && length / unit > 0.0;
}

// The pattern in points, an odd one repeated once; none for a solid line, which is also what a
// pattern with a length that no dash can have draws.
std::optional<QList<double>> dashPattern(double unit, const std::optional<QList<double>>& lengths)
{
    if (!lengths || lengths->isEmpty()) {
        return std::nullopt;
    }
    QList<double> pattern;
    const int repeats = lengths->size() % 2 == 0 ? 1 : 2;
    pattern.reserve(lengths->size() * repeats);
    for (int r = 0; r < repeats; ++r) {
        for (double length : *lengths) {
            if (!isDashLength(length, unit)) {
                return std::nullopt;
            }
            pattern.append(std::min(length, longestDash));
        }
    }
    return pattern;
}

double unitOf(double width)
{
    return width > 0.0 && std::isfinite(width) ? width : 1.0;
}

// The pattern in pen widths, and the phase within one period.
std::optional<QtDash> qtDash(double width, double phase,
                             const std::optional<QList<double>>& lengths)
{
    const double unit = unitOf(width);
    const std::optional<QList<double>> pattern = dashPattern(unit, lengths);
    if (!pattern) {
        return std::nullopt;
    }
    QtDash dash;
    for (const double length : *pattern) {
        dash.pattern.append(length / unit);
    }
    const double period = dashPeriod(lengths);
    const double offset = std::isfinite(phase) ? std::fmod(phase, period) / unit : 0.0;
    dash.offset = std::isfinite(offset) ? offset : 0.0;
    return dash;
}

}

double dashPeriod(const std::optional<QList<double>>& lengths)
{
    const std::optional<QList<double>> pattern = dashPattern(1.0, lengths);
    double period = 0.0;
    for (const double length : pattern.value_or(QList<double>())) {
        period += length;
    }
    return period;
}

void applyLineDash(QPen& pen, double phase, const std::optional<QList<double>>& lengths)
{
    const std::optional<QtDash> dash = qtDash(pen.widthF(), phase, lengths);
    if (!dash) {
        pen.setStyle(Qt::SolidLine);
        return;
    }
    pen.setDashPattern(dash->pattern);
    pen.setDashOffset(dash->offset);
}

void applyLineDash(QPainterPathStroker& stroker, double width, double phase,
                   const std::optional<QList<double>>& lengths)
{
    const std::optional<QtDash> dash = qtDash(width, phase, lengths);
    if (!dash) {
        stroker.setDashPattern(Qt::SolidLine);
        return;
    }
    stroker.setDashPattern(dash->pattern);
    stroker.setDashOffset(dash->offset);
}

}
