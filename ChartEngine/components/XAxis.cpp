#include "ChartEngine/components/XAxis.h"

namespace Charts {

XAxis::XAxis()
{
    setYOffset(4.0);
}

}
