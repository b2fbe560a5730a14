#pragma once

#include "ChartEngine/data/ChartDataEntry.h"

#include <initializer_list>
#include <memory>
#include <utility>

namespace Charts::Testing {

inline std::shared_ptr<ChartDataEntry> entry(double x, double y)
{
    return std::make_shared<ChartDataEntry>(x, y);
}

// Entries from (x, y) pairs, in the order given.
inline ChartDataEntryList entries(std::initializer_list<std::pair<double, double>> points)
{
    ChartDataEntryList list;
    for (const auto& [x, y] : points) {
        list.append(entry(x, y));
    }
    return list;
}

}
