#include "GalleryPage.h"

#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/data/BarChartData.h"
#include "ChartEngine/data/BarChartDataEntry.h"
#include "ChartEngine/data/BarChartDataSet.h"
#include "ChartEngine/data/CombinedChartData.h"
#include "ChartEngine/data/LineChartData.h"
#include "ChartEngine/data/LineChartDataSet.h"
#include "ChartEngine/data/ScatterChartData.h"
#include "ChartEngine/data/ScatterChartDataSet.h"
#include "ChartEngine/types/CombinedChartView.h"

#include <cmath>

namespace {

// Monthly bars, their running mean as a line and a few outliers as points, over one pair of axes.
std::unique_ptr<QWidget> barsLineAndPoints()
{
    Charts::ChartDataEntryList bars;
    Charts::ChartDataEntryList mean;
    double sum = 0;
    for (int i = 0; i < 12; ++i) {
        const double y = 40 + 25 * std::sin(i / 2.0) + i * 2;
        sum += y;
        bars << std::make_shared<Charts::BarChartDataEntry>(i, y);
        mean << std::make_shared<Charts::ChartDataEntry>(i, sum / (i + 1));
    }
    auto barSet = std::make_shared<Charts::BarChartDataSet>(bars, QStringLiteral("Monthly"));
    barSet->setColor(QColor(120, 170, 220));
    auto lineSet = std::make_shared<Charts::LineChartDataSet>(mean, QStringLiteral("Running mean"));
    lineSet->setColor(QColor(0, 61, 165));
    lineSet->setLineWidth(2.5);
    Charts::ChartDataEntryList outliers{std::make_shared<Charts::ChartDataEntry>(2.0, 85.0),
                                        std::make_shared<Charts::ChartDataEntry>(7.0, 12.0),
                                        std::make_shared<Charts::ChartDataEntry>(10.0, 90.0)};
    auto pointSet = std::make_shared<Charts::ScatterChartDataSet>(outliers, QStringLiteral("Outliers"));
    pointSet->setColor(QColor(220, 60, 40));
    pointSet->setScatterShapeSize(14);

    auto data = std::make_shared<Charts::CombinedChartData>();
    data->setBarData(std::make_shared<Charts::BarChartData>(Charts::ChartDataSetList{barSet}));
    data->setLineData(std::make_shared<Charts::LineChartData>(Charts::ChartDataSetList{lineSet}));
    data->setScatterData(std::make_shared<Charts::ScatterChartData>(Charts::ChartDataSetList{pointSet}));
    auto view = std::make_unique<Charts::CombinedChartView>();
    view->xAxis()->setAxisMinimum(-0.5);
    view->xAxis()->setAxisMaximum(11.5);
    view->leftAxis()->setAxisMinimum(0);
    view->rightAxis()->setAxisMinimum(0);
    view->setData(data);
    return view;
}

const Gallery::Registration registration{{
    {QStringLiteral("Combined"), barsLineAndPoints},
}};

}
