#include "ChartEngine/components/CombinedHighlighter.h"

#include "ChartEngine/components/BarHighlighter.h"
#include "ChartEngine/data/BarChartData.h"
#include "ChartEngine/data/CombinedChartData.h"
#include "ChartEngine/views/CombinedChartDataProvider.h"

namespace Charts {

CombinedHighlighter::CombinedHighlighter(QObject* chart, QObject* barDataProvider)
    : ChartHighlighter(chart)
{
    const auto* bars = dynamic_cast<const BarChartDataProvider*>(barDataProvider);
    if (bars && bars->barData()) {
        m_barHighlighter = std::make_shared<BarHighlighter>(barDataProvider);
    }
}

CombinedHighlighter::~CombinedHighlighter() = default;

HighlightList CombinedHighlighter::getHighlights(double xValue, double x, double y) const
{
    HighlightList highlights;
    const auto* provider = dynamic_cast<const CombinedChartDataProvider*>(chart());
    const auto combined = provider ? provider->combinedData() : nullptr;
    if (!combined) {
        return highlights;
    }
    const QList<std::shared_ptr<ChartData>> allData = combined->allData();
    for (qsizetype i = 0; i < allData.size(); ++i) {
        const auto bar = m_barHighlighter && std::dynamic_pointer_cast<BarChartData>(allData[i])
            ? m_barHighlighter->getHighlight(x, y)
            : nullptr;
        const HighlightList found = bar ? HighlightList{bar} : highlightsOfDataSets(*allData[i], xValue);
        for (const auto& highlight : found) {
            highlight->setDataIndex(i);
        }
        highlights.append(found);
    }
    return highlights;
}

}
