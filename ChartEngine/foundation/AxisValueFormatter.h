#pragma once

#include <QString>

namespace Charts {

class AxisBase;

// Writes one axis label.
class AxisValueFormatter {
public:
    virtual ~AxisValueFormatter() = default;

    // `axis` is the axis asking for the label; it may be null.
    virtual QString stringForValue(double value, const AxisBase* axis) const = 0;
};

}
