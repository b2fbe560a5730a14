#pragma once

#include <QPointF>
#include <QtGlobal>

#include <memory>

namespace Charts {

class ChartData;

// What renderers, highlighters, markers and fill formatters read of a chart. The chart views
// answer it; the interfaces of the x-y and line charts extend it.
class ChartDataProvider {
public:
    virtual ~ChartDataProvider() = default;

    virtual double chartXMin() const = 0;
    virtual double chartXMax() const = 0;
    virtual double chartYMin() const = 0;
    virtual double chartYMax() const = 0;
    virtual double maxHighlightDistance() const = 0;
    virtual double xRange() const = 0;
    virtual QPointF centerOffsets() const = 0;
    virtual std::shared_ptr<ChartData> data() const = 0;
    virtual qint64 maxVisibleCount() const = 0;
};

}
