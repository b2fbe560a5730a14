#include "ChartEngine/views/PointAccessibility.h"

#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/data/ChartData.h"
#include "ChartEngine/data/ChartDataEntry.h"
#include "ChartEngine/data/ChartDataSetProtocol.h"
#include "ChartEngine/data/ShortestNumberText.h"
#include "ChartEngine/foundation/AxisValueFormatter.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/foundation/ValueFormatter.h"
#include "ChartEngine/views/AccessibilityHeader.h"
#include "ChartEngine/views/ChartViewBase.h"

namespace Charts {

bool pointTextNamesDataSet(const ChartViewBase& view, const ChartData& kindData)
{
    return kindData.dataSetCount() >= 2 || view.data().get() != &kindData;
}

std::optional<PointSource> pointSourceOf(ChartViewBase* view, const ChartData* kindData,
                                         const ChartDataSetProtocol& dataSet, qint64 kindSetIndex,
                                         const ViewPortHandler* viewPortHandler)
{
    if (!view || !kindData) {
        return std::nullopt;
    }
    const qint64 viewSetIndex = view->data() ? indexOfDataSet(*view->data(), dataSet) : -1;
    return PointSource{*view, *kindData, dataSet, kindSetIndex, viewSetIndex, viewPortHandler};
}

QString pointXText(const ChartViewBase& view, double x)
{
    const auto xAxis = view.xAxis();
    const auto formatter = xAxis->valueFormatter();
    return formatter ? formatter->stringForValue(x, xAxis.get()) : shortestNumberText(x);
}

QString pointValueText(const PointSource& source, double value, const ChartDataEntry* entry)
{
    const auto formatter = source.dataSet.valueFormatter();
    return formatter ? formatter->stringForValue(value, entry, source.kindSetIndex, source.viewPortHandler)
                     : QString();
}

QString pointText(const PointSource& source, const ChartDataEntry& entry)
{
    const QString xText = pointXText(source.view, entry.x());
    const QString yText = pointValueText(source, entry.y(), &entry);
    const QString prefix = pointTextNamesDataSet(source.view, source.kindData)
        ? source.dataSet.label().value_or(QString()) + QStringLiteral(", ")
        : QString();
    return prefix + QStringLiteral(" ") + xText + QStringLiteral(": ") + yText;
}

std::shared_ptr<NSUIAccessibilityElement> makePointElement(const PointSource& source, qint64 j, const QRectF& frame,
                                                           const QString& suffix)
{
    auto element = source.view.accessibilityElement(source.viewSetIndex, j);
    const auto entry = source.dataSet.entryForIndex(j);
    if (!entry) {
        return element;
    }
    element->setAccessibilityLabel(pointText(source, *entry) + suffix);
    element->setAccessibilityFrame(frame);
    return element;
}

}
