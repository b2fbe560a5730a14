#include "ChartEngine/views/AccessibilityHeader.h"

#include "ChartEngine/foundation/NSUIAccessibilityElement.h"

namespace Charts {

std::shared_ptr<NSUIAccessibilityElement> makeAccessibilityHeader(const ChartViewBase&, const ChartData&,
                                                                   const QString&)
{
    return nullptr;
}

}
