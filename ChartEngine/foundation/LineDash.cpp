#include "ChartEngine/foundation/LineDash.h"

#include <QPainterPathStroker>
#include <QPen>

#include <cmath>

namespace Charts {

namespace {

struct QtDash {
    QList<qreal> pattern;
    qreal offset = 0.0;
};

// A length that a dash can have: positive and finite, in points and in pen widths. Qt never
// finishes a pattern with a NaN in it, and one of zero or negative lengths has no dash to end.
bool isDashLength(double length, double unit)
{
    return std::isfinite(length) && length > 0.0 && std::isfinite(length / unit) && length / unit > 0.0;
}

// The pattern in pen widths; none for a solid line, which is also what a pattern with a length
// that no dash can have draws.
std::optional<QtDash> qtDash(double width, double phase,
                             const std::optional<QList<double>>& lengths)
{
    if (!lengths || lengths->isEmpty()) {
        return std::nullopt;
    }
    const double unit = width > 0.0 && std::isfinite(width) ? width : 1.0;
    QtDash dash;
    const int repeats = lengths->size() % 2 == 0 ? 1 : 2;
    dash.pattern.reserve(lengths->size() * repeats);
    for (int r = 0; r < repeats; ++r) {
        for (double length : *lengths) {
            if (!isDashLength(length, unit)) {
                return std::nullopt;
            }
            dash.pattern.append(length / unit);
        }
    }
    dash.offset = std::isfinite(phase / unit) ? phase / unit : 0.0;
    return dash;
}

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
