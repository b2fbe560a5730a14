#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

namespace Charts {

class ChartData;
class ChartDataSetProtocol;
class ChartViewBase;
class NSUIAccessibilityElement;

// The element that describes a whole chart to assistive technology, the first of a renderer's
// elements: the chart's header element (ChartViewBase::accessibilityHeaderElement), the same
// across drawings, its frame set to the view's bounds. Its label reads "<description>. <n> dataset(s). <labels>": the
// chart's description text when one is set (an empty text counts as set), else
// `defaultDescription`; "dataset" without the "s" only for one data set; the data sets' labels
// (an empty text for a set without one) joined by ", ".
std::shared_ptr<NSUIAccessibilityElement> makeAccessibilityHeader(const ChartViewBase& chart,
                                                                   const ChartData& data,
                                                                   const QString& defaultDescription);

// The index of a data set in the data, found by identity (an element names its entry by it);
// -1 when the data does not hold it.
qint64 indexOfDataSet(const ChartData& data, const ChartDataSetProtocol& dataSet);

}
