#pragma once

#include "ChartEngine/components/AxisDependency.h"
#include "ChartEngine/views/ChartDataProvider.h"

#include <memory>

namespace Charts {

class Transformer;

// What the x-y renderers and highlighters read of a chart beyond the base: the transformer and
// inversion of each y axis and the visible x range. Inherited virtually: a combined chart
// implements several providers that share this base.
class BarLineScatterCandleBubbleChartDataProvider : public virtual ChartDataProvider {
public:
    virtual std::shared_ptr<Transformer> getTransformer(AxisDependency axis) const = 0;
    virtual bool isInverted(AxisDependency axis) const = 0;
    virtual double lowestVisibleX() const = 0;
    virtual double highestVisibleX() const = 0;
};

}
