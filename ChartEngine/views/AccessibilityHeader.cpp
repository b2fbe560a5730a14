#include "ChartEngine/views/AccessibilityHeader.h"

#include "ChartEngine/components/Description.h"
#include "ChartEngine/data/ChartData.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/views/ChartViewBase.h"

#include <QStringList>

namespace Charts {

std::shared_ptr<NSUIAccessibilityElement> makeAccessibilityHeader(const ChartViewBase& chart,
                                                                   const ChartData& data,
                                                                   const QString& defaultDescription)
{
    const auto description = chart.chartDescription();
    const QString name = description && description->text() ? *description->text() : defaultDescription;
    const qint64 count = data.dataSetCount();
    QStringList labels;
    for (const auto& dataSet : data.dataSets()) {
        labels.append(dataSet->label().value_or(QString()));
    }
    auto element = chart.accessibilityHeaderElement();
    element->setAccessibilityLabel(name + QStringLiteral(". ") + QString::number(count)
                                   + (count == 1 ? QStringLiteral(" dataset") : QStringLiteral(" datasets"))
                                   + QStringLiteral(". ") + labels.join(QStringLiteral(", ")));
    element->setAccessibilityFrame(chart.bounds());
    return element;
}

qint64 indexOfDataSet(const ChartData& data, const ChartDataSetProtocol& dataSet)
{
    const auto& dataSets = data.dataSets();
    for (qsizetype i = 0; i < dataSets.size(); ++i) {
        if (dataSets.at(i).get() == &dataSet) {
            return i;
        }
    }
    return -1;
}

}
