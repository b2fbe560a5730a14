#pragma once

#include "ChartEngine/data/CombinedChartData.h"
#include "ChartEngine/data/LineChartData.h"
#include "ChartEngine/data/LineChartDataSet.h"
#include "ChartEngine/types/CombinedChartView.h"

#include "BarTestChart.h"

#include <QPointF>

#include <memory>

namespace CombinedTesting {

// A line data set through the points, labelled.
inline std::shared_ptr<Charts::LineChartDataSet> lineSet(const QList<QPointF>& points, const QString& label)
{
    Charts::ChartDataEntryList entries;
    for (const QPointF& point : points) {
        entries << std::make_shared<Charts::ChartDataEntry>(point.x(), point.y());
    }
    return std::make_shared<Charts::LineChartDataSet>(entries, label);
}

// The line data of one set at y 3 from x 0 to 10, labelled "Line".
inline std::shared_ptr<Charts::LineChartData> flatLine()
{
    return std::make_shared<Charts::LineChartData>(
        Charts::ChartDataSetList{lineSet({QPointF(0, 3), QPointF(2, 3), QPointF(10, 3)}, QStringLiteral("Line"))});
}

// Bars 1 and 2 at x 0 and 1 and the stack [1, 2, 3] at x 2, width 0.5, labelled "Bars".
inline std::shared_ptr<Charts::BarChartData> bars()
{
    return BarTesting::barData({BarTesting::barSet({1.0, 2.0, QList<double>{1, 2, 3}}, QStringLiteral("Bars"))});
}

// Combined data of the line (allData index 0) and the bars (index 1).
inline std::shared_ptr<Charts::CombinedChartData> lineAndBars()
{
    auto data = std::make_shared<Charts::CombinedChartData>();
    data->setLineData(flatLine());
    data->setBarData(bars());
    return data;
}

// A never-shown 300 x 200 combined view with the content (35, 15, 230, 125) over x 0..10 and y
// 0..10: 23 pixels per x unit, 12.5 per y unit, y 0 at pixel 140.
inline std::unique_ptr<Charts::CombinedChartView> fixtureView(std::shared_ptr<Charts::ChartData> data)
{
    auto view = std::make_unique<Charts::CombinedChartView>(QRect(0, 0, 300, 200));
    BarTesting::styleAsFixture(*view, 0, 10, 0, 10);
    view->setData(std::move(data));
    return view;
}

// The pixel of a value in the fixture.
inline QPointF pixel(double x, double y)
{
    return QPointF(35 + 23 * x, 140 - 12.5 * y);
}

}
