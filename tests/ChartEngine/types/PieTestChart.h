#pragma once

#include "ChartEngine/components/Legend.h"
#include "ChartEngine/data/PieChartData.h"
#include "ChartEngine/data/PieChartDataEntry.h"
#include "ChartEngine/data/PieChartDataSet.h"
#include "ChartEngine/types/PieChartView.h"

#include <QList>
#include <QRect>

#include <cmath>
#include <functional>
#include <memory>
#include <numbers>

namespace PieTesting {

// A pie data set of the values, labelled or not.
inline std::shared_ptr<Charts::PieChartDataSet> pieSet(const QList<double>& values,
                                                        const std::optional<QString>& label = std::nullopt)
{
    Charts::ChartDataEntryList entries;
    for (const double value : values) {
        entries << std::make_shared<Charts::PieChartDataEntry>(value);
    }
    return std::make_shared<Charts::PieChartDataSet>(entries, label);
}

// A pie view of the frame without a legend, its set styled before the data is set.
inline std::unique_ptr<Charts::PieChartView> pieView(
    const QList<double>& values, const QRect& frame = QRect(0, 0, 200, 200),
    const std::function<void(Charts::PieChartView&, Charts::PieChartDataSet&)>& style = {})
{
    auto view = std::make_unique<Charts::PieChartView>(frame);
    view->legend()->setEnabled(false);
    const auto dataSet = pieSet(values);
    if (style) {
        style(*view, *dataSet);
    }
    view->setData(std::make_shared<Charts::PieChartData>(Charts::ChartDataSetList{dataSet}));
    return view;
}

// The point at `distance` from `center` along `degrees` (clockwise from +x).
inline QPointF along(QPointF center, double distance, double degrees)
{
    const double radians = degrees * std::numbers::pi / 180;
    return QPointF(center.x() + distance * std::cos(radians), center.y() + distance * std::sin(radians));
}

}
