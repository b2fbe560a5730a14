#pragma once

#include <QString>

#include <typeinfo>

namespace Charts {

// The name of an engine class as its descriptions show it: the C++ class name without its
// namespace ("LineChartDataSet").
QString runtimeClassName(const std::type_info& type);

}
