#include "ChartEngine/foundation/LineDash.h"

#include <QPainterPathStroker>
#include <QPen>

namespace Charts {

namespace {

struct QtDash {
    QList<qreal> pattern;
    qreal offset = 0.0;
};

// The pattern in pen widths; none for a solid line.
std::optional<QtDash> qtDash(double width, double phase,
                             const std::optional<QList<double>>& lengths)
{
    if (!lengths || lengths->isEmpty()) {
        return std::nullopt;
    }
    const double unit = width > 0.0 ? width : 1.0;
    QtDash dash;
    const int repeats = lengths->size() % 2 == 0 ? 1 : 2;
    dash.pattern.reserve(lengths->size() * repeats);
    for (int r = 0; r < repeats; ++r) {
        for (double length : *lengths) {
            dash.pattern.append(length / unit);
        }
    }
    dash.offset = phase / unit;
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
