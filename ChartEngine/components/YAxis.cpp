#include "ChartEngine/components/YAxis.h"

#include "ChartEngine/foundation/DrawingUtils.h"

#include <algorithm>
#include <cmath>

namespace Charts {

YAxis::YAxis()
    : YAxis(AxisDependency::left)
{
}

YAxis::YAxis(AxisDependency position)
    : m_axisDependency(position)
{
    setYOffset(0.0);
}

QSizeF YAxis::requiredSize()
{
    TextAttributes attributes;
    attributes.font = labelFont();
    const QSizeF label = textSize(getLongestLabel(), attributes);
    double width = label.width() + xOffset() * 2.0;
    const double height = label.height() + yOffset() * 2.0;
    if (maxWidth() > 0.0) {
        width = std::min(width, maxWidth());
    }
    width = std::max(minWidth(), width);
    return QSizeF(width, height);
}

double YAxis::getRequiredHeightSpace()
{
    return requiredSize().height();
}

bool YAxis::needsOffset() const
{
    return isEnabled() && isDrawLabelsEnabled() && labelPosition() == LabelPosition::outside;
}

void YAxis::calculate(double dataMin, double dataMax)
{
    const bool minCustom = isAxisMinCustom();
    const bool maxCustom = isAxisMaxCustom();
    double min = minCustom ? axisMinimum() : dataMin;
    double max = maxCustom ? axisMaximum() : dataMax;
    if (min > max && !(minCustom && maxCustom)) {
        // Only a fixed end can repair the order; two free ends stay as they are.
        if (maxCustom) {
            min = max < 0.0 ? max * 1.5 : max * 0.5;
        } else if (minCustom) {
            max = min < 0.0 ? min * 0.5 : min * 1.5;
        }
    }
    const double range = std::abs(max - min);
    if (max - min == 0.0) {
        if (!minCustom) {
            min -= 1.0;
        }
        if (!maxCustom) {
            max += 1.0;
        }
    }
    const double lower = minCustom ? axisMinimum() : min - range * spaceBottom();
    const double upper = maxCustom ? axisMaximum() : max + range * spaceTop();
    storeRange(lower, upper);
}

}
