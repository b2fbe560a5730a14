#include "GalleryPage.h"

#include "ChartEngine/data/ChartDataEntry.h"
#include "ChartEngine/data/LineChartData.h"
#include "ChartEngine/data/LineChartDataSet.h"
#include "ChartEngine/views/LineChartView.h"

#include <cmath>

namespace {

std::unique_ptr<QWidget> waveLine()
{
    Charts::ChartDataEntryList entries;
    for (int i = 0; i <= 60; ++i) {
        entries << std::make_shared<Charts::ChartDataEntry>(i, 50 + 30 * std::sin(i / 6.0));
    }
    auto dataSet = std::make_shared<Charts::LineChartDataSet>(entries, QStringLiteral("Wave"));
    auto view = std::make_unique<Charts::LineChartView>();
    view->setData(std::make_shared<Charts::LineChartData>(Charts::ChartDataSetList{dataSet}));
    view->highlightValue(12, 0, -1);
    return view;
}

const Gallery::Registration registration{{
    {QStringLiteral("Line"), waveLine},
}};

}
