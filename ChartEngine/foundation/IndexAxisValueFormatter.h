#pragma once

#include "ChartEngine/foundation/AxisValueFormatter.h"

#include <QStringList>
#include <memory>

namespace Charts {

// Axis labels taken from a list by index: a value shows the label of the index it rounds to
// (halves away from zero) when it lies less than one half above that whole index; any other
// value, and one that is not finite, shows the empty text.
class IndexAxisValueFormatter : public AxisValueFormatter {
public:
    IndexAxisValueFormatter() = default;
    explicit IndexAxisValueFormatter(QStringList values);

    static std::shared_ptr<IndexAxisValueFormatter> withValues(QStringList values);

    const QStringList& values() const { return m_values; }
    void setValues(QStringList values) { m_values = std::move(values); }

    QString stringForValue(double value, const AxisBase* axis) const override;

private:
    QStringList m_values;
};

}
