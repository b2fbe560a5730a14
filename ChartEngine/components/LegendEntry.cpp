#include "ChartEngine/components/LegendEntry.h"

namespace Charts {

LegendEntry::LegendEntry(std::optional<QString> label)
    : m_label(std::move(label))
{
}

}
