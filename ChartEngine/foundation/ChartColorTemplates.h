#pragma once

#include <QColor>
#include <QList>
#include <QString>

namespace Charts {

// Ready-made colour lists for data sets (one colour per entry in turn) and a parser of colours
// written as text. Every list is opaque and new on every call.
class ChartColorTemplates {
public:
    static QList<QColor> liberty();
    static QList<QColor> joyful();
    static QList<QColor> pastel();
    static QList<QColor> colorful();
    static QList<QColor> vordiplom();
    // Four colours; the other lists have five.
    static QList<QColor> material();

    // A colour written as "#rgb", "#rrggbb" or "#aarrggbb" (hex digits, any case),
    // "rgb(r, g, b)", "rgba(r, g, b, alpha)" or "argb(alpha, r, g, b)" (whole components out of
    // 255, alpha a fraction; case does not matter). A "#" form with another digit count or a
    // character that is not a hex digit gives opaque black; any other text the clear colour.
    // In the other forms a component that is missing or unreadable keeps its start value (0, and
    // 1 for alpha) and the reading goes on; components beyond 0 to 255 stay beyond 0 to 1
    // (an extended colour), alpha is held to 0 to 1.
    static QColor colorFromString(const QString& text);

private:
    static QColor fromHexDigits(const QString& digits);
    static QColor fromRgba(const QString& text);
    static QColor fromArgb(const QString& text);
    static QColor fromRgb(const QString& text);
};

}
